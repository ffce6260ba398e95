// The Bessel and Hankel functions of the integrands against the standard
// library on the real axis and against their integral representations off
// it, on both sides of the switches between series and asymptotic forms;
// and the contour integrators on integrals known in closed form.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>

#include "ground/bessel.h"
#include "ground/contour_integration.h"
#include "ground/ground_support.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

// J0(z) = (1/pi) int_0^pi cos(z sin t) dt and J0'(z) = -(1/pi) int_0^pi
// sin(t) sin(z sin t) dt: the trapezoid rule is exact to rounding for
// these periodic integrands with enough points.
ValueAndSlope j0ByIntegral(cplx z) {
    constexpr int n = 400;
    ValueAndSlope f{0.0, 0.0};
    for (int i = 0; i < n; ++i) {
        const double s = std::sin(kPiExact * (i + 0.5) / n);
        f.value += std::cos(z * s);
        f.slope -= s * std::sin(z * s);
    }
    return {f.value / double(n), f.slope / double(n)};
}

// H0(z) = -(2j/pi) int_0^inf exp(j z cosh t) dt and H0'(z) = (2/pi)
// int_0^inf cosh(t) exp(j z cosh t) dt for Im z > 0; the integrands' odd
// derivatives vanish at 0, so the trapezoid rule converges fast there too.
ValueAndSlope h0ByIntegral(cplx z) {
    const double h = 1e-4;
    const cplx j(0, 1);
    ValueAndSlope f{0.5 * std::exp(j * z), 0.5 * std::exp(j * z)};
    for (int i = 1;; ++i) {
        const double c = std::cosh(i * h);
        const cplx term = std::exp(j * z * c);
        f.value += term;
        f.slope += c * term;
        if (std::abs(term) * c < 1e-18) break;
    }
    return {cplx(0, -2 / kPiExact) * f.value * h, (2 / kPiExact) * f.slope * h};
}

TEST(GroundBessel, MatchesStandardFunctionsOnTheRealAxis) {
    // Series to 1e-12, NEC-2's two-term asymptotic form (and the blend) to
    // 2e-4 of the envelope sqrt(2 / (pi x)). (Not at x = 2: libstdc++'s own
    // series divides by zero there, which stops the sanitizer build.)
    for (double x : {0.001, 0.5, 2.3, 3.9, 4.0, 4.05, 4.1, 4.2, 5.0, 5.95, 6.05, 6.2, 9.0, 30.0}) {
        const double envelope = std::min(1.0, std::sqrt(2 / (kPiExact * x)));
        const ValueAndSlope j = besselJ0(x);
        const double jTol = (x <= 6 ? 1e-12 : 2e-4) * envelope;
        EXPECT_NEAR(j.value.real(), std::cyl_bessel_j(0.0, x), jTol) << x;
        EXPECT_NEAR(j.slope.real(), -std::cyl_bessel_j(1.0, x), jTol) << x;
        EXPECT_NEAR(j.value.imag(), 0, 1e-15) << x;
        const ValueAndSlope h = hankelH0(x);
        const double hTol = (x <= 4 ? 1e-12 : 2e-4) * envelope;
        const double y1 = std::cyl_neumann(1.0, x);
        EXPECT_NEAR(h.value.real(), std::cyl_bessel_j(0.0, x), hTol) << x;
        EXPECT_NEAR(h.value.imag(), std::cyl_neumann(0.0, x), hTol * (x < 1 ? 10 : 1)) << x;
        EXPECT_NEAR(h.slope.real(), -std::cyl_bessel_j(1.0, x), hTol) << x;
        EXPECT_NEAR(h.slope.imag(), -y1, hTol * std::max(1.0, std::abs(y1))) << x;
    }
}

