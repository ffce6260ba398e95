#include "ground/norton.h"

#include <algorithm>
#include <cmath>

#include "ground/ground_constants.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

constexpr double kTwoOverSqrtPi = 1.128379167; // 2 / sqrt(pi)
constexpr double kSqrtPi = 1.772453851;
constexpr double kSeriesTolerance2 = 1e-32; // squared size of the last term, relative to the sum
constexpr int kMaxSeriesTerms = 200;
constexpr int kAsymptoticTerms = 6;
constexpr double kMinCos2 = 1e-20; // cos^2(theta) floor: the formulas divide by it

} // namespace

cplx attenuationSeries(cplx p) {
    // erf(z) = 2/sqrt(pi) sum_i (-1)^i z^(2i+1) / (i! (2i+1)).
    const cplx z = cplx(0, 1) * std::sqrt(p);
    const cplx zs = z * z;
    cplx sum = z, pow = z;
    for (int i = 1; i <= kMaxSeriesTerms; ++i) {
        pow = -pow * zs / double(i);
        const cplx term = pow / (2.0 * i + 1.0);
        sum += term;
        if (std::norm(term) <= kSeriesTolerance2 * std::norm(sum)) break;
    }
    return 1.0 - (1.0 - sum * kTwoOverSqrtPi) * z * std::exp(zs) * kSqrtPi;
}

cplx attenuationAsymptotic(cplx p) {
    // sqrt(pi) z exp(z^2) erfc(z) ~ 1 + sum_i (-1)^i (2i-1)!! / (2 z^2)^i for
    // Re z >= 0; for Re z < 0, erfc(z) = 2 - erfc(-z) adds 2 sqrt(pi) z exp(z^2).
    cplx z = cplx(0, 1) * std::sqrt(p);
    const bool leftHalf = z.real() < 0;
    if (leftHalf) z = -z;
    const cplx zs = 0.5 / (z * z);
    cplx sum = 0, term = 1;
    for (int i = 1; i <= kAsymptoticTerms; ++i) {
        term = -term * (2.0 * i - 1.0) * zs;
        sum += term;
    }
    if (leftHalf) sum -= 2.0 * kSqrtPi * z * std::exp(z * z);
    return -sum;
}

cplx attenuationFunction(cplx p) {
    if (std::abs(std::sqrt(p)) <= kAttenuationSeriesLimit) return attenuationSeries(p);
    return attenuationAsymptotic(p);
}

GroundFields nortonFields(const GroundConstants& ground, double r, double theta) {
    // Norton's form assumes a ground unlike the air; for the air itself,
    // where its grazing reflection coefficient would be 0/0, there is no
    // field due to ground.
    if (ground.epsc == 1.0) return {};
    const cplx u = ground.zrati, u2 = ground.zrati2;
    const double spp = std::sin(theta);
    const double spp2 = spp * spp;
    const double cpp2 = std::max(1 - spp2, kMinCos2);
    const double cpp = std::sqrt(cpp2);
    const cplx rk2(0, -kTwoPi * r); // -j k R
    const cplx t1 = 1.0 - u2 * cpp2;
    const cplx t2 = std::sqrt(t1);
    const cplx t4 = (1.0 - 1.0 / rk2) / rk2;

    // Reflection coefficients and attenuation functions of the two
    // polarisations: vertical (rv, f) and horizontal (rh, g).
    const cplx rv = (spp - u * t2) / (spp + u * t2);
    const cplx omr = 1.0 - rv;
    const cplx p1 = rk2 * u2 * t1 / (2 * cpp2);
    const cplx f = attenuationFunction(4.0 * p1 / (omr * omr));
    const cplx rh = (t2 - u * spp) / (t2 + u * spp);
    const cplx q1 = rk2 * t1 / (2.0 * u2 * cpp2);
    const cplx g = attenuationFunction(4.0 * q1 / ((1.0 + rh) * (1.0 + rh)));

    // The reflected field (image and ground wave), per exp(-jkR)/R, with the
    // direct wave left out: NEC-2's GWAVE with its direct-wave factor 0.
    const cplx factor(0, -kHalfEta);
    const cplx common = 1.0 - u2 * (1.0 + rv) - u2 * omr * f;
    const cplx wave = f * (u2 * t1 - spp2 - 1.0 / rk2) + 1.0 / rk2;
    GroundFields n;
    n.ezv = (rv * cpp2 + omr * cpp2 * f - u * t2 * spp * 2.0 / rk2 - t4 * (1 - 3 * spp2)) * factor;
    n.erv = -(rv * spp * cpp - cpp * omr * u * t2 * f + spp * cpp * omr / rk2 +
              cpp * u * t2 * omr / rk2 * 0.5 - 3 * spp * cpp * t4) *
            factor;
    n.erh = (-rv * spp2 - u2 * t1 * omr * f + t4 * (1 - 3 * cpp2) * common +
             u2 * cpp2 * omr * (1.0 - 1.0 / rk2) * wave) *
            factor;
    n.eph = -(-rh + (rh + 1.0) * g + t4 * common + 0.5 * u2 * omr * wave / rk2) * factor;

    // Less frati times the field of the image element, radial (er) and
    // transverse (et) to the line from the image, in the same normalisation.
    const double rk = kTwoPi * r;
    const cplx et0 = cplx(0, -kSegmentFieldFactor) * ground.frati / (r * r);
    const cplx er = 2.0 * et0 * cplx(1, rk);
    const cplx et = et0 * cplx(1 - rk * rk, rk);
    const double c = std::cos(theta), s = spp;
    n.erv -= (er + et) * c * s;
    n.ezv -= s * s * er - c * c * et;
    n.erh += c * c * er - s * s * et;
    n.eph += et;
    return n;
}

} // namespace kvarn::ground
