#pragma once
// Cutting the wire into 1 m elements carrying a standing-wave current.

#include <cstdint>

namespace kvarn {

// Length of segment j in m, as stored (a double) from the corner lists.
double segmentLength(int j);
// Elements a segment of that length receives: Int(len + 0.5), a whole
// number held in a double. Also the
// coordinate form's count of the segment's metres, so that the total length
// it checks always equals the number of elements laid.
double segmentElements(double len);

// The element loop: lays the elements of all segments from the corner lists,
// the standing wave of the given wavelength and amplitude running on across
// corners. Never writes past element 800.
void layElements(double wavelength, double amplitude);

// Rebuilds elements and elementCount from the corner lists, segCount,
// totalLength, lambda and power (the normal program).
void discretizeAntenna();

} // namespace kvarn
