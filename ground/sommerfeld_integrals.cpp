#include "ground/sommerfeld_integrals.h"

#include <algorithm>
#include <cmath>

#include "ground/bessel.h"
#include "ground/contour_integration.h"
#include "ground/ground_constants.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;
using Medium = SommerfeldIntegrals::Medium;

constexpr double kTinyRho = 1e-7;    // wavelengths: rho below it is taken as ...
constexpr double kRhoFloor = 1e-8;   // ... this (the Hankel form needs rho > 0)
constexpr double kTinyHeight = 1e-7; // wavelengths: z + z' below it is 0
// How far below the real axis the paths pass the air's branch point, at
// most: this over rho, so that the Hankel (or Bessel) function, which grows
// like exp(|Im lambda| rho) there, grows at most e-fold. NEC-2 passes it
// 0.2 k2 below, which is the same up to rho = 0.8 but makes the pieces of
// the contour grow as exp(0.2 k2 rho) and cancel beyond a few wavelengths.
constexpr double kDipScale = 1.0;
// Where the Bessel form's path to infinity starts once the air's branch
// point lies beyond its first step: this many 1/max(rho, z + z') past it,
// where the integrands decay and Shanks' transform can take over.
constexpr double kTailLead = 3.0;
constexpr double kPathStep = 0.6283185308; // 2 pi / 10: steps to infinity, times 1/max(rho, z+z')

// The six integrands at lambda. With gamma_i = sqrt(lambda^2 - k_i^2), the
// ground's (1) and the air's (2), they carry the two potentials' kernels
// less their quasi-static parts: den1 = 1/(gamma1 + gamma2) - ck2^2 /
// ((ck1^2 + ck2^2) gamma2) for the horizontal element's own potential, and
// den2, proportional to (gamma2 - gamma1) over the pole's denominator
// ck1^2 gamma2 + ck2^2 gamma1, for the potential both elements share. The
// field quantities are sums of them (see fieldsOf).
class Integrand final : public ContourIntegrand {
  public:
    Integrand(const Medium& m, double rho, double zph, bool hankelForm)
        : m_(m), rho_(rho), zph_(zph), hankel_(hankelForm) {}

    Six operator()(cplx xl) const override {
        cplx b0, b0p, cgam1, cgam2;
        if (hankel_) {
            // Half the Bessel function's path folded onto H0; the branch
            // of each gamma follows the path round its branch point.
            const ValueAndSlope h = hankelH0(xl * rho_);
            b0 = h.value;
            b0p = h.slope;
            cgam1 = gammaAlongHankelPath(xl, m_.ck1);
            cgam2 = gammaAlongHankelPath(xl, cplx(m_.ck2));
        } else {
            const ValueAndSlope j = besselJ0(xl * rho_);
            b0 = 2.0 * j.value;
            b0p = 2.0 * j.slope;
            cgam1 = gammaOnBesselPath(xl * xl - m_.ck1sq);
            cgam2 = gammaOnBesselPath(xl * xl - m_.ck2sq);
        }
        const cplx dgam = gammaDifference(xl, cgam1, cgam2);
        const cplx den2 = m_.cksm * dgam / (cgam2 * (m_.ck1sq * cgam2 + m_.ck2sq * cgam1));
        const cplx den1 = 1.0 / (cgam1 + cgam2) - m_.cksm / cgam2;
        cplx com = xl * std::exp(-cgam2 * zph_);
        Six ans;
        ans[5] = com * b0 * den1 / m_.ck1;
        com *= den2;
        b0p /= rho_;
        ans[0] = -com * xl * (b0p + b0 * xl);
        ans[3] = com * xl * b0p;
        ans[1] = com * cgam2 * cgam2 * b0;
        ans[2] = -ans[3] * cgam2 * rho_;
        ans[4] = com * b0;
        return ans;
    }

