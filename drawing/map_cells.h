#pragma once
// The grid's cells: each point a square of one step, in the colour of its
// value, and the points too close to the wire hatched over a neutral grey.

#include <cairo.h>

#include "drawing/field_map.h"
#include "drawing/map_layout.h"
#include "drawing/rgb.h"

namespace kvarn {

// The fill under the hatching of too-close cells: outside the colour scale,
// as their values mean nothing.
inline constexpr Rgb kTooCloseFill{217, 217, 217};

void drawCells(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// Diagonal black lines over the too-close cells, so they show in black and
// white print too.
void drawTooCloseHatching(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// Hatches the current path (device-independent: the lines are spaced in
// layout units), for the legend's sample as well as the map.
void hatchPath(cairo_t* cr, const MapLayout& layout);

} // namespace kvarn
