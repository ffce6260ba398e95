// The tables: interpolation against direct evaluation between the nodes,
// continuity where the interpolation changes grid, the Hermite patches on
// polynomials, and the same tables for any number of threads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ground/far_tables.h"
#include "ground/ground_medium.h"
#include "ground/ground_support.h"
#include "ground/ground_tables.h"
#include "ground/hermite_grid.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {
namespace {

TEST(GroundTables, InterpolateTheIntegralsBetweenTheNodes) {
    // Average soil at both bands: at every node the table gives the node,
    // and in the middle of every cell it is within 1 % (of the point's
    // largest quantity) of the integrals evaluated there.
    for (double mhz : {3.65, 14.2}) {
        const SommerfeldIntegrals s(groundConstants({13, 0.005, mhz}).epsc);
        const GroundTables tables(s, 2);
        EXPECT_EQ(tables.limitedNodes(), 0);
        for (int g = 0; g < 3; ++g) {
            const GridRegion& grid = kGridRegions[g];
            double worst = 0, worstR = 0, worstTheta = 0;
            for (int ir = 0; ir < grid.nr; ++ir)
                for (int it = 0; it < grid.ntheta; ++it) {
                    const double r = grid.r0 + ir * grid.dr, t = grid.theta0 + it * grid.dtheta;
                    if (GroundTables::regionOf(r, t) == g) {
                        const GroundFields& node = tables.node(g, ir, it);
                        EXPECT_LT(largestDifference(tables.interpolate(r, t), node),
                                  1e-12 * largest(node))
                            << g << " " << ir << " " << it;
                    }
                    const double rc = r + 0.5 * grid.dr, tc = t + 0.5 * grid.dtheta;
                    if (ir + 1 == grid.nr || it + 1 == grid.ntheta ||
                        GroundTables::regionOf(rc, tc) != g)
                        continue;
                    const GroundFields direct = s.evaluate(rc, tc).fields;
                    const double e =
                        largestDifference(tables.interpolate(rc, tc), direct) / largest(direct);
                    if (e > worst) worst = e, worstR = rc, worstTheta = tc / kDegree;
                }
            std::printf("%5.2f MHz grid %d: interpolation error %.2e at R %.3f theta %.1f deg\n",
                        mhz, g, worst, worstR, worstTheta);
            EXPECT_LT(worst, 0.01);
        }
    }
}

TEST(GroundTables, ContinuousAcrossGridBoundaries) {
    // Lines across R = 0.2 (near grid to the low- and high-angle grids) and
    // across theta = 20 degrees (low- to high-angle grid); the values on
    // the two sides come from different nodes and cubics.
    const SommerfeldIntegrals s(groundConstants({13, 0.005, 14.2}).epsc);
    const GroundTables tables(s, 2);
    const double eps = 1e-9;
    double worst = 0;
    auto check = [&](double r1, double t1, double r2, double t2) {
        ASSERT_NE(GroundTables::regionOf(r1, t1), GroundTables::regionOf(r2, t2));
        const GroundFields a = tables.interpolate(r1, t1), b = tables.interpolate(r2, t2);
        const double jump = largestDifference(a, b) / largest(a);
        worst = std::max(worst, jump);
        EXPECT_LT(jump, 0.01) << r1 << " " << t1 / kDegree;
    };
    for (double deg = 0; deg <= 90; deg += 2.5)
        check(kNearGridEnd, deg * kDegree, kNearGridEnd + eps, deg * kDegree);
    for (double r = 0.21; r < 1.0; r += 0.03)
        check(r, kLowAngleEnd, r, kLowAngleEnd + eps);
    std::printf("largest jump across grid boundaries: %.2e\n", worst);
}

TEST(GroundTables, HermitePatchesReproduceCubicsWithContinuousSlopes) {
    // A bicubic polynomial on a 6 x 5 grid comes back exactly, with its
    // slopes, anywhere (the differences are of fourth order, also at the
    // edges); a quartic's slopes agree on both sides of a cell border.
    auto cubic = [](double x, double y) {
        return std::complex<double>(1 + x - 2 * x * x * x + x * y, y * y * y - 3 * x * x * y);
    };
    auto quartic = [](double x, double y) {
        return std::complex<double>(x * x * x * x, y * y * x);
    };
    const GridAxis ax{0.5, 0.25, 6}, ay{-1, 0.5, 5};
    auto grid = [&](auto f) {
        std::vector<GroundFields> v;
        for (int iy = 0; iy < ay.nodes; ++iy)
            for (int ix = 0; ix < ax.nodes; ++ix) {
                const auto z = f(ax.start + ix * ax.step, ay.start + iy * ay.step);
                v.push_back({z, 2.0 * z, -z, 0});
            }
        return HermiteGrid(ax, ay, v);
    };
    const HermiteGrid g = grid(cubic), q = grid(quartic);
    for (const auto& [x, y] : {std::pair{0.5, -1.0}, {0.61, -0.2}, {1.3, 0.77}, {1.75, 1.0}}) {
        const GroundFieldSlopes s = g.at(x, y);
        const double h = 1e-6;
        EXPECT_LT(std::abs(s.value.erv - cubic(x, y)), 1e-12) << x << " " << y;
        EXPECT_LT(std::abs(s.dr.erv - (cubic(x + h, y) - cubic(x - h, y)) / (2 * h)), 1e-8);
        EXPECT_LT(std::abs(s.dtheta.ezv - (cubic(x, y + h) - cubic(x, y - h)) / h), 1e-8);
        EXPECT_EQ(g.valueAt(x, y).eph, s.value.eph);
    }
    for (double border : {0.75, 1.0, 1.25}) {
        const GroundFieldSlopes a = q.at(border - 1e-12, 0.3), b = q.at(border + 1e-12, 0.3);
        EXPECT_LT(std::abs(a.dr.erv - b.dr.erv), 1e-9) << border;
        EXPECT_LT(std::abs(a.dtheta.erv - b.dtheta.erv), 1e-9) << border;
    }
}

TEST(GroundTables, SameForAnyNumberOfThreads) {
    // NEC-2's grids and the far tables alike.
    const GroundConstants c = groundConstants({13, 0.005, 3.65});
    const SommerfeldIntegrals s(c.epsc);
    const GroundTables one(s, 1), three(s, 3);
    for (int g = 0; g < 3; ++g)
        for (int ir = 0; ir < kGridRegions[g].nr; ++ir)
            for (int it = 0; it < kGridRegions[g].ntheta; ++it)
                EXPECT_EQ(
                    std::memcmp(&one.node(g, ir, it), &three.node(g, ir, it), sizeof(GroundFields)),
                    0)
                    << g << " " << ir << " " << it;
    const FarTables farOne(s, c, 1), farThree(s, c, 3);
    for (int iu = 0; iu < kFarGrid.nu; ++iu)
        for (int it = 0; it < kFarGrid.nt; ++it)
            EXPECT_EQ(
                std::memcmp(&farOne.node(iu, it), &farThree.node(iu, it), sizeof(GroundFields)), 0)
                << iu << " " << it;
}

} // namespace
} // namespace kvarn::ground
