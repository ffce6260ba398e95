#include "field/point_work.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "console/text_out.h"
#include "field/field_setup.h"
#include "report/maximum_sink.h"
#include "report/table_sink.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

using test::setFrequency;
using test::setWire;
using test::sumAt;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A recorded point with this value in mode M.
PointResult pointOf(double x, double y, double value, bool tooclose) {
    PointResult p{x, y, tooclose, {}};
    p.values[static_cast<std::size_t>(modeIndex('M'))] = value;
    return p;
}

class PointValue : public ::testing::Test {
  protected:
    void SetUp() override { calc.singleValues = true; }
    void TearDown() override {
        if (calc.outfile.open) closeFile(calc.outfile);
    }
    void openFile() {
        path_ = ::testing::TempDir() + "kvarn_point_value_cells";
        calc.writeFile = true;
        createTextFile(calc.outfile, path_);
    }
    std::string fileText() {
        closeFile(calc.outfile);
        return readFile(path_);
    }
    MemoryConsole console;
    std::string path_;
};

TEST_F(PointValue, ModeValuesFromTheSums) {
    PointWork work;
    work.sums.exre = 3;
    work.sums.ezim = -4;
    work.sums.hyre = 0.3L;
    work.sums.hzim = 0.4L;
    struct Case {
        char mode;
        double value;
    };
    const Case cases[] = {{'R', 5.0}, {'T', 5.0}, {'E', 5.0}, {'M', 50.0}, {'Z', 188.5}};
    for (const Case& c : cases) {
        work.tooclose = false;
        EXPECT_DOUBLE_EQ(pointValue(c.mode, work), c.value) << c.mode;
        work.tooclose = true;
        EXPECT_EQ(pointValue(c.mode, work), 0.0) << c.mode;
    }
}

TEST_F(PointValue, CellsOfTheValueTable) {
    struct Case {
        double value;
        bool tooclose;
        const char* consoleCell;
        const char* fileCell;
    };
    const Case cases[] = {
        {0.04, false, "0.0 ", " 0.04 "},     {7.25, false, "7.3 ", " 7.25 "},
        {12.3456, false, "12.3 ", "12.35 "}, {1234.567, false, "1234.6 ", "1234.57 "},
        {0.0, true, " x  ", " xxx  "},
    };
    for (const Case& c : cases) {
        MemoryConsole cells;
        openFile();
        TextFileStream consoleStream(output);
        TextFileStream fileStream(calc.outfile);
        TableSink consoleTable(consoleStream, kConsoleTable, 'M');
        TableSink fileTable(fileStream, kFileTable, 'M');
        for (double x : {0.0, 1.0}) {
            consoleTable.point(pointOf(x, 0, c.value, c.tooclose));
            fileTable.point(pointOf(x, 0, c.value, c.tooclose));
        }
        const std::string consoleCell = c.consoleCell;
        EXPECT_EQ(cells.row(1).substr(0, 2 * consoleCell.size()), consoleCell + consoleCell);
        EXPECT_EQ(screen.cursorX(), static_cast<int>(2 * consoleCell.size() + 1));
        EXPECT_EQ(fileText(), std::string(c.fileCell) + c.fileCell);
    }
}

TEST_F(PointValue, MaximumKeepsTheFirstOfEqualValues) {
    double fmax = 0, xmax = -9, ymax = -9;
    MaximumSink maximum('M', fmax, xmax, ymax);
    maximum.point(pointOf(0, 5, 0.0, false)); // not above 0: the old position stays
    EXPECT_EQ(xmax, -9);
    EXPECT_EQ(ymax, -9);
    const double points[][3] = {{1.5, 0, 5}, {3.25, 1, 5}, {3.25, 2, 5}, {2.0, 0, 4}};
    for (const auto& p : points)
        maximum.point(pointOf(p[1], p[2], p[0], false));
    EXPECT_EQ(fmax, 3.25);
    EXPECT_EQ(xmax, 1);
    EXPECT_EQ(ymax, 5);
}

TEST_F(PointValue, TooClosePointUnderTheFortyMetreWire) {
    // Elements 20 and 21 of the wire at 10 m lie within 2.1 m of (20, 0) at
    // 8.5 m, the nearest ones farther at 7.9 m.
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        SCOPED_TRACE(mode);
        setWire({{0, 0, 10}, {40, 0, 10}});
        setFrequency(3.65);
        calc.power = 100;
        discretizeAntenna();
        calc.height = 8.5;
        const PointWork near = sumAt(20, 0, mode);
        EXPECT_TRUE(near.tooclose);
        EXPECT_EQ(pointValue(mode, near), 0.0);
        calc.height = 7.9;
        const PointWork farther = sumAt(20, 0, mode);
        EXPECT_FALSE(farther.tooclose);
        EXPECT_GT(pointValue(mode, farther), 0.0);
    }
}

} // namespace
} // namespace kvarn
