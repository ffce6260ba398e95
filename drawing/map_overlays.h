#pragma once
// What is drawn over the cells: the 100 % contour, the wire with its corner
// heights, and the maximum. Each keeps to black and white so it survives
// printing without colour.

#include <cairo.h>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drawing/drawing_words.h"
#include "drawing/field_map.h"
#include "drawing/label_place.h"
#include "drawing/map_layout.h"

namespace kvarn {

// The limit's contour: a thick white line with black edges.
void drawLimitContour(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// Strokes the current path in the contour's style, for the legend as well.
void strokeContourStyle(cairo_t* cr, const MapLayout& layout);

// The wires seen from above, the map's own and each of its antennas: a
// black line with a white edge, a dot at each corner and the corner's height
// beside it. Returns the boxes the corners and their labels take, for other
// labels to keep clear of.
std::vector<Rect> drawWires(cairo_t* cr, const FieldMap& map, const MapLayout& layout);

// The same for any wire and feed in the layout's two coordinates (x and y of
// each point); without `heights` the corners get no labels, as in a side
// view, where the height is the drawing's own axis.
std::vector<Rect> drawWire(cairo_t* cr, std::span<const WirePoint> corners,
                           const std::optional<WirePoint>& feed, const MapLayout& layout,
                           const DrawingWords& words, bool heights = true);

// The stretches of a wire in drawing units, for labels to keep clear of.
void addWireLines(LabelRoom& room, std::span<const WirePoint> corners, const MapLayout& layout);

// An antenna's name beside its wire, in bold: by the middle of one of its
// stretches or a quarter from an end, the longest stretch first, where the
// name keeps clear of the room's marks, labels and lines; by its only point
// when it has one. Adds the name's box to the room.
void drawWireName(cairo_t* cr, const std::string& name, std::span<const WirePoint> corners,
                  const MapLayout& layout, LabelRoom& room);

// A corner dot centred on (x, y), for the legend as well.
void drawCornerDot(cairo_t* cr, const MapLayout& layout, double x, double y);

// The feed: a black square in a white rim centred on (x, y), for a key as
// well.
void drawFeedMark(cairo_t* cr, const MapLayout& layout, double x, double y);

// A triangle on the highest value and its percentage beside it, on the first
// side where the label stays inside the plot and clear of `taken` and of the
// wires (the highest value often lies right beside a wire). Returns the
// boxes the triangle and its label take; none when there is no maximum.
std::vector<Rect> drawMaximum(cairo_t* cr, const FieldMap& map, const MapLayout& layout,
                              const std::vector<Rect>& taken);

// The triangle centred on (x, y), for the legend as well.
void drawMaximumSymbol(cairo_t* cr, const MapLayout& layout, double x, double y);

// "max 37 %": whole percent, one decimal below 10 %.
std::string maximumLabel(double percent, const DrawingWords& words);

// "z 10 m", "z 7.5 m": a corner height with at most two decimals.
std::string heightLabel(double z, const DrawingWords& words);

} // namespace kvarn
