#pragma once
// Labels set beside a point where they stay inside the drawing and clear of
// what is already drawn and labelled.

#include <array>
#include <cairo.h>
#include <span>
#include <string>
#include <vector>

#include "drawing/map_layout.h"
#include "drawing/map_text.h"

namespace kvarn {

bool boxesOverlap(const Rect& a, const Rect& b);
bool boxInside(const Rect& inner, const Rect& outer);

// Whether the segment from (x0, y0) to (x1, y1) passes through `r`.
bool segmentMeetsBox(const Rect& r, double x0, double y0, double x1, double y1);

// What labels keep clear of, in drawing units.
struct LabelRoom {
    Rect within;                              // labels stay inside it
    std::vector<Rect> taken;                  // marks and labels: never covered if avoidable
    std::vector<std::array<double, 4>> lines; // x0, y0, x1, y1: lines rather not crossed
};

// Which side of its point a label tries first.
enum class LabelSide { right, above };

// Draws `text` beside (x, y), `gap` from it, on the first of these sides
// that lies inside the room and clear of its boxes and lines: the `first`
// side, then right, left, above, below and the four corners; failing that,
// the first clear of the boxes at least. Adds the box the text takes to the
// room's boxes.
void drawLabelBeside(cairo_t* cr, const std::string& text, const TextStyle& style, double x,
                     double y, double gap, LabelRoom& room, LabelSide first = LabelSide::right);

// The same beside whichever of `points` (x, y) offers the clearest place:
// each side in the order above at every point before the next side, so the
// label keeps to the side it prefers and moves along the points for it.
// Draws nothing without points.
void drawLabelBesideOneOf(cairo_t* cr, const std::string& text, const TextStyle& style,
                          std::span<const std::array<double, 2>> points, double gap,
                          LabelRoom& room, LabelSide first = LabelSide::right);

} // namespace kvarn
