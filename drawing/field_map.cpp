#include "drawing/field_map.h"

#include <cmath>
#include <string>

namespace kvarn {

namespace {

// Whether the coordinates run from the first one in equal steps of `delta`
// (negative for the rows, which go from the top down). A thousandth of a
// step leaves room for coordinates that were printed and read back.
bool evenlySpaced(const std::vector<double>& values, double delta) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double expected = values.front() + static_cast<double>(i) * delta;
        if (!(std::abs(values[i] - expected) <= 1e-3 * std::abs(delta))) return false;
    }
    return true;
}

bool finite(const WirePoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// Whether every corner and the feed of a wire are finite.
bool finiteWire(const std::vector<WirePoint>& corners, const std::optional<WirePoint>& feed) {
    for (const WirePoint& p : corners)
        if (!finite(p)) return false;
    return !feed || finite(*feed);
}

} // namespace

std::string fieldMapProblem(const FieldMap& map) {
    if (map.xs.empty() || map.ys.empty()) return "the grid has no points";
    if (!(map.step > 0) || !std::isfinite(map.step)) return "the grid step is not positive";
    if (!evenlySpaced(map.xs, map.step))
        return "the columns do not run left to right in steps of the grid step";
    if (!evenlySpaced(map.ys, -map.step))
        return "the rows do not run top to bottom in steps of the grid step";
    const std::size_t points = map.xs.size() * map.ys.size();
    if (map.percent.size() != points)
        return "there are " + std::to_string(map.percent.size()) + " values for " +
               std::to_string(points) + " grid points";
    if (!map.tooClose.empty() && map.tooClose.size() != points)
        return "there are " + std::to_string(map.tooClose.size()) + " too-close marks for " +
               std::to_string(points) + " grid points";
    if (!finiteWire(map.corners, map.feed)) return "a point of the wire is not a finite number";
    for (const AntennaWire& antenna : map.antennas)
        if (!finiteWire(antenna.corners, antenna.feed))
            return "a point of the antenna \"" + antenna.name + "\" is not a finite number";
    return {};
}

} // namespace kvarn
