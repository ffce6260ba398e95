#pragma once
// Convex hulls in the plane, and cutting a piece of the zone at a height.

#include <span>
#include <vector>

#include "zone/geometry.h"

namespace kvarn::zone {

// The convex hull of the points, counter-clockwise, without repeated
// points or corners on a straight edge: one point or two for points that
// coincide or lie on a line; none for none.
std::vector<Point2> convexHull(std::vector<Point2> points);

// The points whose convex hull is the part of the hull of `corners` at or
// below height h: the corners at or below it and, for every two corners on
// opposite sides, the point between them at height h.
std::vector<Point3> clippedBelow(std::span<const Point3> corners, double h);

} // namespace kvarn::zone
