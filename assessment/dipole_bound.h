#pragma once
// The fields of a short current element bounded at a distance: what every
// model's bound far from its antenna rests on. An element of moment a
// (current times length over 4 pi) has at distance r, with x = k r, a radial
// E of 2 |a| |cos theta| sqrt(1 + x^2) / (omega eps0 r^3) and an E across of
// |a| |sin theta| sqrt(x^4 - x^2 + 1) / (omega eps0 r^3), at right angles to
// each other, and an H of |a| |sin theta| sqrt(1 + x^2) / r^2. Both fall as
// r grows, so a point at least d from every element sees each at most as
// strong as at r = d, and the elements' fields add at most as their
// magnitudes do.

#include <algorithm>
#include <cmath>

#include "assessment/field_model.h"

namespace kvarn {

// The bound at distance d (m) of elements whose moments |a| sum to
// `moments` (A m over 4 pi), at wave number k (rad/m) and omega * eps0
// (S/m).
inline FieldBound dipoleBound(double moments, double k, double omegaEps0, double d) {
    const double x = k * d;
    const double across = std::sqrt(std::max(4 * (1 + x * x), x * x * x * x - x * x + 1));
    return {moments * across / (omegaEps0 * d * d * d), moments * std::sqrt(1 + x * x) / (d * d)};
}

} // namespace kvarn
