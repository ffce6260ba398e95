#include "drawing/map_file.h"

#include <stdexcept>
#include <string>

#include "drawing/draw_field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

void writeFieldMap(const FieldMap& map, const std::filesystem::path& path, MapFormat format,
                   PageSize size) {
    // A grid that cannot be drawn leaves no trace on disk.
    if (const std::string problem = fieldMapProblem(map); !problem.empty())
        throw std::invalid_argument("cannot draw the field map \"" + map.title + "\": " + problem);
    const double bottom = layoutFieldMap(map, {0, 0, size.width, size.height}).bottom;
    writeDrawingFile(path, format, size, map.title, bottom,
                     [&](cairo_t* cr, const Rect& area) { drawFieldMap(cr, map, area); });
}

} // namespace kvarn
