// The engine against nec2c on a family of wires: straight, bent, sloping,
// end-fed, centre-fed and off-centre fed, 0.5 to 2 wavelengths, 3.65 to 29
// MHz, in free space and over perfect ground. Points more than 2 m from the
// wire (and its image) and 4 m from the feed: the 95th percentile of the
// point-by-point deviation of |E| and |H| within 2 %, the plane's maxima
// within 1 %, the feed impedance within 2 % where it is below 1000 ohm.
// The table it prints is the comparison to quote.
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <gtest/gtest.h>

#include "ground/interpolation_grids.h"
#include "mom/analysis.h"
#include "mom/constants.h"
#include "support/nec_reference.h"

namespace kvarn::mom {
namespace {

using testing::NecPlane;
using testing::NecWire;

using Point = std::vector<double>;

double toSegment(const Point& p, Point a, Point b, bool image) {
    if (image) a[2] = -a[2], b[2] = -b[2];
    double t = 0, l = 0;
    for (int i = 0; i < 3; ++i) {
        t += (b[i] - a[i]) * (p[i] - a[i]);
        l += (b[i] - a[i]) * (b[i] - a[i]);
    }
    t = std::clamp(t / l, 0.0, 1.0);
    return testing::distance(
        p, {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2])});
}

// The point `along` m down the wire.
Point alongWire(const NecWire& w, double along) {
    for (std::size_t i = 1; i < w.corners.size(); ++i) {
        const double piece = testing::distance(w.corners[i - 1], w.corners[i]);
        if (along <= piece || i + 1 == w.corners.size()) {
            Point p(3);
            for (int k = 0; k < 3; ++k)
                p[k] =
                    w.corners[i - 1][k] + along / piece * (w.corners[i][k] - w.corners[i - 1][k]);
            return p;
        }
        along -= piece;
    }
    return w.corners.back();
}

double p95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(0.95 * static_cast<double>(v.size() - 1))];
}

