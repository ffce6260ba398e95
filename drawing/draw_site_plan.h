#pragma once
// Draws the site plan, the zone seen from above, onto any cairo context: a
// file's page or a place on a report page.

#include <cairo.h>

#include "drawing/plan_layout.h"
#include "drawing/site_plan.h"

namespace kvarn {

// Where the parts of `plan` go in `area`.
PlanLayout layoutSitePlan(const SitePlan& plan, const Rect& area);

// Draws `plan` inside `area` (in the context's user units) on a white ground,
// to scale, and returns where its parts went: the zones filled lightly, their
// parts below the public height darker and hatched, the boundary, the wire
// with its corner heights and feed, the places, the smallest margin, axes in
// metres, a scale bar, a north arrow and a key. Throws std::invalid_argument
// when the plan cannot be drawn (see sitePlanProblem). The context's state is
// left as it was; a failure of cairo itself shows in cairo_status(cr).
PlanLayout drawSitePlan(cairo_t* cr, const SitePlan& plan, const Rect& area);

} // namespace kvarn