TEST(GroundBessel, MatchesIntegralRepresentationsOffTheAxis) {
    // Points like those on the Sommerfeld contours: both quadrants of the
    // upper half plane, small and large, on both sides of the switches.
    const cplx zs[] = {{0.3, 0.2}, {1.5, 1.0}, {-2.0, 1.5}, {3.0, 2.5}, {-1.0, 3.95},
                       {2.9, 2.9}, {4.5, 0.7}, {-5.0, 2.0}, {7.0, 1.0}, {-3.0, 8.0}};
    for (cplx z : zs) {
        const double a = std::abs(z);
        const ValueAndSlope jWant = j0ByIntegral(z), jGot = besselJ0(z);
        const double jTol = a <= 6 ? 1e-11 : 2e-4;
        EXPECT_LT(std::abs(jGot.value - jWant.value), jTol * std::abs(jWant.value)) << z;
        EXPECT_LT(std::abs(jGot.slope - jWant.slope), jTol * std::abs(jWant.slope)) << z;
        const ValueAndSlope hWant = h0ByIntegral(z), hGot = hankelH0(z);
        const double hTol = a <= 4 ? 1e-9 : 2e-4;
        EXPECT_LT(std::abs(hGot.value - hWant.value), hTol * std::abs(hWant.value)) << z;
        EXPECT_LT(std::abs(hGot.slope - hWant.slope), hTol * std::abs(hWant.slope)) << z;
    }
}

// Six integrands with closed-form integrals: exp(-c lambda) for several c,
// and the slowly decaying exp(j lambda) / lambda and exp((-0.1 + 2j) lambda)
// that need Shanks' sums.
struct KnownIntegrands final : ContourIntegrand {
    Six operator()(cplx l) const override {
        return {std::exp(-l),     std::exp(-2.0 * l),           std::exp(cplx(-0.5, 3) * l),
                l * std::exp(-l), std::exp(cplx(0, 1) * l) / l, std::exp(cplx(-0.1, 2) * l)};
    }
};

TEST(GroundContour, RombergAndShanksReachClosedForms) {
    const KnownIntegrands f;
    IntegrationLimits limits;
    // From 1 to 2 + j along the straight path.
    const cplx a = 1, b = cplx(2, 1);
    const Six s = rombergPath(f, a, b, 2, limits);
    const cplx c3(-0.5, 3), c6(-0.1, 2);
    const cplx want[6] = {std::exp(-a) - std::exp(-b),
                          (std::exp(-2.0 * a) - std::exp(-2.0 * b)) / 2.0,
                          (std::exp(c3 * b) - std::exp(c3 * a)) / c3,
                          (a + 1.0) * std::exp(-a) - (b + 1.0) * std::exp(-b),
                          0.0,
                          (std::exp(c6 * b) - std::exp(c6 * a)) / c6};
    for (int i : {0, 1, 2, 3, 5}) // (4 is checked on the path to infinity below)
        EXPECT_LT(std::abs(s[i] - want[i]), 1e-5 * std::abs(want[i])) << i;
    EXPECT_FALSE(limits.stepLimited);

    // From 1 along the real axis to infinity: int exp(j l)/l = -Ci(1) +
    // j (pi/2 - Si(1)), which converges only like 1/l.
    const Six zero{};
    const Six t = shanksToInfinity(f, 1.0, 0.5, zero, limits);
    EXPECT_LT(std::abs(t[0] - std::exp(-1.0)), 1e-6);
    EXPECT_LT(std::abs(t[4] - cplx(-0.3374039229009681, kPiExact / 2 - 0.9460830703671830)), 2e-5);
    EXPECT_LT(std::abs(t[5] + std::exp(c6) / c6), 1e-5);
    EXPECT_FALSE(limits.unconverged);

    // The same from a seed, through a break point where the path turns
    // into the lower half plane: the integrals do not depend on the path.
    const PathBreak turn{cplx(3, 0), cplx(0.4, -0.2)};
    Six seed{};
    seed[0] = 10.0;
    const Six u = shanksToInfinity(f, 1.0, cplx(0.5, 0.5), seed, limits, &turn);
    EXPECT_LT(std::abs(u[0] - (10.0 + std::exp(-1.0))), 1e-6);
    EXPECT_LT(std::abs(u[1] - std::exp(-2.0) / 2.0), 1e-6);
    EXPECT_LT(std::abs(u[3] - 2.0 * std::exp(-1.0)), 1e-6);
    EXPECT_FALSE(limits.unconverged);
}

TEST(GroundContour, SaysWhenAPathDoesNotConverge) {
    struct Growing final : ContourIntegrand {
        Six operator()(cplx l) const override {
            Six v;
            v.fill(l * l); // partial sums grow like the cube of the distance
            return v;
        }
    } f;
    IntegrationLimits limits;
    shanksToInfinity(f, 0.0, 0.7, Six{}, limits);
    EXPECT_TRUE(limits.unconverged);
}

} // namespace
} // namespace kvarn::ground
