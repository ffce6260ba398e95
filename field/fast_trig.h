#pragma once
// Quick sine, cosine and arctangent in extended precision for the field
// model's inner loop. Every result lies within one unit in the last place
// (64-bit significand) of the exact value, for every finite argument.
// Pure functions: no state, no allocation, safe from any thread. Defined
// here so that the kernel inlines them: a call passes and returns long
// doubles through memory, which costs more than a short polynomial.

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include <emmintrin.h>

#include "field/extended_bits.h"
#include "field/fast_trig_constants.h"
#include "field/trig_reduction.h"

namespace kvarn {

struct SinCos {
    long double s; // sin x
    long double c; // cos x
};

namespace detail {

using namespace trig;

// Below 2^-32, sin x = x and cos x = 1 after rounding, and atan t = t.
inline constexpr long double kTiny = 0x1p-32L;

// sin and cos of hi + lo, |hi + lo| <= pi/4 + 2^-28. With hi = a + b, a the
// double nearest hi rounded to the grid of 2^-17 (|b| <= 2^-18 + 2^-54, and
// b exact), so that a^2, a^3 and 1 - a^2/2 are exact doubles, z = hi^2, and
// c0 + c1 z + ..., d0 + d1 z + ... the polynomials of (sin r - r) / r^3 and
// (cos r - 1 + r^2/2) / r^4:
//   sin = hi + (c0 a^3 + [z^2 hi (c1 + c2 z + ...) + small])
//   cos = (1 - a^2/2) + [z^2 (d0 + d1 z + ...) - small]
// Each small part is below 2^-18 of the result and needs double precision
// only: the share of b in hi^3 and hi^2/2, lo's share, and the low halves of
// c0, c1, d0 and d1 (whose high halves the extended arithmetic multiplies
// with); so do the sine's terms from z^3 on and the cosine's from z^2 on,
// below 2^-20 and 2^-18 of the result. SSE2 computes those, which leaves
// the x87 unit, the bottleneck, less than half the work. The low halves of
// c2 and d2 would add less than 2^-69 of the result.
// Errors in ulps of the result: the sine's bracket (up to 0.081) carries
// about 2.4 roundings of its size, <= 0.2 ulp, the cosine's (up to 0.016)
// < 0.1 ulp; each final sum 0.5 ulp.
[[gnu::always_inline]] inline SinCos sinCosReduced(long double hi, long double lo) {
    constexpr double kSplitter = 0x1.8p35; // rounds |v| < 2^34 to a multiple of 2^-17
    const double hd = static_cast<double>(hi), ld = static_cast<double>(lo);
    const double ad = (hd + kSplitter) - kSplitter;
    const long double b = hi - ad;
    const double bd = static_cast<double>(b);
    const long double z = hi * hi;
    const long double z2 = z * z;
    const double zd = static_cast<double>(z), z2d = zd * zd;
    const double a2 = ad * ad, a3 = a2 * ad; // exact: 34 and 51 bits

    const __m128d zz = _mm_set1_pd(zd);
    __m128d tail = _mm_set_pd(kCosPoly7, kSinPoly7);
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly6, kSinPoly6));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly5, kSinPoly5));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly4, kSinPoly4));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly3, kSinPoly3));
    const double sinTail = _mm_cvtsd_f64(tail);
    const double cosTail = _mm_cvtsd_f64(_mm_unpackhi_pd(tail, tail)) * zd + kCosPoly2;
    const double sinSmall = kSinPoly0 * (bd * (zd + ad * (hd + ad))) + ld * (1.0 - 0.5 * zd) +
                            kSinPoly0Lo * a3 + hd * z2d * kSinPoly1Lo;
    const double cosSmall = bd * (ad + 0.5 * bd) + hd * ld - z2d * (kCosPoly0Lo + zd * kCosPoly1Lo);

    const long double p = kSinPoly1 + z * (kSinPoly2 + z * sinTail);
    const long double q = kCosPoly0 + z * (kCosPoly1 + z * cosTail);
    const long double sinHead = kSinPoly0 * static_cast<long double>(a3);
    const double cosHead = 1.0 - 0.5 * a2;
    return {hi + (sinHead + (hi * z2 * p + sinSmall)), cosHead + (z2 * q - cosSmall)};
}

} // namespace detail

