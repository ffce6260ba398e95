#include "drawing/draw_field_map.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/map_cells.h"
#include "drawing/map_frame.h"
#include "drawing/map_key.h"
#include "drawing/map_overlays.h"

namespace kvarn {

MapLayout drawFieldMap(cairo_t* cr, const FieldMap& map, const Rect& area) {
    if (const std::string problem = fieldMapProblem(map); !problem.empty())
        throw std::invalid_argument("cannot draw the field map \"" + map.title + "\": " + problem);
    const MapLayout layout = layoutFieldMap(map, area);

    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, area.x, area.y, area.width, area.height);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);

    // Everything on the ground stays inside the plot, also a wire that leaves
    // the grid.
    cairo_save(cr);
    cairo_rectangle(cr, layout.plot.x, layout.plot.y, layout.plot.width, layout.plot.height);
    cairo_clip(cr);
    drawCells(cr, map, layout);
    drawTooCloseHatching(cr, map, layout);
    drawLimitContour(cr, map, layout);
    const std::vector<Rect> taken = drawWire(cr, map, layout);
    drawMaximum(cr, map, layout, taken);
    cairo_restore(cr);

    drawAxes(cr, layout);
    drawScaleBar(cr, layout);
    drawTitle(cr, map, layout);
    drawColourBar(cr, layout);
    drawLegend(cr, layout);
    cairo_restore(cr);
    return layout;
}

} // namespace kvarn
