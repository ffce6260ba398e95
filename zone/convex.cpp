#include "zone/convex.h"

#include <algorithm>

namespace kvarn::zone {

std::vector<Point2> convexHull(std::vector<Point2> points) {
    std::sort(points.begin(), points.end(),
              [](Point2 a, Point2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    points.erase(std::unique(points.begin(), points.end(),
                             [](Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }),
                 points.end());
    if (points.size() < 3) return points;
    // The lower chain left to right, then the upper one back (Andrew's
    // monotone chain); a turn that is not to the left leaves the chain.
    std::vector<Point2> hull(2 * points.size());
    std::size_t k = 0;
    for (const Point2& p : points) {
        while (k >= 2 && cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0)
            --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        const Point2& p = points[i];
        while (k >= lower && cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0)
            --k;
        hull[k++] = p;
    }
    hull.resize(k - 1); // the last point is the first again
    return hull;
}

std::vector<Point3> clippedBelow(std::span<const Point3> corners, double h) {
    std::vector<Point3> out;
    for (const Point3& c : corners)
        if (c.z <= h) out.push_back(c);
    if (out.size() == corners.size()) return out;
    for (std::size_t i = 0; i < corners.size(); ++i)
        for (std::size_t j = i + 1; j < corners.size(); ++j) {
            const Point3 &a = corners[i], &b = corners[j];
            if ((a.z <= h) == (b.z <= h)) continue;
            const double t = (h - a.z) / (b.z - a.z);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), h});
        }
    return out;
}

} // namespace kvarn::zone
