#pragma once
// NEC-2's three interpolation grids of the field due to ground, with its
// spacings and boundaries, so that tables built on them agree with NEC-2's.
//
// The grids, in R (wavelengths, from the source's image to the field point)
// and theta (angle of that line above the ground):
//   near       R 0 to 0.2 by 0.02,   theta 0 to 90 degrees by 10
//   low angle  R 0.2 to 1 by 0.05,   theta 0 to 20 degrees by 5
//   high angle R 0.2 to 1 by 0.1,    theta 20 to 90 degrees by 10
// R <= 0.2 reads the near grid; beyond it theta > 20 degrees the high-angle
// grid and the rest the low-angle grid. The R = 0 row holds the limit for
// R -> 0; the other nodes are direct evaluations of the integrals.

#include <array>

namespace kvarn::ground {

struct GridRegion {
    double r0;     // wavelengths, R of the first node
    double dr;     // wavelengths, R step
    int nr;        // nodes in R
    double theta0; // rad, angle of the first node
    double dtheta; // rad, angle step
    int ntheta;    // nodes in theta
};

// NEC-2's grids and boundaries (its angles to its ten digits).
inline constexpr std::array<GridRegion, 3> kGridRegions{
    {{0.0, 0.02, 11, 0.0, 0.1745329252, 10},         // near
     {0.2, 0.05, 17, 0.0, 0.0872664626, 5},          // low angle
     {0.2, 0.1, 9, 0.3490658504, 0.1745329252, 8}}}; // high angle
inline constexpr double kNearGridEnd = 0.2;          // wavelengths
inline constexpr double kLowAngleEnd = 0.3490658504; // rad, 20 degrees

} // namespace kvarn::ground
