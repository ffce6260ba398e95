// A label beside one of several points: the side it prefers, at whichever
// point leaves that side clear, before any other side.

#include <array>
#include <cairo.h>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/label_place.h"

namespace kvarn {
namespace {

TEST(LabelPlace, LabelKeepsItsSideAndMovesAlongThePointsForIt) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 200);
    cairo_t* cr = cairo_create(surface);
    const TextStyle style{10};
    const double width = textWidth(cr, "name", style);
    const std::array<double, 2> points[] = {{100, 100}, {250, 100}};
    const Rect aboveFirst{80, 70, 40, 20}, aboveSecond{230, 70, 40, 20};
    const struct {
        const char* name;
        std::vector<Rect> taken;
        double x, y; // where the label's box goes
    } cases[] = {
        {"both clear: above the first", {}, 100 - width / 2, 85},
        {"the first taken: above the second", {aboveFirst}, 250 - width / 2, 85},
        {"both taken above: right of the first", {aboveFirst, aboveSecond}, 105, 95},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LabelRoom room{{0, 0, 400, 200}, c.taken, {}};
        drawLabelBesideOneOf(cr, "name", style, points, 5, room, LabelSide::above);
        ASSERT_EQ(room.taken.size(), c.taken.size() + 1);
        EXPECT_NEAR(room.taken.back().x, c.x, 1e-9);
        EXPECT_NEAR(room.taken.back().y, c.y, 1e-9);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

} // namespace
} // namespace kvarn
