// Cutting the wire into segments: what is refused and why, how many
// segments each piece gets, where the source goes and which ends are free,
// grounded or joined.
#include <gtest/gtest.h>

#include "mom/wire.h"

namespace kvarn::mom {
namespace {

WireSpec wireSpec(std::vector<Vec3> corners, double feed, double mhz,
                  Ground g = Ground::FreeSpace) {
    WireSpec s;
    s.corners = std::move(corners);
    s.feedM = feed;
    s.frequencyMHz = mhz;
    s.ground = g;
    return s;
}

// A wire 10 m up over a real ground of these constants.
WireSpec real(double permittivity, double conductivity) {
    WireSpec s = wireSpec({{0, 0, 10}, {10, 0, 10}}, 5, 7, Ground::Real);
    s.soil = {permittivity, conductivity};
    return s;
}

TEST(MomWire, RefusesWhatItCannotComputeWithAReason) {
    struct Case {
        WireSpec wireSpec;
        const char* words; // part of the reason
    } cases[] = {
        {wireSpec({{0, 0, 10}}, 0, 7), "2 to 10 corners"},
        {wireSpec({{0, 0, 10}, {NAN, 0, 10}}, 0, 7), "not a number"},
        {wireSpec({{0, 0, 10}, {0, 0, 10}, {5, 0, 10}}, 0, 7), "same point"},
        {wireSpec({{0, 0, 10}, {10, 0, 10}}, 10.5, 7), "feed must lie on the wire"},
        {wireSpec({{0, 0, 10}, {10, 0, 10}}, -1, 7), "feed must lie on the wire"},
        {wireSpec({{0, 0, 10}, {10, 0, 10}}, 0, 0), "frequency"},
        {wireSpec({{0, 0, 10}, {10, 0, 10}, {10, 0.005, 10}}, 0, 7), "too short for a wire"},
        {wireSpec({{0, 0, 10}, {10, 0, -1}}, 0, 7, Ground::Perfect), "below the ground"},
        {wireSpec({{0, 0, 10}, {5, 0, 0}, {10, 0, 10}}, 0, 7, Ground::Perfect),
         "touches the ground"},
        {wireSpec({{0, 0, 10}, {800, 0, 10}}, 0, 146), "segments"},
        {wireSpec({{0, 0, 10}, {10, 0, 0}}, 0, 7, Ground::Real), "not above the ground"},
        {wireSpec({{0, 0, 10}, {5, 0, -2}, {10, 0, 10}}, 0, 7, Ground::Real),
         "not above the ground"},
        {real(0.99, 0.005), "relative permittivity"},
        {real(NAN, 0.005), "relative permittivity"},
        {real(13, -1e-6), "conductivity"},
        {real(13, INFINITY), "conductivity"},
    };
    for (const Case& c : cases) {
        const Segmentation s = segmentWire(c.wireSpec);
        EXPECT_NE(s.reason.find(c.words), std::string::npos) << c.words << ": " << s.reason;
    }
    // At 29 MHz 5 m are 20 segments of 0.25 m: longer than 8 radii of a
    // wire 50 mm across (0.2 m), shorter than those of one 70 mm across.
    WireSpec thick = wireSpec({{0, 0, 10}, {5, 0, 10}}, 0, 29);
    thick.diameterMm = 50;
    EXPECT_TRUE(segmentWire(thick).ok()) << segmentWire(thick).reason;
    thick.diameterMm = 70;
    EXPECT_FALSE(segmentWire(thick).ok());
    // Free space itself (eps_r 1, no loss) is a ground the tables take.
    EXPECT_TRUE(segmentWire(real(1, 0)).ok());
}

TEST(MomWire, CutsEveryPieceAndPlacesTheSource) {
    struct Case {
        WireSpec wireSpec;
        std::size_t segments;
        std::size_t feed;
        int before, after; // links of the first segment's start and the last one's end
    } cases[] = {
        // 0.5 m segments below 15 MHz: 10 m is 20 segments, a feed on a
        // border goes to the later segment, at the ends to the end segments.
        {wireSpec({{-5, 0, 10}, {5, 0, 10}}, 5, 14), 20, 10, kFreeEnd, kFreeEnd},
        {wireSpec({{-5, 0, 10}, {5, 0, 10}}, 0, 14), 20, 0, kFreeEnd, kFreeEnd},
        {wireSpec({{-5, 0, 10}, {5, 0, 10}}, 10, 14), 20, 19, kFreeEnd, kFreeEnd},
        {wireSpec({{-5, 0, 10}, {5, 0, 10}}, 5.3, 14), 20, 10, kFreeEnd, kFreeEnd},
        // lambda / 40 above: 29 MHz gives 0.2584 m, 10.3 m is 40 segments.
        {wireSpec({{0, 0, 10}, {10.3, 0, 10}}, 0.3, 29), 40, 1, kFreeEnd, kFreeEnd},
        // Two pieces of 7 and 3 m: the feed on the corner starts the second.
        {wireSpec({{0, 0, 10}, {7, 0, 10}, {7, 3, 10}}, 7, 7), 20, 14, kFreeEnd, kFreeEnd},
        // A vertical on perfect ground joins the ground at its foot.
        {wireSpec({{0, 0, 0.0001}, {0, 0, 10}}, 0, 7, Ground::Perfect), 20, 0, kGroundEnd,
         kFreeEnd},
        // A closed triangle has no free end: its ends join each other.
        {wireSpec({{0, 0, 10}, {4, 0, 10}, {0, 3, 10}, {0, 0, 10}}, 0, 7), 8 + 10 + 6, 0, 23, 0},
    };
    for (const Case& c : cases) {
        const Segmentation s = segmentWire(c.wireSpec);
        ASSERT_TRUE(s.ok()) << s.reason;
        const Segments& w = s.wire;
        EXPECT_EQ(w.segments.size(), c.segments) << c.wireSpec.feedM;
        EXPECT_EQ(w.feedSegment, c.feed) << c.wireSpec.feedM;
        EXPECT_EQ(w.before.front(), c.before);
        EXPECT_EQ(w.after.back(), c.after);
        for (std::size_t i = 0; i < w.segments.size(); ++i) {
            EXPECT_LE(w.segments[i].length, maxSegmentLength(w.wavelength) * (1 + 1e-12));
            if (i > 0) {
                EXPECT_LT(norm(w.segments[i].start - w.segments[i - 1].end), 1e-9);
            }
        }
        if (c.before == kGroundEnd) {
            EXPECT_EQ(w.segments.front().start.z, 0);
        }
    }
}

} // namespace
} // namespace kvarn::mom
