#include "field/geometry.h"

#include <cmath>

#include <gtest/gtest.h>

#include "field/field_fixture.h"

namespace kvarn {
namespace {

TEST(Angle, QuadrantsAndTheSteepGuardUseTheProgramsPi) {
    struct Case {
        double x, y;
        double expected;
    };
    const auto d = [](long double v) { return static_cast<double>(v); };
    const Case cases[] = {
        {0, 0, d(1.570795L)},
        {-1, 0, d(3.14159L)},
        {2, 0, 0.0},
        {1, -1, -std::atan(1.0)}, // right half-plane: as the library arctangent
        {1, 1, std::atan(1.0)},
        {-1, 1, d(3.14159L - atanl(1.0L))},
        {-1, -1, d(atanl(1.0L) - 3.14159L)},
        {-2e-7, -5, d(1.570795L - 3.14159L)}, // a stays extended: -1.570795
        {-2e-7, 5, d(3.14159L - 1.570795L)},
        {3e-7, -5, d(-1.570795L)},
        {1e-6, 1, d(1.570795L)}, // the double 1e-6 lies below the extended bound
        {2e-6, 1, d(atanl(500000.0L))},
        {0.6, 0.8, d(atanl(static_cast<long double>(0.8) / 0.6))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(angle(c.x, c.y), c.expected) << "angle(" << c.x << ", " << c.y << ")";
}

class Geometry : public test::FieldFixture {
  protected:
    // The geometry of element 1 seen from (x, y) at height z.
    const ElementGeometry& from(double x, double y, double z) {
        height = z;
        startPoint(work, x, y);
        EXPECT_TRUE(elementGeometry(inputs(), work));
        return work.geometry;
    }
    PointWork work;
};

TEST_F(Geometry, DirectionsFormARightHandedFrameAroundTheElement) {
    struct Case {
        CornerPoint centre, direction, point;
    };
    const double s = std::sqrt(1.0 / 3.0);
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 1}, {3, 0, 4}},         {{10.5, 0, 10}, {1, 0, 0}, {3, -7, 2}},
        {{-2, 4, 7}, {0.6, 0.8, 0}, {25, 1, 1.5}}, {{1, 1, 1}, {s, s, s}, {-4, 9, 0.5}},
        {{5, 5, 20}, {0, -1, 0}, {5.5, -80, 2}},
    };
    for (const Case& c : cases) {
        setSingleElement(c.centre, c.direction, 1.0);
        const ElementGeometry& g = from(c.point.x, c.point.y, c.point.z);
        const double px = c.point.x - c.centre.x, py = c.point.y - c.centre.y,
                     pz = c.point.z - c.centre.z;
        const double r = std::sqrt(px * px + py * py + pz * pz);
        const double cth = c.direction.x * px / r + c.direction.y * py / r + c.direction.z * pz / r;
        EXPECT_NEAR(g.r, r, 1e-12);
        EXPECT_NEAR(g.ux, px / r, 1e-15);
        EXPECT_NEAR(g.uy, py / r, 1e-15);
        EXPECT_NEAR(g.uz, pz / r, 1e-15);
        // Beyond 90 degrees theta is measured from the program's pi.
        const double theta = std::acos(cth) - (cth < 0 ? M_PI - 3.14159 : 0.0);
        EXPECT_NEAR(g.theta, theta, 1e-12);
        // e_theta: a unit vector across u, pointing away from the axis
        // direction (towards growing theta).
        const double sth = std::sqrt(1 - cth * cth);
        EXPECT_NEAR(g.ethx * g.ethx + g.ethy * g.ethy + g.ethz * g.ethz, 1.0, 1e-12);
        EXPECT_NEAR(g.ethx * g.ux + g.ethy * g.uy + g.ethz * g.uz, 0.0, 1e-12);
        EXPECT_NEAR(g.ethx * c.direction.x + g.ethy * c.direction.y + g.ethz * c.direction.z, -sth,
                    1e-12);
        // e_phi = u x e_theta.
        EXPECT_NEAR(g.ephx, g.uy * g.ethz - g.uz * g.ethy, 1e-15);
        EXPECT_NEAR(g.ephy, g.uz * g.ethx - g.ux * g.ethz, 1e-15);
        EXPECT_NEAR(g.ephz, g.ux * g.ethy - g.uy * g.ethx, 1e-15);
    }
    // A worked case: a vertical element seen 3 m away and 4 m up.
    setSingleElement({0, 0, 0}, {0, 0, 1}, 1.0);
    const ElementGeometry& g = from(3, 0, 4);
    EXPECT_EQ(g.r, 5.0);
    EXPECT_DOUBLE_EQ(g.theta, std::atan(0.75));
    EXPECT_NEAR(g.ethx, 0.8, 1e-15);
    EXPECT_NEAR(g.ethz, -0.6, 1e-15);
    EXPECT_NEAR(g.ephy, 1.0, 1e-15);
}

TEST_F(Geometry, PointAtTheCentreIsRaisedToAMillimetre) {
    setSingleElement({4, 3, 2}, {1, 0, 0}, 1.0);
    const ElementGeometry& g = from(4, 3, 2);
    EXPECT_EQ(g.r, 0.001);
    EXPECT_EQ(g.ux, 0.0);
    EXPECT_EQ(g.uy, 0.0);
    EXPECT_EQ(g.uz, 0.0);
    EXPECT_EQ(g.theta, 1.570795);
    EXPECT_TRUE(work.tooclose);
    // cth 0 is replaced by 1e-6 before it divides: e_theta is nearly -d.
    EXPECT_NEAR(g.ethx, -1.0, 1e-9);
    EXPECT_EQ(g.ethy, 0.0);
    EXPECT_EQ(g.ethz, 0.0);
    EXPECT_EQ(g.ephx, 0.0);
    EXPECT_EQ(g.ephy, 0.0);
    EXPECT_EQ(g.ephz, 0.0);
}

TEST_F(Geometry, PointOnTheAxisLineHasNoCrossDirections) {
    struct Case {
        double direction; // cosine along x; slightly above 1 from rounding is clamped
        double x;
        double theta;
    };
    const Case cases[] = {
        {1.0, 25.0, 0.0},
        {1.0, -25.0, 3.14159},
        {1.00005, 25.0, 0.0},
        {1.00005, -25.0, 3.14159},
    };
    for (const Case& c : cases) {
        setSingleElement({0.5, 0, 2}, {c.direction, 0, 0}, 1.0);
        const ElementGeometry& g = from(c.x, 0, 2);
        EXPECT_EQ(g.theta, c.theta) << c.direction << " " << c.x;
        for (double v : {g.ethx, g.ethy, g.ethz, g.ephx, g.ephy, g.ephz})
            EXPECT_EQ(v, 0.0);
        EXPECT_FALSE(work.tooclose);
    }
}

TEST_F(Geometry, TooCloseFromTwoPointOneMetres) {
    struct Case {
        double height;
        bool tooclose;
    };
    // 2.1 m straight above a centre computes to the double nearest 2.1, just
    // above the extended 2.1: not marked.
    const Case cases[] = {{2.1, false}, {2.09, true}, {-2.1, false}, {-2.09, true},
                          {2.2, false}, {0.0, true},  {1.5, true}};
    setSingleElement({7, -3, 0}, {0, 1, 0}, 1.0);
    for (const Case& c : cases) {
        from(7, -3, c.height);
        EXPECT_EQ(work.tooclose, c.tooclose) << c.height;
    }
    // The mark is only ever set: it collects over the elements of a point.
    work.tooclose = true;
    height = 50;
    elementGeometry(inputs(), work);
    EXPECT_TRUE(work.tooclose);
}

TEST_F(Geometry, CosineOutOfRangeMarksTheStopAndLeavesTheRest) {
    for (double x : {25.0, -25.0}) {
        setSingleElement({0.5, 0, 2}, {1.001, 0, 0}, 1.0);
        height = 2;
        startPoint(work, x, 0);
        EXPECT_FALSE(elementGeometry(inputs(), work)) << x;
        EXPECT_TRUE(work.cthStop);
        EXPECT_EQ(work.cthElement, 1);
    }
}

} // namespace
} // namespace kvarn
