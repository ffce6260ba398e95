// The engine's entry: the ground's constants, the switch from the tables to
// Norton's form where NEC-2 switches and what the step there is, and the
// perfect-ground limit of what the engine reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "ground/ground_constants.h"
#include "ground/ground_support.h"
#include "ground/norton.h"
#include "ground/sommerfeld_ground.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

TEST(GroundMedium, DerivesNec2ConstantsAndRefusesImpossibleGrounds) {
    // Average soil at 14.2 MHz: lambda = 299.8 / 14.2 m, and
    // sigma / (omega eps0) = 0.005 * lambda * 59.96.
    const GroundConstants c = groundConstants({13, 0.005, 14.2});
    EXPECT_DOUBLE_EQ(c.wavelength, 299.8 / 14.2);
    EXPECT_DOUBLE_EQ(c.epsc.real(), 13);
    EXPECT_DOUBLE_EQ(c.epsc.imag(), -0.005 * 299.8 / 14.2 * 59.96);
    EXPECT_LT(std::abs(c.frati * (c.epsc + 1.0) - (c.epsc - 1.0)), 1e-14);
    EXPECT_LT(std::abs(c.zrati2 * c.epsc - 1.0), 1e-14);
    EXPECT_GT(c.zrati.real(), 0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const GroundParameters bad[] = {{0.99, 0.005, 14.2},
                                    {13, -1e-9, 14.2},
                                    {13, 0.005, 0},
                                    {nan, 0.005, 14.2},
                                    {13, nan, 14.2},
                                    {13, 0.005, -3},
                                    {13, 0.005, std::numeric_limits<double>::infinity()}};
    for (const GroundParameters& g : bad)
        EXPECT_THROW(groundConstants(g), std::invalid_argument)
            << g.relativePermittivity << " " << g.conductivity << " " << g.frequencyMHz;
}

TEST(GroundEntry, SwitchesToNortonWhereNec2Does) {
    const SommerfeldGround ground({13, 0.005, 14.2}, 2);
    const double edge = std::sqrt(kTableReachSquared);
    for (double deg : {0.0, 15.0, 40.0, 90.0}) {
        const double t = deg * kDegree;
        for (double r : {0.01, 0.5, edge * (1 - 1e-12), edge * (1 + 1e-12), 3.0}) {
            const GroundFields want = r * r <= kTableReachSquared
                                          ? ground.tables().interpolate(r, t)
                                          : nortonFields(ground.constants(), r, t);
            EXPECT_EQ(largestDifference(ground.fields(r, t), want), 0) << r << " " << deg;
            // The same point from rho and z + z'.
            EXPECT_LT(largestDifference(ground.fieldsAt(r * std::cos(t), r * std::sin(t)), want),
                      1e-9 * largest(want))
                << r << " " << deg;
        }
    }
    // Straight above the image theta is 90 degrees.
    EXPECT_EQ(largestDifference(ground.fieldsAt(0, 0.3), ground.fields(0.3, kHalfPi)), 0);
}

TEST(GroundEntry, StepWhereNortonTakesOverIsNortonsOwnError) {
    // At R^2 = 0.95 NEC-2 leaves its tables for Norton's form, which is only
    // asymptotically right: the step there is Norton's error at about one
    // wavelength, not an interpolation fault. Printed here as a share of
    // the largest of the four quantities and of the whole field due to
    // ground (the quasi-static image put back), and bounded by what the
    // Norton form reaches at that distance (0.35 / R, see its tests).
    const double edge = std::sqrt(kTableReachSquared);
    for (double mhz : {3.65, 14.2}) {
        const SommerfeldGround ground({13, 0.005, mhz}, 2);
        const GroundConstants& c = ground.constants();
        double worst = 0, worstWhole = 0;
        for (double deg = 0; deg <= 90; deg += 5) {
            const double t = deg * kDegree;
            const GroundFields in = ground.fields(edge * (1 - 1e-12), t);
            const GroundFields out = ground.fields(edge * (1 + 1e-12), t);
            // The quasi-static image's share, as Norton's form takes it out.
            const double rk = kTwoPi * edge;
            const cplx et0 = cplx(0, -kSegmentFieldFactor) * c.frati / (edge * edge);
            const cplx er = 2.0 * et0 * cplx(1, rk), et = et0 * cplx(1 - rk * rk, rk);
            const double cs = std::cos(t), sn = std::sin(t);
            const GroundFields whole{in.erv + (er + et) * cs * sn,
                                     in.ezv + sn * sn * er - cs * cs * et,
                                     in.erh - cs * cs * er + sn * sn * et, in.eph - et};
            const double step = largestDifference(in, out);
            worst = std::max(worst, step / largest(in));
            worstWhole = std::max(worstWhole, step / largest(whole));
        }
        std::printf("%5.2f MHz: step at R^2 = 0.95 up to %.1f %% of the quantities, %.1f %% of "
                    "the whole field due to ground\n",
                    mhz, 100 * worst, 100 * worstWhole);
        EXPECT_LT(worst, 0.35 / edge);
        EXPECT_LT(worstWhole, 0.12);
    }
}

TEST(GroundEntry, VanishesForFreeSpaceAndTendsToThePerfectGround) {
    const SommerfeldGround air({1, 0, 14.2}, 2);
    for (double r : {0.01, 0.5, 2.0, 10.0})
        for (double deg : {0.0, 45.0, 90.0})
            EXPECT_LT(largest(air.fields(r, deg * kDegree)), 1e-9) << r << " " << deg;

    // sigma 1e4 and 1e6 S/m: beyond the first cells of the near grid, in the
    // tables and in Norton's form alike, the quantities fall like
    // 1/sqrt(sigma) and are already small against eta/2 = 188 ohm. In the
    // first three intervals (R < 0.06) the interpolation leans on the R = 0
    // row, the limit R -> 0, which does not vanish with sigma: there NEC-2's
    // tables keep a rest (tens of ohm), small beside the image's own near
    // field there (above 1e4 ohm in this normalisation).
    const SommerfeldGround metal4({13, 1e4, 14.2}, 2), metal6({13, 1e6, 14.2}, 2);
    for (double r : {0.08, 0.3, 0.9, 1.5, 10.0})
        for (double deg : {0.0, 30.0, 60.0, 90.0}) {
            const double m4 = largest(metal4.fields(r, deg * kDegree));
            const double m6 = largest(metal6.fields(r, deg * kDegree));
            EXPECT_LT(m4, 1.1) << r << " " << deg;
            EXPECT_NEAR(m6 / m4, 0.1, 0.02) << r << " " << deg;
        }
    const double rest = largest(metal6.fields(0.01, 0));
    std::printf("sigma 1e6 S/m: largest quantity at R 0.01 (first interval) %.1f\n", rest);
    EXPECT_LT(rest, 0.4 * 188.365);
}

} // namespace
} // namespace kvarn::ground
