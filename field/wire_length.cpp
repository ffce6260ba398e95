#include "field/wire_length.h"

#include <cmath>

#include "field/finite_input.h"

namespace kvarn {

double segmentLength(const CornerPoint& a, const CornerPoint& b) {
    const long double ddx = static_cast<long double>(b.x) - a.x;
    const long double ddy = static_cast<long double>(b.y) - a.y;
    const long double ddz = static_cast<long double>(b.z) - a.z;
    return static_cast<double>(sqrtl(ddx * ddx + ddy * ddy + ddz * ddz));
}

double segmentElements(double len) {
    return static_cast<double>(truncl(static_cast<long double>(len) + 0.5L));
}

double wireLength(std::span<const CornerPoint> corners) {
    double total = 0;
    for (std::size_t j = 1; j < corners.size(); ++j)
        total = total + segmentElements(segmentLength(corners[j - 1], corners[j]));
    return total;
}

bool wireLengthAccepted(double length) {
    return isFiniteInput(length) && length >= kMinWireLength && length <= kMaxWireLength;
}

} // namespace kvarn
