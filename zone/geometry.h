#pragma once
// Points, directions and the antenna's polyline: the few operations the
// zone search and the area check need.

#include <cmath>
#include <span>

namespace kvarn::zone {

// A point or a direction in space, m; z is up and the ground is z = 0.
struct Point3 {
    double x = 0, y = 0, z = 0;
};

// A point seen from above (x, y) or from the side, m.
struct Point2 {
    double x = 0, y = 0;
};

inline Point3 operator+(Point3 a, Point3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator-(Point3 a, Point3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point3 operator*(double s, Point3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline double dot(Point3 a, Point3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point3 cross(Point3 a, Point3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Point3 a) {
    return std::sqrt(dot(a, a));
}
inline Point3 unit(Point3 a) {
    return (1 / norm(a)) * a;
}

inline Point2 operator-(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline double cross(Point2 a, Point2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double distance(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The nearest point of the segment from a to b to p.
Point3 nearestOnSegment(Point3 p, Point3 a, Point3 b);
Point2 nearestOnSegment(Point2 p, Point2 a, Point2 b);

// m: from p to the nearest point of any segment of the polyline through
// the corners (to the corner itself when there is only one).
double distanceToPolyline(std::span<const Point3> corners, Point3 p);
// m: from p, seen from above, to the polyline projected on the ground.
double planDistanceToPolyline(std::span<const Point3> corners, Point3 p);

} // namespace kvarn::zone
