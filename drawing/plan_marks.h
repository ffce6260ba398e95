#pragma once
// The marks of the site plan and the side views, each in black, white and
// greys so that it survives printing without colour. Each draws on the map
// as well as in the key.

#include <cairo.h>
#include <string>
#include <vector>

#include "drawing/drawing_words.h"
#include "drawing/map_layout.h"
#include "drawing/site_plan.h"

namespace kvarn {

// The zone's light fill, and the darker one under the hatching of its part
// below the public height (0 black, 1 white).
inline constexpr double kZoneGrey = 0.86;
inline constexpr double kBelowPublicGrey = 0.7;
// The ground below a side view's ground line.
inline constexpr double kGroundGrey = 0.93;

// Adds the outline's polygons to the current path, metres to drawing units.
void outlinePath(cairo_t* cr, const PlanOutline& outline, const MapLayout& layout);

// Fills the current path lightly: the zone.
void fillZone(cairo_t* cr);

// Fills the current path darker and hatches it: the zone below the public
// height.
void fillBelowPublic(cairo_t* cr, const MapLayout& layout);

// Strokes the current path as a zone's edge: solid for the zone that
// reaches farthest (or the only one), thin and dashed for the others.
void strokeZoneEdge(cairo_t* cr, const MapLayout& layout, bool largest);

// Strokes the current path as the own plot's boundary: a thick black line.
void strokeBoundary(cairo_t* cr, const MapLayout& layout);

// Strokes the current path as the public height: a dashed line.
void strokePublicHeight(cairo_t* cr, const MapLayout& layout);

// The own plot's extent along a side view's ground line, from x0 to x1 at
// the ground's height y: a black bar below the line.
void drawPlotExtentBar(cairo_t* cr, const MapLayout& layout, double x0, double x1, double y);

// A place centred on (x, y): a ring with a dot, or a black disc in a ring
// when the field there is over a limit.
void drawPlaceMark(cairo_t* cr, const MapLayout& layout, double x, double y, bool over);

// A dimension line from (x0, y0) to (x1, y1): black in a white halo, with a
// short bar across each end; a ring when the two ends meet.
void drawDimension(cairo_t* cr, const MapLayout& layout, double x0, double y0, double x1,
                   double y1);

// A north arrow centred on (x, y), `radius` from its centre to its tip,
// turned `north` degrees clockwise from up: a black head, a white tail and
// the words' "N" beyond the tip.
void drawNorthArrow(cairo_t* cr, const MapLayout& layout, double x, double y, double radius,
                    double north, const DrawingWords& words);

// "margin 2.3 m", "crosses by 0.8 m", "touches the boundary": one decimal
// from 1 m on, two below.
std::string marginLabel(double metres, const DrawingWords& words);

// A place's name as the drawing labels it: with its height when `height`,
// and saying so when the field there is over a limit.
std::string placeLabel(const std::string& name, double z, bool height, bool over,
                       const DrawingWords& words);

} // namespace kvarn
