// Station files of several antennas: what each antenna takes from the
// station, the time on the air, the language and the record's names, and
// their faults.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "station/station_reader.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;

// The station's own keys (`top`, before its tables), its grid and ground,
// then `rest`.
std::string stationFile(const std::string& top, const std::string& rest) {
    return "title = \"standort\"\n" + top +
           "[grid]\nx = [-5, 45]\ny = [-5, 5]\nstep = 1\nheights = [2]\n"
           "[ground]\nkind = \"perfect\"\n" +
           rest;
}

std::string antenna(const std::string& name, const std::string& band = "frequency = 7.1\n"
                                                                       "power = 100\n") {
    return "[[antenna]]\nname = \"" + name +
           "\"\nmodel = \"mom\"\ncorners = [[0, 0, 10], [40, 0, 10]]\nfeed = 20\n"
           "[[antenna.band]]\n" +
           band;
}

TEST(InstallationReader, EachAntennaHasItsOwnWireAndBandsAndTheStationsSettings) {
    const Installation site = parseInstallation(
        stationFile("",
                    "[site]\noperator = \"Erika Mustermann\"\ncallsign = \"DL0XYZ\"\n"
                    "simultaneous = true\n" +
                        antenna("Dipol", "frequency = 3.65\npower = 750\ntransmit_share = 0.25\n") +
                        "[[antenna]]\nname = \"Langdraht\"\ncorners = [[0, 5, 8], [20, 5, 8]]\n"
                        "[[antenna.band]]\nfrequency = 14.2\npower = 100\n"),
        "s.toml");
    ASSERT_EQ(site.antennas.size(), 2u);
    EXPECT_TRUE(site.simultaneous());
    const Station& dipole = site.antennas[0];
    const Station& wire = site.antennas[1];
    EXPECT_EQ(dipole.antennaName, "Dipol");
    EXPECT_EQ(wire.antennaName, "Langdraht");
    EXPECT_EQ(dipole.bands.at(0).transmitShare, 0.25);
    EXPECT_EQ(wire.bands.at(0).transmitShare, 1);
    EXPECT_TRUE(isExact(wire.model));
    EXPECT_FALSE(isExact(dipole.model));
    // The station's settings reach every antenna.
    for (const Station& s : site.antennas) {
        EXPECT_EQ(s.title, "standort");
        EXPECT_EQ(s.grid.step, 1);
        ASSERT_TRUE(s.site.has_value());
        EXPECT_EQ(s.site->operatorName, "Erika Mustermann");
        EXPECT_EQ(s.site->callsign, "DL0XYZ");
        EXPECT_EQ(s.language, Language::de) << "the default with the German limits";
    }
    // A file of one antenna is one antenna, as before, and may give the time on air too.
    const Installation one = parseInstallation(
        "corners = [[0, 0, 10], [40, 0, 10]]\n[grid]\nx = [0, 1]\ny = [0, 1]\nstep = 1\n"
        "heights = [2]\n[[band]]\nfrequency = 7.1\npower = 1\ntransmit_share = 0.5\n"
        "[limits]\nset = \"fcc\"\n",
        "o.toml");
    ASSERT_EQ(one.antennas.size(), 1u);
    EXPECT_EQ(one.first().bands[0].transmitShare, 0.5);
    EXPECT_EQ(one.first().language, Language::en) << "the default with other limits";
    EXPECT_EQ(parseInstallation(stationFile("language = \"en\"\n", antenna("A")), "l.toml")
                  .first()
                  .language,
              Language::en);
}

TEST(InstallationReader, FaultsOfAntennasNamesAndTheRecordNameTheirPlace) {
    const struct {
        std::string top, text, where, accepted;
    } cases[] = {
        {"", antenna("A", "frequency = 7.1\npower = 1\ntransmit_share = 1.5\n"),
         "antenna[1].band[1].transmit_share", "above 0 and at most 1"},
        {"", antenna("A", "frequency = 7.1\npower = 1\ntransmit_share = 0\n"),
         "antenna[1].band[1].transmit_share", "above 0 and at most 1"},
        {"", antenna("A") + antenna("A"), "antenna[2].name", "names another antenna already"},
        {"", antenna("B\\u0007"), "antenna[1].name", "no line breaks or other control characters"},
        {"", antenna(std::string(41, 'x')), "antenna[1].name", "1 to 40 characters"},
        {"",
         antenna("A") + "[[antenna]]\ncorners = [[0, 0, 10], [40, 0, 10]]\n[[antenna.band]]\n"
                        "frequency = 7.1\npower = 1\n",
         "antenna[2].name", "missing"},
        {"corners = [[0, 0, 10], [40, 0, 10]]\n", antenna("A"), "corners",
         "belongs in an [[antenna]] table"},
        {"language = \"fr\"\n", antenna("A"), "language", "\"de\" or \"en\""},
        {"", "[site]\noperator = \"a\\u001bb\"\n" + antenna("A"), "site.operator",
         "no line breaks or other control characters"},
        {"", "[site]\nsimultaneous = 1\n" + antenna("A"), "site.simultaneous",
         "expected true or false"},
        {"", "[site]\ncallsign = \"\"\n" + antenna("A"), "site.callsign", "1 to 200 characters"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseInstallation(stationFile(c.top, c.text), "s.toml");
            ADD_FAILURE() << "accepted";
        } catch (const StationError& e) {
            EXPECT_THAT(e.faults().front(), HasSubstr("s.toml:"));
            EXPECT_THAT(e.faults().front(), HasSubstr(c.where));
            EXPECT_THAT(e.faults().front(), HasSubstr(c.accepted));
        }
    }
}

} // namespace
} // namespace kvarn