TEST(MomAgainstNec2c, FieldsAndImpedanceOfAFamilyOfWires) {
    struct Case {
        const char* name;
        NecWire wire;
        NecPlane plane;
    } cases[] = {
        {"dipole 0.5 wl centre",
         {{{-5, 0, 10}, {5, 0, 10}}, 5, 2, false, 14.2},
         {15, 15, -21, -21, 2, 3}},
        {"dipole 0.5 wl centre",
         {{{-5, 0, 10}, {5, 0, 10}}, 5, 2, true, 14.2},
         {15, 15, -21, -21, 2, 3}},
        {"40 m off-centre",
         {{{-10, 0, 8}, {10, 0, 8}}, 6.5, 2, true, 7.1},
         {15, 15, -25, -21, 1.5, 3}},
        {"inverted L end-fed",
         {{{0, 0, 1}, {0, 0, 12}, {30, 0, 12}}, 0, 2, false, 3.65},
         {15, 15, -10, -21, 2, 3}},
        {"sloper", {{{0, 0, 2}, {12, 5, 14}}, 3, 2, true, 10.1}, {15, 15, -10, -21, 1.5, 3}},
        {"vertical on ground",
         {{{0, 0, 0}, {0, 0, 10}}, 0, 2, true, 7.1},
         {15, 15, -21, -21, 2, 3}},
        {"delta loop",
         {{{0, 0, 5}, {7, 0, 15}, {14, 0, 5}, {0, 0, 5}}, 0, 2, false, 14.2},
         {15, 15, -7, -21, 2, 3}},
        {"2 wl bent",
         {{{0, 0, 10}, {15, 0, 10}, {15, 6, 10}}, 3, 2, true, 29},
         {15, 15, -7, -14, 2, 2}},
        {"1 wl end-fed", {{{0, 0, 12}, {82, 0, 12}}, 0, 2, true, 3.65}, {15, 15, -10, -35, 2, 7}},
    };
    std::printf("%-22s %-6s %8s %8s %8s %8s %22s %22s\n", "case", "ground", "p95 E", "p95 H",
                "max E", "max H", "Z kvarn (ohm)", "Z nec2c (ohm)");
    for (const Case& c : cases) {
        const testing::NecResult nec = testing::runNec(c.wire, c.plane);
        ASSERT_TRUE(nec.ran) << c.name << ": nec2c did not run (Debian package nec2c)";
        WireSpec wireSpec;
        for (const Point& p : c.wire.corners)
            wireSpec.corners.push_back({p[0], p[1], p[2]});
        wireSpec.feedM = c.wire.feedM;
        wireSpec.diameterMm = c.wire.diameterMm;
        wireSpec.frequencyMHz = c.wire.frequencyMHz;
        wireSpec.ground = c.wire.perfectGround ? Ground::Perfect : Ground::FreeSpace;
        constexpr double kPower = 100; // W
        const WireAnalysis ours = analyseWire(wireSpec, kPower);
        ASSERT_TRUE(ours.ok()) << ours.reason;
        EXPECT_EQ(static_cast<int>(ours.summary.segments), nec.segments) << c.name;

        // nec2c's peak values at 1 V, as RMS values at the power.
        const double scale = std::sqrt(kPower / nec.inputPower) / std::sqrt(2.0);
        const Point feed = alongWire(c.wire, c.wire.feedM);
        std::vector<double> de, dh;
        double maxE[2] = {0, 0}, maxH[2] = {0, 0}; // kvarn, nec2c
        for (const testing::NecPoint& n : nec.points) {
            const Point p{n.x, n.y, n.z};
            double wire = 1e9;
            for (std::size_t i = 1; i < c.wire.corners.size(); ++i)
                for (bool image : {false, c.wire.perfectGround})
                    wire = std::min(wire,
                                    toSegment(p, c.wire.corners[i - 1], c.wire.corners[i], image));
            if (wire <= 2 || testing::distance(p, feed) <= 4) continue;
            const FieldPoint f = ours.field->at({n.x, n.y, n.z});
            de.push_back(std::abs(f.eRms / (n.e * scale) - 1));
            dh.push_back(std::abs(f.hRms / (n.h * scale) - 1));
            maxE[0] = std::max(maxE[0], f.eRms);
            maxE[1] = std::max(maxE[1], n.e * scale);
            maxH[0] = std::max(maxH[0], f.hRms);
            maxH[1] = std::max(maxH[1], n.h * scale);
        }
        ASSERT_GT(de.size(), 100u) << c.name;
        const Complex z = ours.summary.impedance, zNec{nec.r, nec.x};
        std::printf("%-22s %-6s %7.4f%% %7.4f%% %8.5f %8.5f %10.2f %+10.2fj %10.2f %+10.2fj\n",
                    c.name, c.wire.perfectGround ? "GN 1" : "free", 100 * p95(de), 100 * p95(dh),
                    maxE[0] / maxE[1], maxH[0] / maxH[1], z.real(), z.imag(), nec.r, nec.x);
        EXPECT_LT(p95(de), 0.02) << c.name;
        EXPECT_LT(p95(dh), 0.02) << c.name;
        EXPECT_NEAR(maxE[0] / maxE[1], 1, 0.01) << c.name;
        EXPECT_NEAR(maxH[0] / maxH[1], 1, 0.01) << c.name;
        // Being NEC-2's formulation, it agrees far closer than asked.
        EXPECT_LT(std::abs(z - zNec), 2e-4 * std::abs(zNec)) << c.name;
        if (std::abs(zNec) < 1000) {
            EXPECT_LT(std::abs(z - zNec), 0.02 * std::abs(zNec)) << c.name;
        }
    }
}

// Where Debian's nec2c (1.3) can be trusted over its Sommerfeld-Norton
// ground. Its attenuation function lacks a return, which spoils Norton's
// form: every image distance must stay below R^2 = 0.95 wavelengths^2 (0.9
// here, the segments' ends included). And its SOMNEC drops part of the
// contour where NEC-2 takes the path below the branch points for a steep
// line far out (rho (Re k1 - k) >= 2 k, and a steep decay along the line):
// the nodes evaluated that way are wrong (over average soil at 3.65 MHz the
// five of the high-angle grid at R 0.8 to 1, theta 40 and 50 degrees, by
// twice their size; none for poor soil or at 7.1 and 14.2 MHz). NEC-2's
// interpolation, blocks of four by four nodes, must reach none of them.
// Empty when the deck holds, else what breaks it.
using GridNode = std::array<int, 3>; // grid, ir, itheta

