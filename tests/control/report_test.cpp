#include "control/report.h"

#include <gtest/gtest.h>

#include <string>

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "field/antenna.h"
#include "report/report_file_sink.h"
#include "report/table_sink.h"
#include "support/example_report.h"
#include "support/memory_console.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using testing::kExampleFileHeader;
using testing::readFile;
using testing::TempDir;

// The example pass: 'E', antenne, 100 W, 3.65 MHz, corners (0,0,10),
// (20,0,10), (40,0,10), height 2, x 0..2 step 1.
void examplePass() {
    setInitialValues();
    calc.fileName = "antenne";
    calc.xend = 2;
    xa[1] = 0, ya[1] = 0, za[1] = 10;
    xa[2] = xe[1] = 20, ya[2] = ye[1] = 0, za[2] = ze[1] = 10;
    xa[3] = xe[2] = 40, ya[3] = ye[2] = 0, za[3] = ze[2] = 10;
    segCount = 2;
    totalLength = 40;
}

TEST(Report, FileHeaderOfTheExampleByteForByte) {
    TempDir dir;
    MemoryConsole con;
    examplePass();
    calc.writeFile = true;
    writeHeader();
    {
        TextFileStream file(calc.outfile);
        ReportFileSink report(file, passHead());
    }
    closeFile(calc.outfile);
    EXPECT_EQ(readFile("antenne"), kExampleFileHeader);
}

TEST(Report, ConsoleHeaderRowLabelAndSummary) {
    MemoryConsole con;
    examplePass();
    calc.fileName = "dipol";
    writeHeader();
    TextFileStream console(output);
    TableSink table(console, kConsoleTable, 'E');
    for (double yp : {1.0, -10.0}) {
        table.rowBegins(yp);
        table.rowEnds(yp);
    }
    calc.xmax = 1, calc.ymax = 0, calc.fmax = 0.73;
    writeSummary(output);
    EXPECT_EQ(con.text(), "Berechnet wird elektrische Feldstaerke, gesamt\n"
                          "in V/m fuer dipol bei  100 W und   3.650 MHz\n"
                          "\n"
                          "y\\x    0   1   2\n"
                          "\n"
                          "  1\n"
                          "-10\n"
                          "Maximalwert bei x:  1.00 ; y:  0.00 :  0.73");
    EXPECT_EQ(con.row(6), "  1  " + std::string(75, ' '));
}

TEST(Report, ModeTexts) {
    struct Case {
        char mode;
        const char* title;
        const char* console;
        const char* file;
    } cases[] = {
        {'R', "Berechnet wird elektrische Feldstaerke, radiale Komponente", "in V/m fuer ",
         "in V/m fuer "},
        {'T', "Berechnet wird elektrische Feldstaerke, tangentiale Komponente", "in V/m fuer ",
         "in V/m fuer "},
        {'E', "Berechnet wird elektrische Feldstaerke, gesamt", "in V/m fuer ", "in V/m fuer "},
        {'M', "Berechnet wird magnetische Feldstaerke", "in 10mA/m fuer ", "in 10mA/m fuer "},
        {'Z', "Berechnet wird elektrische Feldstaerke aus der magnetischen", "in V/m fuer ",
         " in V/m fuer "},
    };
    for (auto c : cases) {
        EXPECT_STREQ(modeTitle(c.mode), c.title);
        EXPECT_STREQ(modeUnit(c.mode, false), c.console);
        EXPECT_STREQ(modeUnit(c.mode, true), c.file);
    }
}

} // namespace
} // namespace kvarn
