#include "report/report_format.h"

#include <string>

#include <gtest/gtest.h>

#include "support/example_report.h"

namespace kvarn {
namespace {

// The head of the example calculation (support/example_report.h).
ReportHead exampleHead() {
    return {'E', "antenne",      100, 3.65, {{0, 0, 10}, {20, 0, 10}, {40, 0, 10}},
            2.0, {0, 2, 0, 0, 1}};
}

TEST(ReportFormat, FileHeaderOfTheExampleByteForByte) {
    std::string text;
    StringStream file(text);
    writeFileHeader(file, exampleHead());
    EXPECT_EQ(text, testing::kExampleFileHeader);
}

TEST(ReportFormat, ConsoleHeaderAndSummaryLine) {
    ReportHead head = exampleHead();
    head.title = "dipol";
    std::string text;
    StringStream console(text);
    writeConsoleHeader(console, head);
    writeSummaryLine(console, 1, 0, 0.73);
    EXPECT_EQ(text, "Berechnet wird elektrische Feldstaerke, gesamt\r\n"
                    "in V/m fuer dipol bei  100 W und   3.650 MHz\r\n"
                    "\r\n"
                    "y\\x    0   1   2 \r\n"
                    "\r\n"
                    "Maximalwert bei x:  1.00 ; y:  0.00 :  0.73\r\n");
}

// What a reader of either header learns of the mode: which field, and its
// unit. In the file the unit line of mode Z starts with a blank.
TEST(ReportFormat, TitleAndUnitLinesNameTheModesFieldAndUnit) {
    struct Case {
        char mode;
        const char* title;
        const char* consoleUnitLine;
        const char* fileUnitLine;
    } cases[] = {
        {'R', "Berechnet wird elektrische Feldstaerke, radiale Komponente", "in V/m fuer dipol bei",
         "in V/m fuer dipol bei"},
        {'T', "Berechnet wird elektrische Feldstaerke, tangentiale Komponente",
         "in V/m fuer dipol bei", "in V/m fuer dipol bei"},
        {'E', "Berechnet wird elektrische Feldstaerke, gesamt", "in V/m fuer dipol bei",
         "in V/m fuer dipol bei"},
        {'M', "Berechnet wird magnetische Feldstaerke", "in 10mA/m fuer dipol bei",
         "in 10mA/m fuer dipol bei"},
        {'Z', "Berechnet wird elektrische Feldstaerke aus der magnetischen",
         "in V/m fuer dipol bei", " in V/m fuer dipol bei"},
    };
    for (const auto& c : cases) {
        ReportHead head = exampleHead();
        head.fieldMode = c.mode;
        head.title = "dipol";
        std::string consoleText, fileText;
        StringStream console(consoleText), file(fileText);
        writeConsoleHeader(console, head);
        writeFileHeader(file, head);
        const std::string title = std::string(c.title) + "\r\n";
        EXPECT_EQ(consoleText.substr(0, consoleText.find(" 100 W")),
                  title + c.consoleUnitLine + " ")
            << c.mode;
        EXPECT_EQ(fileText.substr(0, fileText.find(" 100 W")),
                  "\r\n" + title + c.fileUnitLine + " ")
            << c.mode;
    }
}

} // namespace
} // namespace kvarn
