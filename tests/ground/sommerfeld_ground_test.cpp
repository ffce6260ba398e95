// The engine's entry: the ground's constants, the switch from NEC-2's
// tables to the far tables and from those to Norton's form, the steps
// there, and the perfect-ground limit of what the engine reads.

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

TEST(GroundEntry, ReadsNec2TablesThenTheFarTables) {
    const SommerfeldGround ground({13, 0.005, 14.2}, 2);
    const double edge = std::sqrt(kTableReachSquared);
    for (double deg : {0.0, 15.0, 40.0, 90.0}) {
        const double t = deg * kDegree;
        for (double r : {0.01, 0.5, edge * (1 - 1e-12), edge * (1 + 1e-12), 3.0, 25.0}) {
            const GroundFields want = r * r <= kTableReachSquared
                                          ? ground.tables().interpolate(r, t)
                                          : ground.farTables().at(r, t).value;
            EXPECT_EQ(largestDifference(ground.fields(r, t), want), 0) << r << " " << deg;
            EXPECT_EQ(largestDifference(ground.fieldsWithSlopes(r, t).value, want), 0)
                << r << " " << deg;
            // The same point from rho and z + z'.
            EXPECT_LT(largestDifference(ground.fieldsAt(r * std::cos(t), r * std::sin(t)), want),
                      1e-9 * largest(want))
                << r << " " << deg;
        }
    }
    // Straight above the image theta is 90 degrees.
    EXPECT_EQ(largestDifference(ground.fieldsAt(0, 0.3), ground.fields(0.3, kHalfPi)), 0);
}

TEST(GroundEntry, NoStepWhereTheTablesChange) {
    // Where NEC-2 leaves its tables (R^2 = 0.95) the far tables take over,
    // which hold the same integrals: the step is what the two
    // interpolations differ by. At 20 wavelengths Norton's form, carried on
    // with its error there, meets the far tables. NEC-2's own step to
    // Norton's form at R^2 = 0.95 is printed beside them: some 30 % of the
    // quantities.
    const double edge = std::sqrt(kTableReachSquared);
    for (double mhz : {3.65, 14.2}) {
        const SommerfeldGround ground({13, 0.005, mhz}, 2);
        double atEdge = 0, nec2 = 0, atFarEnd = 0;
        for (double deg = 0; deg <= 90; deg += 2.5) {
            const double t = deg * kDegree;
            const GroundFields in = ground.fields(edge * (1 - 1e-12), t);
            const GroundFields out = ground.fields(edge * (1 + 1e-12), t);
            atEdge = std::max(atEdge, largestDifference(in, out) / largest(in));
            nec2 = std::max(nec2, largestDifference(in, nortonFields(ground.constants(), edge, t)) /
                                      largest(in));
            const GroundFields near = ground.fields(kFarTableEnd * (1 - 1e-12), t);
            const GroundFields far = ground.fields(kFarTableEnd * (1 + 1e-12), t);
            atFarEnd = std::max(atFarEnd, largestDifference(near, far) / largest(near));
        }
        std::printf("%5.2f MHz: step at R^2 = 0.95 %.2f %% of the quantities (NEC-2's to Norton "
                    "%.1f %%), at 20 wavelengths %.3f %%\n",
                    mhz, 100 * atEdge, 100 * nec2, 100 * atFarEnd);
        EXPECT_LT(atEdge, 0.005);
        EXPECT_GT(nec2, 0.1);
        EXPECT_LT(atFarEnd, 0.001);
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
