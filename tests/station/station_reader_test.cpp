// Station files: what a good one gives, and every fault named with its
// place and what would be accepted.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "forms/number_text.h"
#include "station/station_reader.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;

// Line by line, so the faults' places can be told.
const std::string kGood = "title = \"dipol\"\n"                                // 1
                          "model = \"standing-wave\"\n"                        // 2
                          "corners = [[0, 0, 10], [20, 0, 10], [40, 0, 10]]\n" // 3
                          "modes = [\"E\", \"m\", \"Z\"]\n"                    // 4
                          "[grid]\n"                                           // 5
                          "x = [-10, 50]\n"                                    // 6
                          "y = [-10, 10]\n"                                    // 7
                          "step = 1\n"                                         // 8
                          "heights = [0.5, 2.0]\n"                             // 9
                          "[[band]]\n"                                         // 10
                          "frequency = 3.65\n"                                 // 11
                          "power = 100\n"                                      // 12
                          "[[band]]\n"                                         // 13
                          "frequency = 7.1\n"                                  // 14
                          "power = 400\n"                                      // 15
                          "mode_factor = 0.5\n"                                // 16
                          "loss_db = 1.5\n"                                    // 17
                          "[limits]\n"                                         // 18
                          "set = \"fcc\"\n";                                   // 19

// The good file with one line replaced (1-based), or a line added at the end.
std::string withLine(int line, const std::string& text) {
    std::string result;
    int n = 1;
    std::size_t from = 0;
    while (from < kGood.size()) {
        const std::size_t end = kGood.find('\n', from);
        result += (n == line ? text : kGood.substr(from, end - from)) + "\n";
        from = end + 1;
        ++n;
    }
    if (line >= n) result += text + "\n";
    return result;
}

TEST(StationReader, GoodFileGivesTheStation) {
    const Station s = parseStation(kGood, "good.toml");
    EXPECT_EQ(s.title, "dipol");
    EXPECT_EQ(s.model, ModelKind::standingWave);
    ASSERT_EQ(s.corners.size(), 3u);
    EXPECT_EQ(s.corners[2].x, 40.0);
    EXPECT_EQ(s.wireLength, 40.0);
    EXPECT_EQ(s.reportModes, modeBit('E') | modeBit('M') | modeBit('Z'));
    EXPECT_EQ(s.grid.xanf, -10.0);
    EXPECT_EQ(s.grid.xend, 50.0);
    EXPECT_EQ(s.grid.yanf, -10.0);
    EXPECT_EQ(s.grid.yend, 10.0);
    EXPECT_EQ(s.grid.step, 1.0);
    EXPECT_EQ(s.heights, (std::vector<double>{0.5, 2.0}));
    ASSERT_EQ(s.bands.size(), 2u);
    EXPECT_EQ(s.bands[1].power, 400.0);
    EXPECT_EQ(s.bands[1].modeFactor, 0.5);
    EXPECT_EQ(s.bands[1].lossDb, 1.5);
    EXPECT_EQ(s.bands[0].modeFactor, 1.0);
    EXPECT_EQ(s.limits, LimitSet::fcc);
    // Defaults: title, model, modes and limit set.
    std::string bare = withLine(1, "");
    bare = bare.substr(0, bare.find("[limits]"));
    bare.replace(bare.find("model"), bare.find('\n', bare.find("model")) - bare.find("model"), "");
    bare.replace(bare.find("modes"), bare.find('\n', bare.find("modes")) - bare.find("modes"), "");
    const Station d = parseStation(bare, "d.toml");
    EXPECT_EQ(d.title, "antenne");
    EXPECT_EQ(d.model, ModelKind::standingWave);
    EXPECT_EQ(d.reportModes, modeBit('E') | modeBit('M'));
    EXPECT_EQ(d.limits, LimitSet::bimschv26);
}

TEST(StationReader, NumbersAreTheFormsDoubles) {
    for (const char* text : {"3.65", "7.1", "14.2", "0.1", "146", "28.5", "1.234", "99999.9"}) {
        double typed = 0;
        ASSERT_TRUE(convertNumber(text, typed));
        std::string file = withLine(6, std::string("x = [") + text + ", " + text + "]");
        file.replace(file.find("step = 1"), 8, "step = 1000"); // moves on at any of them
        EXPECT_EQ(parseStation(file, "n.toml").grid.xanf, typed) << text;
    }
    // -0 is 0, in a file name as anywhere.
    const Station zero = parseStation(withLine(9, "heights = [-0.0, 2]"), "z.toml");
    EXPECT_FALSE(std::signbit(zero.heights[0]));
}

