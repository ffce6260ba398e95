#include "mom/analysis.h"

#include <algorithm>
#include <cmath>

#include "mom/basis.h"
#include "mom/matrix.h"
#include "mom/real_ground.h"
#include "mom/solver.h"

namespace kvarn::mom {

WireAnalysis analyseWire(const WireSpec& wireSpec, double watts, unsigned threads) {
    WireAnalysis out;
    if (!std::isfinite(watts) || watts <= 0) {
        out.reason = "the power must be a positive number of W";
        return out;
    }
    const Segmentation cut = segmentWire(wireSpec);
    if (!cut.ok()) {
        out.reason = cut.reason;
        return out;
    }
    const Segments& wire = cut.wire;
    const GroundModel ground = groundModel(wireSpec, threads);
    const Expansion expansion = expandCurrent(wire);
    const ComplexMatrix matrix = fillInteractionMatrix(wire, expansion, ground, threads);
    const Solver solver(wire, expansion, matrix);
    const Currents currents = scaledToPower(solver.excite(wire.feedSegment), watts);

    FeedSummary& s = out.summary;
    s.segments = wire.segments.size();
    s.impedance = currents.impedance();
    s.swr = swr50(s.impedance);
    s.inputPower = currents.inputPower();
    for (const SegmentCurrent& c : currents.segments)
        s.maxCurrentRms = std::max(s.maxCurrentRms, std::abs(c.atCentre()) / std::sqrt(2.0));
    out.field.emplace(wire, currents, ground);
    return out;
}

} // namespace kvarn::mom
