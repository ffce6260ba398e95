// Maps drawn into memory and read back pixel by pixel.

#include "drawing/draw_field_map.h"

#include <cairo.h>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "drawing/colour_scale.h"
#include "drawing/map_cells.h"
#include "drawing/map_support.h"

namespace kvarn {
namespace {

using test::gridMap;
using test::zoneMap;

class MapPixels : public ::testing::Test {
  protected:
    void TearDown() override {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    void draw(const FieldMap& map) {
        layout_ = drawFieldMap(cr_, map, {0, 0, kWidth, kHeight});
        ASSERT_EQ(cairo_status(cr_), CAIRO_STATUS_SUCCESS);
        cairo_surface_flush(surface_);
    }
    Rgb pixel(double x, double y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<int>(y) * stride);
        const std::uint32_t p = row[static_cast<int>(x)];
        return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                static_cast<std::uint8_t>(p)};
    }
    // The pixels inside grid point (row, column)'s cell, a margin of 2 px
    // short of its edges.
    template <typename F> void forCellPixels(std::size_t row, std::size_t column, F f) const {
        const double cell = step_ * layout_.scale;
        const double x0 = layout_.plot.x + static_cast<double>(column) * cell;
        const double y0 = layout_.plot.y + static_cast<double>(row) * cell;
        for (double y = std::ceil(y0) + 2; y < y0 + cell - 2; ++y)
            for (double x = std::ceil(x0) + 2; x < x0 + cell - 2; ++x)
                f(pixel(x, y));
    }

    static constexpr double kWidth = 900, kHeight = 700;
    double step_ = 1;
    cairo_surface_t* surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 900, 700);
    cairo_t* cr_ = cairo_create(surface_);
    MapLayout layout_;
};

bool white(Rgb c) {
    return c.r >= 250 && c.g >= 250 && c.b >= 250;
}
// Darker than any colour of the scale, whose darkest entry is (68, 1, 84).
bool black(Rgb c) {
    return c.r < 60 && c.g < 60 && c.b < 60;
}

TEST_F(MapPixels, CellCentreHasTheColourOfItsValue) {
    // Rows cross the limit only between the middle two, far from the
    // centres, so the contour stays off them.
    const FieldMap map = gridMap(
        {{5000, 2000, 1000, 600}, {400, 300, 200, 150}, {1, 10, 40, 70}, {0.2, 0.5, 0.9, 3}});
    draw(map);
    for (std::size_t r = 0; r < map.rows(); ++r)
        for (std::size_t c = 0; c < map.columns(); ++c)
            EXPECT_EQ(pixel(layout_.toX(map.xs[c]), layout_.toY(map.ys[r])),
                      percentColour(map.at(r, c)))
                << "row " << r << ", column " << c;
}

TEST_F(MapPixels, LimitContourIsWhiteWithBlackEdgesOnTheZoneBorder) {
    const FieldMap map = zoneMap(7, 3, 150, 50);
    draw(map);
    // The borders left, right, above and below the zone, halfway between an
    // inside and an outside point, and the cell centres on both sides.
    const struct { double x, y; } borders[] = {{1.5, -3}, {4.5, -3}, {3, -1.5}, {3, -4.5}};
    for (const auto& b : borders) {
        const double x = layout_.toX(b.x), y = layout_.toY(b.y);
        bool whiteCore = false, blackEdge = false;
        for (double d = -6; d <= 6; ++d) {
            const Rgb across = b.x != 3 ? pixel(x + d, y) : pixel(x, y + d);
            whiteCore = whiteCore || (std::abs(d) <= 1 && white(across));
            blackEdge = blackEdge || black(across);
        }
        EXPECT_TRUE(whiteCore) << b.x << ", " << b.y;
        EXPECT_TRUE(blackEdge) << b.x << ", " << b.y;
    }
    EXPECT_EQ(pixel(layout_.toX(3), layout_.toY(-3)), percentColour(150));
    EXPECT_EQ(pixel(layout_.toX(1), layout_.toY(-3)), percentColour(50));
}

TEST_F(MapPixels, TooCloseCellsAndOnlyTheyAreHatched) {
    FieldMap map = gridMap(std::vector(5, std::vector<double>(5, 50)));
    map.tooClose.assign(25, 0);
    map.tooClose[2 * 5 + 2] = map.tooClose[0] = map.tooClose[4 * 5 + 3] = 1;
    draw(map);
    for (std::size_t r = 0; r < 5; ++r)
        for (std::size_t c = 0; c < 5; ++c) {
            int hatch = 0, grey = 0;
            forCellPixels(r, c, [&](Rgb p) {
                hatch += black(p);
                grey += p == kTooCloseFill;
            });
            if (map.isTooClose(r, c)) {
                EXPECT_GT(hatch, 0) << "row " << r << ", column " << c;
                EXPECT_GT(grey, 0) << "row " << r << ", column " << c;
            } else {
                EXPECT_EQ(hatch, 0) << "row " << r << ", column " << c;
            }
        }
}

TEST_F(MapPixels, MoreCellsThanPixelsShowTheWorstOfThem) {
    // 2400 columns on some 850 pixels: one point nearer its limit than all
    // the others must still show, not be skipped by the scaling.
    FieldMap map = gridMap(std::vector(600, std::vector<double>(2400, 10.0)));
    map.percent[300 * 2400 + 1201] = 90;
    draw(map);
    const Rgb hot = percentColour(90);
    bool shown = false;
    for (double y = layout_.plot.y; y < layout_.plot.y + layout_.plot.height && !shown; ++y)
        for (double x = layout_.plot.x; x < layout_.plot.x + layout_.plot.width && !shown; ++x) {
            const Rgb c = pixel(x, y);
            shown = c.r == hot.r && c.g == hot.g && c.b == hot.b;
        }
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace kvarn