TEST(StationReader, EveryFaultNamesItsPlaceAndWhatIsAccepted) {
    struct Case {
        int line;          // replaced (or added past the end)
        std::string text;  //
        std::string where; // "file:line:column: key"
        std::string accepted;
    } cases[] = {
        {3, "", "f.toml:1:1: corners", "missing"},
        {3, "corners = \"here\"", "f.toml:3:11: corners", "expected 2 to 10 corners"},
        {3,
         "corners = [[0, 0, 10], [1, 0, 10], [2, 0, 10], [3, 0, 10], [4, 0, 10], [5, 0, 10], "
         "[6, 0, 10], [7, 0, 10], [8, 0, 10], [9, 0, 10], [10, 0, 10]]",
         "f.toml:3:11: corners", "found 11"},
        {3, "corners = [[0, 0, 10], [801, 0, 10]]", "f.toml:3:11: corners",
         "801 m (each segment rounded to whole metres); accepted: 1 to 800 m"},
        {3, "corners = [[0, 0, 10], [40, 0, \"10\"]]", "corners[2][3]", "expected a number"},
        {3, "corners = [[0, 0, 10], [40, 0, inf]]", "corners[2][3]", "finite number"},
        {3, "corners = [[0, 0, 10], [40, 0]]", "corners[2]", "array of 3 numbers"},
        {2, "model = \"long\"", "f.toml:2:9: model", "\"standing-wave\", \"short\" or \"mom\""},
        {1, "title = \"../x\"", "f.toml:1:9: title", "1 to 12 letters"},
        {1, "title = \"..\"", "title", "not \".\" or \"..\""},
        {1, "title = \"thirteen_char\"", "title", "1 to 12"},
        {4, "modes = [\"E\", \"X\"]", "modes[2]", "one of R, T, E, M, Z"},
        {4, "modes = [\"E\", \"e\"]", "modes[2]", "listed twice"},
        {6, "x = [50, -10]", "f.toml:6:5: grid.x", "first <= last"},
        {7, "y = [10]", "grid.y", "array of 2 numbers"},
        {8, "step = 0", "f.toml:8:8: grid.step", "above 0"},
        {8, "step = nan", "grid.step", "finite number"},
        {8, "step = 0.00001", "grid", "at most 4000000"},
        // An integer no double holds is taken to the nearest double, which
        // is then refused for its size.
        {6, "x = [444444444444444441, 444444444444444441]", "f.toml:6:5: grid.x",
         "coordinates from -100000 to 100000 m"},
        {3, "corners = [[0, 0, 10], [40, 0, 1e155]]", "f.toml:3:24: corners[2]",
         "coordinates from -100000 to 100000 m"},
        {9, "heights = []", "grid.heights", "1 to 100 numbers"},
        {9, "heights = [2, -2]", "f.toml:9:15: grid.heights[2]", "above the ground, 0 to 10000 m"},
        {9, "heights = [2, 1e155]", "grid.heights[2]", "0 to 10000 m"},
        {9, "heights = [0.5, 2, 0.5]", "f.toml:9:20: grid.heights[3]", "listed twice"},
        {9, "height = [2]", "f.toml:9:1: grid.height", "unknown key; accepted here: x, y, step"},
        {11, "frequency = 3.4", "f.toml:11:13: band[1].frequency",
         "refused for this 40 m wire; accepted: above 3.40909 MHz and at most 146 MHz"},
        {11, "frequency = 146.5", "band[1].frequency", "at most 146 MHz"},
        {11, "frequncy = 3.65", "band[1].frequncy", "unknown key"},
        {12, "power = -5", "f.toml:12:9: band[1].power", "above 0 W"},
        {12, "power = true", "band[1].power", "found true or false"},
        {12, "power = 1.1e7", "band[1].power", "at most 10 MW"},
        {16, "mode_factor = 1.5", "band[2].mode_factor", "above 0 and at most 1"},
        {17, "loss_db = -1", "band[2].loss_db", "0 to 100 dB"},
        {17, "loss_db = 120", "band[2].loss_db", "0 to 100 dB"},
        {19, "set = \"icnirp1998\"", "f.toml:19:7: limits.set",
         "\"26bimschv\", \"icnirp2020\" or \"fcc\""},
        {20, "colour = \"red\"", "f.toml:20:1: limits.colour", "unknown key"},
        {4, "modes = [\"E\"", "f.toml:", "not valid TOML"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseStation(withLine(c.line, c.text), "f.toml");
            ADD_FAILURE() << "accepted";
        } catch (const StationError& e) {
            ASSERT_FALSE(e.faults().empty());
            EXPECT_THAT(e.faults().front(), HasSubstr(c.where));
            EXPECT_THAT(e.faults().front(), HasSubstr(c.accepted));
        }
    }
    // A step too small to move on from coordinates this large: the fault
    // points at the step.
    std::string far = withLine(6, "x = [99999, 100000]");
    far.replace(far.find("step = 1"), 8, "step = 1e-12");
    EXPECT_THAT([&] { parseStation(far, "f.toml"); },
                ::testing::ThrowsMessage<StationError>(HasSubstr("f.toml:8:8: grid.step: the step "
                                                                 "is too small")));
}

