#pragma once
// One drawing as a file: PNG, SVG or PDF, one page each.

#include <cairo.h>
#include <filesystem>
#include <functional>
#include <string>

#include "base/atomic_file.h"
#include "drawing/map_layout.h"

namespace kvarn {

enum class MapFormat { Png, Svg, Pdf };

// The size of the page: pixels for PNG, points (1/72 inch) for SVG and PDF.
struct PageSize {
    double width, height;
};

// The page each format gets unless told otherwise: a PNG of 1600 x 1100
// pixels, A4 landscape for SVG and PDF.
PageSize defaultPageSize(MapFormat format);

// Writes the page that `draw` draws into the area of `size` (from 0, 0) to
// `path`. PNG and SVG pages end at `bottom`, below the drawing, so that a
// wide drawing leaves no empty band at their foot; a PDF keeps the whole page
// for printing and carries `title`. The file appears under its name complete
// or not at all: see AtomicFile. Throws FileWriteError naming the path and
// the reason.
void writeDrawingFile(const std::filesystem::path& path, MapFormat format, PageSize size,
                      const std::string& title, double bottom,
                      const std::function<void(cairo_t*, const Rect&)>& draw);

} // namespace kvarn
