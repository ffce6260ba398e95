#pragma once
// How long a wire counts: every segment as the whole metres that receive
// elements, so the length the forms check always equals the number of
// elements the discretisation lays.

#include <span>

#include "field/antenna.h"

namespace kvarn {

inline constexpr double kMinWireLength = 1;   // m
inline constexpr double kMaxWireLength = 800; // m: the element table's size

// Length of the segment from a to b in m, rounded to a double once.
double segmentLength(const CornerPoint& a, const CornerPoint& b);
// Elements a segment of that length receives: Int(len + 0.5), a whole
// number held in a double (six typed characters allow segments far beyond
// what a 16-bit count holds).
double segmentElements(double len);
// The wire's length in whole metres: the sum of its segments' elements.
double wireLength(std::span<const CornerPoint> corners);
// 1 to 800 m: at least one element, and no more than the table holds.
bool wireLengthAccepted(double length);

} // namespace kvarn
