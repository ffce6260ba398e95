#pragma once
// Order-zero Bessel and Hankel functions of complex argument, with their
// derivatives, for the integrands of the Sommerfeld integrals. Power series
// for small arguments and the two-term asymptotic expansion for large ones,
// switched where NEC-2 switches them and blended over a short stretch so
// the integrands stay smooth for the Romberg integration.

#include <complex>

namespace kvarn::ground {

struct ValueAndSlope {
    std::complex<double> value; // f(z)
    std::complex<double> slope; // f'(z)
};

// J0(z) and J0'(z) = -J1(z): series up to |z| = 6.1, asymptotic from 6.
ValueAndSlope besselJ0(std::complex<double> z);

// H0(z) = J0(z) + j Y0(z), the Hankel function of the first kind (outgoing
// under exp(-j omega t), the convention of the integrals), and H0'(z):
// series up to |z| = 4.1, asymptotic from 4. z must not be 0.
ValueAndSlope hankelH0(std::complex<double> z);

} // namespace kvarn::ground