TEST(StationReader, ShortModelAndLimitSetRefuseBandsTheyDoNotCover) {
    // 40 m: the short model suits 1.875 to 3.41 MHz; the form's own bound
    // (75 / 1.1 / 40 = 1.70 MHz) lets 1.8 MHz through to the ratio check.
    const std::string shortWire = withLine(2, "model = \"short\"");
    for (const char* freq : {"1.8", "3.65"}) {
        std::string text = shortWire;
        text.replace(text.find("3.65"), 4, freq);
        EXPECT_THAT(
            [&] { parseStation(text, "s.toml"); },
            ::testing::ThrowsMessage<StationError>(HasSubstr("does not suit this 40 m wire")))
            << freq;
    }
    std::string suits = shortWire;
    suits.replace(suits.find("3.65"), 4, "3.0");
    suits.replace(suits.find("7.1"), 3, "2.5");
    EXPECT_EQ(parseStation(suits, "s.toml").model, ModelKind::shortWire);
    // 0.099 MHz on 800 m with the short model: below every set but the FCC's.
    const std::string low = "corners = [[0, 0, 10], [800, 0, 10]]\nmodel = \"short\"\n"
                            "[grid]\nx = [0, 1]\ny = [0, 1]\nstep = 1\nheights = [2]\n"
                            "[[band]]\nfrequency = 0.099\npower = 1\n";
    EXPECT_THAT([&] { parseStation(low, "low.toml"); },
                ::testing::ThrowsMessage<StationError>(HasSubstr("no reference levels")));
    EXPECT_NO_THROW(parseStation(low + "[limits]\nset = \"fcc\"\n", "low.toml"));
}

TEST(StationReader, UnreadableFilesAreNamed) {
    testing::TempDir dir;
    std::filesystem::create_directory("adir");
    for (const char* path : {"missing.toml", "adir"}) {
        try {
            readStation(path);
            ADD_FAILURE() << path;
        } catch (const StationError& e) {
            EXPECT_THAT(e.what(), HasSubstr(std::string(path) + ": cannot read the station file"));
        }
    }
    std::ofstream("good.toml") << kGood;
    EXPECT_EQ(readStation("good.toml").title, "dipol");
}

