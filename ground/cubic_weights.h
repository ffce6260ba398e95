#pragma once
// The weights of the cubic through four equally spaced nodes, at positions
// -1, 0, 1 and 2, for a point at position x, and their slopes along x: the
// value is sum w[i] f[i], its derivative sum w'[i] f[i] divided by the step.

#include <array>

namespace kvarn::ground {

inline std::array<double, 4> cubicWeights(double x) {
    return {-x * (x - 1) * (x - 2) / 6, (x + 1) * (x - 1) * (x - 2) / 2, -(x + 1) * x * (x - 2) / 2,
            (x + 1) * x * (x - 1) / 6};
}

inline std::array<double, 4> cubicSlopes(double x) {
    const double x2 = x * x;
    return {-(3 * x2 - 6 * x + 2) / 6, (3 * x2 - 4 * x - 1) / 2, -(3 * x2 - 2 * x - 2) / 2,
            (3 * x2 - 1) / 6};
}

} // namespace kvarn::ground
