#include "ground/ground_tables.h"

#include <algorithm>
#include <cmath>

#include "ground/ground_constants.h"
#include "ground/parallel_nodes.h"

namespace kvarn::ground {
namespace {

constexpr double kAngleRounding = 1e-6; // rad: a node this close to 90 degrees is on it

struct NodeJob {
    int region, ir, itheta;
};

} // namespace

GroundTables::GroundTables(const SommerfeldIntegrals& integrals, unsigned threads) {
    std::array<std::vector<GroundFields>, 3> nodes;
    auto slot = [&](int g, int ir, int it) -> GroundFields& {
        return nodes[g][static_cast<std::size_t>(it * kGridRegions[g].nr + ir)];
    };
    std::vector<NodeJob> jobs;
    for (int g = 0; g < 3; ++g) {
        const GridRegion& grid = kGridRegions[g];
        nodes[g].resize(static_cast<std::size_t>(grid.nr * grid.ntheta));
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
    for (int g = 0; g < 3; ++g) {
        const GridRegion& grid = kGridRegions[g];
        grids_[g] = HermiteGrid({grid.r0, grid.dr, grid.nr},
                                {grid.theta0, grid.dtheta, grid.ntheta}, nodes[g]);
    }
}

int GroundTables::regionOf(double r, double theta) {
    if (r <= kNearGridEnd) return 0;
    return theta > kLowAngleEnd ? 2 : 1;
}

const GroundFields& GroundTables::node(int region, int ir, int itheta) const {
    return grids_[region].node(ir, itheta);
}

GroundFields GroundTables::interpolate(double r, double theta) const {
    return grids_[regionOf(r, theta)].valueAt(r, theta);
}

GroundFieldSlopes GroundTables::interpolateWithSlopes(double r, double theta) const {
    return grids_[regionOf(r, theta)].at(r, theta);
}

} // namespace kvarn::ground
