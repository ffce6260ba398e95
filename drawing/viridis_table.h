#pragma once
// The viridis colour map as 256 sRGB entries, dark blue-violet to yellow.

#include <array>

#include "drawing/rgb.h"

namespace kvarn {

extern const std::array<Rgb, 256> kViridis;

} // namespace kvarn
