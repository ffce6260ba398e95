#include "drawing/map_cells.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "drawing/colour_scale.h"

namespace kvarn {

namespace {

// Drawn on paper or in a vector file, the cell image is scaled by the viewer,
// which often smooths it even when asked not to; so it gets at least this
// many pixels across, each cell a block of equal pixels, and the smoothing
// only touches the blocks' edges.
constexpr std::size_t kVectorImagePixels = 1000;
// The most cells across a vector file's image holds.
constexpr std::size_t kVectorImageCells = 4096;

std::uint32_t pixel(Rgb c) {
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}

// The image of the cells: each pixel the worst of `merge` x `merge` cells
// (too close when any of them is), then repeated `block` times in each
// direction.
cairo_surface_t* cellImage(const FieldMap& map, std::size_t merge, std::size_t block) {
    const std::size_t columns = (map.columns() + merge - 1) / merge;
    const std::size_t rows = (map.rows() + merge - 1) / merge;
    cairo_surface_t* image = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(columns * block), static_cast<int>(rows * block));
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        const std::string reason = cairo_status_to_string(cairo_surface_status(image));
        cairo_surface_destroy(image);
        throw std::runtime_error("cannot make the image of " + std::to_string(columns) + " x " +
                                 std::to_string(rows) + " cells: " + reason);
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(image));
    for (std::size_t r = 0; r < rows; ++r) {
        auto* first = reinterpret_cast<std::uint32_t*>(data + r * block * stride);
        for (std::size_t c = 0; c < columns; ++c) {
            bool tooClose = false;
            double worst = 0;
            for (std::size_t mr = r * merge; mr < std::min(map.rows(), (r + 1) * merge); ++mr)
                for (std::size_t mc = c * merge; mc < std::min(map.columns(), (c + 1) * merge);
                     ++mc) {
                    tooClose = tooClose || map.isTooClose(mr, mc);
                    worst = std::max(worst, map.at(mr, mc));
                }
            const Rgb colour = tooClose ? kTooCloseFill : percentColour(worst);
            std::fill_n(first + c * block, block, pixel(colour));
        }
        for (std::size_t copy = 1; copy < block; ++copy)
            std::memcpy(data + (r * block + copy) * stride, first, columns * block * 4);
    }
    cairo_surface_mark_dirty(image);
    return image;
}

} // namespace

void drawCells(cairo_t* cr, const FieldMap& map, const MapLayout& layout) {
    const bool raster = cairo_surface_get_type(cairo_get_target(cr)) == CAIRO_SURFACE_TYPE_IMAGE;
    const std::size_t longest = std::max(map.columns(), map.rows());
    // More cells than the picture has room for are merged, the worst of
    // them shown, rather than some of them left out by the scaling: on an
    // image, as many as it has pixels across the plot; in a vector file, as
    // many as keep it small and within the image sizes cairo can make.
    std::size_t merge = 1;
    if (raster) {
        const double across = std::max(
            static_cast<double>(map.columns()) / std::max(1.0, std::floor(layout.plot.width)),
            static_cast<double>(map.rows()) / std::max(1.0, std::floor(layout.plot.height)));
        merge = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(across)));
    } else {
        merge = (longest + kVectorImageCells - 1) / kVectorImageCells;
    }
    const std::size_t block =
        raster ? 1 : std::max<std::size_t>(1, kVectorImagePixels / ((longest + merge - 1) / merge));

    cairo_surface_t* image = cellImage(map, merge, block);
    const double pixelSize =
        map.step * layout.scale * static_cast<double>(merge) / static_cast<double>(block);
    cairo_save(cr);
    cairo_translate(cr, layout.plot.x, layout.plot.y);
    cairo_scale(cr, pixelSize, pixelSize);
    cairo_set_source_surface(cr, image, 0, 0);
    // Nearest neighbour: every cell keeps its one colour up to its edges.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    // The grid's own extent: a last merged pixel may cover fewer cells.
    cairo_rectangle(cr, 0, 0,
                    static_cast<double>(map.columns() * block) / static_cast<double>(merge),
                    static_cast<double>(map.rows() * block) / static_cast<double>(merge));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

void hatchPath(cairo_t* cr, const MapLayout& layout) {
    double x0, y0, x1, y1;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    if (x1 <= x0 || y1 <= y0) {
        cairo_new_path(cr);
        return;
    }
    cairo_save(cr);
    cairo_clip(cr);
    // Lines x + y = k * spacing, counted from the origin, so that hatching
    // drawn in pieces lines up.
    const double spacing = 0.55 * layout.em;
    cairo_set_line_width(cr, 0.12 * layout.em);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (double k = std::floor((x0 + y0) / spacing); k * spacing <= x1 + y1; k += 1) {
        const double t = k * spacing;
        cairo_move_to(cr, t - y0, y0);
        cairo_line_to(cr, t - y1, y1);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawTooCloseHatching(cairo_t* cr, const FieldMap& map, const MapLayout& layout) {
    if (map.tooClose.empty()) return;
    const double cell = map.step * layout.scale;
    cairo_new_path(cr);
    // One rectangle per run of too-close cells in a row keeps the path short.
    for (std::size_t r = 0; r < map.rows(); ++r) {
        std::size_t c = 0;
        while (c < map.columns()) {
            if (!map.isTooClose(r, c)) {
                ++c;
                continue;
            }
            const std::size_t start = c;
            while (c < map.columns() && map.isTooClose(r, c))
                ++c;
            cairo_rectangle(cr, layout.plot.x + static_cast<double>(start) * cell,
                            layout.plot.y + static_cast<double>(r) * cell,
                            static_cast<double>(c - start) * cell, cell);
        }
    }
    hatchPath(cr, layout);
}

} // namespace kvarn
