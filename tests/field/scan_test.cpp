// Whole scans over the grid with the real field model: the main cycle's
// loops, the point values and their cells together.
#include <algorithm>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/main_cycle.h"
#include "control/report.h"
#include "field/field_setup.h"
#include "field/scan.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

using test::setFrequency;
using test::setWire;
using test::valueAt;

class Scan : public ::testing::Test {
  protected:
    void SetUp() override {
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
        calc.fieldMode = 'E';
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

// Everything a scan hands over, in order, as text.
struct Recorder : PointSink {
    std::vector<std::string> events;
    void rowBegins(double yp) override { events.push_back("row " + std::to_string(yp)); }
    void point(const PointResult& p) override {
        events.push_back(std::to_string(p.xp) + " " + std::to_string(p.value('E')) +
                         (p.tooclose ? " x" : ""));
    }
    void rowEnds(double yp) override { events.push_back("end " + std::to_string(yp)); }
};

TEST_F(Scan, PointsComputedInAnyOrderGiveTheSameBits) {
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        calc.fieldMode = mode;
        const PointInputs in = passInputs();
        std::vector<std::pair<double, double>> points;
        std::vector<PointResult> forward;
        PointWork work;
        for (double y = -10; y <= 10; y += 2.5)
            for (double x = -5; x <= 45; x += 2.5) {
                points.emplace_back(x, y);
                startPoint(work, x, y);
                sumElements(in, work);
                forward.push_back(recordOf(in, work));
            }
        // Backwards, each point in a record of its own.
        for (std::size_t k = points.size(); k-- > 0;) {
            PointWork fresh;
            startPoint(fresh, points[k].first, points[k].second);
            sumElements(in, fresh);
            const PointResult p = recordOf(in, fresh);
            EXPECT_EQ(p.value(mode), forward[k].value(mode)) << mode << " " << k;
            EXPECT_EQ(p.tooclose, forward[k].tooclose) << mode << " " << k;
        }
    }
}

TEST_F(Scan, SinksReceiveRowsAndPointsInScanOrder) {
    calc.xanf = 0, calc.xend = 20, calc.yanf = -10, calc.yend = 10, calc.step = 10;
    Recorder first, second;
    PointSink* sinks[] = {&first, &second};
    const ScanOutcome outcome = scanGrid(passGrid(), passInputs(), {modeBit('E')}, sinks);
    EXPECT_FALSE(outcome.cthStop);
    ASSERT_EQ(first.events.size(), 3u * (1 + 3 + 1));
    EXPECT_EQ(first.events, second.events);
    EXPECT_EQ(first.events[0], "row 10.000000");
    EXPECT_EQ(first.events[1].substr(0, 9), "0.000000 ");
    EXPECT_EQ(first.events[3].substr(0, 10), "20.000000 ");
    EXPECT_EQ(first.events[4], "end 10.000000");
    EXPECT_EQ(first.events[5], "row 0.000000");
    EXPECT_EQ(first.events[6].substr(first.events[6].size() - 2), " x") << "under the wire";
    EXPECT_EQ(first.events[14], "end -10.000000");
}

// Inputs that are no finite numbers never reach a form's result; were one to
// reach the scan, its value stops the scan before any sink sees it, and the
// program with run-time error 207.
TEST_F(Scan, ValueThatIsNoFiniteNumberStopsTheScan) {
    for (double height :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        calc.height = height;
        calc.fieldMode = 'E';
        Recorder seen;
        PointSink* sinks[] = {&seen};
        const ScanOutcome outcome = scanGrid(passGrid(), passInputs(), {modeBit('E')}, sinks);
        EXPECT_TRUE(outcome.notFinite) << height;
        EXPECT_EQ(outcome.xp, 0.0);
        EXPECT_EQ(outcome.yp, 10.0);
        EXPECT_EQ(seen.events, std::vector<std::string>{"row 10.000000"}) << height;
    }
    EXPECT_EXIT(
        {
            MemoryConsole con;
            calc.singleValues = true;
            scanAndReport();
        },
        ::testing::ExitedWithCode(207),
        "Runtime error 207: invalid floating-point operation: the field at x 0.00, y 10.00 is no "
        "finite number");
}

// An element whose direction is not a unit vector: on its axis line the
// angle cosine leaves its range, off it (row 25) it does not.
class CthStop : public Scan {
  protected:
    void SetUp() override {
        test::setSingleElement({0.5, 0, 2}, {1.001, 0, 0}, 1.0);
        setFrequency(3.65);
        calc.height = 2;
        calc.fieldMode = 'E';
        calc.xanf = -25, calc.xend = 25, calc.yanf = 0, calc.yend = 25, calc.step = 25;
        calc.fileName = "antenne";
    }
};

TEST_F(CthStop, ScanEndsBeforeTheFirstPointOfTheStopInScanOrder) {
    Recorder seen;
    PointSink* sinks[] = {&seen};
    const ScanOutcome outcome = scanGrid(passGrid(), passInputs(), {modeBit('E')}, sinks);
    EXPECT_TRUE(outcome.cthStop);
    EXPECT_EQ(outcome.xp, -25.0);
    EXPECT_EQ(outcome.yp, 0.0);
    EXPECT_EQ(outcome.element, 1);
    // The whole first row, then the second row's label only.
    ASSERT_EQ(seen.events.size(), 6u);
    EXPECT_EQ(seen.events[4], "end 25.000000");
    EXPECT_EQ(seen.events[5], "row 0.000000");
}

// Shows the screen on standard error when the program gives the terminal
// back, so a test of a process that ends can see what it left.
class ScreenDumpConsole : public MemoryConsole {
  public:
    void restore() override {
        std::fprintf(stderr, "[%s] cursor %d,%d\n", text().c_str(), screen.cursorX(),
                     screen.cursorY());
    }
};

TEST_F(CthStop, StopsTheProgramWithItsMessageAndAFailure) {
    EXPECT_EXIT(
        {
            ScreenDumpConsole screenDump;
            writeText(output, "earlier output");
            writeLineEnd(output);
            calc.singleValues = true;
            scanAndReport();
        },
        ::testing::ExitedWithCode(1),
        "\\[Bereichsueberschreitung \"cth\": Programmabbruch\\] cursor 1,2");
    EXPECT_EQ(std::string("Bereichsueberschreitung \"cth\": Programmabbruch").size(), 46u);
}

} // namespace
} // namespace kvarn
