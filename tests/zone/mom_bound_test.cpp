// The method of moments' bound, on which the zone search's reach rests:
// never below the share it bounds, round the example station's wire in
// every band, over every ground, down to the ground itself, where a real
// soil's field differs most from a mirror image's.
#include <gtest/gtest.h>

#include <random>

#include "assessment/band_zone_field.h"
#include "assessment/mom_model.h"
#include "commands/example_station.h"
#include "station/station_reader.h"

namespace kvarn {
namespace {

TEST(ZoneMom, BoundHoldsRoundTheExampleWireOverEveryGround) {
    const Station example = parseStation(kExampleStation, "example");
    std::vector<zone::Point3> wire;
    for (const CornerPoint& c : example.corners)
        wire.push_back({c.x, c.y, c.z});
    const struct {
        GroundKind kind;
        double permittivity, conductivity;
    } grounds[] = {{GroundKind::real, 5, 0.001}, {GroundKind::real, 13, 0.005},
                   {GroundKind::real, 81, 5},    {GroundKind::real, 3, 0},
                   {GroundKind::perfect, 0, 0},  {GroundKind::free, 0, 0}};
    std::mt19937 random(11);
    std::uniform_real_distribution<double> along(0, 1), across(-1, 1);
    for (const auto& g : grounds) {
        Station station = example;
        station.ground = g.kind;
        station.soil = {"", g.permittivity, g.conductivity};
        for (const Band& band : station.bands) {
            SCOPED_TRACE(std::to_string(g.permittivity) + "/" + std::to_string(g.conductivity) +
                         " at " + std::to_string(band.frequency) + " MHz");
            const MomBandModel model(station, band, band.power);
            const BandZoneField field(model, *referenceLevels(station.limits, band.frequency));
            // Points 0.5 m to 40 m out from random points of the wire, in
            // random directions, a quarter of them within 0.3 m of the ground.
            std::vector<zone::Point3> points;
            while (points.size() < 1200) {
                const double t = along(random);
                const zone::Point3 q = t < 0.5 ? wire[0] + 2 * t * (wire[1] - wire[0])
                                               : wire[1] + (2 * t - 1) * (wire[2] - wire[1]);
                zone::Point3 u{across(random), across(random), across(random)};
                if (zone::norm(u) > 1 || zone::norm(u) < 0.1) continue;
                zone::Point3 p = q + (0.5 + 39.5 * along(random)) * zone::unit(u);
                if (points.size() % 4 == 0) p.z = 0.3 * along(random);
                if (p.z >= 0) points.push_back(p);
            }
            std::vector<zone::ZoneSample> samples(points.size());
            field.evaluate(points, samples);
            std::size_t held = 0;
            double worst = 0; // the largest share over its bound
            for (std::size_t i = 0; i < points.size(); ++i) {
                if (!samples[i].holds) continue;
                ++held;
                worst = std::max(worst,
                                 samples[i].share /
                                     field.shareBound(zone::distanceToPolyline(wire, points[i])));
            }
            EXPECT_GT(held, 1000u);
            EXPECT_LE(worst, 1.0);
        }
    }
}

} // namespace
} // namespace kvarn
