// The Sommerfeld integrals evaluated directly: against values of NEC-2's
// SOMNEC for the same ground, in the two limits of the ground (free space
// and a perfect conductor), and across the switches between the ways the
// integration contour is laid.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "ground/ground_medium.h"
#include "ground/interpolation_grids.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

double largest(const GroundFields& g) {
    return std::max({std::abs(g.erv), std::abs(g.ezv), std::abs(g.erh), std::abs(g.eph)});
}

double largestDifference(const GroundFields& a, const GroundFields& b) {
    return std::max({std::abs(a.erv - b.erv), std::abs(a.ezv - b.ezv), std::abs(a.erh - b.erh),
                     std::abs(a.eph - b.eph)});
}

GroundFields nodeValue(const SommerfeldIntegrals& s, int region, int ir, int itheta) {
    const GridRegion& g = kGridRegions[region];
    const double theta = g.theta0 + itheta * g.dtheta;
    if (region == 0 && ir == 0) return s.atOrigin(theta);
    const auto result = s.evaluate(g.r0 + ir * g.dr, theta);
    EXPECT_FALSE(result.limited);
    return result.fields;
}

TEST(GroundSommerfeld, AgreesWithNec2TableNodes) {
    // ERV, EZV, ERH, EPH at grid nodes as nec2c's SOMNEC computes them for
    // eps_r 13, sigma 0.005 S/m: both integration forms, both Hankel paths,
    // and the R = 0 limit. nec2c's Shanks test differs slightly from
    // NEC-2's (which this follows), so they agree to 1e-3 of the node's
    // largest quantity, not to rounding.
    struct Node {
        double mhz;
        int region, ir, itheta;
        GroundFields nec;
    };
    const Node nodes[] = {
        {14.2,
         0,
         1,
         0,
         {{-4.879060554, -163.8986752},
          {-57.82258244, -138.1901182},
          {-42.56536577, -149.1380502},
          {47.65332346, 139.3003905}}},
        {14.2,
         0,
         5,
         4,
         {{-14.22968105, -75.39565264},
          {-81.26118462, -55.89120498},
          {-52.13549055, -81.16023419},
          {53.70583793, 78.70299113}}},
        {14.2,
         0,
         10,
         8,
         {{-2.506196265, -12.23604999},
          {-52.03081296, -35.20322285},
          {-29.28585975, -70.76308919},
          {29.34045247, 70.67123409}}},
        {14.2,
         0,
         0,
         3,
         {{-8.056216602, -90.01216151},
          {-13.95377647, -155.9056370},
          {-11.38544096, -162.6502990},
          {12.66960871, 159.2779680}}},
        {14.2,
         1,
         6,
         2,
         {{-30.29124249, -66.78665117},
          {-88.67836379, 89.26500116},
          {-12.33736941, -2.738128238},
          {17.80260096, -4.873351505}}},
        {14.2,
         1,
         16,
         0,
         {{-35.20354680, -55.19545586},
          {-128.0564876, 167.5778964},
          {-2.471612153, 12.45987067},
          {13.25245102, -22.94234510}}},
        {14.2,
         1,
         12,
         4,
         {{-15.68474446, -57.01489453},
          {-59.94070910, 82.51044417},
          {-7.485400587, -16.03119984},
          {11.77428663, 10.30100815}}},
        {14.2,
         2,
         4,
         3,
         {{-6.281061412, -39.21936368},
          {-34.61714440, 15.11829880},
          {-10.75815625, -45.29397517},
          {11.77895007, 43.67464312}}},
        {14.2,
         2,
         8,
         7,
         {{0, 0},
          {-16.39746359, -3.997579736},
          {-4.525417287, -56.51233841},
          {4.525417287, 56.51233841}}},
        {3.65,
         0,
         3,
         2,
         {{-19.58902540, -113.9577749},
          {-80.21917251, -73.35781976},
          {-51.06198019, -81.67254321},
          {54.03935423, 80.26926814}}},
        {3.65,
         1,
         10,
         1,
         {{-6.893087469, -62.73595597},
          {-118.6164500, 76.24310349},
          {-6.611816584, -0.3881900954},
          {11.89035844, 0.7746415065}}},
        {3.65,
         2,
         6,
         5,
         {{2.509054525, -17.78437149},
          {-19.31832223, -4.104262481},
          {5.872753508, -49.03993868},
          {-5.662376320, 49.00362651}}},
    };
    for (const Node& n : nodes) {
        const GroundConstants c = groundConstants({13, 0.005, n.mhz});
        const SommerfeldIntegrals s(c.epsc);
        const GroundFields got = nodeValue(s, n.region, n.ir, n.itheta);
        const double scale = largest(n.nec);
        EXPECT_LT(largestDifference(got, n.nec), 1e-3 * scale)
            << n.mhz << " MHz, grid " << n.region << " node " << n.ir << ", " << n.itheta;
    }
}

