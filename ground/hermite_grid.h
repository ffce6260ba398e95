#pragma once
// The four quantities tabulated on a uniform grid in two variables and
// interpolated by bicubic Hermite patches, whose slopes at the nodes come
// from fourth-order differences of the node values. Like NEC-2's Lagrange
// cubics the interpolation is of fourth order, but the value and both
// first derivatives are continuous across every cell border, so the curl
// of the field due to ground (its magnetic field) has no steps inside a
// grid. A grid needs at least five nodes along each variable.

#include <vector>

#include "ground/ground_fields.h"

namespace kvarn::ground {

struct GridAxis {
    double start; // the first node's coordinate
    double step;  // between nodes
    int nodes;    // at least 5
};

class HermiteGrid {
  public:
    HermiteGrid() = default;
    // values[iy * x.nodes + ix] is the node at x.start + ix x.step,
    // y.start + iy y.step.
    HermiteGrid(GridAxis x, GridAxis y, const std::vector<GroundFields>& values);

    // The interpolated quantities at (x, y) with their derivatives along x
    // (in .dr) and y (in .dtheta); outside the grid the edge patches
    // extrapolate.
    GroundFieldSlopes at(double x, double y) const;
    // The value only, summed as at() sums it.
    GroundFields valueAt(double x, double y) const;

    const GroundFields& node(int ix, int iy) const;

  private:
    struct Node {
        GroundFields f, fx, fy, fxy; // value and slopes per node step
    };
    GridAxis x_{}, y_{};
    std::vector<Node> nodes_;
};

// The same along one variable.
class HermiteLine {
  public:
    HermiteLine() = default;
    HermiteLine(GridAxis x, const std::vector<GroundFields>& values);
    // The value at x and its derivative along x.
    void at(double x, GroundFields& value, GroundFields& slope) const;

  private:
    GridAxis x_{};
    std::vector<GroundFields> f_, fx_; // value and slope per node step
};

} // namespace kvarn::ground
