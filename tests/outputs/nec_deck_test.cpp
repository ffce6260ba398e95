// A station's NEC-2 deck: nec2c runs the deck of every model and ground,
// gives the engine's feed impedance and computes the station's grid at
// every height; read in NEC-2's columns, the cards are the engine's wire,
// feed and ground.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <tuple>

#include "field/grid.h"
#include "mom/analysis.h"
#include "outputs/nec_deck.h"
#include "station/moment_spec.h"
#include "station/station_reader.h"
#include "support/nec_reference.h"

namespace kvarn {
namespace {

const std::string kDipole = "model = \"mom\"\ncorners = [[-5, 0, 10], [5, 0, 10]]\nfeed = 5\n";
const std::string kBent = "model = \"mom\"\ncorners = [[0, 0, 10], [12, 0, 10], [12, 8, 10]]\n"
                          "feed = 11.8\n"; // on the last segment of the first piece
const std::string kRepeated = "corners = [[0, 0, 7], [20, 0, 7], [20, 0, 7], [40, 0, 4]]\n";
const std::string kPerfect = "[ground]\nkind = \"perfect\"\n";
const std::string kGrid = "[grid]\nx = [-4, 4]\ny = [-3, 3]\nstep = 2\nheights = [1, 2]\n";

Station station(const std::string& keys, const std::string& ground, double f,
                const std::string& grid = kGrid) {
    return parseStation("title = \"deck\"\n" + keys + ground + grid +
                            "[[band]]\nfrequency = " + std::to_string(f) + "\npower = 100\n",
                        "deck.toml");
}

using Points = std::vector<std::array<long, 3>>; // mm

TEST(NecDeck, Nec2cRunsEveryModelAndGroundOnTheGridAndGivesTheEnginesImpedance) {
    Station noGrid = station(kDipole, "", 14.2);
    noGrid.hasGrid = false;
    const std::string uneven = "[grid]\nx = [-3, 4.5]\ny = [-2, 3.5]\nstep = 1\nheights = [1]\n";
    const std::string wide = "[grid]\nx = [0, 10000]\ny = [0, 1]\nstep = 1\nheights = [1]\n";
    const struct {
        const char* name;
        Station station;
        bool compare; // nec2c's feed impedance against the engine's
    } cases[] = {
        {"dipole, free space", station(kDipole, "", 14.2), true},
        {"dipole, perfect ground", station(kDipole, kPerfect, 14.2, uneven), true},
        {"bent wire off-centre, free space", station(kBent, "", 14.2, wide), true},
        {"bent wire off-centre, perfect ground", station(kBent, kPerfect, 7.1), true},
        {"dipole, no grid (XQ)", noGrid, true},
        {"dipole, average soil",
         station(kDipole, "[ground]\nkind = \"real\"\nsoil = \"average\"\n", 14.2), false},
        {"standing-wave model", station(kRepeated, "", 7.1), false},
        {"short model", station("model = \"short\"\ncorners = [[0, 0, 7], [12, 0, 7]]\n", "", 7.1),
         false},
    };
    std::printf("%-38s %22s %22s\n", "station", "Z kvarn (ohm)", "Z nec2c (ohm)");
    for (const auto& c : cases) {
        const NecDeck deck = necDeck(c.station, 0);
        ASSERT_TRUE(deck.ok()) << c.name << ": " << deck.reason;
        const mom::testing::NecResult nec = mom::testing::runNecDeck(deck.text);
        ASSERT_TRUE(nec.finished) << c.name << ": nec2c refused the deck\n" << deck.text;
        EXPECT_GT(nec.r, 0) << c.name << ": no feed impedance";
        EXPECT_EQ(nec.ran, c.station.hasGrid) << c.name << ": E and H at every point, or none";
        Points grid, computed;
        const GridAxes axes = layGrid(c.station.grid);
        for (double z : c.station.hasGrid ? c.station.heights : std::vector<double>{})
            for (double y : axes.ys)
                for (double x : axes.xs)
                    grid.push_back(
                        {std::lround(x * 1e3), std::lround(y * 1e3), std::lround(z * 1e3)});
        for (const mom::testing::NecPoint& p : nec.points)
            computed.push_back(
                {std::lround(p.x * 1e3), std::lround(p.y * 1e3), std::lround(p.z * 1e3)});
        std::sort(grid.begin(), grid.end());
        std::sort(computed.begin(), computed.end());
        EXPECT_EQ(computed, grid) << c.name;
        if (!c.compare) continue;
        const double f = c.station.bands[0].frequency;
        const mom::WireAnalysis ours = mom::analyseWire(momSpec(c.station, f), 100);
        ASSERT_TRUE(ours.ok()) << ours.reason;
        const mom::Complex z = ours.summary.impedance, zNec{nec.r, nec.x};
        std::printf("%-38s %10.3f %+10.3fj %10.3f %+10.3fj\n", c.name, z.real(), z.imag(), nec.r,
                    nec.x);
        EXPECT_LT(std::abs(z - zNec), 0.02 * std::abs(zNec)) << c.name;
        // The deck holds the engine's wire to seven digits.
        EXPECT_LT(std::abs(z - zNec), 1e-3 * std::abs(zNec)) << c.name;
    }
}

TEST(NecDeck, CardsInNec2sColumnsAreTheEnginesWireFeedAndGround) {
    const Station cases[] = {
        station(kBent, kPerfect, 14.2),
        station(kDipole, "[ground]\nkind = \"real\"\npermittivity = 7\nconductivity = 0.0123\n",
                3.65),
        station(kRepeated, "", 7.1),
    };
    for (const Station& s : cases) {
        const double f = s.bands[0].frequency;
        std::istringstream in(necDeck(s, 0).text);
        std::vector<std::array<double, 10>> gw; // I I F F F F F F F
        long feed = -1, gn = 0;                 // the feed segment, from 0 along the wire
        for (std::string line; std::getline(in, line);) {
            // As NEC-2 reads them: (A2, I3, I5, 7F10.5) for GW and GE, else
            // (A2, I3, 3I5, 6E10.3). nec2c reads CM and CE lines only first.
            const std::string name = line.substr(0, 2), text = line + std::string(80, ' ');
            if (name == "CM" || name == "CE") continue;
            std::array<double, 10> v{};
            const int integers = name == "GW" || name == "GE" ? 2 : 4;
            const auto width = [integers](int k) { return k == 0 ? 3 : k < integers ? 5 : 10; };
            for (int k = 0, at = 2; at < 80; at += width(k++))
                v[k] = std::atof(text.substr(at, width(k)).c_str());
            if (name == "GW") gw.push_back(v);
            EXPECT_TRUE(name != "GE" || v[0] == (s.ground == GroundKind::free ? 0 : 1));
            if (name == "GN") {
                ++gn;
                EXPECT_EQ(v[0], s.ground == GroundKind::perfect ? 1 : 2);
                EXPECT_TRUE(s.ground != GroundKind::real ||
                            (v[4] == s.soil.permittivity && v[5] == s.soil.conductivity));
            }
            if (name == "EX") {
                feed = static_cast<long>(v[2]) - 1;
                for (const auto& g : gw) {
                    if (g[0] < v[1]) feed += static_cast<long>(g[1]);
                    EXPECT_TRUE(g[0] != v[1] || (v[2] >= 1 && v[2] <= g[1])) << line;
                }
                EXPECT_EQ(v[0], 0);
                EXPECT_EQ(v[4], 1.0);
            }
            EXPECT_TRUE(name != "FR" || v[4] == f) << line;
        }
        EXPECT_EQ(gn, s.ground == GroundKind::free ? 0 : 1);
        // The station's corners, a repeated one left out, end to end.
        std::vector<std::vector<double>> corners;
        for (const CornerPoint& p : s.corners)
            if (corners.empty() || corners.back() != std::vector{p.x, p.y, p.z})
                corners.push_back({p.x, p.y, p.z});
        ASSERT_EQ(gw.size() + 1, corners.size());
        for (std::size_t k = 0; k < gw.size(); ++k) {
            EXPECT_EQ(gw[k][0], k + 1.0);
            EXPECT_EQ(gw[k][1], mom::testing::necSegments(
                                    mom::testing::distance(corners[k], corners[k + 1]), f));
            EXPECT_EQ(std::vector(gw[k].begin() + 2, gw[k].begin() + 5), corners[k]);
            EXPECT_EQ(std::vector(gw[k].begin() + 5, gw[k].begin() + 8), corners[k + 1]);
            EXPECT_EQ(gw[k][8], 0.001); // the 2 mm wire's radius
        }
        EXPECT_EQ(feed, isExact(s.model)
                            ? 0
                            : static_cast<long>(mom::segmentWire(momSpec(s, f)).wire.feedSegment));
    }
}

TEST(NecDeck, RefusesABandItDoesNotHaveAndAWireTheEngineCannotCut) {
    const Station dipole = station(kDipole, "", 14.2);
    const Station long146 = station("corners = [[0, 0, 10], [800, 0, 10]]\n", "", 146);
    for (const auto& [s, band, says] : {std::tuple{dipole, 1u, "no band 2"},
                                        std::tuple{long146, 0u, "segments at this frequency"}}) {
        const NecDeck deck = necDeck(s, band);
        EXPECT_NE(deck.reason.find(says), std::string::npos) << deck.reason;
        EXPECT_EQ(deck.text, "");
    }
}

} // namespace
} // namespace kvarn