std::vector<GridNode> nec2cWrongNodes(const NecWire& w) {
    const std::complex<double> epsc{w.groundPermittivity,
                                    -w.groundConductivity * 299.8 / w.frequencyMHz * 59.96};
    const double k = kTwoPi;
    const std::complex<double> k1 = k * std::sqrt(std::conj(epsc)), cp3{1.02 * k, -0.2 * k};
    std::vector<GridNode> wrong;
    for (int g = 0; g < 3; ++g) {
        const ground::GridRegion& grid = ground::kGridRegions[g];
        for (int ir = 0; ir < grid.nr; ++ir)
            for (int it = 0; it < grid.ntheta; ++it) {
                const double r = grid.r0 + ir * grid.dr, theta = grid.theta0 + it * grid.dtheta;
                const double rho = r * std::cos(theta), zph = r * std::sin(theta);
                if (zph >= 2 * rho || rho * (k1.real() - k) < 2 * k) continue;
                const std::complex<double> bk = std::complex<double>(-zph, rho) * (k1 - cp3);
                // -Re/|Im| > 4 rho / z, multiplied out: z is 0 on the grid's first row.
                if (-bk.real() * zph > 4 * rho * std::abs(bk.imag())) wrong.push_back({g, ir, it});
            }
    }
    return wrong;
}

// The first node (from 0) of NEC-2's interpolation block along one grid
// direction: blocks of three intervals, the last one moved back.
int necBlock(double value, double start, double step, int nodes) {
    const int cell = static_cast<int>((value - start) / step) + 1;
    return std::clamp(((cell - 1) / 3) * 3 + 2, 2, nodes - 2) - 2;
}

std::string outsideNec2csTrust(const NecWire& w, const NecPlane& plane) {
    const double wavelength = 299.8 / w.frequencyMHz;
    const std::vector<GridNode> wrong = nec2cWrongNodes(w);
    std::vector<Point> sources, targets;
    for (std::size_t i = 1; i < w.corners.size(); ++i) {
        const int n =
            testing::necSegments(testing::distance(w.corners[i - 1], w.corners[i]), w.frequencyMHz);
        for (int k = 0; k <= 2 * n; ++k) {
            Point p(3);
            for (int c = 0; c < 3; ++c)
                p[c] =
                    w.corners[i - 1][c] + k / (2.0 * n) * (w.corners[i][c] - w.corners[i - 1][c]);
            sources.push_back(p);
            if (k % 2) targets.push_back(p);
        }
    }
    for (int ix = 0; ix < plane.nx; ++ix)
        for (int iy = 0; iy < plane.ny; ++iy)
            targets.push_back({plane.x0 + ix * plane.step, plane.y0 + iy * plane.step, plane.z});
    char text[160];
    for (const Point& s : sources)
        for (const Point& t : targets) {
            const double r = testing::distance(t, {s[0], s[1], -s[2]}) / wavelength;
            const double theta = std::asin((t[2] + s[2]) / wavelength / r);
            if (r >= 0.9) {
                std::snprintf(text, sizeof text, "image distance %.3f wavelengths", r);
                return text;
            }
            const int g = r <= ground::kNearGridEnd ? 0 : theta > ground::kLowAngleEnd ? 2 : 1;
            const ground::GridRegion& grid = ground::kGridRegions[g];
            const int ir = necBlock(r, grid.r0, grid.dr, grid.nr);
            const int it = necBlock(theta, grid.theta0, grid.dtheta, grid.ntheta);
            for (const GridNode& n : wrong)
                if (n[0] == g && n[1] >= ir && n[1] < ir + 4 && n[2] >= it && n[2] < it + 4) {
                    std::snprintf(text, sizeof text,
                                  "R %.3f wavelengths at %.0f degrees reads nec2c's wrong node "
                                  "(grid %d, %d, %d)",
                                  r, theta * 180 / kPi, g, n[1], n[2]);
                    return text;
                }
        }
    return {};
}

