#pragma once
// Field maps as files: PNG, SVG or PDF, one map per file.

#include <filesystem>

#include "drawing/field_map.h"
#include "drawing/page_file.h"

namespace kvarn {

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
