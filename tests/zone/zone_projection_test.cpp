// Projections of the zone: the four views of a tube of known shape, masks
// and outlines of hand-made rasters, convex fills, and masks kept within
// their memory.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "tests/zone/synthetic_fields.h"
#include "zone/projection.h"

namespace kvarn::zone {
namespace {

constexpr double kPi = std::numbers::pi;

double signedArea(const std::vector<Point2>& loop) {
    double twice = 0;
    for (std::size_t i = 0; i < loop.size(); ++i)
        twice += cross(loop[i], loop[(i + 1) % loop.size()]);
    return twice / 2;
}

Raster raster(int nx, int ny, std::vector<std::uint8_t> cells) {
    Raster r;
    r.cell = 1;
    r.nx = nx;
    r.ny = ny;
    r.cells = std::move(cells);
    return r;
}

TEST(ZoneProjection, ViewsOfATubeHaveItsShapeAndSize) {
    // A tube of radius 1.5 m round a level wire 10 m long at 5 m; the public
    // height 4.5 m cuts it where it is 2 sqrt(1.5^2 - 0.5^2) wide.
    const std::vector<Point3> wire{{0, 0, 5}, {10, 0, 5}};
    const testing::TubeField tube(wire, 1.5);
    const Zone zone = findZone(wire, tube);
    const double cut = std::sqrt(2.0); // m: half the width at 4.5 m
    // An outline within 0.05 m of the edge has the area within 0.05 m times
    // the perimeter.
    struct Case {
        View view;
        double area, perimeter;        // m^2, m
        double left, right, low, high; // m: the extent
    } cases[] = {
        {View::top, 30 + kPi * 2.25, 20 + 3 * kPi, -1.5, 11.5, -1.5, 1.5},
        {View::topBelow, 20 * cut + kPi * 2, 20 + 2 * kPi * cut, -cut, 10 + cut, -cut, cut},
        {View::alongX, kPi * 2.25, 3 * kPi, -1.5, 1.5, 3.5, 6.5},
        {View::alongY, 30 + kPi * 2.25, 20 + 3 * kPi, -1.5, 11.5, 3.5, 6.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view));
        const Projection p = project(zone, c.view, 4.5);
        EXPECT_EQ(p.mask.cell, kMaskCell);
        const double cells =
            static_cast<double>(std::count(p.mask.cells.begin(), p.mask.cells.end(), 1));
        EXPECT_NEAR(cells * p.mask.cell * p.mask.cell, c.area, 0.05 * c.perimeter);
        ASSERT_EQ(p.outlines.size(), 1u);
        const auto& loop = p.outlines[0];
        EXPECT_NEAR(signedArea(loop), c.area, 0.05 * c.perimeter); // counter-clockwise
        auto extent = [&](auto key, bool most) {
            const auto m = std::minmax_element(loop.begin(), loop.end(),
                                               [&](Point2 a, Point2 b) { return key(a) < key(b); });
            return key(most ? *m.second : *m.first);
        };
        auto x = [](Point2 q) { return q.x; };
        auto y = [](Point2 q) { return q.y; };
        EXPECT_NEAR(extent(x, false), c.left, 0.05);
        EXPECT_NEAR(extent(x, true), c.right, 0.05);
        EXPECT_NEAR(extent(y, false), c.low, 0.05);
        EXPECT_NEAR(extent(y, true), c.high, 0.05);
    }
    // Nothing of it lies below 3 m, nothing at all in an empty zone.
    const Projection none = project(zone, View::topBelow, 3);
    EXPECT_EQ(none.mask.nx * none.mask.ny, 0);
    EXPECT_TRUE(none.outlines.empty());
    EXPECT_TRUE(project(Zone{}, View::top).outlines.empty());
}

TEST(ZoneProjection, OutlinesRunRoundSetCellsWithHolesTheOtherWay) {
    // A lone cell: the diamond through the middles of its sides.
    const auto lone = outlines(raster(1, 1, {1}));
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_DOUBLE_EQ(signedArea(lone[0]), 0.5);
    for (const Point2& p : lone[0])
        EXPECT_DOUBLE_EQ(std::abs(p.x - 0.5) + std::abs(p.y - 0.5), 0.5);
    // A ring of eight cells: the outer edge counter-clockwise with its
    // corners cut, the hole clockwise.
    const auto ring = outlines(raster(3, 3, {1, 1, 1, 1, 0, 1, 1, 1, 1}));
    ASSERT_EQ(ring.size(), 2u);
    std::vector<double> areas{signedArea(ring[0]), signedArea(ring[1])};
    std::sort(areas.begin(), areas.end());
    EXPECT_DOUBLE_EQ(areas[0], -0.5);
    EXPECT_DOUBLE_EQ(areas[1], 9 - 4 * 0.125);
    // Cells touching at a corner are one piece; apart, two.
    EXPECT_EQ(outlines(raster(2, 2, {1, 0, 0, 1})).size(), 1u);
    EXPECT_EQ(outlines(raster(3, 1, {1, 0, 1})).size(), 2u);
    EXPECT_TRUE(outlines(raster(2, 2, {0, 0, 0, 0})).empty());
}

TEST(ZoneProjection, FillsConvexPolygonsByCellCentresAndKeepsMasksSmall) {
    Raster r = raster(10, 10, std::vector<std::uint8_t>(100, 0));
    const std::vector<Point2> triangle{{0, 0}, {10, 0}, {0, 10}};
    fillConvex(r, triangle);
    EXPECT_EQ(std::count(r.cells.begin(), r.cells.end(), 1), 55); // centres with i + j <= 9
    // A piece narrower than a cell still marks the cells of its corners.
    Raster thin = raster(10, 10, std::vector<std::uint8_t>(100, 0));
    const std::vector<Point2> sliver{{2.2, 3.3}, {6.7, 3.4}};
    fillConvex(thin, sliver);
    EXPECT_TRUE(thin.at(2, 3) && thin.at(6, 3));
    EXPECT_EQ(std::count(thin.cells.begin(), thin.cells.end(), 1), 2);

    // A zone 1 km long is drawn in coarser cells, within the cells allowed.
    Zone big;
    ZonePiece piece;
    for (const Point3& p :
         {Point3{0, 0, 1}, Point3{1000, 0, 1}, Point3{1000, 400, 1}, Point3{0, 400, 5}})
        piece.corners[piece.count++] = p;
    big.pieces.push_back(piece);
    const Projection p = project(big, View::top);
    EXPECT_GT(p.mask.cell, kMaskCell);
    EXPECT_LE(static_cast<std::size_t>(p.mask.nx) * static_cast<std::size_t>(p.mask.ny),
              kMaxMaskCells);
    EXPECT_EQ(p.outlines.size(), 1u);
}

} // namespace
} // namespace kvarn::zone
