#pragma once
// The free-space near field of one straight segment carrying the three
// current terms of the expansion, by NEC-2's thin-wire formulas: the
// current flows on the segment's axis and the field is taken at the point,
// moved off the axis by the radius `ai` of the wire it lies on (0 for a
// point in space). All lengths are in wavelengths; the fields are per ampere
// of each term and become V/m and A/m when divided by the wavelength in m.

#include "mom/complex_vec.h"

namespace kvarn::mom {

// A segment measured in wavelengths.
struct SegmentInWavelengths {
    Vec3 centre;
    Vec3 direction; // unit
    double length = 0;
};

// Beyond this distance from its centre a segment's field is that of a
// point current of the same moment: NEC-2's default of one wavelength.
inline constexpr double kLumpedBeyond = 1.0; // wavelengths

// E of the three terms at point p.
TermFields segmentE(const SegmentInWavelengths& s, Vec3 p, double ai);

// H of the three terms at point p.
TermFields segmentH(const SegmentInWavelengths& s, Vec3 p, double ai);

// Both at a point in space (radius 0), the same as segmentE and segmentH
// give, with the geometry and the waves from the segment's ends taken once.
void segmentEH(const SegmentInWavelengths& s, Vec3 p, TermFields& e, TermFields& h);

} // namespace kvarn::mom
