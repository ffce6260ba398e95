#include "ground/ground_tables.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace kvarn::ground {
namespace {

struct NodeJob {
    int region, ir, itheta;
};

// Weights of the cubic through the nodes at -1, 0, 1, 2 at position x.
std::array<double, 4> cubicWeights(double x) {
    return {-x * (x - 1) * (x - 2) / 6, (x + 1) * (x - 1) * (x - 2) / 2, -(x + 1) * x * (x - 2) / 2,
            (x + 1) * x * (x - 1) / 6};
}

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
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t j; (j = next.fetch_add(1)) < jobs.size();) {
            const NodeJob& job = jobs[j];
            const GridRegion& grid = kGridRegions[job.region];
            const auto result = integrals.evaluate(grid.r0 + job.ir * grid.dr,
                                                   grid.theta0 + job.itheta * grid.dtheta);
            slot(job.region, job.ir, job.itheta) = result.fields;
            limited[j] = result.limited;
        }
    };
    unsigned n = threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
    n = std::min<unsigned>(n, static_cast<unsigned>(jobs.size()));
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < n; ++t)
        pool.emplace_back(work);
    work();
    pool.clear(); // joins
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
    const int g = regionOf(r, theta);
    const GridRegion& grid = kGridRegions[g];
    const Stencil sr = stencil(r, grid.r0, grid.dr, grid.nr);
    const Stencil st = stencil(theta, grid.theta0, grid.dtheta, grid.ntheta);
    const auto wr = cubicWeights(sr.x);
    const auto wt = cubicWeights(st.x);
    GroundFields f{};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const double w = wt[j] * wr[i];
            const GroundFields& n = node(g, sr.first + i, st.first + j);
            f.erv += w * n.erv;
            f.ezv += w * n.ezv;
            f.erh += w * n.erh;
            f.eph += w * n.eph;
        }
    return f;
}

} // namespace kvarn::ground
