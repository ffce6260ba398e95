// What the printed report says about each band: a page with its map, or
// the reason there is none, its row and its verdict, and the remarks the
// terminal gives.

#include <string>
#include <type_traits>
#include <variant>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/map_support.h"
#include "outputs/report_blocks.h"
#include "outputs/report_content.h"
#include "outputs/result_table.h"
#include "outputs/wording.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Every word of a part, block after block.
std::string textOf(const ReportPart& part) {
    std::string text;
    for (const ReportBlock& block : part.blocks)
        std::visit(
            [&](const auto& b) {
                using T = std::decay_t<decltype(b)>;
                if constexpr (std::is_same_v<T, ReportFacts>) {
                    for (const auto& [label, value] : b.items)
                        text += label + ": " + value + "\n";
                } else if constexpr (std::is_same_v<T, ReportTable>) {
                    for (const ReportTableRow& row : b.rows)
                        for (const std::string& cell : row.cells)
                            text += cell + " ";
                } else if constexpr (std::is_same_v<T, ReportMap>) {
                    text += b.map.title + "\n";
                } else if constexpr (std::is_same_v<T, ReportSitePlan>) {
                    text += b.plan.title + "\n";
                } else if constexpr (std::is_same_v<T, ReportSideView>) {
                    text += b.view.title + "\n";
                } else {
                    text += b.text + "\n";
                }
            },
            block);
    return text;
}

Station station() {
    Station s;
    s.title = "test";
    s.corners = {{0, 0, 10}, {40, 0, 10}};
    s.grid = {-10, 50, -6, 6, 2};
    s.heights = {2, 9};
    return s;
}

BandResult band(double frequency, bool complies, bool unsearched, const std::string& stop) {
    BandResult b;
    b.band = {frequency, 100, 1, 0};
    b.feedPower = 100;
    b.limits = {45.5, 0.2};
    b.e.percent = complies ? 50 : 150;
    b.complies = complies;
    if (unsearched) b.zone.problem = "its bound stays above the limits beyond 1000 m";
    b.stop = stop;
    b.map = test::zoneMap(5, 1, 150, 50);
    b.map.title = "map " + std::to_string(frequency);
    return b;
}

TEST(ReportContent, EachBandHasItsPageRowAndVerdict) {
    Assessment a;
    a.bands = {band(3.65, true, false, ""), band(7.1, false, true, ""),
               band(14.2, false, false, "the angle left its range")};
    a.complies = false;
    a.stopped = true;
    const ReportDocument d = reportDocument(station(), a, {"station.toml", "2024-05-01"});

    ASSERT_EQ(d.parts.size(), 5u); // first page, three bands, the model
    const struct {
        bool map;
        bool bold;
        const char* verdict;
        const char* pageSays;
    } expected[] = {
        {true, false, "3.650 MHz, 100 W at the transmitter: complies", "Verdict: complies"},
        {true, true, "7.100 MHz, 100 W at the transmitter: EXCEEDS a limit",
         "not known: its bound stays above"},
        {false, true, "14.200 MHz, 100 W at the transmitter: the computation stopped",
         "The computation stopped: the angle left its range"},
    };
    const std::string first = textOf(d.parts[0]);
    const ReportTable* results = nullptr;
    for (const ReportBlock& block : d.parts[0].blocks)
        if (const auto* t = std::get_if<ReportTable>(&block); t && t->headings.size() == 9)
            results = t;
    ASSERT_NE(results, nullptr);
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const ReportPart& page = d.parts[1 + k];
        EXPECT_EQ(std::holds_alternative<ReportMap>(page.blocks.front()), expected[k].map);
        EXPECT_THAT(textOf(page), HasSubstr(expected[k].pageSays));
        EXPECT_EQ(results->rows[k].bold, expected[k].bold);
        EXPECT_THAT(first, HasSubstr(expected[k].verdict));
    }
    EXPECT_THAT(first, HasSubstr("7.100 MHz: the zone could not be searched"));
    EXPECT_THAT(first, Not(HasSubstr("3.650 MHz: the zone")));
    EXPECT_THAT(first, HasSubstr("the assessment is incomplete"));
    EXPECT_THAT(first, HasSubstr("(x, y, z) in m: (0, 0, 10), (40, 0, 10)"));
    EXPECT_THAT(first, HasSubstr("2 and 9 m above the ground"));
    EXPECT_THAT(d.footer, HasSubstr("2024-05-01"));
}

TEST(ReportContent, OverallVerdictFollowsTheBands) {
    const struct {
        bool complies, stopped;
        const char* says;
    } cases[] = {
        {true, false, "Every band complies."},
        {false, false, "Not every band complies"},
        {true, true, "the assessment is incomplete"},
    };
    for (const auto& c : cases) {
        Assessment a;
        a.complies = c.complies;
        a.stopped = c.stopped;
        EXPECT_THAT(textOf(reportDocument(station(), a, {}).parts[0]), HasSubstr(c.says)) << c.says;
    }
}

TEST(ReportContent, ABandWhoseZoneLeavesTheAreaSaysSoInEitherLanguage) {
    // A band that fails with a site fails by its zone, whatever its grid.
    BandResult b = band(3.65, false, false, "");
    b.e.percent = 80;
    b.area = AreaResult{false, -1.5, {0, 0}, {0, 0}};
    Station s = station();
    EXPECT_THAT(bandVerdictLine(s, b), HasSubstr("the zone LEAVES the controllable area"));
    EXPECT_THAT(bandVerdictLine(s, b), Not(HasSubstr("EXCEEDS")));
    s.language = Language::de;
    EXPECT_THAT(bandVerdictLine(s, b), HasSubstr("die Zone VERLÄSST den kontrollierbaren Bereich"));
    b.zone.problem = "its bound stays above the limits beyond 1000 m";
    EXPECT_THAT(bandVerdictLine(s, b), Not(HasSubstr("VERLÄSST")));
}

TEST(ReportContent, WithoutAGridNoHighestValueIsShown) {
    BandResult b = band(7.1, true, false, "");
    b.highestPower = 4000;
    for (const Wording* w : {&wordingFor(Language::en), &wordingFor(Language::de)}) {
        const auto withGrid = resultCells(b, *w, true);
        const auto without = resultCells(b, *w, false);
        EXPECT_NE(withGrid[4], "-");
        EXPECT_NE(withGrid[7], "-");
        for (std::size_t k : {4u, 5u, 7u})
            EXPECT_EQ(without[k], "-") << k;
        EXPECT_EQ(without[8], withGrid[8]) << "the verdict stays";
    }
}

} // namespace
} // namespace kvarn
