#include "ground/bessel.h"

#include <cmath>
#include <numbers>

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

// Mathematical constants to full precision: these are functions, not
// model constants, and are checked against the standard library's.
constexpr double kPi = std::numbers::pi;
constexpr double kEulerGamma = std::numbers::egamma;
constexpr double kSqrtTwoOverPi = std::numbers::sqrt2 * std::numbers::inv_sqrtpi;
constexpr double kQuarterPi = std::numbers::pi / 4;
constexpr double kSeriesTail2 = 1e-34; // squared size of the last term kept
constexpr int kMaxTerms = 80;

// Squared |z| below which J0 is 1 and J0' is -z/2 to double precision.
constexpr double kTinySquared = 1e-12;
// Switch from series to asymptotic form: below the lower |z| the series
// alone, above the upper the asymptotic form alone, blended in between.
constexpr double kBesselSwitch = 6.0;
constexpr double kHankelSwitch = 4.0;
constexpr double kBlendWidth = 0.1;

// The asymptotic expansions' P and Q of orders 0 and 1, two terms each:
// P0 = 1 - 9/(128 z^2) + 3675/(32768 z^4), Q0 = -1/(8 z) + 75/(1024 z^3),
// P1 = 1 + 15/(128 z^2) - 4725/(32768 z^4), Q1 = 3/(8 z) - 105/(1024 z^3).
struct Asymptotic {
    cplx p0, q0, p1, q1;
    cplx amplitude; // sqrt(2 / (pi z))
    cplx phase;     // exp(j (z - pi/4))
};

Asymptotic asymptotic(cplx z) {
    const cplx zi = 1.0 / z;
    const cplx zi2 = zi * zi;
    Asymptotic a;
    a.p0 = 1.0 + (3675.0 / 32768.0 * zi2 - 9.0 / 128.0) * zi2;
    a.q0 = (75.0 / 1024.0 * zi2 - 1.0 / 8.0) * zi;
    a.p1 = 1.0 + (15.0 / 128.0 - 4725.0 / 32768.0 * zi2) * zi2;
    a.q1 = (3.0 / 8.0 - 105.0 / 1024.0 * zi2) * zi;
    a.amplitude = kSqrtTwoOverPi * std::sqrt(zi);
    a.phase = std::exp(cplx(0, 1) * (z - kQuarterPi));
    return a;
}

// Weight of the series in the blend: 1 at the switch, 0 at the switch plus
// the blend width, along half a cosine.
double seriesWeight(double absZ, double from) {
    return 0.5 * (1.0 + std::cos((absZ - from) * (kPi / kBlendWidth)));
}

ValueAndSlope blend(const ValueAndSlope& series, const ValueAndSlope& asym, double w) {
    return {w * series.value + (1 - w) * asym.value, w * series.slope + (1 - w) * asym.slope};
}

// Series of J0 and J0' with the terms t_k = (-z^2/4)^k / (k!)^2.
ValueAndSlope besselSeries(cplx z) {
    const cplx x = -0.25 * z * z;
    cplx term = 1.0, j0 = 1.0, j1Sum = 1.0;
    for (int k = 1; k <= kMaxTerms; ++k) {
        term *= x / double(k * k);
        j0 += term;
        j1Sum += term / double(k + 1);
        if (std::norm(term) < kSeriesTail2) break;
    }
    return {j0, -0.5 * z * j1Sum};
}

ValueAndSlope besselAsymptotic(cplx z) {
    const Asymptotic a = asymptotic(z);
    const cplx cosChi = 0.5 * (a.phase + 1.0 / a.phase);
    const cplx sinChi = cplx(0, -0.5) * (a.phase - 1.0 / a.phase);
    return {a.amplitude * (a.p0 * cosChi - a.q0 * sinChi),
            -a.amplitude * (a.p1 * sinChi + a.q1 * cosChi)};
}

// Series of H0 = J0 + j Y0 with
//   Y0  = (2/pi) [(ln(z/2) + gamma) J0 - sum_k H_k t_k],
//   Y0' = (2/pi) [J0 / z + (ln(z/2) + gamma) J0' - (2/z) sum_k k H_k t_k],
// H_k the harmonic numbers and t_k the terms of J0's series.
ValueAndSlope hankelSeries(cplx z) {
    const cplx x = -0.25 * z * z;
    cplx term = 1.0, j0 = 1.0, j1Sum = 1.0, ySum = 0.0, ySlopeSum = 0.0;
    double harmonic = 0;
    for (int k = 1; k <= kMaxTerms; ++k) {
        term *= x / double(k * k);
        harmonic += 1.0 / k;
        j0 += term;
        j1Sum += term / double(k + 1);
        ySum += harmonic * term;
        ySlopeSum += (k * harmonic) * term;
        const double weight = 1 + k * harmonic;
        if (std::norm(term) * (weight * weight) < kSeriesTail2) break;
    }
    const cplx j0Slope = -0.5 * z * j1Sum;
    const cplx logTerm = std::log(0.5 * z) + kEulerGamma;
    const cplx y0 = (2 / kPi) * (logTerm * j0 - ySum);
    const cplx y0Slope = (2 / kPi) * (j0 / z + logTerm * j0Slope - 2.0 * ySlopeSum / z);
    const cplx j(0, 1);
    return {j0 + j * y0, j0Slope + j * y0Slope};
}

ValueAndSlope hankelAsymptotic(cplx z) {
    const Asymptotic a = asymptotic(z);
    const cplx j(0, 1);
    const cplx h = a.amplitude * a.phase;
    return {h * (a.p0 + j * a.q0), j * h * (a.p1 + j * a.q1)};
}

} // namespace

ValueAndSlope besselJ0(cplx z) {
    const double abs2 = std::norm(z);
    if (abs2 <= kTinySquared) return {1.0, -0.5 * z};
    const double absZ = std::sqrt(abs2);
    if (absZ <= kBesselSwitch) return besselSeries(z);
    if (absZ > kBesselSwitch + kBlendWidth) return besselAsymptotic(z);
    return blend(besselSeries(z), besselAsymptotic(z), seriesWeight(absZ, kBesselSwitch));
}

ValueAndSlope hankelH0(cplx z) {
    const double absZ = std::abs(z);
    if (absZ <= kHankelSwitch) return hankelSeries(z);
    if (absZ > kHankelSwitch + kBlendWidth) return hankelAsymptotic(z);
    return blend(hankelSeries(z), hankelAsymptotic(z), seriesWeight(absZ, kHankelSwitch));
}

} // namespace kvarn::ground
