#include "zone/wires.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kvarn::zone {

Wires::Wires(std::vector<std::vector<Point3>> lines) : lines_(std::move(lines)) {}

double Wires::distance(Point3 p) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const std::vector<Point3>& line : lines_)
        nearest = std::min(nearest, distanceToPolyline(line, p));
    return nearest;
}

double Wires::planDistance(Point3 p) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const std::vector<Point3>& line : lines_)
        nearest = std::min(nearest, planDistanceToPolyline(line, p));
    return nearest;
}

} // namespace kvarn::zone
