#include "field/scan.h"

#include <cmath>

namespace kvarn {

PointResult recordOf(const PointInputs& in, const PointWork& work) {
    return {work.xp, work.yp, pointValue(in.fieldMode, work), work.tooclose};
}

ScanOutcome scanGrid(const Grid& grid, const PointInputs& in, std::span<PointSink* const> sinks) {
    PointWork work;
    for (double yp = grid.yend; rowLaid(grid, yp); yp = yp - grid.step) {
        for (PointSink* sink : sinks)
            sink->rowBegins(yp);
        for (double xp = grid.xanf; columnLaid(grid, xp); xp = xp + grid.step) {
            startPoint(work, xp, yp);
            sumElements(in, work);
            if (work.cthStop) return {true, xp, yp, work.cthElement};
            const PointResult p = recordOf(in, work);
            // Finite inputs give finite values; should one not, it stops the
            // scan rather than reach a report as "Nan" or "+Inf".
            if (!std::isfinite(p.value)) return {false, xp, yp, 0, true};
            for (PointSink* sink : sinks)
                sink->point(p);
        }
        for (PointSink* sink : sinks)
            sink->rowEnds(yp);
    }
    return {};
}

} // namespace kvarn
