#include "drawing/draw_field_map.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "drawing/label_place.h"
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
    std::vector<Rect> taken = drawWires(cr, map, layout);
    const std::vector<Rect> maximum = drawMaximum(cr, map, layout, taken);
    // The antennas' names come after the maximum: its label keeps the place
    // it has without them, and the names find room around it.
    if (!map.antennas.empty()) {
        LabelRoom room{layout.plot, std::move(taken), {}};
        room.taken.insert(room.taken.end(), maximum.begin(), maximum.end());
        addWireLines(room, map.corners, layout);
        for (const AntennaWire& antenna : map.antennas)
            addWireLines(room, antenna.corners, layout);
        for (const AntennaWire& antenna : map.antennas)
            drawWireName(cr, antenna.name, antenna.corners, layout, room);
    }
    cairo_restore(cr);

    drawAxes(cr, layout, map.words, map.words.axisX, map.words.axisY);
    drawScaleBar(cr, layout, map.words);
    drawTitle(cr, map, layout);
    drawColourBar(cr, layout, map.words);
    drawLegend(cr, layout, map.words);
    cairo_restore(cr);
    return layout;
}

} // namespace kvarn
