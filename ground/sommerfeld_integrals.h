#pragma once
// Direct evaluation of the Sommerfeld integrals of one lossy ground, as
// NEC-2's SOMNEC evaluates them for its tables: the field due to ground of
// a vertical and of a horizontal current element, less the quasi-static
// image the engine adds itself, by contour integration in the complex
// lambda plane. For a steep line to the image point (z + z' at least twice
// rho) the Bessel-function form along the real axis; otherwise the
// Hankel-function form on a contour that leaves the branch points of the
// ground and of the air, and the pole between them, to one side.
//
// Unlike NEC-2's SOMNEC, the contours pass the air's branch point within
// 1/rho below the real axis (NEC-2: 0.2 k, the same up to rho = 0.8
// wavelengths), and the Bessel form integrates past that branch point
// before it extrapolates to infinity. NEC-2 needs the integrals only out to
// one wavelength; the far tables here need them out to 20, and with these
// paths they hold their 1e-4 to 30 wavelengths and beyond, where NEC-2's
// lose all accuracy past about ten wavelengths (steep lines past three).
//
// Lengths are in wavelengths. R is the distance from the source's image to
// the field point, theta the angle of that line above the ground plane:
// rho = R cos(theta) horizontally, z + z' = R sin(theta) vertically.

#include <complex>

#include "ground/ground_fields.h"

namespace kvarn::ground {

class SommerfeldIntegrals {
  public:
    // epsc: the complex relative permittivity under exp(+j omega t).
    explicit SommerfeldIntegrals(std::complex<double> epsc);

    struct Result {
        GroundFields fields;  // in table normalisation (see ground/sommerfeld_ground.h)
        bool limited = false; // an integration stopped short of its accuracy
    };
    // R > 0, theta in [0, pi/2].
    Result evaluate(double r, double theta) const;
    // The limit of the table quantities for R -> 0 along the angle theta.
    GroundFields atOrigin(double theta) const;

    std::complex<double> epsc() const { return epsc_; }

    // The wavenumbers and their combinations the integrands use, in the
    // integrals' own convention exp(-j omega t) (hence the conjugate
    // permittivity).
    struct Medium {
        std::complex<double> ck1;   // ground wavenumber, 2 pi sqrt(conj(epsc))
        std::complex<double> ck1sq; // its square
        double ck2 = 0;             // air wavenumber, 2 pi
        double ck2sq = 0;           // its square
        double ck1r = 0;            // real part of ck1
        double tsmag = 0;           // 100 |ck1|^2: beyond it the integrands' large-lambda forms
        double tkmag = 0;           // 100 |ck1|: the Bessel path splits beyond it
        std::complex<double> cksm;  // ck2^2 / (ck1^2 + ck2^2)
        std::complex<double> ct1, ct2, ct3; // series of gamma2 - gamma1 in 1/lambda
    };

  private:
    std::complex<double> epsc_;
    Medium m_;
};

} // namespace kvarn::ground
