#include "zone/geometry.h"

#include <algorithm>
#include <limits>

namespace kvarn::zone {

Point3 nearestOnSegment(Point3 p, Point3 a, Point3 b) {
    const Point3 ab = b - a;
    const double length2 = dot(ab, ab);
    const double t = length2 > 0 ? std::clamp(dot(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    return a + t * ab;
}

Point2 nearestOnSegment(Point2 p, Point2 a, Point2 b) {
    const Point2 ab = b - a;
    const double length2 = ab.x * ab.x + ab.y * ab.y;
    const Point2 ap = p - a;
    const double t =
        length2 > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / length2, 0.0, 1.0) : 0.0;
    return {a.x + t * ab.x, a.y + t * ab.y};
}

double distanceToPolyline(std::span<const Point3> corners, Point3 p) {
    if (corners.empty()) return std::numeric_limits<double>::infinity();
    double nearest = norm(p - corners.front());
    for (std::size_t j = 1; j < corners.size(); ++j)
        nearest = std::min(nearest, norm(p - nearestOnSegment(p, corners[j - 1], corners[j])));
    return nearest;
}

double planDistanceToPolyline(std::span<const Point3> corners, Point3 p) {
    if (corners.empty()) return std::numeric_limits<double>::infinity();
    const Point2 q{p.x, p.y};
    auto plan = [](Point3 c) { return Point2{c.x, c.y}; };
    double nearest = distance(q, plan(corners.front()));
    for (std::size_t j = 1; j < corners.size(); ++j)
        nearest = std::min(
            nearest, distance(q, nearestOnSegment(q, plan(corners[j - 1]), plan(corners[j]))));
    return nearest;
}

} // namespace kvarn::zone
