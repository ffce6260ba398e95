#pragma once
// Sine, cosine and arctangent for the field kernel's hot loop.

#include <cmath>

namespace kvarn {

struct SinCos {
    long double s;
    long double c;
};

inline SinCos sinCos(long double x) {
    return {sinl(x), cosl(x)};
}

inline long double arcTan(long double t) {
    return atanl(t);
}

} // namespace kvarn
