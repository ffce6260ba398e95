#include "control/report.h"

#include <gtest/gtest.h>

#include <string>

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "control/pass_setup.h"
#include "report/report_file_sink.h"
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
    test::setWire({{0, 0, 10}, {20, 0, 10}, {40, 0, 10}});
}

// The head of the pass comes from calc and the corner lists; writeHeader
// creates the output file under the name typed, for the report to fill.
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

} // namespace
} // namespace kvarn
