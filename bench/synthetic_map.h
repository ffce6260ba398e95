#pragma once
// A field map made up without the field model, for timing the drawing and
// for looking at it: a wire fed 2.5 m above the ground, rising to 10 m, running
// 40 m and sloping down at its end; the field falls off as 1/r from the
// nearest point of the wire, 2 m above the ground.

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/field_map.h"

namespace kvarn::bench {

inline double distanceToSegment(const WirePoint& a, const WirePoint& b, double x, double y,
                                double z) {
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double length2 = dx * dx + dy * dy + dz * dz;
    const double t =
        std::clamp(((x - a.x) * dx + (y - a.y) * dy + (z - a.z) * dz) / length2, 0.0, 1.0);
    return std::hypot(x - a.x - t * dx, y - a.y - t * dy, z - a.z - t * dz);
}

// A grid of `points` x `points` over 100 m x 100 m.
inline FieldMap syntheticMap(int points) {
    FieldMap map;
    map.title = "40 m: 7.100 MHz, 100 W at the feed (synthetic field)";
    map.limitLine = "limits: E 27.5 V/m, H 0.073 A/m";
    map.corners = {{0, 0, 2.5}, {0, 0, 10}, {40, 0, 10}, {40, 5, 6}};
    map.step = 100.0 / (points - 1);
    for (int i = 0; i < points; ++i) {
        map.xs.push_back(-30 + i * map.step);
        map.ys.push_back(50 - i * map.step);
    }
    map.maxPercent = -1;
    for (double y : map.ys)
        for (double x : map.xs) {
            double r = 1e9;
            for (std::size_t k = 0; k + 1 < map.corners.size(); ++k)
                r = std::min(r, distanceToSegment(map.corners[k], map.corners[k + 1], x, y, 2));
            const bool tooClose = r < 2.1;
            const double percent = 900 / r;
            map.percent.push_back(percent);
            map.tooClose.push_back(tooClose ? 1 : 0);
            if (!tooClose && percent > map.maxPercent) {
                map.maxPercent = percent;
                map.maxX = x;
                map.maxY = y;
            }
        }
    return map;
}

} // namespace kvarn::bench
