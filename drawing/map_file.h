#pragma once
// Field maps as files: PNG, SVG or PDF, one map per file.

#include <filesystem>

#include "base/atomic_file.h"
#include "drawing/field_map.h"

namespace kvarn {

enum class MapFormat { Png, Svg, Pdf };

// The size of the page: pixels for PNG, points (1/72 inch) for SVG and PDF.
struct PageSize {
    double width, height;
};

// The page each format gets unless told otherwise: a PNG of 1600 x 1100
// pixels, A4 landscape for SVG and PDF.
PageSize defaultPageSize(MapFormat format);

// Writes `map` filling a page of `size` to `path`. PNG and SVG pages end
// below the map, so a wide grid leaves no empty band at their foot; a PDF
// keeps the whole page for printing. The file appears under its
// name complete or not at all: see AtomicFile. Throws FileWriteError naming
// the path and the reason, or std::invalid_argument for a grid that cannot be
// drawn (see fieldMapProblem).
void writeFieldMap(const FieldMap& map, const std::filesystem::path& path, MapFormat format,
                   PageSize size);
inline void writeFieldMap(const FieldMap& map, const std::filesystem::path& path,
                          MapFormat format) {
    writeFieldMap(map, path, format, defaultPageSize(format));
}

} // namespace kvarn
