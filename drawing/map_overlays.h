#pragma once
// What is drawn over the cells: the 100 % contour, the wire with its corner
// heights, and the maximum. Each keeps to black and white so it survives
// printing without colour.

#include <cairo.h>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drawing/field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

// The limit's contour: a thick white line with black edges.
void drawLimitContour(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// Strokes the current path in the contour's style, for the legend as well.
void strokeContourStyle(cairo_t* cr, const MapLayout& layout);

// The wire seen from above: a black line with a white edge, a dot at each
// corner and the corner's height beside it. Returns the boxes the corners and
// their labels take, for other labels to keep clear of.
std::vector<Rect> drawWire(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// The same for any wire and feed in the layout's two coordinates (x and y of
// each point); without `heights` the corners get no labels, as in a side
// view, where the height is the drawing's own axis.
std::vector<Rect> drawWire(cairo_t* cr, std::span<const WirePoint> corners,
                           const std::optional<WirePoint>& feed, const MapLayout& layout,
                           bool heights = true);

// A corner dot centred on (x, y), for the legend as well.
void drawCornerDot(cairo_t* cr, const MapLayout& layout, double x, double y);

// The feed: a black square in a white rim centred on (x, y), for a key as
// well.
void drawFeedMark(cairo_t* cr, const MapLayout& layout, double x, double y);

// A triangle on the highest value and its percentage beside it, on the first
// side where the label stays inside the plot and clear of `taken` and of the
// wire (the highest value often lies right beside the wire).
void drawMaximum(cairo_t* cr, const FieldMap& map, const MapLayout& layout,
                 const std::vector<Rect>& taken);

// The triangle centred on (x, y), for the legend as well.
void drawMaximumSymbol(cairo_t* cr, const MapLayout& layout, double x, double y);

// "max 37 %": whole percent, one decimal below 10 %.
std::string maximumLabel(double percent);

// "z 10 m", "z 7.5 m": a corner height with at most two decimals.
std::string heightLabel(double z);

} // namespace kvarn
