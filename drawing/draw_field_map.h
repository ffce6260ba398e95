#pragma once
// Draws a whole field map onto any cairo context: a file's page or a place on
// a report page.

#include <cairo.h>

#include "drawing/field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

// Draws `map` inside `area` (in the context's user units) on a white ground
// and returns where its parts went. Throws std::invalid_argument when the
// grid cannot be drawn (see fieldMapProblem). The context's state is left as
// it was; a failure of cairo itself shows in cairo_status(cr).
MapLayout drawFieldMap(cairo_t* cr, const FieldMap& map, const Rect& area);

} // namespace kvarn
