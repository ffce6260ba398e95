#pragma once
// The line where the field crosses a level, found by marching squares over
// the map's grid.

#include <vector>

#include "drawing/field_map.h"

namespace kvarn {

// A piece of contour line, in metres.
struct Segment {
    double x0, y0, x1, y1;
};

// The segments where the field of `map` crosses `level` percent. A point
// counts as above when its value is at least the level; the crossing on an
// edge between an above and a below point is interpolated linearly. A square
// whose corners alternate above and below takes the mean of its corners as
// its centre value: when the centre is above, the above corners connect
// through the square. Squares that touch a too-close point or a value that is
// not finite carry no line, as their values mean nothing.
std::vector<Segment> contourSegments(const FieldMap& map, double level);

} // namespace kvarn
