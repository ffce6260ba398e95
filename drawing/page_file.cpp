#include "drawing/page_file.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cmath>
#include <stdexcept>

#include "drawing/cairo_handles.h"

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
    throw std::invalid_argument("unknown drawing format");
}

// Draws the page; the vector surfaces stream into the file as they go, the
// image surface is encoded at the end. The first error of cairo or of the
// file wins.
void render(MapFormat format, PageSize size, const std::string& title, double bottom,
            const std::function<void(cairo_t*, const Rect&)>& draw, AtomicFile& file) {
    const Rect area{0, 0, size.width, size.height};
    PageSize surfaceSize = size;
    if (format != MapFormat::Pdf) surfaceSize.height = std::min(size.height, std::ceil(bottom));
    Surface surface = createSurface(format, surfaceSize, file);
    if (format == MapFormat::Pdf)
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
    {
        Context cr(cairo_create(surface.get()));
        draw(cr.get(), area);
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

void writeDrawingFile(const std::filesystem::path& path, MapFormat format, PageSize size,
                      const std::string& title, double bottom,
                      const std::function<void(cairo_t*, const Rect&)>& draw) {
    AtomicFile file(path);
    render(format, size, title, bottom, draw, file);
    file.commit();
}

} // namespace kvarn
