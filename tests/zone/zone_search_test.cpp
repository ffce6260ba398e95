// The zone search on fields whose zone is known: its extremes within 0.05 m
// and never beyond the true ones, each found at a zone point; a lobe beyond
// a gap; a zone that ends at a height; points that do not hold; the ground;
// an empty zone and the antennas and fields it refuses.
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "tests/zone/synthetic_fields.h"
#include "zone/zone.h"

namespace kvarn::zone {
namespace {

using testing::DistanceField;

const std::vector<Point3> kBent{{0, 0, 7}, {20, 0, 7}, {40, 0, 4}}; // the example's wire

TEST(ZoneSearch, FindsTheExtremesOfKnownZonesToFiveCentimetres) {
    struct Case {
        const char* name;
        std::shared_ptr<DistanceField> field;
        double safety, horizontal, lowest; // m
    };
    using std::make_shared;
    const Case cases[] = {
        {"tube round the example's wire", make_shared<testing::TubeField>(kBent, 2.1), 2.1, 2.1,
         1.9},
        {"tube on the ground", make_shared<testing::TubeField>(kBent, 4.5), 4.5, 4.5, 0},
        {"tube round a vertical wire",
         make_shared<testing::TubeField>(std::vector<Point3>{{0, 0, 2}, {0, 0, 6}}, 1), 1, 1, 1},
        {"ball round a point", make_shared<testing::TubeField>(std::vector<Point3>{{1, 2, 5}}, 1),
         1, 1, 4},
        {"tube round a hairpin",
         make_shared<testing::TubeField>(std::vector<Point3>{{0, 0, 5}, {10, 0, 5}, {0, 1, 5}},
                                         1.5),
         1.5, 1.5, 3.5},
        {"tube round a wire bent in three dimensions",
         make_shared<testing::TubeField>(std::vector<Point3>{{0, 0, 5}, {5, 0, 5}, {5, 5, 8}}, 1.2),
         1.2, 1.2, 3.8},
        // The outer lobe lies beyond 2 m of space below the limits.
        {"two lobes",
         make_shared<testing::TwoLobeField>(std::vector<Point3>{{0, 0, 6}, {10, 0, 6}}),
         testing::TwoLobeField::kOuter, testing::TwoLobeField::kOuter,
         6 - testing::TwoLobeField::kOuter},
        // Below 2 m the tube reaches sqrt(3^2 - 2^2) out from a wire at 4 m.
        {"zone below a height",
         make_shared<testing::LowField>(std::vector<Point3>{{0, 0, 4}, {10, 0, 4}}), 3,
         std::sqrt(5.0), 1},
        {"points that do not hold",
         make_shared<testing::UnassessableField>(std::vector<Point3>{{0, 0, 3}, {6, 2, 3}}), 1.2,
         1.2, 1.8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Point3>& wire = c.field->wire();
        const Zone z = findZone(wire, *c.field);
        ASSERT_EQ(z.problem, "");
        ASSERT_FALSE(z.empty);
        EXPECT_GT(z.reach, c.safety - 0.01);
        // Found at zone points, so never beyond the true extremes.
        const struct {
            const char* what;
            ZonePoint found;
            double truth, ofPoint;
        } extremes[] = {
            {"safety distance", z.safetyDistance, c.safety,
             distanceToPolyline(wire, z.safetyDistance.at)},
            {"horizontal distance", z.horizontalDistance, c.horizontal,
             planDistanceToPolyline(wire, z.horizontalDistance.at)},
            {"lowest height (negative)",
             {-z.lowestHeight.value, z.lowestHeight.at},
             -c.lowest,
             -z.lowestHeight.at.z},
        };
        for (const auto& e : extremes) {
            SCOPED_TRACE(e.what);
            EXPECT_LE(e.found.value, e.truth + 1e-9);
            EXPECT_GE(e.found.value, e.truth - 0.05);
            EXPECT_DOUBLE_EQ(e.found.value, e.ofPoint);
            const ZoneSample s = c.field->at(e.found.at);
            EXPECT_TRUE(!s.holds || s.share > 1) << s.share;
            EXPECT_GE(e.found.at.z, 0);
        }
        // Every piece is made of zone points.
        std::size_t outside = 0;
        for (const ZonePiece& piece : z.pieces)
            for (const Point3& p : piece.points()) {
                const ZoneSample s = c.field->at(p);
                outside += s.holds && s.share <= 1;
            }
        EXPECT_EQ(outside, 0u);
    }
}

TEST(ZoneSearch, EmptyZoneAndWhatItRefuses) {
    const testing::QuietField quiet(kBent);
    const Zone empty = findZone(kBent, quiet);
    EXPECT_EQ(empty.problem, "");
    EXPECT_TRUE(empty.empty);
    EXPECT_NEAR(empty.reach, 2, 0.01);
    EXPECT_EQ(empty.safetyDistance.value, 0);
    EXPECT_EQ(empty.horizontalDistance.value, 0);
    EXPECT_EQ(empty.lowestHeight.value, 0);
    EXPECT_TRUE(empty.pieces.empty());

    // A bound that never falls below 1.
    struct Unbounded : testing::TubeField {
        using TubeField::TubeField;
        double shareBound(double) const override { return 1; }
    } unbounded(kBent, 1);
    EXPECT_NE(findZone(kBent, unbounded).problem.find("1000 m"), std::string::npos);

    const testing::TubeField tube(kBent, 1);
    const std::vector<Point3> below{{0, 0, 1}, {5, 0, -0.1}};
    const std::vector<Point3> broken{{0, 0, 1}, {NAN, 0, 1}};
    for (const auto& wire : {below, broken, std::vector<Point3>{}}) {
        const Zone z = findZone(wire, tube);
        EXPECT_NE(z.problem, "");
        EXPECT_TRUE(z.empty);
    }
}

} // namespace
} // namespace kvarn::zone
