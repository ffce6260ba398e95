#include "drawing/map_layout.h"

#include <vector>

#include <gtest/gtest.h>

#include "drawing/map_support.h"

namespace kvarn {
namespace {

using test::gridMap;

TEST(MapLayout, PlotKeepsTheGridsProportionsInsideTheArea) {
    struct Case {
        int columns, rows;
        Rect area;
    };
    const Case cases[] = {
        {101, 101, {0, 0, 1600, 1100}},
        {301, 21, {0, 0, 1600, 1100}},
        {11, 201, {0, 0, 1600, 1100}},
        {51, 41, {50, 400, 500, 380}},
    };
    for (const Case& c : cases) {
        const FieldMap map = gridMap(std::vector(c.rows, std::vector<double>(c.columns, 1)), 0.5);
        const MapLayout l = layoutFieldMap(map, c.area);
        const double ratio = static_cast<double>(c.columns) / c.rows;
        EXPECT_NEAR(l.plot.width / l.plot.height, ratio, 1e-9 * ratio)
            << c.columns << " x " << c.rows;
        EXPECT_NEAR(l.toX(map.xs.back() + 0.25), l.plot.x + l.plot.width, 1e-9);
        EXPECT_NEAR(l.toY(map.ys.back() - 0.25), l.plot.y + l.plot.height, 1e-9);
        EXPECT_GE(l.plot.x, c.area.x);
        EXPECT_GE(l.plot.y, c.area.y);
        EXPECT_LE(l.colourBar.x + l.colourBar.width, c.area.x + c.area.width);
        EXPECT_LE(l.plot.y + l.plot.height, c.area.y + c.area.height);
    }
}

} // namespace
} // namespace kvarn
