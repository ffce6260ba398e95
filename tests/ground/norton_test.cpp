// Norton's form: the attenuation function against an independent
// evaluation on both sides of its switch, the fields against NEC-2's
// (nec2c with the attenuation function repaired), and against the
// Sommerfeld integrals far out, where both hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "ground/ground_medium.h"
#include "ground/ground_support.h"
#include "ground/norton.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

// exp(z^2) erfc(z) = (2/sqrt(pi)) int_0^inf exp(-t^2 - 2 z t) dt for Re z >= 0,
// by Simpson's rule; for Re z < 0 through erfc(z) = 2 - erfc(-z).
cplx scaledErfc(cplx z) {
    if (z.real() < 0) return 2.0 * std::exp(z * z) - scaledErfc(-z);
    const double h = 2.5e-4, end = 12;
    const int n = static_cast<int>(end / h);
    cplx sum = 1.0 + std::exp(-end * end - 2.0 * z * end);
    for (int i = 1; i < n; ++i) {
        const double t = i * h;
        sum += (i % 2 ? 4.0 : 2.0) * std::exp(-t * t - 2.0 * z * t);
    }
    return sum * (h / 3) * (2 / std::sqrt(kPiExact));
}

// F(p) = 1 - j sqrt(pi p) exp(-p) erfc(j sqrt(p)) = 1 - sqrt(pi) z exp(z^2) erfc(z), z = j sqrt(p).
cplx attenuationByIntegral(cplx p) {
    const cplx z = cplx(0, 1) * std::sqrt(p);
    return 1.0 - std::sqrt(kPiExact) * z * scaledErfc(z);
}

TEST(GroundNorton, AttenuationFunctionAgainstTheErrorFunction) {
    // |z| from 0.2 to 4.5 on rays over the arguments p takes (numerical
    // distances in the lower half plane, and some above, where Re z < 0
    // and the asymptotic form adds its second term). The series must hold
    // to 1e-9 (also past its switch at |z| = 3, where it is not used); the
    // switched function is the series below |z| = 3 and the six-term
    // asymptotic form above, which holds to 1e-3 at the switch (worst for
    // real p, z on the imaginary axis) and better the farther out.
    double worstSeries = 0, worstAsymptotic = 0;
    for (double argP : {-1.5, -1.0, -0.5, 0.0, 0.4, 1.2})
        for (double absZ : {0.2, 1.0, 2.0, 2.9, 2.999, 3.001, 3.2, 4.0, 4.5}) {
            const cplx p = std::polar(absZ * absZ, argP);
            const cplx want = attenuationByIntegral(p);
            const double seriesError = std::abs(attenuationSeries(p) - want);
            const double switched = std::abs(attenuationFunction(p) - want);
            if (absZ <= 4) worstSeries = std::max(worstSeries, seriesError);
            if (absZ <= kAttenuationSeriesLimit) {
                EXPECT_LT(switched, 1e-9) << p;
            } else {
                worstAsymptotic = std::max(worstAsymptotic, switched);
                EXPECT_LT(switched, 1e-3 * std::pow(3 / absZ, 12)) << p;
                EXPECT_EQ(attenuationFunction(p), attenuationAsymptotic(p)) << p;
            }
        }
    std::printf("attenuation function: series error %.1e (|z| <= 4), asymptotic error %.1e "
                "(|z| > 3)\n",
                worstSeries, worstAsymptotic);
    EXPECT_LT(worstSeries, 1e-9);
}

TEST(GroundNorton, AgreesWithNec2GroundWave) {
    // The quantities of nec2c's Norton branch (GWAVE less the image, in
    // table normalisation) with its attenuation function repaired, for
    // eps_r 13, sigma 0.005 S/m; the last takes the asymptotic form of the
    // attenuation function, the others its series (where nec2c 1.3 errs).
    struct Point {
        double mhz, r, degrees;
        double nec[8]; // ERV, EZV, ERH, EPH as real and imaginary parts
    };
    // clang-format off
    const Point points[] = {
        {14.2, 2.0, 0, {-30.91537531, -41.91645495, -129.8011195, 218.1584889,
                        3.811301200, 9.817013214, 11.17260123, -22.42633706}},
        {3.65, 1.2, 30, {6.069725304, -44.10162784, -38.17824436, 56.8557533,
                         7.013135382, -22.21422297, -3.989185398, 22.87077619}},
        {3.65, 300, 1, {-0.7655973667, -5.651842821, -6.344955192, 345.0170671,
                        0.157402965, -0.09030394836, 10.89987055, -5.509263998}},
    };
    // clang-format on
    for (const Point& pt : points) {
        const GroundConstants c = groundConstants({13, 0.005, pt.mhz});
        const GroundFields got = nortonFields(c, pt.r, pt.degrees * kDegree);
        const GroundFields nec{{pt.nec[0], pt.nec[1]},
                               {pt.nec[2], pt.nec[3]},
                               {pt.nec[4], pt.nec[5]},
                               {pt.nec[6], pt.nec[7]}};
        EXPECT_LT(largestDifference(got, nec), 1e-6 * largest(nec))
            << pt.mhz << " MHz R " << pt.r << " theta " << pt.degrees;
    }
}

TEST(GroundNorton, ApproachesTheIntegralsFarOut) {
    // Norton's form is asymptotic in 1/(k R): against the integrals its
    // error (of the point's largest quantity) must fall with R, below
    // 0.35 / R. The integrals keep their accuracy out to 30 wavelengths and
    // beyond (their contour passes the air's branch point within 1/rho, so
    // the Hankel function does not grow on it), at every angle: steep lines
    // (the Bessel form) as well as grazing ones.
    for (double mhz : {3.65, 14.2}) {
        const GroundConstants c = groundConstants({13, 0.005, mhz});
        const SommerfeldIntegrals s(c.epsc);
        for (double degrees : {0.0, 10.0, 30.0, 50.0, 70.0, 85.0}) {
            const double theta = degrees * kDegree;
            double previous = 1;
            for (double r : {2.0, 5.0, 10.0, 20.0, 30.0}) {
                const auto direct = s.evaluate(r, theta);
                ASSERT_FALSE(direct.limited) << r << " " << degrees;
                const double e = largestDifference(nortonFields(c, r, theta), direct.fields) /
                                 largest(direct.fields);
                std::printf("%5.2f MHz theta %2.0f R %4.1f: Norton against integrals %.2e\n", mhz,
                            degrees, r, e);
                EXPECT_LT(e, 0.35 / r);
                EXPECT_LT(e, previous);
                previous = e;
            }
        }
    }
}

} // namespace
} // namespace kvarn::ground
