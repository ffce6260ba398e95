#pragma once
// The field due to ground beyond NEC-2's grids (R^2 > 0.95), where NEC-2
// takes Norton's asymptotic form. That form is right only far out: where
// NEC-2 takes it up it differs from the integrals by up to 30 % of the four
// quantities (about 10 % of the whole field due to ground), and its error
// falls only like 1/R (3.5 % at 10 wavelengths), so NEC-2's field steps
// there. kvarn does this instead:
//  - Out to 20 wavelengths the integrals themselves are tabulated, on a
//    grid in u = 1/R (0.05 to 1.1 by 0.025, R 20 down to 0.91 wavelengths)
//    and t = sqrt(theta / 90 degrees) (0 to 1 by 1/24), and interpolated
//    by Hermite patches (ground/hermite_grid.h). The quantities have
//    exp(-jkR)/R divided out; what is left is smooth in 1/R (terms in
//    1/(kR) and the attenuation function of a numerical distance
//    proportional to R), and a uniform step in 1/R puts the nodes close
//    where the quantities change, near the source. Steps in t crowd the
//    nodes towards grazing lines (0.16 degrees apart at the first), where
//    the ground wave makes the quantities change fastest with the angle.
//    Over a ground of little loss (conductivity well below omega eps) the
//    wave through the ground adds a ripple along R to grazing lines (up to
//    0.2 wavelengths above the ground), which these nodes follow to about
//    1 % of the quantities (average soil at 146 MHz: 0.6 %).
//  - Beyond, Norton's form is taken with its own error at 20 wavelengths
//    carried on as falling like 1/R: (integrals - Norton) times R settles
//    to a function of theta alone within a few tenths of a per cent by 10
//    wavelengths, at every angle but the grazing ones, where it keeps
//    growing slowly. The continuation meets the tables at 20 wavelengths
//    without a step.
// Time goes as exp(+j omega t) and the normalisation is the tables' (see
// ground/sommerfeld_ground.h).

#include <vector>

#include "ground/ground_fields.h"
#include "ground/ground_medium.h"
#include "ground/hermite_grid.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {

struct FarGrid {
    double u0; // 1/wavelengths, 1/R of the first node (the outermost)
    double du; // 1/wavelengths, step in 1/R
    int nu;    // nodes in 1/R
    int nt;    // nodes in t = sqrt(theta / 90 degrees), 0 to 1
};
inline constexpr FarGrid kFarGrid{0.05, 0.025, 43, 25};
inline constexpr double kFarTableEnd = 20; // wavelengths, 1 / kFarGrid.u0

class FarTables {
  public:
    // Evaluates the integrals at every node on `threads` threads (0: one per
    // core); the same tables for any number of threads.
    FarTables(const SommerfeldIntegrals& integrals, const GroundConstants& constants,
              unsigned threads);

    // The quantities and their slopes at R (wavelengths, at least 0.91) and
    // theta (rad, 0 to pi/2).
    GroundFieldSlopes at(double r, double theta) const;

    const GroundFields& node(int iu, int it) const;
    // Nodes whose integration stopped short of its accuracy (0 normally).
    int limitedNodes() const { return limitedNodes_; }

  private:
    GroundFieldSlopes beyond(double r, double theta) const;

    GroundConstants constants_;
    HermiteGrid grid_;     // in 1/R and t
    HermiteLine residual_; // (integrals - Norton) R at 20 wavelengths, in t
    int limitedNodes_ = 0;
};

} // namespace kvarn::ground
