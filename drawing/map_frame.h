#pragma once
// The frame around the cells: title, axes in metres and scale bar.

#include <cairo.h>
#include <string>

#include "drawing/drawing_words.h"
#include "drawing/field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

void drawTitle(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// A bold title and a plain line below it at the layout's title place, each
// set smaller when it is wider than the room.
void drawTitleLines(cairo_t* cr, const std::string& title, const std::string& second,
                    const MapLayout& layout);

// The plot's border, ticks with labels in metres on the left and bottom
// edge, and the axis names `across` and `up`.
void drawAxes(cairo_t* cr, const MapLayout& layout, const DrawingWords& words,
              const std::string& across, const std::string& up);

// A bar of a round length, about a quarter of the plot's width, below the
// x axis.
void drawScaleBar(cairo_t* cr, const MapLayout& layout, const DrawingWords& words);

} // namespace kvarn
