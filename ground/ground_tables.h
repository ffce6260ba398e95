#pragma once
// The field due to ground tabulated on NEC-2's three interpolation grids,
// so that the values agree with NEC-2's. Built once per ground and
// frequency.
//
// The grids are in ground/interpolation_grids.h. The R = 0 row of the near
// grid holds the limit for R -> 0; the other nodes are direct evaluations
// of the integrals, those at theta = 90 degrees made to hold the symmetry
// straight above the image exactly (see holdStraightAbove).
//
// Interpolation is bicubic, within each grid, but not NEC-2's: NEC-2's
// INTRP takes Lagrange cubics through blocks of four nodes, whose slopes
// step at the block borders, and the curl of the field (the magnetic
// field, which NEC-2 does not take from these tables) would step there by
// some tenths of a per cent. The Hermite patches of ground/hermite_grid.h
// are of the same order and keep the slopes continuous. Across the grids'
// own borders (R = 0.2 wavelengths, theta = 20 degrees) the values step by
// what two interpolations of the same integrals differ by, under 1 % of
// the quantities.

#include <array>
#include <vector>

#include "ground/ground_fields.h"
#include "ground/hermite_grid.h"
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
    // The same with its slopes along R and theta.
    GroundFieldSlopes interpolateWithSlopes(double r, double theta) const;

    // Grid 0 near, 1 low angle, 2 high angle, for a point.
    static int regionOf(double r, double theta);
    // Node ir, itheta (from 0) of a grid.
    const GroundFields& node(int region, int ir, int itheta) const;
    // Nodes whose integration stopped short of its accuracy (0 normally).
    int limitedNodes() const { return limitedNodes_; }

  private:
    std::array<HermiteGrid, 3> grids_;
    int limitedNodes_ = 0;
};

} // namespace kvarn::ground
