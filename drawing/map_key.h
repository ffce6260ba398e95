#pragma once
// The key beside the plot: the colour bar with its percent ticks and the
// limit's mark, and a legend of the symbols drawn over the cells.

#include <cairo.h>

#include "drawing/drawing_words.h"
#include "drawing/map_layout.h"

namespace kvarn {

void drawColourBar(cairo_t* cr, const MapLayout& layout, const DrawingWords& words);

void drawLegend(cairo_t* cr, const MapLayout& layout, const DrawingWords& words);

} // namespace kvarn
