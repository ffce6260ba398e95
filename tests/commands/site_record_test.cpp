// The built program on a site of two antennas: the German record as a
// station owner files it (read back from the PDF), the German table, and
// the NEC-2 deck of an antenna giving, in nec2c, kvarn's own feed impedance.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <complex>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "support/nec_reference.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;

int run(const std::string& arguments, std::string& output) {
    const std::string command = std::string(KVARN_BATCH_PATH) + " " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    output.clear();
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A site of an exact 40 m wire and a method-of-moments 20 m dipole over
// perfect ground, German by default (the German limits), with the names
// for the record and a plot.
const char* const kSite = R"(title = "standort"
[site]
operator = "Erika Mustermann"
callsign = "DL0XYZ"
address = "Musterweg 1, 12345 Musterstadt"
boundary = [[-15, -15], [55, -15], [55, 15], [-15, 15]]
[[place]]
name = "Terrasse"
at = [20, 12, 1.5]
[ground]
kind = "perfect"
[[antenna]]
name = "Langdraht"
corners = [[0, 0, 10], [40, 0, 10]]
  [[antenna.band]]
  frequency = 7.1
  power = 100
  mode_factor = 0.5
  transmit_share = 0.5
  loss_db = 0.5
[[antenna]]
name = "Dipol 20"
model = "mom"
corners = [[10, -8, 8], [20, -8, 8]]
feed = 5.0
  [[antenna.band]]
  frequency = 14.2
  power = 100
[limits]
set = "26bimschv"
)";

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

TEST(SiteRecord, TheGermanRecordHoldsTheDeclarationsTermsOnNumberedPages) {
    ASSERT_TRUE(testing::havePdfToText());
    testing::TempDir dir;
    std::ofstream("site.toml") << kSite;
    std::string out;
    const int status = run("assess site.toml --out r --pdf", out);
    EXPECT_TRUE(status == 0 || status == 1) << out;

    // The table: a block per antenna, then the site.
    for (const char* text : {"2 Antennen", "Antenne „Langdraht“", "Antenne „Dipol 20“",
                             "Standortbezogener Sicherheitsabstand", "Terrasse"})
        EXPECT_THAT(out, HasSubstr(text)) << text;
    EXPECT_LT(out.find("Antenne „Langdraht“"), out.find("Antenne „Dipol 20“"));
    EXPECT_LT(out.find("Antenne „Dipol 20“"), out.find("Standortbezogener Sicherheitsabstand"));
    EXPECT_TRUE(std::regex_search(out, std::regex("[0-9],[0-9]+ MHz"))) << out;

    const std::vector<std::string> pages = testing::pdfPages("r/report.pdf");
    ASSERT_GE(pages.size(), 5u);
    std::string all;
    for (const std::string& page : pages)
        all += page;
    // pdftotext may break a term across lines: compare with the breaks as blanks.
    std::string flat = lower(all);
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    for (const char* term : {"systembezogener sicherheitsabstand",
                             "standortbezogener sicherheitsabstand",
                             "kontrollierbare",
                             "grenzwert",
                             "feldstärke",
                             "senderausgangsleistung",
                             "betriebsartenfaktor",
                             "sendezeitanteil",
                             "kabeldämpfung",
                             "leistung an der antenne",
                             "einspeisepunkt",
                             "boden",
                             "berechnungshöhe",
                             "lageplan",
                             "draufsicht",
                             "seitenansicht",
                             "nordpfeil",
                             "maßstab",
                             "nahfeldberechnung",
                             "26. bimschv"})
        EXPECT_THAT(flat, HasSubstr(term)) << term;
    EXPECT_TRUE(std::regex_search(all, std::regex("[0-9],[0-9]+ (m|MHz|V/m|A/m|%)")));
    EXPECT_FALSE(std::regex_search(all, std::regex("[0-9]\\.[0-9]+ (m|MHz|V/m|A/m) ")));

    // The cover: who, where, when, how, by which limits; the list of parts.
    for (const char* text : {"Erika Mustermann", "DL0XYZ", "Musterweg 1, 12345 Musterstadt",
                             "Inhalt", "Langdraht", "Dipol 20"})
        EXPECT_THAT(pages[0], HasSubstr(text)) << text;
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}")));
    EXPECT_THAT(flat, HasSubstr("aktiven körperhilfen"));
    EXPECT_THAT(flat, HasSubstr("§ 10 bemfv"));
    const std::string n = std::to_string(pages.size());
    for (std::size_t k = 0; k < pages.size(); ++k)
        EXPECT_THAT(pages[k], HasSubstr("Seite " + std::to_string(k + 1) + " von " + n)) << k;
}

// The 20 m dipole alone, on one band, over perfect ground.
const char* const kDipole = R"(title = "dipol"
language = "en"
model = "mom"
corners = [[0, 0, 8], [10, 0, 8]]
feed = 5.0
[ground]
kind = "perfect"
[grid]
x = [-2, 12]
y = [-2, 2]
step = 2
heights = [2]
[[band]]
frequency = 14.2
power = 100
)";

TEST(DeckCommand, Nec2cGivesTheFeedImpedanceOfKvarnsOwnModel) {
    testing::TempDir dir;
    std::ofstream("dipol.toml") << kDipole;
    std::string out;
    ASSERT_EQ(run("assess dipol.toml --out r --quiet", out), 0) << out;
    std::ifstream summaryFile("r/summary.json");
    const nlohmann::json summary = nlohmann::json::parse(summaryFile);
    const nlohmann::json& band = summary["bands"][0];
    const std::complex<double> own(band["feed_resistance_ohm"].get<double>(),
                                   band["feed_reactance_ohm"].get<double>());

    std::string deck;
    ASSERT_EQ(run("deck dipol.toml", deck), 0) << deck;
    EXPECT_THAT(deck, HasSubstr("CM "));
    EXPECT_THAT(deck, HasSubstr("GN 1"));
    const mom::testing::NecResult nec = mom::testing::runNecDeck(deck);
    ASSERT_TRUE(nec.finished) << deck;
    EXPECT_LT(std::abs(std::complex<double>(nec.r, nec.x) - own), 0.02 * std::abs(own))
        << nec.r << " " << nec.x << " against " << own;
}

TEST(DeckCommand, AChoiceTheStationDoesNotHaveIsRefusedWithTheChoices) {
    testing::TempDir dir;
    std::ofstream("site.toml") << kSite;
    std::string out;
    EXPECT_EQ(run("deck site.toml", out), 2);
    EXPECT_THAT(out,
                HasSubstr("2 antennas: name one with --antenna (\"Langdraht\", \"Dipol 20\")"));
    EXPECT_EQ(run("deck site.toml --antenna Yagi", out), 2);
    EXPECT_THAT(out, HasSubstr("Langdraht"));
    EXPECT_EQ(run("deck site.toml --antenna Langdraht --band 2", out), 2);
    EXPECT_THAT(out, HasSubstr("there is no band 2; the antenna has 1 band: --band 1"));
    EXPECT_EQ(run("deck site.toml --antenna Langdraht", out), 0);
    EXPECT_THAT(out, HasSubstr("not a method-of-moments model"));
    EXPECT_EQ(run("deck site.toml --antenna \"Dipol 20\" --band 1", out), 0);
    EXPECT_THAT(out, HasSubstr("EX 0"));
}

} // namespace
} // namespace kvarn
