#include "drawing/contour.h"

#include <cmath>
#include <limits>
#include <set>

#include <gtest/gtest.h>

#include "drawing/map_support.h"

namespace kvarn {
namespace {

using test::gridMap;
using test::zoneMap;

// The grid of gridMap has x = column and y = -row.
bool aboveAt(const FieldMap& map, double x, double y) {
    return map.at(static_cast<std::size_t>(std::lround(-y)),
                  static_cast<std::size_t>(std::lround(x))) >= 100;
}

// Whether (x, y) lies halfway between two neighbouring grid points, one above
// and one below the limit: on the border between their cells.
bool onCellBorder(const FieldMap& map, double x, double y) {
    const bool xHalf = std::abs(x - std::floor(x) - 0.5) < 1e-12;
    const bool yHalf = std::abs(y - std::floor(y) - 0.5) < 1e-12;
    if (xHalf == yHalf) return false;
    if (xHalf) return aboveAt(map, x - 0.5, y) != aboveAt(map, x + 0.5, y);
    return aboveAt(map, x, y - 0.5) != aboveAt(map, x, y + 0.5);
}

TEST(Contour, SymmetricZoneIsOutlinedOnTheBorderOfItsCells) {
    // 150 % on the middle 3 x 3 points of 7 x 7, 50 % around: every crossing
    // is halfway between an inside and an outside point.
    const FieldMap map = zoneMap(7, 3, 150, 50);
    const std::vector<Segment> segments = contourSegments(map, 100);
    ASSERT_EQ(segments.size(), 12u); // 16 squares touch the zone, 4 lie inside it
    double sumX = 0, sumY = 0;
    for (const Segment& s : segments) {
        EXPECT_TRUE(onCellBorder(map, s.x0, s.y0)) << s.x0 << ", " << s.y0;
        EXPECT_TRUE(onCellBorder(map, s.x1, s.y1)) << s.x1 << ", " << s.y1;
        sumX += s.x0 + s.x1;
        sumY += s.y0 + s.y1;
    }
    EXPECT_NEAR(sumX / 24, 3, 1e-12); // centred on the zone's middle point
    EXPECT_NEAR(sumY / 24, -3, 1e-12);
}

TEST(Contour, CrossingIsInterpolatedLinearlyAlongTheEdge) {
    struct Case {
        double left, right, x;
    };
    const Case cases[] = {{0, 200, 0.5}, {50, 250, 0.25}, {400, 0, 0.75}, {100, 40, 0}};
    for (const Case& c : cases) {
        const FieldMap map = gridMap({{c.left, c.right}, {c.left, c.right}}, 2);
        const std::vector<Segment> segments = contourSegments(map, 100);
        ASSERT_EQ(segments.size(), 1u) << c.left << " to " << c.right;
        EXPECT_NEAR(segments[0].x0, 2 * c.x, 1e-12) << c.left << " to " << c.right;
        EXPECT_NEAR(segments[0].x1, 2 * c.x, 1e-12) << c.left << " to " << c.right;
    }
}

// The grid corner (0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left of
// a 2 x 2 map) that a segment cuts off: the one both its ends are nearest.
int cutCorner(const Segment& s) {
    const double cx[] = {0, 1, 1, 0}, cy[] = {0, 0, -1, -1};
    for (int k = 0; k < 4; ++k)
        if (std::hypot(s.x0 - cx[k], s.y0 - cy[k]) <= 0.5 + 1e-12 &&
            std::hypot(s.x1 - cx[k], s.y1 - cy[k]) <= 0.5 + 1e-12)
            return k;
    return -1;
}

TEST(Contour, SaddleFollowsTheCentreValue) {
    struct Case {
        double tl, tr, br, bl;
        std::set<int> cut;
    };
    const Case cases[] = {
        {150, 50, 150, 50, {1, 3}}, // centre 100, above: the above corners connect
        {120, 0, 120, 0, {0, 2}},   // centre 60, below: the above corners are cut off
        {50, 150, 50, 150, {0, 2}},
        {0, 120, 0, 120, {1, 3}},
    };
    for (const Case& c : cases) {
        const std::vector<Segment> segments =
            contourSegments(gridMap({{c.tl, c.tr}, {c.bl, c.br}}), 100);
        std::set<int> cut;
        for (const Segment& s : segments)
            cut.insert(cutCorner(s));
        EXPECT_EQ(segments.size(), 2u) << c.tl << " " << c.tr << " " << c.br << " " << c.bl;
        EXPECT_EQ(cut, c.cut) << c.tl << " " << c.tr << " " << c.br << " " << c.bl;
    }
}

TEST(Contour, PointsWithoutAMeaningfulValueCarryNoLine) {
    // The zone's top middle point (row 2, column 3) without a usable value:
    // the two squares above it lose their segments.
    const auto tooClose = [](FieldMap& m) {
        m.tooClose.assign(m.percent.size(), 0);
        m.tooClose[2 * 7 + 3] = 1;
    };
    const auto notANumber = [](FieldMap& m) {
        m.percent[2 * 7 + 3] = std::numeric_limits<double>::quiet_NaN();
    };
    for (const auto& spoil : {+tooClose, +notANumber}) {
        FieldMap map = zoneMap(7, 3, 150, 50);
        spoil(map);
        const std::vector<Segment> segments = contourSegments(map, 100);
        EXPECT_EQ(segments.size(), 10u);
        for (const Segment& s : segments)
            for (const auto& [x, y] : {std::pair{s.x0, s.y0}, std::pair{s.x1, s.y1}})
                EXPECT_GE(std::max(std::abs(x - 3), std::abs(y + 2)), 1.0) << x << ", " << y;
    }
}

} // namespace
} // namespace kvarn
