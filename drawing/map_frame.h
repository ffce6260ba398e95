#pragma once
// The frame around the cells: title, axes in metres and scale bar.

#include <cairo.h>

#include "drawing/field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

void drawTitle(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// The plot's border, ticks with labels in metres on the left and bottom
// edge, and the axis names.
void drawAxes(cairo_t* cr, const MapLayout& layout);

// A bar of a round length, about a quarter of the plot's width, below the
// x axis.
void drawScaleBar(cairo_t* cr, const MapLayout& layout);

} // namespace kvarn