  private:
    // Principal root, but on the imaginary axis the one with negative
    // imaginary part (outgoing, as the radiation condition wants).
    static cplx gammaOnBesselPath(cplx square) {
        cplx g = std::sqrt(square);
        if (g.real() == 0) g = cplx(0, -std::abs(g.imag()));
        return g;
    }
    // sqrt(lambda + k) sqrt(lambda - k), turned to the other sheet where
    // lambda - k lies in the second quadrant.
    static cplx gammaAlongHankelPath(cplx xl, cplx k) {
        const cplx com = xl - k;
        cplx g = std::sqrt(xl + k) * std::sqrt(com);
        if (com.real() < 0 && com.imag() >= 0) g = -g;
        return g;
    }
    // gamma2 - gamma1; for large lambda from its series in 1/lambda, which
    // keeps its accuracy where the two roots nearly cancel.
    cplx gammaDifference(cplx xl, cplx cgam1, cplx cgam2) const {
        if (std::norm(xl) < m_.tsmag) return cgam2 - cgam1;
        double sign = 1;
        if (xl.imag() >= 0) {
            const double xlr = xl.real();
            if (xlr >= m_.ck2 && xlr <= m_.ck1r) return cgam2 - cgam1;
            if (xlr < m_.ck2) sign = -1;
        }
        const cplx inv2 = 1.0 / (xl * xl);
        return sign * ((m_.ct3 * inv2 + m_.ct2) * inv2 + m_.ct1) / xl;
    }

    const Medium& m_;
    double rho_, zph_;
    bool hankel_;
};

Six plus(const Six& a, const Six& b) {
    Six s;
    for (int i = 0; i < 6; ++i)
        s[i] = a[i] + b[i];
    return s;
}

Six minus(const Six& a) {
    Six s;
    for (int i = 0; i < 6; ++i)
        s[i] = -a[i];
    return s;
}

// The integrals along the real axis (shifted below it, to keep clear of the
// branch points), for z + z' >= 2 rho.
Six besselForm(const Medium& m, double rho, double zph, IntegrationLimits& limits) {
    const Integrand f(m, rho, zph, false);
    const double del = 1.0 / std::max(rho, zph);
    const cplx end(del, -del);
    Six sum;
    if (del > m.tkmag) {
        // A long way out before the exponential decays: first up to well
        // past the ground's branch point, then the rest.
        const cplx mid(0.1 * m.tkmag, -0.1 * m.tkmag);
        sum = plus(rombergPath(f, 0.0, mid, 2, limits), rombergPath(f, mid, end, 2, limits));
    } else {
        sum = rombergPath(f, 0.0, end, 2, limits);
    }
    // Far out, the steps to infinity are short against the distance to the
    // air's branch point: integrate up to past it first, along the same
    // line below the axis (NEC-2 sums these steps with the Shanks
    // transform, which cannot settle before the integrands decay).
    cplx tail = end;
    if (del < m.ck2) {
        tail = cplx(m.ck2 + kTailLead * del, -del);
        sum = plus(sum, rombergPath(f, end, tail, 4, limits));
    }
    return shanksToInfinity(f, tail, kPathStep * del, sum, limits);
}

// The Hankel-function form, for z + z' < 2 rho: from the right of the
// branch points over the imaginary axis to minus infinity, and from there
// either up between the two branch cuts and on to plus infinity, or below
// both branch points straight to plus infinity.
Six hankelForm(const Medium& m, double rho, double zph, IntegrationLimits& limits) {
    const Integrand f(m, rho, zph, true);
    const double k = m.ck2;
    const double dip = std::min(0.2 * k, kDipScale / rho);
    const cplx cp1(0, 0.4 * k), cp2(0.6 * k, -dip), cp3(1.02 * k, -dip);
    Six sum = minus(plus(rombergPath(f, cp1, cp2, 2, limits), rombergPath(f, cp2, cp3, 2, limits)));

    // Path from the imaginary axis to -infinity, along the direction in
    // which exp(j lambda rho - gamma2 (z + z')) decays fastest.
    const double slope = zph > 0.001 * rho ? rho / zph : 1000.0;
    const double del = kPathStep / std::max(rho, zph);
    const cplx delta = cplx(-1.0, slope) * del / std::sqrt(1.0 + slope * slope);
    const cplx delta2 = -std::conj(delta);
    Six ans = shanksToInfinity(f, cp1, delta, sum, limits);

    // Far from the source over a good ground the ground's branch point lies
    // far right of the air's; then the path goes up between the cuts,
    // unless the decay along the field's direction is steep enough.
    bool betweenCuts = false;
    if (rho * (m.ck1r - k) >= 2 * k && rho >= 1e-10) {
        betweenCuts = true;
        if (zph >= 1e-10) {
            const cplx bk = cplx(-zph, rho) * (m.ck1 - cp3);
            betweenCuts = -bk.real() / std::abs(bk.imag()) <= 4 * rho / zph;
        }
    }
    if (betweenCuts) {
        const cplx c1 = m.ck1 - cplx(0.1, 0.2);
        const cplx c2 = c1 + 0.2;
        const cplx up(0, del);
        sum = shanksToInfinity(f, c1, up, ans, limits);
        const Six across = rombergPath(f, c1, c2, 1, limits);
        for (int i = 0; i < 6; ++i)
            ans[i] = across[i] - sum[i];
        sum = shanksToInfinity(f, cp3, up, ans, limits);
        return shanksToInfinity(f, c2, delta2, sum, limits);
    }
    // Below both branch points to a point just under the ground's, then on
    // to +infinity.
    sum = minus(ans);
    const cplx bk(std::max(1.01 * m.ck1r, k + 1.0), 0.99 * m.ck1.imag());
    cplx delta3 = bk - cp3;
    delta3 *= del / std::abs(delta3);
    const PathBreak turn{bk, delta2};
    return shanksToInfinity(f, cp3, delta3, sum, limits, &turn);
}

