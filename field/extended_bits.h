#pragma once
// The fields of an x87 extended-precision number, and the doubles next to one.

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kvarn {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the fast trigonometry needs the x87 80-bit long double");

struct ExtendedBits {
    std::uint64_t significand;  // with the explicit leading bit
    std::uint16_t signExponent; // sign bit, then the exponent biased by 16383
};

inline ExtendedBits bitsOf(long double v) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof bytes);
    ExtendedBits b;
    std::memcpy(&b.significand, bytes, sizeof b.significand);
    std::memcpy(&b.signExponent, bytes + 8, sizeof b.signExponent);
    return b;
}

// The double next to an extended value, below or above it (the value itself
// when it is a double). No double lies strictly between v and either bound,
// so for a double x: x < v exactly when x < doubleAbove(v), x <= v exactly
// when x <= doubleBelow(v), and x > v exactly when x > doubleBelow(v).
constexpr double doubleBelow(long double v) {
    const double d = static_cast<double>(v);
    if (d <= v) return d;
    const auto bits = std::bit_cast<std::uint64_t>(d);
    return std::bit_cast<double>(d > 0 ? bits - 1 : bits + 1);
}
constexpr double doubleAbove(long double v) {
    return -doubleBelow(-v);
}

} // namespace kvarn
