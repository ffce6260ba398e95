#pragma once
// What the ground's tests share: the size of the four quantities and of
// their difference, as the largest of the four.

#include <algorithm>
#include <complex>

#include "ground/ground_fields.h"

namespace kvarn::ground {

inline constexpr double kDegree = 0.0174532925199432958; // rad
inline constexpr double kPiExact = 3.14159265358979323846;

inline double largest(const GroundFields& g) {
    return std::max({std::abs(g.erv), std::abs(g.ezv), std::abs(g.erh), std::abs(g.eph)});
}

inline double largestDifference(const GroundFields& a, const GroundFields& b) {
    return largest({a.erv - b.erv, a.ezv - b.ezv, a.erh - b.erh, a.eph - b.eph});
}

} // namespace kvarn::ground
