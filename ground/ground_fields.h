#pragma once
// The four quantities of the field due to ground, NEC-2's ERV, EZV, ERH and
// EPH, in the normalisation of its interpolation tables. How they make a
// field is told in ground/sommerfeld_ground.h, the header the engine reads.

#include <complex>

namespace kvarn::ground {

struct GroundFields {
    std::complex<double> erv; // radial field of a vertical current element
    std::complex<double> ezv; // vertical field of a vertical current element
    std::complex<double> erh; // radial field of a horizontal current element, times 1/cos(phi)
    std::complex<double> eph; // azimuthal field of a horizontal current element, times 1/sin(phi)
};

} // namespace kvarn::ground