// Sine and cosine of x (rad) together; NaN for an infinite or NaN x.
[[gnu::always_inline]] inline SinCos sinCos(long double x) {
    using namespace detail;
    const long double ax = std::fabs(x);
    if (ax < kTiny) return {x, 1.0L};
    ReducedAngle r;
    if (ax < kNearReductionLimit)
        r = reduceNear(x);
    else if (ax <= LDBL_MAX)
        r = reduceFar(x);
    else
        return {x - x, x - x};
    const SinCos v = sinCosReduced(r.hi, r.lo);
    // sin(k pi/2 + r) and cos(k pi/2 + r) by quadrant: (s, c), (c, -s),
    // (-s, -c), (-c, s); by multiplying with 0 and +-1 rather than branching
    // on the quadrant, which is random to the branch predictor.
    struct Turn {
        float ss, sc, cs, cc;
    };
    static constexpr Turn kTurns[4] = {{1, 0, 0, 1}, {0, 1, -1, 0}, {-1, 0, 0, -1}, {0, -1, 1, 0}};
    const Turn& t = kTurns[r.quadrant];
    const long double s = t.ss * v.s + t.sc * v.c;
    const long double c = t.cs * v.s + t.cc * v.c;
    return {s, c};
}

// The kernel's forms: sine and cosine of a double, rounded to double, or
// each as two doubles hi + lo that add up to the extended value exactly.
// Every result is the one sinCos gives or one within the same bound, and
// the same for every argument; the cheap paths only cover the arguments
// the field model feeds them.
struct SinCosDouble {
    double s, c;
};
struct SinCosHalves {
    double sHi, sLo; // sin x = sHi + sLo
    double cHi, cLo; // cos x = cHi + cLo
};

namespace detail {

// pi/2 = kHalfPiHigh + kHalfPiLow + 2^-130.5 at most, both to 64 bits, and
// their multiples by -2 .. 2 (exact).
inline constexpr long double kHalfPiHigh = 0xc.90fdaa22168c235p-3L;
inline constexpr long double kHalfPiLow = -0xe.ce675d1fc8f8cbbp-69L;
inline constexpr long double kHalfPiHighTimes[5] = {-2 * kHalfPiHigh, -kHalfPiHigh, 0, kHalfPiHigh,
                                                    2 * kHalfPiHigh};
inline constexpr long double kHalfPiLowTimes[5] = {-2 * kHalfPiLow, -kHalfPiLow, 0, kHalfPiLow,
                                                   2 * kHalfPiLow};
// Bound of the quick reduction of small angles: k = -2 .. 2.
inline constexpr double kSmallAngleLimit = 3.9;

// x = k pi/2 + hi + lo for a double 2^-32 <= |x| < 3.9. k is the integer
// nearest x 2/pi in double, so |hi + lo| <= pi/4 + 2^-48. x and k times the
// high part are both multiples of 2^-63 below 4 (a double of 2^-1 or more
// is, and k = 0 leaves x), so head, their difference, is exact; k times the
// low part is exact, and |head| >= 2^-54 (no double comes nearer to pi/2 or
// pi than 2^-53.8, and |x| >= 2^-32 for k = 0) exceeds it, so the
// two-operation sum gives hi + lo exactly. What remains of k pi/2, below
// 2^-129.5, is below 2^-75 of r.
[[gnu::always_inline]] inline ReducedAngle reduceSmall(double x) {
    const long k = _mm_cvtsd_si64(_mm_set_sd(x * trig::kTwoOverPi));
    const long double head = x - kHalfPiHighTimes[k + 2];
    const long double w = kHalfPiLowTimes[k + 2];
    const long double hi = head - w;
    return {hi, (head - hi) - w, static_cast<unsigned>(k) & 3u};
}

// sin and cos of k pi/2 + r from those of r, for each of the four k mod 4:
// (s, c), (c, -s), (-s, -c), (-c, s). Exact, and on doubles, where a sign
// costs nothing and no branch depends on the quadrant.
[[gnu::always_inline]] inline SinCosDouble turned(double s, double c, unsigned quadrant) {
    const double v[4] = {s, c, -s, -c};
    return {v[quadrant], v[(quadrant + 1) & 3u]};
}

// Rounded and split: the extended results need double stores only.
[[gnu::always_inline]] inline SinCosHalves halvesOf(const SinCos& v, unsigned quadrant) {
    const double sHi = static_cast<double>(v.s), cHi = static_cast<double>(v.c);
    const double sLo = static_cast<double>(v.s - sHi), cLo = static_cast<double>(v.c - cHi);
    const SinCosDouble hi = turned(sHi, cHi, quadrant), lo = turned(sLo, cLo, quadrant);
    return {hi.s, lo.s, hi.c, lo.c};
}

[[gnu::noinline]] inline SinCosDouble sinCosDoubleRare(double x) {
    const SinCos v = sinCos(x);
    return {static_cast<double>(v.s), static_cast<double>(v.c)};
}
[[gnu::noinline]] inline SinCosHalves sinCosHalvesRare(double x) {
    return halvesOf(sinCos(x), 0);
}

} // namespace detail

