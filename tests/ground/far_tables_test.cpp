// The far tables: interpolation against the integrals between the nodes,
// Norton's form carried on beyond them against the integrals, the slopes
// of every table against differences of its values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ground/ground_support.h"
#include "ground/norton.h"
#include "ground/sommerfeld_ground.h"

namespace kvarn::ground {
namespace {

// The angle of the far grid at t = sqrt(theta / 90 degrees), in node steps.
double farAngle(double node) {
    const double t = node / (kFarGrid.nt - 1);
    return 0.5 * kPiExact * t * t;
}

TEST(GroundFarTables, InterpolateTheIntegralsBetweenTheNodes) {
    // Midway between the nodes along 1/R and along t, from the end of
    // NEC-2's tables out to 20 wavelengths: within 1 % of the point's
    // largest quantity (at the worst, grazing lines over a ground of little
    // loss, where the wave through the ground adds a ripple along R).
    const GroundParameters grounds[] = {
        {13, 0.005, 3.65}, {13, 0.005, 14.2}, {5, 0.001, 3.65}, {13, 0.005, 146}};
    for (const GroundParameters& g : grounds) {
        const SommerfeldGround ground(g, 2);
        const SommerfeldIntegrals& s = ground.integrals();
        EXPECT_EQ(ground.farTables().limitedNodes(), 0);
        double worst = 0, worstR = 0, worstDegrees = 0;
        for (int iu = 0; iu + 1 < kFarGrid.nu; ++iu)
            for (int it = 0; it + 1 < kFarGrid.nt; ++it)
                for (const auto& [du, dt] : {std::pair{0.5, 0.0}, {0.0, 0.5}, {0.5, 0.5}}) {
                    const double r = 1 / (kFarGrid.u0 + (iu + du) * kFarGrid.du);
                    const double theta = farAngle(it + dt);
                    if (r * r <= kTableReachSquared) continue;
                    const GroundFields direct = s.evaluate(r, theta).fields;
                    const double e =
                        largestDifference(ground.fields(r, theta), direct) / largest(direct);
                    if (e > worst) worst = e, worstR = r, worstDegrees = theta / kDegree;
                }
        std::printf("%g/%g at %g MHz: far tables within %.2e of the integrals (worst at R %.2f, "
                    "theta %.2f)\n",
                    g.relativePermittivity, g.conductivity, g.frequencyMHz, worst, worstR,
                    worstDegrees);
        EXPECT_LT(worst, 0.01);
    }
}

TEST(GroundFarTables, NortonCarriedOnHoldsBeyondThem) {
    // At 25 and 30 wavelengths, every 5 degrees: Norton's form with its
    // error at 20 wavelengths carried on as 1/R against the integrals,
    // within 0.3 % of the largest quantity, where Norton's form alone is
    // more than 1 % off.
    for (double mhz : {3.65, 14.2}) {
        const SommerfeldGround ground({13, 0.005, mhz}, 2);
        for (double r : {25.0, 30.0}) {
            double carried = 0, plain = 0;
            for (double deg = 0; deg <= 90; deg += 5) {
                const double t = deg * kDegree;
                const auto direct = ground.integrals().evaluate(r, t);
                ASSERT_FALSE(direct.limited) << r << " " << deg;
                const double size = largest(direct.fields);
                carried =
                    std::max(carried, largestDifference(ground.fields(r, t), direct.fields) / size);
                plain = std::max(plain, largestDifference(nortonFields(ground.constants(), r, t),
                                                          direct.fields) /
                                            size);
            }
            std::printf("%5.2f MHz R %2.0f: Norton carried on %.2e, Norton alone %.2e\n", mhz, r,
                        carried, plain);
            EXPECT_LT(carried, 0.003);
            EXPECT_GT(plain, 0.01);
        }
    }
}

TEST(GroundFarTables, SlopesAreThoseOfTheValues) {
    // The slopes along R and theta against central differences of the
    // values, in NEC-2's tables, in the far tables and beyond them. Steps
    // of 1e-6 stay inside one interpolating cubic.
    const SommerfeldGround ground({13, 0.005, 14.2}, 2);
    const struct {
        double r, degrees;
    } points[] = {{0.013, 33}, {0.15, 85}, {0.47, 7}, {0.73, 52}, {0.99, 3},
                  {1.7, 61},   {4.4, 0.3}, {13, 89},  {26, 12},   {40, 75}};
    constexpr double h = 1e-6;
    for (const auto& p : points) {
        const double t = p.degrees * kDegree;
        const GroundFieldSlopes got = ground.fieldsWithSlopes(p.r, t);
        const GroundFields dr = (0.5 / h) * (ground.fields(p.r + h, t) - ground.fields(p.r - h, t));
        const GroundFields dt = (0.5 / h) * (ground.fields(p.r, t + h) - ground.fields(p.r, t - h));
        EXPECT_LT(largestDifference(got.dr, dr), 1e-5 * largest(dr) + 1e-6) << p.r;
        EXPECT_LT(largestDifference(got.dtheta, dt), 1e-5 * largest(dt) + 1e-6) << p.r;
    }
}

} // namespace
} // namespace kvarn::ground
