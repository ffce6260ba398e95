// A station of several antennas: at a place the site adds what each antenna
// gives there alone (at the same time) or takes the largest (one at a
// time); the time on air scales the field by its root; the site's zone is
// the union of the antennas' zones, or larger where their exposures add.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assessment/site_assessment.h"
#include "station/station_reader.h"

namespace kvarn {
namespace {

// Two exact wires side by side, `gap` m apart, with places between and
// beside them; the grid is small, the zone is what counts.
std::string twoWires(double gap, bool simultaneous, double power = 400) {
    const std::string y = std::to_string(gap);
    const std::string p = std::to_string(power);
    return "title = \"zwei\"\nlanguage = \"en\"\n"
           "[grid]\nx = [-6, 26]\ny = [-6, 6]\nstep = 4\nheights = [2]\n"
           "[site]\nsimultaneous = " +
           std::string(simultaneous ? "true" : "false") +
           "\n[[place]]\nname = \"between\"\nat = [10, " + std::to_string(gap / 2) +
           ", 6]\n[[place]]\nname = \"beside\"\nat = [-4, 0, 2]\n"
           "[[antenna]]\nname = \"A\"\ncorners = [[0, 0, 8], [20, 0, 8]]\n"
           "[[antenna.band]]\nfrequency = 7.1\npower = " +
           p + "\n[[antenna.band]]\nfrequency = 14.2\npower = " + p +
           "\n[[antenna]]\nname = \"B\"\ncorners = [[0, " + y + ", 8], [20, " + y +
           ", 8]]\n[[antenna.band]]\nfrequency = 10.1\npower = " + p + "\n";
}

// The largest (share / 100)^2 over an antenna's bands at place k.
double quotient(const Assessment& a, std::size_t k, bool h) {
    double q = 0;
    for (const BandResult& b : a.bands) {
        const double share = (h ? b.places[k].hPercent : b.places[k].ePercent) / 100;
        q = std::max(q, share * share);
    }
    return q;
}

TEST(SiteAssessment, APlaceAddsTheAntennasAtTheSameTimeAndTakesTheLargestOtherwise) {
    for (bool simultaneous : {true, false}) {
        SCOPED_TRACE(simultaneous);
        const Installation site = parseInstallation(twoWires(6, simultaneous), "s.toml");
        const SiteAssessment all = assessInstallation(site, {}, nullptr);
        ASSERT_EQ(all.site.places.size(), 2u);
        for (std::size_t k = 0; k < 2; ++k)
            for (bool h : {false, true}) {
                // Each antenna alone, as a station of its own.
                const double a = quotient(assessStation(site.antennas[0], {}), k, h);
                const double b = quotient(assessStation(site.antennas[1], {}), k, h);
                const double expected = simultaneous ? a + b : std::max(a, b);
                const PlaceQuotients& p = all.site.places[k];
                EXPECT_NEAR(h ? p.h : p.e, expected, 1e-12 * expected) << k << h;
                EXPECT_GT(std::min(a, b), 0);
            }
    }
}

TEST(SiteAssessment, TheTimeOnAirScalesTheFieldByItsRoot) {
    const std::string base = "title = \"t\"\ncorners = [[0, 0, 8], [20, 0, 8]]\n"
                             "[grid]\nx = [-6, 26]\ny = [-6, 6]\nstep = 4\nheights = [2]\n"
                             "[[place]]\nname = \"p\"\nat = [5, 3, 2]\n"
                             "[[band]]\nfrequency = 7.1\npower = 400\nmode_factor = 0.5\n";
    const Assessment full = assessStation(parseStation(base, "a.toml"), {});
    const Assessment quarter =
        assessStation(parseStation(base + "transmit_share = 0.25\n", "b.toml"), {});
    const PlaceResult& p1 = full.bands[0].places[0];
    const PlaceResult& p4 = quarter.bands[0].places[0];
    EXPECT_DOUBLE_EQ(quarter.bands[0].feedPower, 50);
    EXPECT_NEAR(p4.field.e, p1.field.e / 2, 1e-12 * p1.field.e);
    EXPECT_NEAR(p4.field.h, p1.field.h / 2, 1e-12 * p1.field.h);
    EXPECT_NEAR(quarter.bands[0].e.value, full.bands[0].e.value / 2, 1e-12 * full.bands[0].e.value);
}

TEST(SiteAssessment, OneAtATimeTheZoneIsTheUnionAndAtTheSameTimeItGrows) {
    // Far apart, their zones do not meet: the union's distances are the
    // antennas' own, measured from the nearest wire.
    {
        const Installation site = parseInstallation(twoWires(40, false), "far.toml");
        const SiteAssessment all = assessInstallation(site, {}, nullptr);
        const ZoneResult& z = all.site.zone;
        ASSERT_TRUE(z.problem.empty()) << z.problem;
        const double own = std::max(all.antennas[0].safetyDistance, all.antennas[1].safetyDistance);
        EXPECT_NEAR(z.safetyDistance.value, own, 0.06);
        EXPECT_NEAR(z.lowest.value, std::min(*all.antennas[0].lowest, *all.antennas[1].lowest),
                    0.06);
    }
    // Close together at the same time, each adds to the other's field: the
    // site's zone reaches farther than either's (and than their union).
    {
        const Installation together = parseInstallation(twoWires(3, true, 3000), "s.toml");
        const Installation apart = parseInstallation(twoWires(3, false, 3000), "u.toml");
        const SiteAssessment sum = assessInstallation(together, {}, nullptr);
        const SiteAssessment onlyOne = assessInstallation(apart, {}, nullptr);
        ASSERT_TRUE(sum.site.zone.problem.empty()) << sum.site.zone.problem;
        ASSERT_TRUE(onlyOne.site.zone.problem.empty()) << onlyOne.site.zone.problem;
        EXPECT_GT(sum.site.zone.safetyDistance.value, onlyOne.site.zone.safetyDistance.value + 0.1);
        EXPECT_LE(onlyOne.site.zone.safetyDistance.value,
                  std::max(onlyOne.antennas[0].safetyDistance, onlyOne.antennas[1].safetyDistance) +
                      0.06);
        // The grid's summed quotients are what the map shows.
        EXPECT_GT(sum.site.gridE, 0);
        EXPECT_EQ(sum.site.map.percent.size(), 9u * 4u);
    }
}

} // namespace
} // namespace kvarn