// sin x and cos x rounded to double; quickest for 2^-32 <= |x| < 2^24.
[[gnu::always_inline]] inline SinCosDouble sinCosDouble(double x) {
    using namespace detail;
    const double ax = std::fabs(x);
    if (!(ax >= 0x1p-32 && ax < 0x1p24)) [[unlikely]]
        return sinCosDoubleRare(x);
    const ReducedAngle r = reduceNear(x);
    const SinCos v = sinCosReduced(r.hi, r.lo);
    return turned(static_cast<double>(v.s), static_cast<double>(v.c), r.quadrant);
}

// sin x and cos x of an angle rounded to double; quickest for
// 2^-32 <= |x| < 3.9.
[[gnu::always_inline]] inline SinCosDouble sinCosOfAngleDouble(double x) {
    using namespace detail;
    const double ax = std::fabs(x);
    if (!(ax >= 0x1p-32 && ax < kSmallAngleLimit)) [[unlikely]]
        return sinCosDoubleRare(x);
    const ReducedAngle r = reduceSmall(x);
    const SinCos v = sinCosReduced(r.hi, r.lo);
    return turned(static_cast<double>(v.s), static_cast<double>(v.c), r.quadrant);
}

// sin x and cos x of an angle as exact halves; quickest for
// 2^-32 <= |x| < 3.9. Every |sin x| and |cos x| of a double x is 0, |x|
// itself (below 2^-32) or above 2^-77 (no extended value comes nearer to a
// multiple of pi/2 than 2^-75.5), so their low halves, multiples of 2^-140
// below 2^-53 of the high ones, are exact doubles: the halves add up to the
// extended values.
[[gnu::always_inline]] inline SinCosHalves sinCosOfAngleHalves(double x) {
    using namespace detail;
    const double ax = std::fabs(x);
    if (!(ax >= 0x1p-32 && ax < kSmallAngleLimit)) [[unlikely]]
        return sinCosHalvesRare(x);
    const ReducedAngle r = reduceSmall(x);
    return halvesOf(sinCosReduced(r.hi, r.lo), r.quadrant);
}

namespace detail {

// atan a for finite a >= 0 and NaN: atan a = A + atan u with
// A = atan(c) from the table and u = (a - c) / (1 + a c), |u| <= 1/32; for
// a >= 32, A = pi/2 and u = -1/a; below 2^-5, A = 0 and u = a.
// The entry comes from the double nearest a, whose exponent and first
// three fraction bits a shift reads without storing 80 bits: rounding to
// double can only carry a that lies just below the edge of an interval
// onto the edge, into the next interval, where |u| exceeds 1/32 by a
// relative 2^-53 at most (the polynomial holds to 1.0005/32); a - c stays
// exact (a and c within a factor 2: Sterbenz). NaN and values beyond the
// double range take the last entry; infinity would make 0 * a a NaN.
// u carries at most three roundings, and |u| <= A/16, so it costs
// <= 0.19 ulp of the result; the inner sum adds 0.07 ulp, the polynomial
// far less, the final sum 0.5. Below 2^-5, u = a exactly and the result has
// a single rounding; below 2^-32 that leaves a itself, the cubic term being
// under half an ulp of it. Above 2^63, u = -1/a, as exact as atan(-1/a).
[[gnu::always_inline]] inline long double atanNonNegative(long double a) {
    const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(a));
    // Exponent and three fraction bits: 8 (1023 + e) + m for [2^e (1 + m/8), ...).
    long j = static_cast<long>(bits >> 49) - (8 * (1023 - 5) - 1);
    j = j < 0 ? 0 : j;
    j = j > 81 ? 81 : j;
    const AtanEntry& en = kAtanTable[j];
    const long double u = (en.alpha * a - en.beta) / (en.alpha + en.beta * a);
    const long double z = u * u;
    // The terms from z on, below z / 5 <= 2^-12 of p, in SSE2: their double
    // roundings stay below 2^-73 of the result.
    const double zd = static_cast<double>(z);
    const double tail = zd * (kAtanPoly1 + zd * (kAtanPoly2 + zd * (kAtanPoly3 + zd * kAtanPoly4)));
    constexpr long double kAtanPoly0Extended = kAtanPoly0 + static_cast<long double>(kAtanPoly0Lo);
    const long double p = kAtanPoly0Extended + tail;
    return en.hi + (u + (en.lo + u * (z * p)));
}

} // namespace detail

// Arctangent of t (rad), meant for t >= 0 and odd in t; atan(+inf) = pi/2.
// Beyond 2^80 the result is the extended value nearest pi/2, whose error
// there stays below half an ulp plus 2^-80, so infinity may take 2^80's.
[[gnu::always_inline]] inline long double arcTan(long double t) {
    const long double a = std::fabs(t);
    const long double r = detail::atanNonNegative(a > 0x1p80L ? 0x1p80L : a);
    return std::signbit(t) ? -r : r;
}

} // namespace kvarn