TEST(MomAgainstNec2c, FieldsAndImpedanceOverRealGround) {
    // nec2c's GN 2 where it holds (see outsideNec2csTrust), over average
    // and poor soil: points more than 2 m from the wire and 4 m from the
    // feed, the 95th percentile of |E|'s deviation within 2 % and the
    // plane's largest |E| within 1 %; the largest |H| within 3 % of
    // nec2c's, which takes H over this ground from a reflection-coefficient
    // image rather than from the Sommerfeld integrals. The table also gives
    // how far nec2c's |H| is from the curl of E, point by point: ours is
    // that curl (within 0.2 %, MomRealGround.HIsTheCurlOfE) of an E that
    // agrees with nec2c's, and nec2c's H misses it by tens of per cent
    // where H is weak. The feed impedance agrees within 0.2 %.
    struct Case {
        const char* name;
        NecWire wire;
        NecPlane plane;
    } cases[] = {
        {"dipole 10 m at 4 m",
         {{{-5, 0, 4}, {5, 0, 4}}, 5, 2, false, 14.2, 13, 0.005},
         {23, 17, -11, -8, 1.5, 1}},
        {"inverted V",
         {{{-5, 0, 3}, {0, 0, 6}, {5, 0, 3}}, std::sqrt(34.0), 2, false, 14.2, 5, 0.001},
         {21, 17, -10, -8, 1, 1}},
        {"40 m dipole at 6 m",
         {{{0, 0, 6}, {40, 0, 6}}, 20, 2, false, 3.65, 13, 0.005},
         {31, 11, -5, -10, 1.5, 2}},
        {"40 m dipole at 6 m",
         {{{0, 0, 6}, {40, 0, 6}}, 20, 2, false, 3.65, 5, 0.001},
         {31, 11, -5, -10, 0.5, 2}},
        {"sloper", {{{0, 0, 2}, {12, 0, 6}}, 3, 2, false, 7.1, 13, 0.005}, {17, 13, -4, -6, 1, 1}},
    };
    std::printf("%-20s %-9s %8s %8s %8s %15s %21s %21s\n", "case", "ground", "p95 E", "max E",
                "max H", "nec2c H p95 max", "Z kvarn (ohm)", "Z nec2c (ohm)");
    for (const Case& c : cases) {
        ASSERT_EQ(outsideNec2csTrust(c.wire, c.plane), "") << c.name;
        const testing::NecResult nec = testing::runNec(c.wire, c.plane);
        ASSERT_TRUE(nec.ran) << c.name << ": nec2c did not run (Debian package nec2c)";
        WireSpec wireSpec;
        for (const Point& p : c.wire.corners)
            wireSpec.corners.push_back({p[0], p[1], p[2]});
        wireSpec.feedM = c.wire.feedM;
        wireSpec.diameterMm = c.wire.diameterMm;
        wireSpec.frequencyMHz = c.wire.frequencyMHz;
        wireSpec.ground = Ground::Real;
        wireSpec.soil = {c.wire.groundPermittivity, c.wire.groundConductivity};
        constexpr double kPower = 100; // W
        const WireAnalysis ours = analyseWire(wireSpec, kPower);
        ASSERT_TRUE(ours.ok()) << ours.reason;
        EXPECT_EQ(static_cast<int>(ours.summary.segments), nec.segments) << c.name;

        const double scale = std::sqrt(kPower / nec.inputPower) / std::sqrt(2.0);
        const Point feed = alongWire(c.wire, c.wire.feedM);
        std::vector<double> de, dh;
        double maxE[2] = {0, 0}, maxH[2] = {0, 0}; // kvarn, nec2c
        for (const testing::NecPoint& n : nec.points) {
            const Point p{n.x, n.y, n.z};
            double wire = 1e9;
            for (std::size_t i = 1; i < c.wire.corners.size(); ++i)
                wire =
                    std::min(wire, toSegment(p, c.wire.corners[i - 1], c.wire.corners[i], false));
            if (wire <= 2 || testing::distance(p, feed) <= 4) continue;
            const FieldPoint f = ours.field->at({n.x, n.y, n.z});
            de.push_back(std::abs(f.eRms / (n.e * scale) - 1));
            dh.push_back(std::abs(n.h * scale / f.hRms - 1));
            maxE[0] = std::max(maxE[0], f.eRms);
            maxE[1] = std::max(maxE[1], n.e * scale);
            maxH[0] = std::max(maxH[0], f.hRms);
            maxH[1] = std::max(maxH[1], n.h * scale);
        }
        ASSERT_GT(de.size(), 100u) << c.name;
        const Complex z = ours.summary.impedance, zNec{nec.r, nec.x};
        char ground[32];
        std::snprintf(ground, sizeof ground, "%g/%g", c.wire.groundPermittivity,
                      c.wire.groundConductivity);
        std::printf("%-20s %-9s %7.3f%% %8.5f %8.5f %6.1f%% %6.1f%% %10.2f %+9.2fj %10.2f "
                    "%+9.2fj\n",
                    c.name, ground, 100 * p95(de), maxE[0] / maxE[1], maxH[0] / maxH[1],
                    100 * p95(dh), 100 * *std::max_element(dh.begin(), dh.end()), z.real(),
                    z.imag(), nec.r, nec.x);
        EXPECT_LT(p95(de), 0.02) << c.name;
        EXPECT_NEAR(maxE[0] / maxE[1], 1, 0.01) << c.name;
        EXPECT_NEAR(maxH[0] / maxH[1], 1, 0.03) << c.name;
        EXPECT_LT(std::abs(z - zNec), 2e-3 * std::abs(zNec)) << c.name;
    }
}

} // namespace
} // namespace kvarn::mom
