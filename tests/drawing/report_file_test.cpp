// Reports written as PDF and read back with pdftotext: the pages a document
// takes, the text on each, and paths that cannot be written.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/map_support.h"
#include "drawing/plan_support.h"
#include "drawing/report_file.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::TempDir;

ReportTable numberedTable(int rows) {
    ReportTable table{{"number", "square"}, {Align::Right, Align::Right}, {}};
    for (int k = 1; k <= rows; ++k)
        table.rows.push_back({{"row " + std::to_string(k), std::to_string(k * k)}, k % 7 == 0});
    return table;
}

ReportDocument document(int tableRows) {
    FieldMap map = test::zoneMap(9, 3, 250, 20);
    map.title = "Map of the test band";
    ReportDocument d;
    d.title = "test report";
    d.footer = "the foot of every page";
    d.parts.push_back({{ReportHeading{"First part", true},
                        ReportParagraph{std::string(60, 'x') + " words to wrap around " +
                                        "the line end of the page and on into the next line"},
                        ReportFacts{{{"Label", "its value"}}}}});
    d.parts.push_back(
        {{ReportMap{map, 380}, ReportHeading{"Below the map"}, ReportBullet{"a bullet"}}});
    d.parts.push_back({{ReportHeading{"A long table"}, numberedTable(tableRows)}});
    return d;
}

TEST(ReportPdf, EveryPartStartsAPageAndLongTablesFlowOn) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    const struct {
        int tableRows;
        std::size_t pages;
    } cases[] = {{5, 3}, {120, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tableRows);
        TempDir dir;
        writeReportPdf(document(c.tableRows), "report.pdf");
        const std::vector<std::string> pages = testing::pdfPages("report.pdf");
        ASSERT_EQ(pages.size(), c.pages);
        const std::string total = " of " + std::to_string(c.pages);
        for (std::size_t k = 0; k < pages.size(); ++k) {
            EXPECT_THAT(pages[k], HasSubstr("page " + std::to_string(k + 1) + total));
            EXPECT_THAT(pages[k], HasSubstr("the foot of every page"));
        }
        EXPECT_THAT(pages[0], HasSubstr("First part"));
        EXPECT_THAT(pages[0], HasSubstr("its value"));
        EXPECT_THAT(pages[1], HasSubstr("Map of the test band"));
        EXPECT_THAT(pages[1], HasSubstr("Below the map"));
        EXPECT_THAT(pages[1], Not(HasSubstr("A long table")));
        EXPECT_THAT(pages[2], HasSubstr("A long table"));
        // A table that goes on to the next page repeats its headings there,
        // and loses no row on the way.
        std::string rows;
        for (std::size_t k = 2; k < pages.size(); ++k) {
            EXPECT_THAT(pages[k], HasSubstr("square"));
            rows += pages[k];
        }
        for (int r = 1; r <= c.tableRows; ++r)
            EXPECT_THAT(rows, HasSubstr("row " + std::to_string(r) + "\n"));
    }
}

// Parts of 1, 3 and 2 pages with titles and, before the last, an untitled
// part of one page; the list of parts at the head of part `listIn`.
ReportDocument listedDocument(std::size_t listIn) {
    ReportDocument d;
    d.footer = "Fuß";
    d.words.pageOfPages = "Seite {page} von {pages}";
    d.words.contentsPart = "Teil";
    d.words.contentsFirstPage = "Seite";
    d.words.contentsPageCount = "Seiten";
    d.parts = {{{ReportHeading{"Prüfbericht", true}}, "Deckblatt"},
               {{numberedTable(120)}, "Lange Tabelle"},
               {{ReportParagraph{"ohne Titel"}}, ""},
               {{numberedTable(70)}, "Größere Tabelle"}};
    auto& blocks = d.parts[listIn].blocks;
    blocks.insert(blocks.begin(), ReportContents{});
    return d;
}

