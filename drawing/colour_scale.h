#pragma once
// The fixed colour scale of the field maps: percent of the exposure limit to
// colour, the same for every band and every station, so maps compare at a
// glance.
//
// The scale is logarithmic from 1 % to 1000 % of the limit: each decade gets a
// third of the colour bar and the limit, 100 %, sits at the mark two thirds up.
// Values below 1 % take the bottom colour, values above 1000 % the top one.

#include "drawing/rgb.h"

namespace kvarn {

inline constexpr double kScaleBottomPercent = 1.0;
inline constexpr double kScaleTopPercent = 1000.0;
inline constexpr double kLimitPercent = 100.0;

// Where a percentage sits on the colour bar: 0 at the bottom, 1 at the top,
// clamped at both ends. Not-a-number counts as the bottom.
double scalePosition(double percent);

// The colour of a position on the colour bar (clamped to 0..1).
Rgb scaleColourAt(double position);

// The colour of a percentage of the limit.
Rgb percentColour(double percent);

} // namespace kvarn
