#pragma once
// Where each part of a field map goes inside the rectangle it is drawn in,
// and how metres on the ground map to drawing units.

#include "drawing/field_map.h"

namespace kvarn {

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
};

struct MapLayout {
    double em = 10;                  // the font size; every other measure is a multiple of it
    Rect plot;                       // the grid's cells, edge to edge
    Rect colourBar;                  // the colour scale, 1 % at the bottom
    double titleX = 0;               // left end of the title lines
    double titleY = 0;               // baseline of the first title line
    double titleWidth = 0;           // the room the title lines have
    double legendX = 0, legendY = 0; // top-left corner of the legend
    double bottom = 0;               // below everything drawn, margin included

    // The grid's outer cell edges in metres and the drawing units per metre,
    // the same in x and in y.
    double left = 0, top = 0, scale = 1;

    double toX(double x) const { return plot.x + (x - left) * scale; }
    double toY(double y) const { return plot.y + (top - y) * scale; }
};

// The layout of `map` (whose grid must pass fieldMapProblem) in `area`: the
// title on top, the plot as large as fits with its axes below and to the
// left, the colour bar and legend to its right.
MapLayout layoutFieldMap(const FieldMap& map, const Rect& area);

} // namespace kvarn
