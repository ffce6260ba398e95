#pragma once
// The five field modes: R (radial E), T (tangential E), E (total E), M (the
// magnetic field in 10 mA/m) and Z (E from the magnetic field with 377 ohm),
// as indices into a point's values and as sets of modes one scan computes.

#include <cstdint>

namespace kvarn {

inline constexpr int kModeCount = 5;
// The mode letters in the order of their indices.
inline constexpr char kModeLetters[kModeCount + 1] = "RTEMZ";

// The index of a mode letter (upper case), -1 for any other character.
constexpr int modeIndex(char mode) {
    for (int k = 0; k < kModeCount; ++k)
        if (kModeLetters[k] == mode) return k;
    return -1;
}

// A set of modes, one bit per index.
using ModeSet = std::uint8_t;
constexpr ModeSet modeBit(char mode) {
    return modeIndex(mode) < 0 ? 0 : static_cast<ModeSet>(1u << modeIndex(mode));
}
constexpr bool hasMode(ModeSet set, char mode) {
    return (set & modeBit(mode)) != 0;
}

} // namespace kvarn
