#pragma once
// An opaque colour with 8 bits per channel, as the maps store and compare it.

#include <cstdint>

namespace kvarn {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace kvarn