// The line with each run of blanks made one, and none at its ends.
std::string oneBlank(const std::string& line) {
    std::string out;
    for (char c : line)
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

TEST(ReportPdf, ListOfPartsGivesEachTitledPartsFirstPageAndPageCount) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    const std::vector<PartPages> expected = {{1, 1}, {2, 3}, {5, 1}, {6, 2}};
    // On the cover, or on the last part, which flows over two pages itself.
    for (const std::size_t listIn : {0u, 3u}) {
        SCOPED_TRACE(listIn);
        TempDir dir;
        const ReportDocument d = listedDocument(listIn);
        const ReportPagination pages = paginateReport(d);
        EXPECT_EQ(pages.total, 7);
        EXPECT_EQ(pages.parts, expected);
        writeReportPdf(d, "report.pdf");
        ASSERT_EQ(std::system("pdftotext -layout report.pdf report.txt"), 0);
        const std::string text = testing::readFile("report.txt");
        // The headings, then a row for each titled part and no other.
        const std::size_t headings = text.find("Teil");
        ASSERT_NE(headings, std::string::npos);
        ASSERT_EQ(oneBlank(text.substr(headings, text.find('\n', headings) - headings)),
                  "Teil Seite Seiten");
        std::istringstream rows(text.substr(text.find('\n', headings) + 1));
        std::vector<std::string> lines;
        for (std::string line; lines.size() < 4 && std::getline(rows, line);)
            lines.push_back(oneBlank(line));
        EXPECT_THAT(lines, ::testing::ElementsAre(
                               "Deckblatt 1 1", "Lange Tabelle 2 3", "Größere Tabelle 6 2",
                               Not(::testing::MatchesRegex(".* [0-9]+ [0-9]+"))));
        const std::vector<std::string> byPage = testing::pdfPages("report.pdf");
        ASSERT_EQ(byPage.size(), 7u);
        for (std::size_t k = 0; k < byPage.size(); ++k)
            EXPECT_THAT(byPage[k], HasSubstr("Seite " + std::to_string(k + 1) + " von 7"));
    }
}

TEST(ReportPdf, BadPathOrMapLeavesNothingUnderTheName) {
    TempDir dir;
    fs::create_directory("taken");
    const struct {
        const char* path;
        const char* reason;
    } cases[] = {
        {"missing/report.pdf", "the directory missing does not exist"},
        {"taken", "Is a directory"},
    };
    for (const auto& c : cases) {
        try {
            writeReportPdf(document(3), c.path);
            ADD_FAILURE() << c.path << " was written";
        } catch (const FileWriteError& e) {
            EXPECT_THAT(e.what(), HasSubstr(std::string("cannot write ") + c.path));
            EXPECT_THAT(e.reason(), HasSubstr(c.reason));
        }
    }
    ReportDocument broken = document(3);
    std::get<ReportMap>(broken.parts[1].blocks[0]).map.percent.pop_back();
    EXPECT_THROW(writeReportPdf(broken, "report.pdf"), std::invalid_argument);
    // Only the directory that stood in the way, still empty.
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_empty("taken"));
}

TEST(ReportPdf, SitePlansAndSideViewsTakeTheirPlaceLikeMaps) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    SideView alongY = test::squareSideView();
    alongY.title = "Side view along y: test band";
    alongY.axis = SideAxis::alongY;
    alongY.zone = {{{-10, 5}, {30, 5}, {30, 12}, {-10, 12}}};
    alongY.wire = {{-8, 10}, {28, 10}};
    // A plan nearly a page high leaves no room below it; a lower one leaves
    // room for one side view. The flat view along y takes far less than its
    // height and joins the other on its page.
    const struct {
        double planHeight;
        std::size_t pages, alongXPage, alongYPage;
    } cases[] = {{650, 2, 1, 1}, {250, 2, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.planHeight);
        TempDir dir;
        ReportDocument d;
        d.footer = "foot";
        d.parts.push_back(
            {{ReportHeading{"The zone", true}, ReportSitePlan{test::furnishedPlan(), c.planHeight},
              ReportSideView{test::squareSideView(), 380}, ReportSideView{alongY, 380},
              ReportParagraph{"after the views"}}});
        writeReportPdf(d, "report.pdf");
        const std::vector<std::string> pages = testing::pdfPages("report.pdf");
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_THAT(pages[0], HasSubstr("Site plan: test band"));
        EXPECT_THAT(pages[0], HasSubstr("Bench, z 1 m: over a limit"));
        EXPECT_THAT(pages[c.alongXPage], HasSubstr("Side view along x: test band"));
        EXPECT_THAT(pages[c.alongYPage], HasSubstr("Side view along y: test band"));
        EXPECT_THAT(pages.back(), HasSubstr("after the views"));
    }
}

TEST(ReportPdf, PlanOrViewThatCannotBeDrawnMakesNoFile) {
    TempDir dir;
    ReportDocument plan;
    plan.parts.push_back({{ReportSitePlan{test::furnishedPlan(), 400}}});
    std::get<ReportSitePlan>(plan.parts[0].blocks[0]).plan.north = std::nan("");
    ReportDocument view;
    view.parts.push_back({{ReportSideView{test::squareSideView(), 300}}});
    std::get<ReportSideView>(view.parts[0].blocks[0]).view.publicHeight = -1;
    for (const ReportDocument& d : {plan, view})
        EXPECT_THROW(writeReportPdf(d, "report.pdf"), std::invalid_argument);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

} // namespace
} // namespace kvarn
