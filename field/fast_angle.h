#pragma once
// angle() of the geometry on the fast arctangent, for the fast kernel: the
// double that angle(x, y) returns when its atanl gives the value of arcTan.

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "field/constants.h"
#include "field/extended_bits.h"
#include "field/fast_trig.h"
#include "field/geometry.h"

namespace kvarn {

namespace detail {

// angle()'s limit of |x| below which it takes the direction as pi/2.
inline constexpr double kAngleAxisEdge = doubleAbove(1e-6L); // |x| < 1e-6L

// angle()'s own steps on arcTan, for the rare arguments: |x| < 1e-6 and
// an infinite or NaN y.
[[gnu::noinline]] inline double angleRare(double x, double y) {
    return angleWith<arcTan>(x, y);
}

} // namespace detail

// angle(x, y): with a = arctan(|y / x|),
//   x >= 0: a for y >= 0, -a below;   x < 0: pi - a for y >= 0, a - pi below,
// each in extended precision, then rounded to double, on the program's pi.
// Here |y / x| = |y| / |x| (the quotient rounds alike whatever the signs),
// and -(pi - a) is a - pi exactly since rounding to nearest is symmetric, so
// the result is s_y (a or pi - a) with one rounding to double of a or pi - a
// and an exact sign s_y. Both candidates are rounded and the double picked,
// which keeps extended values out of the branches. For |x| >= 1e-6 and a
// finite y the quotient is finite, as atanNonNegative needs.
[[gnu::always_inline]] inline double fastAngle(double x, double y) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    if (ax < detail::kAngleAxisEdge || !(ay <= DBL_MAX)) [[unlikely]]
        return detail::angleRare(x, y);
    const long double a = detail::atanNonNegative(static_cast<long double>(ay) / ax);
    const double direct = static_cast<double>(a);
    const double opposite = static_cast<double>(kPi - a);
    const double v = x >= 0 ? direct : opposite;
    return y >= 0 ? v : -v;
}

} // namespace kvarn
