#pragma once
// The ground as the field model sees it: permittivity and conductivity at a
// frequency, and what NEC-2 derives from them. Time goes as exp(+j omega t),
// as in NEC-2, so a lossy ground has a negative imaginary permittivity.

#include <complex>

namespace kvarn::ground {

// What the station owner gives.
struct GroundParameters {
    double relativePermittivity = 13; // eps_r, at least 1
    double conductivity = 0.005;      // S/m, at least 0
    double frequencyMHz = 14.2;       // MHz, above 0
};

// What the Sommerfeld and Norton forms read.
struct GroundConstants {
    double wavelength = 0;       // m, 299.8 / f (NEC-2's speed of light)
    std::complex<double> epsc;   // eps_r - j sigma lambda 59.96: complex relative permittivity
    std::complex<double> frati;  // (epsc - 1) / (epsc + 1): the quasi-static image factor
    std::complex<double> zrati;  // 1 / sqrt(epsc): surface impedance over eta (Norton's u)
    std::complex<double> zrati2; // 1 / epsc (Norton's u squared)
};

// The constants of a ground; throws std::invalid_argument when eps_r is
// below 1, the conductivity negative, the frequency not above 0, or any of
// them not finite. eps_r 1 and sigma 0 are accepted: free space, whose
// correction is zero.
GroundConstants groundConstants(const GroundParameters& ground);

} // namespace kvarn::ground
