#pragma once
// NEC-2's current expansion on the segmented wire. Each unknown of the
// solve belongs to one segment and carries a basis function that lives on
// that segment and its neighbours; on every segment it is a constant, a
// sine and a cosine term:
//   I(s) = A + B sin(k (s - s_c)) + C cos(k (s - s_c)),
// s_c the segment's centre. Its shape on the neighbours makes it vanish at
// their far ends; at a junction the charge densities of the joined segments
// (the slopes of the current) stand in the ratio the wire radii give; at a
// free end the current into the end cap is the only current left.

#include <vector>

#include "mom/wire.h"

namespace kvarn::mom {

// The three term amplitudes of one basis function on one segment.
struct BasisTerms {
    int segment = 0; // the segment the terms live on
    int basis = 0;   // the basis function (the unknown) they belong to
    double a = 0;    // constant term
    double b = 0;    // sine term
    double c = 0;    // cosine term
};

struct Expansion {
    std::vector<std::vector<BasisTerms>>
        ofBasis; // per unknown: its terms on every segment it reaches
    std::vector<std::vector<BasisTerms>> onSegment; // per segment: every unknown's terms on it
};

// The expansion of the segmented wire (lengths taken in its wavelength).
Expansion expandCurrent(const Segments& wire);

} // namespace kvarn::mom
