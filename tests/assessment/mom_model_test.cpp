// The method of moments behind the assessment's seam: the feed it solves,
// fields that scale exactly with the square root of the power (so the
// highest power is the scale law's, rounded down), the points it cannot
// assess, and the ground it is solved over.

#include <gtest/gtest.h>

#include <cmath>

#include "assessment/assess.h"
#include "assessment/mom_model.h"
#include "assessment/power_chain.h"

namespace kvarn {
namespace {

// A centre-fed dipole of about half a wavelength on 14.2 MHz, 10 m up.
Station dipole(GroundKind ground) {
    Station s;
    s.model = ModelKind::methodOfMoments;
    s.corners = {{0, 0, 10}, {10, 0, 10}};
    s.wireLength = 10;
    s.feed = 5;
    s.ground = ground;
    s.reportModes = 0;
    s.grid = {-4, 14, -3, 3, 1};
    s.heights = {2, 9.5};
    s.bands = {{14.2, 500, 1, 0}};
    return s;
}

TEST(MomModel, FeedFieldsAndHighestPowerThroughTheSeam) {
    const Station s = dipole(GroundKind::free);
    const Assessment a = assessStation(s, {});
    const BandResult& b = a.bands[0];
    ASSERT_TRUE(b.feed.has_value());
    EXPECT_NEAR(b.feed->resistance, 67.4, 1.0) << "a thin dipole a little short of half a wave";
    EXPECT_EQ(b.feed->segments, 20u);
    // 9.5 m passes 0.5 m below the wire: points there are within two
    // segment lengths of the feed.
    EXPECT_GT(b.tooClosePoints, 0);
    EXPECT_FALSE(b.complies);
    // Fields grow exactly with the square root of the power.
    const MomBandModel model(s, s.bands[0], 500);
    const std::unique_ptr<BandFieldModel> doubled = model.atPower(2000);
    const Point3 at[] = {{3, 2, 2}, {12, -3, 9.5}};
    FieldValue base[2], twice[2];
    model.evaluate(at, base);
    doubled->evaluate(at, twice);
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(twice[k].e, 2 * base[k].e, 1e-12 * base[k].e);
        EXPECT_NEAR(twice[k].h, 2 * base[k].h, 1e-12 * base[k].h);
    }
    // So the highest power is the scale law's, rounded down as shown.
    const double peak = std::max(b.e.percent, b.h.percent);
    EXPECT_EQ(b.highestPower, roundedDown(highestCompliantPower(500, peak)));
}

TEST(MomModel, PerfectGroundIsSolvedForNotIgnored) {
    Station free = dipole(GroundKind::free), ground = dipole(GroundKind::perfect);
    for (Station* s : {&free, &ground}) {
        s->corners = {{0, 0, 5}, {10, 0, 5}};
        s->heights = {2};
    }
    const BandResult a = assessStation(free, {}).bands[0];
    const BandResult b = assessStation(ground, {}).bands[0];
    // 5 m up on 14.2 MHz is about a quarter wavelength: the image changes
    // the feed and the field below.
    EXPECT_GT(std::fabs(b.feed->resistance - a.feed->resistance), 5.0);
    EXPECT_GT(std::fabs(b.e.value / a.e.value - 1), 0.05);
}

TEST(MomModel, RealGroundLiesBetweenFreeSpaceAndPerfectGround) {
    // The dipole a quarter wave up on 14.2 MHz: over average soil its feed
    // resistance and the field below lie between those in free space and
    // over a perfect ground; over soil that conducts like copper, close to
    // the perfect ground's.
    const auto over = [](GroundKind kind, double conductivity) {
        Station s = dipole(kind);
        s.corners = {{0, 0, 5}, {10, 0, 5}};
        s.heights = {2};
        s.soil = {"", 13, conductivity};
        return assessStation(s, {}).bands[0];
    };
    const BandResult free = over(GroundKind::free, 0), perfect = over(GroundKind::perfect, 0);
    const BandResult soil = over(GroundKind::real, 0.005), copper = over(GroundKind::real, 1e7);
    const auto between = [](double v, double a, double b) {
        return v > std::min(a, b) && v < std::max(a, b);
    };
    EXPECT_TRUE(between(soil.feed->resistance, free.feed->resistance, perfect.feed->resistance));
    EXPECT_TRUE(between(soil.h.value, free.h.value, perfect.h.value));
    EXPECT_NEAR(copper.feed->resistance, perfect.feed->resistance, 0.01 * perfect.feed->resistance);
    EXPECT_NEAR(copper.e.value, perfect.e.value, 0.01 * perfect.e.value);
}

} // namespace
} // namespace kvarn