// The four quantities from the six integrals, conjugated back to
// exp(+j omega t).
GroundFields fieldsOf(const Medium& m, Six ans) {
    ans[5] *= m.ck1;
    GroundFields g;
    g.erv = std::conj(m.ck1sq * ans[2]);
    g.ezv = std::conj(m.ck1sq * (ans[1] + m.ck2sq * ans[4]));
    g.erh = std::conj(m.ck2sq * (ans[0] + ans[5]));
    g.eph = -std::conj(m.ck2sq * (ans[3] + ans[5]));
    return g;
}

} // namespace

SommerfeldIntegrals::SommerfeldIntegrals(cplx epsc) : epsc_(epsc) {
    m_.ck2 = kTwoPi;
    m_.ck2sq = m_.ck2 * m_.ck2;
    m_.ck1sq = m_.ck2sq * std::conj(epsc);
    m_.ck1 = std::sqrt(m_.ck1sq);
    m_.ck1r = m_.ck1.real();
    m_.tkmag = 100 * std::abs(m_.ck1);
    m_.tsmag = 100 * std::norm(m_.ck1);
    m_.cksm = m_.ck2sq / (m_.ck1sq + m_.ck2sq);
    m_.ct1 = 0.5 * (m_.ck1sq - m_.ck2sq);
    const cplx k1p4 = m_.ck1sq * m_.ck1sq;
    const double k2p4 = m_.ck2sq * m_.ck2sq;
    m_.ct2 = 0.125 * (k1p4 - k2p4);
    m_.ct3 = 0.0625 * (k1p4 * m_.ck1sq - k2p4 * m_.ck2sq);
}

SommerfeldIntegrals::Result SommerfeldIntegrals::evaluate(double r, double theta) const {
    double rho = r * std::cos(theta);
    double zph = r * std::sin(theta);
    if (rho < kTinyRho) rho = kRhoFloor;
    if (zph < kTinyHeight) zph = 0;
    IntegrationLimits limits;
    const Six ans =
        zph >= 2 * rho ? besselForm(m_, rho, zph, limits) : hankelForm(m_, rho, zph, limits);
    Result result;
    result.fields = fieldsOf(m_, ans);
    // Table normalisation: times -j eta/(8 pi^2) R exp(+j k R).
    const double rk = kTwoPi * r;
    const cplx con = cplx(0, -kSegmentFieldFactor) * r * cplx(std::cos(rk), std::sin(rk));
    result.fields.erv *= con;
    result.fields.ezv *= con;
    result.fields.erh *= con;
    result.fields.eph *= con;
    result.limited = limits.stepLimited || limits.unconverged;
    return result;
}

GroundFields SommerfeldIntegrals::atOrigin(double theta) const {
    const cplx cl2 = cplx(0, -kHalfEta) * (epsc_ - 1.0) / (epsc_ + 1.0);
    const cplx cl1 = cl2 / (epsc_ + 1.0);
    GroundFields g;
    g.ezv = epsc_ * cl1;
    const double c = std::cos(theta);
    if (c < 1e-9) {
        g.erv = 0;
        g.erh = cl2 - 0.5 * cl1;
        g.eph = -g.erh;
        return g;
    }
    const double tfac1 = (1 - std::sin(theta)) / c;
    const double tfac2 = tfac1 / c;
    g.erv = epsc_ * cl1 * tfac1;
    g.erh = cl1 * (tfac2 - 1) + cl2;
    g.eph = cl1 * tfac2 - cl2;
    return g;
}

} // namespace kvarn::ground
