// The controllable area: which boundaries are simple polygons, inside and
// distance, and the zone against boundaries that contain, touch and cross
// it, below and above the public height.
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <stdexcept>

#include "tests/zone/synthetic_fields.h"
#include "zone/area_check.h"
#include "zone/polygon.h"

namespace kvarn::zone {
namespace {

using Polygon = std::vector<Point2>;

Polygon regular(std::size_t corners) {
    Polygon p;
    for (std::size_t k = 0; k < corners; ++k) {
        const double a =
            2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(corners);
        p.push_back({10 * std::cos(a), 10 * std::sin(a)});
    }
    return p;
}

Polygon rectangle(double left, double low, double right, double high) {
    return {{left, low}, {right, low}, {right, high}, {left, high}};
}

const Polygon kL{{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 4}, {0, 4}}; // an L, its notch at (1, 1)

TEST(AreaPolygon, SimplePolygonsInsideAndDistance) {
    const struct {
        const char* name;
        Polygon corners;
        bool simple;
    } polygons[] = {
        {"triangle", {{0, 0}, {1, 0}, {0, 1}}, true},
        {"L", kL, true},
        {"200 corners", regular(200), true},
        {"201 corners", regular(201), false},
        {"two corners", {{0, 0}, {1, 0}}, false},
        {"bow tie", {{0, 0}, {1, 1}, {1, 0}, {0, 1}}, false},
        {"corner repeated", {{0, 0}, {1, 0}, {1, 0}, {0, 1}}, false},
        {"no area", {{0, 0}, {1, 0}, {2, 0}}, false},
        {"folds back", {{0, 0}, {2, 0}, {1, 0}, {1, 1}}, false},
        {"corner on another edge", {{0, 0}, {4, 0}, {4, 2}, {2, 0}, {0, 2}}, false},
        {"not a number", {{0, 0}, {1, 0}, {NAN, 1}}, false},
    };
    for (const auto& p : polygons)
        EXPECT_EQ(simplePolygon(p.corners), p.simple) << p.name;

    const struct {
        Point2 p;
        bool inside;
        double distance;
    } points[] = {
        {{0.5, 2}, true, 0.5},
        {{2, 0.5}, true, 0.5},
        {{2, 2}, false, 1},
        {{1, 2}, false, 0},
        {{0, 0}, false, 0},
        {{-3, -4}, false, 5},
        {{0.9, 0.9}, true, 0.1 * std::sqrt(2.0)},
    };
    for (const auto& q : points) {
        EXPECT_EQ(insidePolygon(kL, q.p), q.inside) << q.p.x << ' ' << q.p.y;
        EXPECT_NEAR(distanceToPolygon(kL, q.p), q.distance, 1e-12) << q.p.x << ' ' << q.p.y;
    }
    const EdgePoint nearest = nearestOnPolygon(kL, {1.5, 3});
    EXPECT_DOUBLE_EQ(nearest.at.x, 1);
    EXPECT_DOUBLE_EQ(nearest.at.y, 3);
}

TEST(AreaCheck, BoundariesThatContainTouchAndCrossTheZone) {
    // Tubes of radius 2 m round level wires from x = 0 to 10: at 2.5 m the
    // part below 3 m reaches 2 m to each side and 2 m beyond the ends; at
    // 4 m only 1.73 m (sqrt(2^2 - 1^2)) to each side, further out above.
    const std::vector<Point3> low{{0, 0, 2.5}, {10, 0, 2.5}};
    const std::vector<Point3> high{{0, 0, 4}, {10, 0, 4}};
    const Zone lowZone = findZone(low, testing::TubeField(low, 2));
    const Zone highZone = findZone(high, testing::TubeField(high, 2));
    // The plot with a slot 2 m wide up to y = 0.5 from its lower edge: the
    // deepest zone point outside lies in the middle of the slot, between
    // the wire's stations.
    const Polygon slot{{-5, -5},   {4.25, -5}, {4.25, 0.5}, {6.25, 0.5},
                       {6.25, -5}, {15, -5},   {15, 5},     {-5, 5}};
    const struct {
        const char* name;
        const Zone& zone;
        Polygon boundary;
        double height; // m: public
        bool inside;
        double margin;    // m
        Point2 zonePoint; // m, as far as it is determined
    } cases[] = {
        {"contains", lowZone, rectangle(-6, -5, 16, 6), 3, true, 3, {NAN, -2}},
        {"crosses a side", lowZone, rectangle(-5, -1, 15, 5), 3, false, -1, {NAN, -2}},
        {"crosses an end", lowZone, rectangle(-1, -5, 11, 5), 3, false, -1, {NAN, 0}},
        {"cut by a slot", lowZone, slot, 3, false, -1, {5.25, NAN}},
        {"leaves above the public height",
         highZone,
         rectangle(-5, -1.9, 15, 5),
         3,
         true,
         1.9 - std::sqrt(3.0),
         {NAN, -std::sqrt(3.0)}},
        {"leaves below a higher public height",
         highZone,
         rectangle(-5, -1.9, 15, 5),
         4.5,
         false,
         -0.1,
         {NAN, -2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AreaCheck check = checkArea(c.zone, c.boundary, c.height);
        EXPECT_EQ(check.inside, c.inside);
        ASSERT_TRUE(check.margin);
        const AreaMargin& m = *check.margin;
        EXPECT_NEAR(m.distance, c.margin, 0.05);
        if (!std::isnan(c.zonePoint.x)) {
            EXPECT_NEAR(m.zonePoint.x, c.zonePoint.x, 0.05);
        }
        if (!std::isnan(c.zonePoint.y)) {
            EXPECT_NEAR(m.zonePoint.y, c.zonePoint.y, 0.05);
        }
        // The boundary point is the nearest one to the zone point.
        EXPECT_NEAR(distance(m.zonePoint, m.boundaryPoint), std::abs(m.distance), 1e-9);
        EXPECT_NEAR(distanceToPolygon(c.boundary, m.zonePoint), std::abs(m.distance), 1e-9);
    }
    // Nothing below 1 m: no margin, inside whatever the boundary.
    const AreaCheck above = checkArea(highZone, rectangle(0, 0, 1, 1), 1);
    EXPECT_TRUE(above.inside);
    EXPECT_FALSE(above.margin);
    const Polygon bowTie{{0, 0}, {1, 1}, {1, 0}, {0, 1}};
    EXPECT_THROW(checkArea(lowZone, bowTie), std::invalid_argument);
    Zone unsearched;
    unsearched.problem = "no bound";
    EXPECT_THROW(checkArea(unsearched, rectangle(0, 0, 1, 1)), std::invalid_argument);
}

TEST(AreaCheck, TouchingCountsAsLeavingAndMarginsAreExact) {
    // One piece by hand: the unit square from 0 to 1 m high.
    Zone square;
    ZonePiece piece;
    for (double x : {0.0, 1.0})
        for (double y : {0.0, 1.0})
            for (double z : {0.0, 1.0})
                piece.corners[piece.count++] = {x, y, z};
    square.pieces.push_back(piece);
    const struct {
        const char* name;
        Polygon boundary;
        bool inside;
        double margin;
    } cases[] = {
        {"round it", rectangle(-1, -0.5, 2, 3), true, 0.5},
        // Nearest: the boundary's corner above the middle of the top edge.
        {"a corner of the boundary near it",
         {{-1, -1}, {2, -1}, {2, 3}, {0.5, 1.3}, {-1, 3}},
         true,
         0.3},
        {"its edge on the boundary", rectangle(0, -1, 2, 2), false, 0},
        {"an edge on its edge", rectangle(1, -1, 3, 2), false, -1},
        {"a corner on its corner", rectangle(1, 1, 2, 2), false, -std::sqrt(2.0)},
        {"a corner of the boundary in it",
         {{0.5, 0.5}, {3, 0.5}, {3, 3}},
         false,
         -0.5 * std::sqrt(2.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AreaCheck check = checkArea(square, c.boundary, 3);
        EXPECT_EQ(check.inside, c.inside);
        ASSERT_TRUE(check.margin);
        EXPECT_NEAR(check.margin->distance, c.margin, 0.01);
    }
}

} // namespace
} // namespace kvarn::zone
