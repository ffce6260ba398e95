// Reports written as PDF and read back with pdftotext: the pages a document
// takes, the text on each, and paths that cannot be written.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/map_support.h"
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

} // namespace
} // namespace kvarn
