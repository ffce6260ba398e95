#pragma once
// The field due to ground tabulated on NEC-2's three interpolation grids
// and interpolated as NEC-2's INTRP does, so that the values agree with
// NEC-2's. Built once per ground and frequency.
//
// The grids are in ground/interpolation_grids.h. The R = 0 row of the near
// grid holds the limit for R -> 0; the other nodes are direct evaluations
// of the integrals, those at theta = 90 degrees made to hold the symmetry
// straight above the image exactly (see holdStraightAbove).
//
// Interpolation is bicubic: the nodes of each grid are taken in blocks of
// three intervals per direction, and within a block the value is the cubic
// through the four nodes around it in R, for each of the four angles, then
// the cubic through those four in theta (the last block of a grid reaches
// back so its four nodes stay inside the grid; beyond R = 1 the last cubic
// extrapolates). The interpolant is continuous, not smooth, across block
// and grid boundaries.

#include <array>
#include <vector>

#include "ground/ground_fields.h"
#include "ground/interpolation_grids.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {

class GroundTables {
  public:
    // Evaluates the integrals at every node on `threads` threads (0: one
    // per core). Each node is computed alone, so the tables are the same
    // for any number of threads.
    GroundTables(const SommerfeldIntegrals& integrals, unsigned threads);

    // The interpolated quantities at R (wavelengths) and theta (rad, 0 to
    // pi/2), in table normalisation.
    GroundFields interpolate(double r, double theta) const;
    // The same with the slopes of the interpolating cubics along R and
    // theta (continuous inside a block, not across its borders).
    GroundFieldSlopes interpolateWithSlopes(double r, double theta) const;

    // Grid 0 near, 1 low angle, 2 high angle, for a point.
    static int regionOf(double r, double theta);
    // Node ir, itheta (from 0) of a grid.
    const GroundFields& node(int region, int ir, int itheta) const;
    // Nodes whose integration stopped short of its accuracy (0 normally).
    int limitedNodes() const { return limitedNodes_; }

  private:
    GroundFieldSlopes interpolate(double r, double theta, bool slopes) const;
    GroundFields& slot(int region, int ir, int itheta);

    std::array<std::vector<GroundFields>, 3> nodes_;
    int limitedNodes_ = 0;
};

} // namespace kvarn::ground
