#pragma once
// The boundary of the controllable area: a simple polygon seen from above,
// and the checks the station-file reader and the area check need.

#include <cstddef>
#include <span>

#include "zone/geometry.h"

namespace kvarn::zone {

inline constexpr std::size_t kMinBoundaryCorners = 3;
inline constexpr std::size_t kMaxBoundaryCorners = 200;

// Whether the corners (x, y in m, in order, the last joined to the first)
// make a simple polygon: kMinBoundaryCorners to kMaxBoundaryCorners finite
// corners, no edge of zero length, no two edges that cross or touch other
// than neighbours at their shared corner, and an area.
bool simplePolygon(std::span<const Point2> corners);

// Whether p lies strictly inside the polygon: a point on its edge is not.
bool insidePolygon(std::span<const Point2> polygon, Point2 p);

// The nearest point of the polygon's edges to p, and its distance (m).
struct EdgePoint {
    double distance = 0; // m
    Point2 at;
};
EdgePoint nearestOnPolygon(std::span<const Point2> polygon, Point2 p);

inline double distanceToPolygon(std::span<const Point2> polygon, Point2 p) {
    return nearestOnPolygon(polygon, p).distance;
}

// Whether the segments ab and cd have a point in common.
bool segmentsMeet(Point2 a, Point2 b, Point2 c, Point2 d);

} // namespace kvarn::zone
