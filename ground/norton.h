#pragma once
// Norton's asymptotic form of the field due to ground (K. A. Norton, Proc.
// IRE, 1937), as NEC-2's GWAVE uses it beyond its interpolation grids, and
// Sommerfeld's attenuation function it needs (NEC-2's FBAR).

#include <complex>

#include "ground/ground_fields.h"
#include "ground/ground_medium.h"

namespace kvarn::ground {

// Sommerfeld's attenuation function of the numerical distance p,
//   F(p) = 1 - j sqrt(pi p) exp(-p) erfc(j sqrt(p)),
// with z = j sqrt(p): the power series of erf up to |z| = 3, the
// asymptotic series beyond. Each form returns its own value (NEC-2's
// series branch has its own return; nec2c 1.3 lost it and let the
// asymptotic form overwrite the series).
std::complex<double> attenuationFunction(std::complex<double> p);
// The two forms on their own, for any p with p != 0 in the asymptotic one.
std::complex<double> attenuationSeries(std::complex<double> p);
std::complex<double> attenuationAsymptotic(std::complex<double> p);
// |z| = |sqrt(p)| up to which attenuationFunction takes the series.
inline constexpr double kAttenuationSeriesLimit = 3.0;

// Norton's field of a vertical and a horizontal current element, the
// ground wave included, less the quasi-static image (frati times the
// image element's field), at R (wavelengths) and theta (rad, 0 to pi/2):
// the same four quantities in the same normalisation as the tables, for
// distances beyond them. 0 for free space (eps_r 1, sigma 0).
GroundFields nortonFields(const GroundConstants& ground, double r, double theta);

} // namespace kvarn::ground