TEST(GroundSommerfeld, VanishesForFreeSpaceAndTendsToNothingOverAPerfectConductor) {
    const double rs[] = {0.02, 0.1, 0.5, 0.9};
    const double thetas[] = {0.0, 0.8, 1.5};
    const SommerfeldIntegrals air(groundConstants({1, 0, 14.2}).epsc);
    for (double r : rs)
        for (double t : thetas)
            EXPECT_LT(largest(air.evaluate(r, t).fields), 1e-9) << r << " " << t;
    EXPECT_LT(largest(air.atOrigin(0.5)), 1e-9);

    // A conductor: sigma 1e4 S/m, then 1e6. frati tends to 1, so the image
    // becomes the perfect ground's, and what is left of the exact field
    // shrinks like 1/sqrt(sigma) at every R > 0: a tenth for a hundred times
    // the conductivity.
    const GroundConstants c4 = groundConstants({13, 1e4, 14.2});
    const GroundConstants c6 = groundConstants({13, 1e6, 14.2});
    EXPECT_LT(std::abs(1.0 - c4.frati), 2e-7);
    const SommerfeldIntegrals metal4(c4.epsc), metal6(c6.epsc);
    double worst = 0;
    for (double r : rs)
        for (double t : thetas) {
            const double m4 = largest(metal4.evaluate(r, t).fields);
            const double m6 = largest(metal6.evaluate(r, t).fields);
            worst = std::max(worst, m4);
            EXPECT_NEAR(m6 / m4, 0.1, 0.01) << r << " " << t;
        }
    std::printf("largest quantity over sigma 1e4 S/m at R 0.02..0.9: %.3g (eta/2 = 188)\n", worst);
    EXPECT_LT(worst, 1.0);

    // The R = 0 row is the limit R -> 0 taken first; it tends to the
    // finite values of a perfect ground's near zone, -j eta/2 times
    // ((1 - sin t)/cos t, 1, 1, -1).
    const double t = 0.5;
    const cplx h(0, -188.365);
    const GroundFields o = metal6.atOrigin(t);
    const GroundFields limit{h * (1 - std::sin(t)) / std::cos(t), h, h, -h};
    EXPECT_LT(largestDifference(o, limit), 1e-5);
}

TEST(GroundSommerfeld, ContinuousWhereTheContourChanges) {
    // Each pair straddles a switch of the integration: the Bessel form
    // (z + z' >= 2 rho) against the Hankel form just below it, and at
    // theta 0 the Hankel path below both branch points against the one up
    // between the branch cuts (rho (Re k1 - k2) = 2 k2). Each side holds its
    // own accuracy of about 1e-4, so they must agree to 1e-3.
    for (double mhz : {3.65, 14.2}) {
        const GroundConstants c = groundConstants({13, 0.005, mhz});
        const SommerfeldIntegrals s(c.epsc);
        const double formSwitch = std::atan(2.0);
        const double rhoSwitch = 2 / (std::sqrt(std::conj(c.epsc)).real() - 1);
        const struct {
            double r, theta;
        } sides[][2] = {{{0.05, formSwitch - 1e-9}, {0.05, formSwitch + 1e-9}},
                        {{0.6, formSwitch - 1e-9}, {0.6, formSwitch + 1e-9}},
                        {{rhoSwitch * (1 - 1e-9), 0}, {rhoSwitch * (1 + 1e-9), 0}}};
        for (const auto& pair : sides) {
            const GroundFields a = s.evaluate(pair[0].r, pair[0].theta).fields;
            const GroundFields b = s.evaluate(pair[1].r, pair[1].theta).fields;
            const double jump = largestDifference(a, b) / largest(a);
            std::printf("%5.2f MHz R %.4f theta %.4f: contour switch jump %.2e\n", mhz, pair[0].r,
                        pair[0].theta, jump);
            EXPECT_LT(jump, 1e-3);
        }
    }
}

} // namespace
} // namespace kvarn::ground
