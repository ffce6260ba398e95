// Whole scans over the grid with the real field model: the main cycle's
// loops, the point values and their cells together.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/memory_console.h"
#include "control/main_cycle.h"
#include "field/field_setup.h"

namespace kvarn {
namespace {

using test::setFrequency;
using test::setWire;
using test::valueAt;

class Scan : public ::testing::Test {
  protected:
    void SetUp() override {
        resetCalcParams();
        setWire({{0, 0, 10}, {40, 0, 10}});
        setFrequency(3.65);
        calc.power = 100;
        discretizeAntenna();
        calc.xanf = 0;
        calc.xend = 40;
        calc.yanf = -10;
        calc.yend = 10;
        calc.step = 10;
        calc.height = 8.5;
        calc.fileName = "antenne";
    }
    // The largest value over the grid, point by point, with its position.
    std::vector<double> directMaximum(char mode) {
        std::vector<double> best{0, 0, 0};
        for (double y = calc.yend; y >= calc.yanf; y -= calc.step)
            for (double x = calc.xanf; x <= calc.xend; x += calc.step) {
                const double v = valueAt(x, y, mode);
                if (v > best[0]) best = {v, x, y};
            }
        return best;
    }
    MemoryConsole console{80, 50};
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;)
        w.push_back(s);
    return w;
}

TEST_F(Scan, EveryModeFindsItsMaximumOverTheGrid) {
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        calc.fieldMode = mode;
        const std::vector<double> expected = directMaximum(mode);
        calc.singleValues = false;
        scanAndReport();
        EXPECT_GT(calc.fmax, 0.0) << mode;
        EXPECT_EQ(calc.fmax, expected[0]) << mode;
        EXPECT_EQ(calc.xmax, expected[1]) << mode;
        EXPECT_EQ(calc.ymax, expected[2]) << mode;
    }
}

TEST_F(Scan, ValueTableMarksThePointsUnderTheWire) {
    calc.fieldMode = 'E';
    calc.singleValues = true;
    scanAndReport();
    const std::vector<std::string> rows = console.rows();
    std::vector<std::vector<std::string>> table;
    for (const std::string& row : rows) {
        const std::vector<std::string> w = words(row);
        if (w.size() == 6 && (w[0] == "10" || w[0] == "0" || w[0] == "-10")) table.push_back(w);
    }
    ASSERT_EQ(table.size(), 3u) << console.text();
    for (const auto& row : table) {
        for (std::size_t k = 1; k < row.size(); ++k) {
            // Every point of row 0 lies 1.58 m from the nearest centres.
            if (row[0] == "0")
                EXPECT_EQ(row[k], "x");
            else
                EXPECT_NE(row[k].find('.'), std::string::npos) << row[0] << " " << k;
        }
    }
    // The cell of (10, 10) shows the point's value with one decimal.
    std::ostringstream cell;
    cell.setf(std::ios::fixed);
    cell.precision(1);
    cell << valueAt(10, 10, 'E');
    EXPECT_EQ(table[0][2], cell.str());
}

} // namespace
} // namespace kvarn
