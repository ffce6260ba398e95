#pragma once
// The fields of an x87 extended-precision number.

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

} // namespace kvarn
