#pragma once
// Draws a side view of the zone onto any cairo context: a file's page or a
// place on a report page.

#include <cairo.h>

#include "drawing/plan_layout.h"
#include "drawing/site_plan.h"

namespace kvarn {

// Where the parts of `view` go in `area`.
PlanLayout layoutSideView(const SideView& view, const Rect& area);

// Draws `view` inside `area` on a white ground, to scale in both directions,
// and returns where its parts went: the ground, the zone filled lightly, the
// public height where it applies, the own plot's extent on the ground, the
// wire and the places projected, axes in metres, a scale bar and a key.
// Throws std::invalid_argument when the view cannot be drawn (see
// sideViewProblem). The context's state is left as it was.
PlanLayout drawSideView(cairo_t* cr, const SideView& view, const Rect& area);

} // namespace kvarn
