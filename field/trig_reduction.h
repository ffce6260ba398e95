#pragma once
// Reduction of a trigonometric argument x to x = k pi/2 + r, |r| <= pi/4,
// with r carried to about 128 bits as hi + lo.

#include "field/extended_bits.h"
#include "field/fast_trig_constants.h"

namespace kvarn {

struct ReducedAngle {
    long double hi;    // r to 64 bits
    long double lo;    // the rest of r, |lo| <= ulp(hi) unless hi is tiny
    unsigned quadrant; // k mod 4
};

// Bound of the quick reduction below: |x| < 2^24.
inline constexpr long double kNearReductionLimit = 0x1p24L;

// Cody-Waite reduction for |x| < kNearReductionLimit. Then |k| < 2^24, so
// k times each 40-bit part of pi/2 is exact, and so is x - k part1. That
// difference is a multiple of 2^-64 (or x itself when k = 0) while the rest
// of k pi/2 is below 2^-16, so the two-operation error-free sum holds for
// the next step. The error stays below 2^-143, while no extended x of the
// range comes closer than 2^-67.2 to a multiple of pi/2: r keeps 75 bits.
[[gnu::always_inline]] inline ReducedAngle reduceNear(long double x) {
    constexpr long double kShifter = 0x1.8p63L; // rounds a sum to an integer
    const long double k = (x * trig::kTwoOverPi + kShifter) - kShifter;
    const long double head = x - k * trig::kPio2Part1;
    const long double w1 = k * trig::kPio2Part2;
    const long double w2 = k * trig::kPio2Part3;
    const long double wHi = w1 + w2;
    const long double wLo = ((w1 - wHi) + w2) + k * trig::kPio2Part4;
    const long double hi = head - wHi;
    const long double err = (head - hi) - wHi;
    // |k| < 2^24 converts to float exactly: cheaper than storing 80 bits.
    const unsigned quadrant = static_cast<unsigned>(static_cast<int>(static_cast<float>(k))) & 3u;
    return {hi, err - wLo, quadrant};
}

// Payne-Hanek reduction for any finite x with |x| >= kNearReductionLimit:
// x times a 320-bit window of the bits of 2/pi in integer arithmetic, which
// knows x 2/pi mod 4 to 2^-254. No such x comes closer than 2^-75.5 to a
// multiple of pi/2, so r keeps more than 170 correct bits.
ReducedAngle reduceFar(long double x);

} // namespace kvarn
