#include "field/point_value.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "console/memory_console.h"
#include "console/text_out.h"
#include "field/field_setup.h"

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

class PointValue : public ::testing::Test {
  protected:
    void SetUp() override {
        resetCalcParams();
        calc.singleValues = true;
    }
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
    calc.sums.exre = 3;
    calc.sums.ezim = -4;
    calc.sums.hyre = 0.3L;
    calc.sums.hzim = 0.4L;
    struct Case {
        char mode;
        double value;
    };
    const Case cases[] = {{'R', 5.0}, {'T', 5.0}, {'E', 5.0}, {'M', 50.0}, {'Z', 188.5}};
    for (const Case& c : cases) {
        calc.fieldMode = c.mode;
        calc.tooclose = false;
        EXPECT_DOUBLE_EQ(pointValue(), c.value) << c.mode;
        calc.tooclose = true;
        EXPECT_EQ(pointValue(), 0.0) << c.mode;
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
        resetCalcParams();
        calc.singleValues = true;
        MemoryConsole cells;
        openFile();
        recordPoint(c.value, c.tooclose, 0, 0);
        recordPoint(c.value, c.tooclose, 1, 0);
        const std::string consoleCell = c.consoleCell;
        EXPECT_EQ(cells.row(1).substr(0, 2 * consoleCell.size()), consoleCell + consoleCell);
        EXPECT_EQ(screen.cursorX(), static_cast<int>(2 * consoleCell.size() + 1));
        EXPECT_EQ(fileText(), std::string(c.fileCell) + c.fileCell);
    }
}

TEST_F(PointValue, MaximumKeepsTheFirstOfEqualValues) {
    calc.singleValues = false;
    calc.xmax = -9;
    calc.ymax = -9;
    recordPoint(0.0, false, 0, 5); // not above 0: the old position stays
    EXPECT_EQ(calc.xmax, -9);
    EXPECT_EQ(calc.ymax, -9);
    const double points[][3] = {{1.5, 0, 5}, {3.25, 1, 5}, {3.25, 2, 5}, {2.0, 0, 4}};
    for (const auto& p : points)
        recordPoint(p[0], false, p[1], p[2]);
    EXPECT_EQ(calc.fmax, 3.25);
    EXPECT_EQ(calc.xmax, 1);
    EXPECT_EQ(calc.ymax, 5);
    // Maximum-only output writes nothing, whatever writeFile says.
    calc.writeFile = true;
    recordPoint(4.0, false, 3, 3);
    EXPECT_EQ(console.text(), "");
    EXPECT_EQ(calc.fmax, 4.0);
}

TEST_F(PointValue, TooClosePointUnderTheFortyMetreWire) {
    // Elements 20 and 21 of the wire at 10 m lie within 2.1 m of (20, 0) at
    // 8.5 m, the nearest ones farther at 7.9 m.
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        SCOPED_TRACE(mode);
        resetCalcParams();
        calc.singleValues = true;
        setWire({{0, 0, 10}, {40, 0, 10}});
        setFrequency(3.65);
        calc.power = 100;
        discretizeAntenna();
        MemoryConsole cells;
        openFile();
        calc.height = 8.5;
        sumAt(20, 0, mode);
        EXPECT_TRUE(calc.tooclose);
        evaluatePoint();
        EXPECT_EQ(calc.fmax, 0.0);
        calc.height = 7.9;
        sumAt(20, 0, mode);
        EXPECT_FALSE(calc.tooclose);
        const double v = pointValue();
        EXPECT_GT(v, 0.0);
        evaluatePoint();
        EXPECT_EQ(calc.fmax, v);
        EXPECT_EQ(calc.xmax, 20.0);
        EXPECT_EQ(cells.at(1, 1, 4), " x  ");
        EXPECT_NE(cells.at(5, 1, 4), " x  ");
        EXPECT_EQ(fileText().substr(0, 6), " xxx  ");
    }
}

} // namespace
} // namespace kvarn
