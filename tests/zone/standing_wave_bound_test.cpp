// The standing-wave model's bound, on which the benchmark's zones rest: never
// below the share it bounds, at points round the example station's wire in
// every band, and reached by the field of a single element.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "assessment/band_zone_field.h"
#include "assessment/exact_model.h"
#include "commands/example_station.h"
#include "station/station_reader.h"

namespace kvarn {
namespace {

TEST(ZoneStandingWave, BoundHoldsRoundTheExampleWire) {
    const Station station = parseStation(kExactExampleStation, "example");
    std::vector<zone::Point3> wire;
    for (const CornerPoint& c : station.corners)
        wire.push_back({c.x, c.y, c.z});
    std::mt19937 random(7);
    std::uniform_real_distribution<double> along(0, 1), across(-1, 1);
    for (const Band& band : station.bands) {
        SCOPED_TRACE(band.frequency);
        const ExactBandModel model(station, band, band.power);
        const BandZoneField field(model, *referenceLevels(station.limits, band.frequency));
        // Points 2.2 m to 15 m out from random points of the wire, in
        // random directions, above the ground.
        std::vector<zone::Point3> points;
        while (points.size() < 4000) {
            const double t = along(random);
            const zone::Point3 q = t < 0.5 ? wire[0] + 2 * t * (wire[1] - wire[0])
                                           : wire[1] + (2 * t - 1) * (wire[2] - wire[1]);
            const zone::Point3 u{across(random), across(random), across(random)};
            if (zone::norm(u) > 1 || zone::norm(u) < 0.1) continue;
            const zone::Point3 p = q + (2.2 + 12.8 * along(random)) * zone::unit(u);
            if (p.z >= 0) points.push_back(p);
        }
        std::vector<zone::ZoneSample> samples(points.size());
        field.evaluate(points, samples);
        std::size_t held = 0, above = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!samples[i].holds) continue;
            ++held;
            above += samples[i].share > field.shareBound(zone::distanceToPolyline(wire, points[i]));
        }
        EXPECT_GT(held, 3000u);
        EXPECT_EQ(above, 0u);
    }
}

TEST(ZoneStandingWave, BoundIsReachedByTheFieldOfOneElement) {
    // A 1 m wire is one element, centred at (0.5, 0, 5): its E is largest
    // along it (near field) or across it (far field), its H across it. At
    // 14 MHz the points lie in its near field, at 144 MHz in its far field.
    Station station;
    station.corners = {{0, 0, 5}, {1, 0, 5}};
    station.wireLength = 1;
    for (double mhz : {14.0, 144.0}) {
        Band band;
        band.frequency = mhz;
        band.power = 10;
        const ExactBandModel model(station, band, band.power);
        const BandZoneField field(model, *referenceLevels(station.limits, mhz));
        for (double r : {2.5, 5.0, 12.0}) {
            SCOPED_TRACE(::testing::Message() << mhz << " MHz, " << r << " m");
            double most = 0;
            for (double angle : {1e-3, 0.7, 1.5707}) {
                const zone::Point3 p{0.5 + r * std::cos(angle), 0, 5 + r * std::sin(angle)};
                zone::ZoneSample s;
                field.evaluate({&p, 1}, {&s, 1});
                ASSERT_TRUE(s.holds);
                EXPECT_LE(s.share, field.shareBound(r));
                most = std::max(most, s.share);
            }
            EXPECT_GT(most, 0.999 * field.shareBound(r));
        }
    }
}

} // namespace
} // namespace kvarn
