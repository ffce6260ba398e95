#pragma once
// Where the parts of a site plan or a side view go inside the rectangle they
// are drawn in, and how metres map to drawing units: the same in both
// directions, so that the drawing is to scale.

#include <cstddef>
#include <vector>

#include "drawing/map_layout.h"
#include "drawing/site_plan.h"

namespace kvarn {

// The metres a drawing shows, across and up.
struct PlanExtent {
    double left = 0, right = 0, bottom = 0, top = 0; // m
};

// The extent of everything in the plan, seen from above, with room around.
PlanExtent sitePlanExtent(const SitePlan& plan);

// The extent of everything in the view, from a strip of ground below 0 m to
// above the highest of the zone, the wires, the places and the public height.
PlanExtent sideViewExtent(const SideView& view);

struct PlanLayout {
    // The font size, the plot, the title's place, the foot of the drawing and
    // metres to drawing units, in the field maps' terms so that their title,
    // axes and scale bar draw it too.
    MapLayout frame;
    double keyX = 0, keyY = 0; // the top left corner of the key
    double keyWidth = 0;       // of one column of the key
    std::size_t keySplit = 0;  // the first entry of the key's second column; all: one column
    double northX = 0;         // the north arrow's centre
    double northY = 0;         //
    double northRadius = 0;    // its half length; 0: no north arrow
};

// The height a key entry of `lines` lines of text takes, the gap to the next
// included.
double keyEntryHeight(int lines, double em);

// The layout of a drawing of `extent` in `area` with a key whose entries have
// `keyLines` lines of text each and, when asked, a north arrow: the title on
// top, the plot as large as fits with its axes below and to the left, and
// the key with the arrow either to the right of the plot or below it in two
// columns, whichever leaves the plot the larger scale.
PlanLayout layoutPlan(const PlanExtent& extent, const std::vector<int>& keyLines, bool northArrow,
                      const Rect& area);

} // namespace kvarn
