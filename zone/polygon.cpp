#include "zone/polygon.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn::zone {

namespace {

// Which side of the line ab the point c lies on: 1 left, -1 right, 0 on it.
int side(Point2 a, Point2 b, Point2 c) {
    const double v = cross(b - a, c - a);
    return (v > 0) - (v < 0);
}

// Whether c, known to lie on the line ab, lies within the segment ab.
bool within(Point2 a, Point2 b, Point2 c) {
    return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y &&
           c.y <= std::max(a.y, b.y);
}

} // namespace

bool segmentsMeet(Point2 a, Point2 b, Point2 c, Point2 d) {
    const int s1 = side(a, b, c), s2 = side(a, b, d);
    const int s3 = side(c, d, a), s4 = side(c, d, b);
    if (s1 * s2 < 0 && s3 * s4 < 0) return true; // they cross
    // One ends on the other.
    return (s1 == 0 && within(a, b, c)) || (s2 == 0 && within(a, b, d)) ||
           (s3 == 0 && within(c, d, a)) || (s4 == 0 && within(c, d, b));
}

bool simplePolygon(std::span<const Point2> corners) {
    const std::size_t n = corners.size();
    if (n < kMinBoundaryCorners || n > kMaxBoundaryCorners) return false;
    for (const Point2& c : corners)
        if (!std::isfinite(c.x) || !std::isfinite(c.y)) return false;
    auto next = [n](std::size_t i) { return (i + 1) % n; };
    for (std::size_t i = 0; i < n; ++i)
        if (corners[i].x == corners[next(i)].x && corners[i].y == corners[next(i)].y) return false;
    for (std::size_t i = 0; i < n; ++i) {
        const Point2 a = corners[i], b = corners[next(i)];
        // A neighbour meets the edge only at their shared corner: one that
        // folds back over it overlaps it.
        const Point2 c = corners[next(next(i))];
        if (side(a, b, c) == 0 && within(a, b, c)) return false;
        const Point2 before = corners[(i + n - 1) % n];
        if (side(a, b, before) == 0 && within(a, b, before)) return false;
        for (std::size_t j = i + 2; j < n; ++j) {
            if (next(j) == i) continue; // the neighbour before it
            if (segmentsMeet(a, b, corners[j], corners[next(j)])) return false;
        }
    }
    double twiceArea = 0;
    for (std::size_t i = 0; i < n; ++i)
        twiceArea += cross(corners[i], corners[next(i)]);
    return twiceArea != 0;
}

bool insidePolygon(std::span<const Point2> polygon, Point2 p) {
    const std::size_t n = polygon.size();
    bool in = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point2 a = polygon[j], b = polygon[i];
        if (side(a, b, p) == 0 && within(a, b, p)) return false; // on the edge
        // Crossings of the ray from p towards +x, each edge counted once
        // with its lower end in and its upper end out.
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x);
            if (p.x < x) in = !in;
        }
    }
    return in;
}

EdgePoint nearestOnPolygon(std::span<const Point2> polygon, Point2 p) {
    // Compared squared: one square root in all.
    double nearest = std::numeric_limits<double>::infinity();
    Point2 at;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point2 q = nearestOnSegment(p, polygon[i], polygon[(i + 1) % n]);
        const double d2 = (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y);
        if (d2 < nearest) nearest = d2, at = q;
    }
    return {std::sqrt(nearest), at};
}

} // namespace kvarn::zone
