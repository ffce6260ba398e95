#pragma once
// Quick sine, cosine and arctangent in extended precision for the field
// model's inner loop. Every result lies within one unit in the last place
// (64-bit significand) of the exact value, for every finite argument.
// Pure functions: no state, no allocation, safe from any thread.

namespace kvarn {

struct SinCos {
    long double s; // sin x
    long double c; // cos x
};

// Sine and cosine of x (rad) together; NaN for an infinite or NaN x.
SinCos sinCos(long double x);

// Arctangent of t (rad), meant for t >= 0 and odd in t; atan(+inf) = pi/2.
long double arcTan(long double t);

} // namespace kvarn
