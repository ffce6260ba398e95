#include "ground/hermite_grid.h"

#include <algorithm>
#include <cmath>

namespace kvarn::ground {
namespace {

// The slopes (per node step) of n >= 5 values f[0], f[stride], ... by
// fourth-order differences: centred inside, one-sided at the two nodes of
// each end.
void slopes(const GroundFields* f, std::size_t stride, int n, GroundFields* out,
            std::size_t outStride) {
    auto v = [&](int i) -> const GroundFields& { return f[static_cast<std::size_t>(i) * stride]; };
    auto combine = [&](int i, std::initializer_list<std::pair<int, double>> terms) {
        GroundFields s{};
        for (const auto& [j, w] : terms)
            addScaled(s, w / 12, v(j));
        out[static_cast<std::size_t>(i) * outStride] = s;
    };
    const int m = n - 1;
    combine(0, {{0, -25}, {1, 48}, {2, -36}, {3, 16}, {4, -3}});
    combine(1, {{0, -3}, {1, -10}, {2, 18}, {3, -6}, {4, 1}});
    for (int i = 2; i <= m - 2; ++i)
        combine(i, {{i - 2, 1}, {i - 1, -8}, {i + 1, 8}, {i + 2, -1}});
    combine(m - 1, {{m, 3}, {m - 1, 10}, {m - 2, -18}, {m - 3, 6}, {m - 4, -1}});
    combine(m, {{m, 25}, {m - 1, -48}, {m - 2, 36}, {m - 3, -16}, {m - 4, 3}});
}

// The cell holding coordinate v and the position s in it, 0 to 1 inside.
struct Cell {
    int i;
    double s;
};

Cell cellOf(double v, const GridAxis& a) {
    const double p = (v - a.start) / a.step;
    const int i = std::clamp(static_cast<int>(std::floor(p)), 0, a.nodes - 2);
    return {i, p - i};
}

// Hermite basis at s: weights of the two values and the two slopes, and
// their derivatives along s.
struct Basis {
    double value[2], slope[2];
};

Basis basis(double s) {
    const double s2 = s * s, s3 = s2 * s;
    return {{2 * s3 - 3 * s2 + 1, -2 * s3 + 3 * s2}, {s3 - 2 * s2 + s, s3 - s2}};
}

Basis basisSlope(double s) {
    const double s2 = s * s;
    return {{6 * s2 - 6 * s, -6 * s2 + 6 * s}, {3 * s2 - 4 * s + 1, 3 * s2 - 2 * s}};
}

} // namespace

HermiteGrid::HermiteGrid(GridAxis x, GridAxis y, const std::vector<GroundFields>& values)
    : x_(x), y_(y), nodes_(values.size()) {
    const std::size_t nx = static_cast<std::size_t>(x.nodes);
    std::vector<GroundFields> fx(values.size()), fy(values.size()), fxy(values.size());
    for (int iy = 0; iy < y.nodes; ++iy)
        slopes(&values[iy * nx], 1, x.nodes, &fx[iy * nx], 1);
    for (int ix = 0; ix < x.nodes; ++ix) {
        slopes(&values[static_cast<std::size_t>(ix)], nx, y.nodes,
               &fy[static_cast<std::size_t>(ix)], nx);
        slopes(&fx[static_cast<std::size_t>(ix)], nx, y.nodes, &fxy[static_cast<std::size_t>(ix)],
               nx);
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        nodes_[i] = {values[i], fx[i], fy[i], fxy[i]};
}

const GroundFields& HermiteGrid::node(int ix, int iy) const {
    return nodes_[static_cast<std::size_t>(iy * x_.nodes + ix)].f;
}

GroundFieldSlopes HermiteGrid::at(double x, double y) const {
    const Cell cx = cellOf(x, x_), cy = cellOf(y, y_);
    const Basis bx = basis(cx.s), by = basis(cy.s);
    const Basis dx = basisSlope(cx.s), dy = basisSlope(cy.s);
    const double perX = 1 / x_.step, perY = 1 / y_.step;
    GroundFieldSlopes out{};
    for (int b = 0; b < 2; ++b)
        for (int a = 0; a < 2; ++a) {
            const Node& n = nodes_[static_cast<std::size_t>((cy.i + b) * x_.nodes + cx.i + a)];
            addScaled(out.value, bx.value[a] * by.value[b], n.f);
            addScaled(out.value, bx.slope[a] * by.value[b], n.fx);
            addScaled(out.value, bx.value[a] * by.slope[b], n.fy);
            addScaled(out.value, bx.slope[a] * by.slope[b], n.fxy);
            addScaled(out.dr, dx.value[a] * by.value[b] * perX, n.f);
            addScaled(out.dr, dx.slope[a] * by.value[b] * perX, n.fx);
            addScaled(out.dr, dx.value[a] * by.slope[b] * perX, n.fy);
            addScaled(out.dr, dx.slope[a] * by.slope[b] * perX, n.fxy);
            addScaled(out.dtheta, bx.value[a] * dy.value[b] * perY, n.f);
            addScaled(out.dtheta, bx.slope[a] * dy.value[b] * perY, n.fx);
            addScaled(out.dtheta, bx.value[a] * dy.slope[b] * perY, n.fy);
            addScaled(out.dtheta, bx.slope[a] * dy.slope[b] * perY, n.fxy);
        }
    return out;
}

GroundFields HermiteGrid::valueAt(double x, double y) const {
    const Cell cx = cellOf(x, x_), cy = cellOf(y, y_);
    const Basis bx = basis(cx.s), by = basis(cy.s);
    GroundFields out{};
    for (int b = 0; b < 2; ++b)
        for (int a = 0; a < 2; ++a) {
            const Node& n = nodes_[static_cast<std::size_t>((cy.i + b) * x_.nodes + cx.i + a)];
            addScaled(out, bx.value[a] * by.value[b], n.f);
            addScaled(out, bx.slope[a] * by.value[b], n.fx);
            addScaled(out, bx.value[a] * by.slope[b], n.fy);
            addScaled(out, bx.slope[a] * by.slope[b], n.fxy);
        }
    return out;
}

HermiteLine::HermiteLine(GridAxis x, const std::vector<GroundFields>& values)
    : x_(x), f_(values), fx_(values.size()) {
    slopes(f_.data(), 1, x.nodes, fx_.data(), 1);
}

void HermiteLine::at(double x, GroundFields& value, GroundFields& slope) const {
    const Cell c = cellOf(x, x_);
    const Basis b = basis(c.s), d = basisSlope(c.s);
    value = {};
    slope = {};
    for (int a = 0; a < 2; ++a) {
        const std::size_t i = static_cast<std::size_t>(c.i + a);
        addScaled(value, b.value[a], f_[i]);
        addScaled(value, b.slope[a], fx_[i]);
        addScaled(slope, d.value[a] / x_.step, f_[i]);
        addScaled(slope, d.slope[a] / x_.step, fx_[i]);
    }
}

} // namespace kvarn::ground
