#pragma once
// Quick sine, cosine and arctangent in extended precision for the field
// model's inner loop. Every result lies within one unit in the last place
// (64-bit significand) of the exact value, for every finite argument.
// Pure functions: no state, no allocation, safe from any thread. Defined
// here so that the kernel inlines them: a call passes and returns long
// doubles through memory, which costs more than a short polynomial.

#include <cfloat>
#include <cmath>

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

// sin and cos of hi + lo, |hi + lo| <= pi/4 + 2^-28. With hi = a + b, a on
// the grid of 2^-20 (so a^2, a^3 and 1 - a^2/2 are exact), z = hi^2, and
// c0 + c1 z + ..., d0 + d1 z + ... the polynomials of (sin r - r) / r^3 and
// (cos r - 1 + r^2/2) / r^4:
//   sin = hi + (c0 a^3 + [z^2 hi (c1 + c2 z + ...) + small])
//   cos = (1 - a^2/2) + [z^2 (d0 + d1 z + ...) - small]
// Each small part is below 2^-20 of the result and needs double precision
// only: the share of b in hi^3 and hi^2/2, lo's share, and the low halves of
// c0..c2 and d0..d2 (whose high halves the extended arithmetic multiplies
// with); so do the polynomial terms from z^3 on. SSE2 computes those, which
// leaves the x87 unit, the bottleneck, about half the work.
// Errors in ulps of the result: the sine's bracket (up to 0.081) carries
// about 2.4 roundings of its size, <= 0.2 ulp, the cosine's (up to 0.016)
// < 0.1 ulp; each final sum 0.5 ulp.
inline SinCos sinCosReduced(long double hi, long double lo) {
    constexpr long double kSplitter = 0x1.8p43L; // rounds |hi| < 2^42 to a multiple of 2^-20
    const long double a = (hi + kSplitter) - kSplitter;
    const long double b = hi - a;
    const long double z = hi * hi;
    const long double a2 = a * a;
    const long double z2 = z * z;

    const double hd = static_cast<double>(hi), ld = static_cast<double>(lo);
    const double zd = static_cast<double>(z), z2d = zd * zd;
    const double ad = static_cast<double>(a), bd = static_cast<double>(b); // both exact
    const __m128d zz = _mm_set1_pd(zd);
    __m128d tail = _mm_set_pd(kCosPoly7, kSinPoly7);
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly6, kSinPoly6));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly5, kSinPoly5));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly4, kSinPoly4));
    tail = _mm_add_pd(_mm_mul_pd(tail, zz), _mm_set_pd(kCosPoly3, kSinPoly3));
    alignas(16) double tails[2];
    _mm_store_pd(tails, tail);
    const double sinSmall = kSinPoly0 * (bd * (zd + ad * (hd + ad))) + ld * (1.0 - 0.5 * zd) +
                            kSinPoly0Lo * (ad * ad * ad) +
                            hd * z2d * (kSinPoly1Lo + zd * kSinPoly2Lo);
    const double cosSmall = bd * (ad + 0.5 * bd) + hd * ld -
                            z2d * (kCosPoly0Lo + zd * (kCosPoly1Lo + zd * kCosPoly2Lo));

    const long double p = kSinPoly1 + z * (kSinPoly2 + z * tails[0]);
    const long double q = kCosPoly0 + z * (kCosPoly1 + z * (kCosPoly2 + z * tails[1]));
    const long double sinHead = kSinPoly0 * (a2 * a);
    const long double cosHead = 1.0L - 0.5L * a2;
    return {hi + (sinHead + (hi * z2 * p + sinSmall)), cosHead + (z2 * q - cosSmall)};
}

} // namespace detail

// Sine and cosine of x (rad) together; NaN for an infinite or NaN x.
inline SinCos sinCos(long double x) {
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

// atan t = A + atan u with A = atan(c) from the table and
// u = (t - c) / (1 + t c), |u| <= 1/32; for t >= 32, A = pi/2 and u = -1/t.
// t - c is exact; u carries at most three roundings, and |u| <= A/16, so
// it costs <= 0.19 ulp of the result; the inner sum adds 0.07 ulp, the
// polynomial far less, the final sum 0.5. Below 2^-5, u = t exactly and the
// result has a single rounding.
// Arctangent of t (rad), meant for t >= 0 and odd in t; atan(+inf) = pi/2.
inline long double arcTan(long double t) {
    using namespace detail;
    const long double a = std::fabs(t);
    if (a < kTiny) return t;
    long double r;
    if (a < 0x1p63L) {
        const ExtendedBits bits = bitsOf(a);
        const int e = (bits.signExponent & 0x7fff) - 16383;
        int j = 1 + 8 * (e + 5) + static_cast<int>(bits.significand >> 60 & 7);
        j = e < -5 ? 0 : j;
        j = e > 4 ? 81 : j;
        const AtanEntry& en = kAtanTable[j];
        const long double u = (en.alpha * a - en.beta) / (en.alpha + en.beta * a);
        const long double z = u * u;
        constexpr long double kAtanPoly0Extended =
            kAtanPoly0 + static_cast<long double>(kAtanPoly0Lo);
        const long double p =
            kAtanPoly0Extended +
            z * (kAtanPoly1 + z * (kAtanPoly2 + z * (kAtanPoly3 + z * kAtanPoly4)));
        r = en.hi + (u + (en.lo + u * (z * p)));
    } else if (a <= LDBL_MAX) {
        // 1/t < 2^-63: its cube is far below an ulp of pi/2.
        const AtanEntry& en = kAtanTable[81];
        r = en.hi + (en.lo - 1.0L / a);
    } else if (a == a) {
        r = kAtanTable[81].hi + static_cast<long double>(kAtanTable[81].lo);
    } else {
        return t + t;
    }
    return std::signbit(t) ? -r : r;
}

} // namespace kvarn
