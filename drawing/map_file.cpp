#include "drawing/map_file.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <cmath>
#include <stdexcept>
#include <string>

#include "drawing/cairo_handles.h"
#include "drawing/draw_field_map.h"
#include "drawing/map_layout.h"

namespace kvarn {

namespace {

Surface createSurface(MapFormat format, PageSize size, AtomicFile& file) {
    switch (format) {
    case MapFormat::Png:
        return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24,
                                                  static_cast<int>(std::lround(size.width)),
                                                  static_cast<int>(std::lround(size.height))));
    case MapFormat::Svg:
        return Surface(
            cairo_svg_surface_create_for_stream(writeToAtomicFile, &file, size.width, size.height));
    case MapFormat::Pdf:
        return Surface(
            cairo_pdf_surface_create_for_stream(writeToAtomicFile, &file, size.width, size.height));
    }
    throw std::invalid_argument("unknown map format");
}

// Draws the map; the vector surfaces stream into the file as they go, the
// image surface is encoded at the end. The first error of cairo or of the
// file wins.
void render(const FieldMap& map, MapFormat format, PageSize size, AtomicFile& file) {
    const Rect area{0, 0, size.width, size.height};
    // On screen a page ends below the map: a wide grid leaves no empty band
    // at the foot. A PDF keeps its whole sheet for printing.
    PageSize surfaceSize = size;
    if (format != MapFormat::Pdf)
        surfaceSize.height = std::min(size.height, std::ceil(layoutFieldMap(map, area).bottom));
    Surface surface = createSurface(format, surfaceSize, file);
    if (format == MapFormat::Pdf)
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, map.title.c_str());
    {
        Context cr(cairo_create(surface.get()));
        drawFieldMap(cr.get(), map, area);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
            file.fail(std::string("drawing failed: ") +
                      cairo_status_to_string(cairo_status(cr.get())));
    }
    if (format == MapFormat::Png) {
        cairo_surface_flush(surface.get());
        if (cairo_surface_write_to_png_stream(surface.get(), writeToAtomicFile, &file) !=
            CAIRO_STATUS_SUCCESS)
            file.fail("PNG encoding failed");
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        file.fail(cairo_status_to_string(cairo_surface_status(surface.get())));
}

} // namespace

PageSize defaultPageSize(MapFormat format) {
    if (format == MapFormat::Png) return {1600, 1100};
    return {841.89, 595.28};
}

void writeFieldMap(const FieldMap& map, const std::filesystem::path& path, MapFormat format,
                   PageSize size) {
    // A grid that cannot be drawn leaves no trace on disk.
    if (const std::string problem = fieldMapProblem(map); !problem.empty())
        throw std::invalid_argument("cannot draw the field map \"" + map.title + "\": " + problem);
    AtomicFile file(path);
    render(map, format, size, file);
    file.commit();
}

} // namespace kvarn
