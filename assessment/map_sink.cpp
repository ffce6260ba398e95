#include "assessment/map_sink.h"

#include <algorithm>
#include <limits>

#include "assessment/shares.h"

namespace kvarn {

MapSink::MapSink(BandResult& result, const GridAxes& axes, double step,
                 std::span<const CornerPoint> corners)
    : result_(result) {
    FieldMap& map = result_.map;
    map.step = step;
    map.xs = axes.xs;
    map.ys = axes.ys;
    map.percent.assign(axes.points(), 0.0);
    map.tooClose.assign(axes.points(), 0);
    map.corners.clear();
    for (const CornerPoint& c : corners)
        map.corners.push_back({c.x, c.y, c.z});
}

void MapSink::planeBegins(double) {
    started_ = false;
}

void MapSink::rowBegins(double) {
    row_ = started_ ? row_ + 1 : 0;
    started_ = true;
    column_ = 0;
}

void MapSink::point(const PlanePoint& p) {
    FieldMap& map = result_.map;
    const std::size_t cell = row_ * map.columns() + column_++;
    if (cell >= map.percent.size()) return;
    if (!p.field.holds)
        map.tooClose[cell] = 1;
    else
        map.percent[cell] = std::max(map.percent[cell], sharesOf(p.field, result_.limits).worst());
}

void MapSink::finish() {
    FieldMap& map = result_.map;
    map.maxPercent = 0;
    bool found = false;
    for (std::size_t r = 0; r < map.rows(); ++r)
        for (std::size_t c = 0; c < map.columns(); ++c) {
            const std::size_t cell = r * map.columns() + c;
            if (map.tooClose[cell] != 0) continue;
            if (!found || map.percent[cell] > map.maxPercent) {
                map.maxPercent = map.percent[cell];
                map.maxX = map.xs[c];
                map.maxY = map.ys[r];
                found = true;
            }
        }
    if (!found) map.maxPercent = std::numeric_limits<double>::quiet_NaN();
}

} // namespace kvarn