TEST(StationReader, RefusesWhatIsNoStationFileWithoutReadingItAll) {
    testing::TempDir dir;
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    // A file of 1 MB and a byte more: comments are valid TOML, so only the
    // size refuses it.
    std::ofstream("big.toml") << kGood << std::string(1 << 20, '#');
    const struct {
        const char* path;
        const char* why;
    } cases[] = {
        {"pipe", "not a regular file"}, // no writer: would block for ever
        {"/dev/zero", "not a regular file"},
        {"big.toml", "larger than 1 MB"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT([&] { readStation(c.path); },
                    ::testing::ThrowsMessage<StationError>(HasSubstr(c.why)))
            << c.path;
    }
}

// A station for the method of moments, line by line.
const std::string kMoments = "model = \"mom\"\n"                             // 1
                             "corners = [[0, 0, 10], [20.25, 0, 10.5]]\n"    // 2
                             "feed = 10.125\n"                               // 3
                             "wire_diameter_mm = 1.5\n"                      // 4
                             "[ground]\n"                                    // 5
                             "kind = \"perfect\"\n"                          // 6
                             "[grid]\nx = [-5, 25]\ny = [-5, 5]\nstep = 1\n" // 7-10
                             "heights = [0.5, 2]\n"                          // 11
                             "[[band]]\nfrequency = 7.1\npower = 100\n";     // 12-14

std::string momLine(int line, const std::string& text) {
    std::string result;
    int n = 1;
    for (std::size_t from = 0; from < kMoments.size(); ++n) {
        const std::size_t end = kMoments.find('\n', from);
        result += (n == line ? text : kMoments.substr(from, end - from)) + "\n";
        from = end + 1;
    }
    if (line >= n) result += text + "\n";
    return result;
}

TEST(StationReader, MethodOfMomentsKeysAndTheirFaults) {
    const Station s = parseStation(kMoments, "m.toml");
    EXPECT_EQ(s.model, ModelKind::methodOfMoments);
    EXPECT_NEAR(s.wireLength, std::hypot(20.25, 0.5), 1e-12) << "no whole metres for this model";
    EXPECT_EQ(s.feed, 10.125);
    EXPECT_EQ(s.wireDiameterMm, 1.5);
    EXPECT_EQ(s.ground, GroundKind::perfect);
    EXPECT_EQ(s.reportModes, 0) << "no report files of their own";

    struct Case {
        std::string text; // the whole file
        std::string where, accepted;
    } cases[] = {
        // The exact models know no feed, diameter or ground.
        {withLine(1, "title = \"dipol\"\nfeed = 3"), "f.toml:2:8: feed",
         "belongs to model \"mom\" only"},
        {withLine(1, "wire_diameter_mm = 3"), "wire_diameter_mm", "know no wire diameter"},
        {withLine(20, "[ground]\nkind = \"perfect\""), "ground.kind", "a ground needs model"},
        // The method of moments needs its feed on the wire.
        {momLine(3, ""), "m.toml:1:1: feed", "missing"},
        {momLine(3, "feed = 21"), "m.toml:3:8: feed", "beyond the end of the wire"},
        {momLine(4, "wire_diameter_mm = 0"), "wire_diameter_mm", "above 0 and at most 100 mm"},
        {momLine(6, "kind = \"soft\""), "ground.kind", "\"free\", \"perfect\" or \"real\""},
        {momLine(2, "corners = [[0, 0, 0], [20, 0, 10]]"), "m.toml:2:12: corners[1]",
         "at least 0.00375 m up"},
        {momLine(11, "heights = [0, 2]"), "grid.heights[1]", "above 0 to 10000 m"},
        {momLine(1, "model = \"mom\"\nmodes = [\"E\"]"), "modes", "only an empty list"},
        {momLine(2, "corners = [[0, 0, 10], [800, 0, 10]]") + "[[band]]\nfrequency = 146\n"
                                                              "power = 1\n",
         "band[2].frequency", "is refused for this wire: the wire needs"},
        {momLine(13, "frequency = 147"), "band[1].frequency", "above 0 and at most 146 MHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseStation(c.text, c.where.rfind("m.toml", 0) == 0 ? "m.toml" : "f.toml");
            ADD_FAILURE() << "accepted";
        } catch (const StationError& e) {
            bool found = false;
            for (const std::string& fault : e.faults())
                found = found || (fault.find(c.where) != std::string::npos &&
                                  fault.find(c.accepted) != std::string::npos);
            EXPECT_TRUE(found) << e.faults().front();
        }
    }
    // An empty modes list is accepted.
    EXPECT_NO_THROW(parseStation(momLine(1, "model = \"mom\"\nmodes = []"), "m.toml"));
}

TEST(StationReader, RealGroundByNameOrByItsConstants) {
    const Station named = parseStation(momLine(6, "kind = \"real\"\nsoil = \"poor\""), "m.toml");
    EXPECT_EQ(named.ground, GroundKind::real);
    EXPECT_EQ(named.soil.name, "poor");
    EXPECT_EQ(named.soil.permittivity, 5);
    EXPECT_EQ(named.soil.conductivity, 0.001);
    const Station given = parseStation(
        momLine(6, "kind = \"real\"\npermittivity = 15\nconductivity = 0.002"), "m.toml");
    EXPECT_TRUE(given.soil.name.empty());
    EXPECT_EQ(given.soil.permittivity, 15);
    EXPECT_EQ(given.soil.conductivity, 0.002);
    const struct {
        std::string line, where, accepted;
    } cases[] = {
        {"kind = \"real\"\nsoil = \"mud\"", "ground.soil",
         "\"poor\", \"average\", \"good\", \"sea\" or \"city\""},
        {"kind = \"real\"\nsoil = \"poor\"\npermittivity = 5", "ground.soil", "not both"},
        {"kind = \"real\"\npermittivity = 1\nconductivity = 0", "ground.permittivity", "above 1"},
        {"kind = \"real\"\npermittivity = 13", "ground.conductivity", "missing"},
        {"kind = \"perfect\"\nsoil = \"poor\"", "ground", "belong to kind = \"real\" only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_THAT([&] { parseStation(momLine(6, c.line), "m.toml"); },
                    ::testing::ThrowsMessage<StationError>(
                        ::testing::AllOf(HasSubstr(c.where), HasSubstr(c.accepted))));
    }
}

TEST(StationReader, SiteAndPlacesAndTheirFaults) {
    const std::string site = "[site]\nboundary = [[-5, -8], [60, -8], [60, 12], [-5, 12]]\n"
                             "public_height = 2.5\nnorth = 30\n"
                             "[[place]]\nname = \"Fenster Nachbar\"\nat = [12.0, 15.0, 4.5]\n";
    const Station s = parseStation(kMoments + site, "m.toml");
    ASSERT_TRUE(s.site.has_value());
    EXPECT_EQ(s.site->boundary.size(), 4u);
    EXPECT_EQ(s.site->publicHeight, 2.5);
    EXPECT_EQ(s.site->north, 30);
    ASSERT_EQ(s.places.size(), 1u);
    EXPECT_EQ(s.places[0].name, "Fenster Nachbar");
    EXPECT_EQ(s.places[0].z, 4.5);
    // With a site the grid may be left out.
    std::string noGrid = kMoments;
    noGrid.erase(noGrid.find("[grid]"), noGrid.find("[[band]]") - noGrid.find("[grid]"));
    const Station bare = parseStation(noGrid + site, "m.toml");
    EXPECT_FALSE(bare.hasGrid);
    EXPECT_THAT([&] { parseStation(noGrid, "m.toml"); },
                ::testing::ThrowsMessage<StationError>(HasSubstr("or a [site]")));

    const struct {
        std::string text, where, accepted;
    } cases[] = {
        {"[site]\nboundary = [[0, 0], [10, 10], [10, 0], [0, 10]]\n", "m.toml:16:12: site.boundary",
         "crosses or touches itself"},
        {"[site]\nboundary = [[0, 0], [10, 0]]\n", "site.boundary", "expected 3 to 200 corners"},
        {"[site]\nboundary = [[0, 0], [10, 0], [10, 10]]\npublic_height = -1\n",
         "site.public_height", "0 to 10000 m"},
        {"[site]\nboundary = [[0, 0], [10, 0], [10, 10]]\nnort = 3\n", "site.nort", "unknown key"},
        {"[[place]]\nname = \"Keller\"\nat = [1, 2, -1]\n", "m.toml:17:6: place[1].at",
         "a place at or above the ground"},
        {"[[place]]\nname = \"" + std::string(41, 'x') + "\"\nat = [1, 2, 1]\n", "place[1].name",
         "1 to 40 characters"},
        {"[[place]]\nname = \"\"\nat = [1, 2, 1]\n", "place[1].name", "1 to 40 characters"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseStation(kMoments + c.text, "m.toml");
            ADD_FAILURE() << "accepted";
        } catch (const StationError& e) {
            EXPECT_THAT(e.faults().front(), HasSubstr(c.where));
            EXPECT_THAT(e.faults().front(), HasSubstr(c.accepted));
        }
    }
    // Forty umlauts are forty characters.
    std::string umlauts;
    for (int k = 0; k < 40; ++k)
        umlauts += "\u00fc";
    EXPECT_NO_THROW(parseStation(
        kMoments + "[[place]]\nname = \"" + umlauts + "\"\nat = [1, 2, 1]\n", "m.toml"));
}

} // namespace
} // namespace kvarn
