// The tables: interpolation against direct evaluation between the nodes,
// continuity where the interpolation changes grid, and the same tables for
// any number of threads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ground/ground_medium.h"
#include "ground/ground_support.h"
#include "ground/ground_tables.h"
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

TEST(GroundTables, SameForAnyNumberOfThreads) {
    const SommerfeldIntegrals s(groundConstants({13, 0.005, 3.65}).epsc);
    const GroundTables one(s, 1), three(s, 3);
    for (int g = 0; g < 3; ++g)
        for (int ir = 0; ir < kGridRegions[g].nr; ++ir)
            for (int it = 0; it < kGridRegions[g].ntheta; ++it)
                EXPECT_EQ(
                    std::memcmp(&one.node(g, ir, it), &three.node(g, ir, it), sizeof(GroundFields)),
                    0)
                    << g << " " << ir << " " << it;
}

} // namespace
} // namespace kvarn::ground
