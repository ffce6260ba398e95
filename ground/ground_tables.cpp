#include "ground/ground_tables.h"

#include <algorithm>
#include <cmath>

#include "ground/cubic_weights.h"
#include "ground/ground_constants.h"
#include "ground/parallel_nodes.h"

namespace kvarn::ground {
namespace {

constexpr double kAngleRounding = 1e-6; // rad: a node this close to 90 degrees is on it

struct NodeJob {
    int region, ir, itheta;
};

// The node (from 0) at the block's position 0, and the position of the
// point in steps from it: blocks of three intervals, the last one moved
// back to end on the grid's last node.
struct Stencil {
    int first; // node at position -1
    double x;  // point's position
};

Stencil stencil(double value, double start, double step, int nodes) {
    const int cell = static_cast<int>((value - start) / step) + 1; // from 1, as NEC-2 counts
    int centre = ((cell - 1) / 3) * 3 + 2;                         // node at position 0, from 1
    centre = std::clamp(centre, 2, nodes - 2);
    return {centre - 2, (value - (start + (centre - 1) * step)) / step};
}

} // namespace

GroundTables::GroundTables(const SommerfeldIntegrals& integrals, unsigned threads) {
    std::vector<NodeJob> jobs;
    for (int g = 0; g < 3; ++g) {
        const GridRegion& grid = kGridRegions[g];
        nodes_[g].resize(static_cast<std::size_t>(grid.nr * grid.ntheta));
        for (int it = 0; it < grid.ntheta; ++it)
            for (int ir = 0; ir < grid.nr; ++ir) {
                if (g == 0 && ir == 0) {
                    slot(g, ir, it) = integrals.atOrigin(grid.theta0 + it * grid.dtheta);
                } else {
                    jobs.push_back({g, ir, it});
                }
            }
    }
    std::vector<char> limited(jobs.size(), 0);
    forEachNode(jobs.size(), threads, [&](std::size_t j) {
        const NodeJob& job = jobs[j];
        const GridRegion& grid = kGridRegions[job.region];
        const double theta = grid.theta0 + job.itheta * grid.dtheta;
        const auto result = integrals.evaluate(grid.r0 + job.ir * grid.dr, theta);
        GroundFields& node = slot(job.region, job.ir, job.itheta);
        node = result.fields;
        if (std::abs(theta - kHalfPi) < kAngleRounding) holdStraightAbove(node);
        limited[j] = result.limited;
    });
    limitedNodes_ = static_cast<int>(std::count(limited.begin(), limited.end(), 1));
}

int GroundTables::regionOf(double r, double theta) {
    if (r <= kNearGridEnd) return 0;
    return theta > kLowAngleEnd ? 2 : 1;
}

GroundFields& GroundTables::slot(int region, int ir, int itheta) {
    return nodes_[region][static_cast<std::size_t>(itheta * kGridRegions[region].nr + ir)];
}

const GroundFields& GroundTables::node(int region, int ir, int itheta) const {
    return nodes_[region][static_cast<std::size_t>(itheta * kGridRegions[region].nr + ir)];
}

GroundFields GroundTables::interpolate(double r, double theta) const {
    return interpolate(r, theta, false).value;
}

GroundFieldSlopes GroundTables::interpolateWithSlopes(double r, double theta) const {
    return interpolate(r, theta, true);
}

GroundFieldSlopes GroundTables::interpolate(double r, double theta, bool slopes) const {
    const int g = regionOf(r, theta);
    const GridRegion& grid = kGridRegions[g];
    const Stencil sr = stencil(r, grid.r0, grid.dr, grid.nr);
    const Stencil st = stencil(theta, grid.theta0, grid.dtheta, grid.ntheta);
    const auto wr = cubicWeights(sr.x);
    const auto wt = cubicWeights(st.x);
    GroundFieldSlopes f{};
    if (!slopes) {
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i)
                addScaled(f.value, wt[j] * wr[i], node(g, sr.first + i, st.first + j));
        return f;
    }
    const auto sr1 = cubicSlopes(sr.x);
    const auto st1 = cubicSlopes(st.x);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const GroundFields& n = node(g, sr.first + i, st.first + j);
            addScaled(f.value, wt[j] * wr[i], n);
            addScaled(f.dr, wt[j] * sr1[i] / grid.dr, n);
            addScaled(f.dtheta, st1[j] * wr[i] / grid.dtheta, n);
        }
    return f;
}

} // namespace kvarn::ground
