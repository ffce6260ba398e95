#include "assessment/wire_distance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn {

double distanceToWire(std::span<const CornerPoint> corners, double x, double y, double z) {
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t j = 1; j < corners.size(); ++j) {
        const CornerPoint& a = corners[j - 1];
        const CornerPoint& b = corners[j];
        const double sx = b.x - a.x, sy = b.y - a.y, sz = b.z - a.z;
        const double px = x - a.x, py = y - a.y, pz = z - a.z;
        const double length2 = sx * sx + sy * sy + sz * sz;
        // The foot of the perpendicular, kept on the segment.
        const double t =
            length2 > 0 ? std::clamp((px * sx + py * sy + pz * sz) / length2, 0.0, 1.0) : 0.0;
        const double dx = px - t * sx, dy = py - t * sy, dz = pz - t * sz;
        nearest = std::min(nearest, std::sqrt(dx * dx + dy * dy + dz * dz));
    }
    if (corners.size() == 1) {
        const CornerPoint& a = corners.front();
        nearest = std::hypot(x - a.x, y - a.y, z - a.z);
    }
    return nearest;
}

} // namespace kvarn
