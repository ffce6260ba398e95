#include "control/main_cycle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "control/calc_params.h"
#include "control/discretization.h"
#include "control/pass_setup.h"
#include "control/program_state.h"
#include "field/antenna.h"
#include "support/key_text.h"
#include "support/memory_console.h"
#include "support/session.h"

namespace kvarn {
namespace {

using namespace testing::key_text;

// Counts the blank-separated values behind the label of a console line.
int valuesAfterLabel(const std::string& line, std::size_t labelWidth) {
    int count = 0;
    bool inValue = false;
    for (std::size_t k = labelWidth; k < line.size(); ++k) {
        bool blank = line[k] == ' ';
        if (!blank && !inValue) ++count;
        inValue = !blank;
    }
    return count;
}

// What the user finds in the parameter form of the first pass, before typing
// into it: the program's initial values, single values and no file.
TEST(MainCycle, FirstParameterFormShowsTheInitialValues) {
    MemoryConsole con;
    con.type(enter + testing::coordinateKeys({{0, 0, 10}, {40, 0, 10}}));
    EXPECT_THROW(runProgram(kvarn7t), ScriptEnded);
    EXPECT_EQ(totalLength, 40.0) << "the coordinate form came first";
    struct Cell {
        int col, row; // in the form's window, whose corner is at (30, 2)
        const char* shows;
    };
    for (const Cell& c : {
             Cell{16, 1, "  3.65"}, // frequency, MHz
             Cell{16, 2, " 100.0"}, // power, W
             Cell{11, 4, "   0.0"}, // xanf
             Cell{26, 4, "   0.0"}, // xend
             Cell{11, 5, "   0.0"}, // yend
             Cell{11, 6, "   0.0"}, // yanf
             Cell{35, 6, "   1.0"}, // step
             Cell{19, 7, "   2.0"}, // height
             Cell{35, 13, "E"},     // the total electric field
             Cell{25, 16, "E"},     // single values
             Cell{38, 17, "N"},     // no file
         }) {
        const std::string text(c.shows);
        EXPECT_EQ(con.at(29 + c.col, 1 + c.row, static_cast<int>(text.size())), text)
            << c.col << ", " << c.row;
    }
}

TEST(MainCycle, FormsOnTheFirstPassThenTheParameterFormAlone) {
    MemoryConsole con;
    con.type(enter);                                                  // usage notice
    con.type(tab + tab + tab + "42" + tab + tab + "0" + esc + enter); // antenna 42 m
    con.type("7.1" + tab + tab + tab + "2" + esc + enter);            // xend 2
    con.type("j" + enter);                                            // again
    con.type(esc + enter);                                            // parameters kept
    con.type("n" + enter);

    EXPECT_EQ(runProgram(kvarn7t), 0);
    EXPECT_EQ(con.keysLeft(), 0u);
    EXPECT_EQ(totalLength, 42.0);
    EXPECT_EQ(segCount, 1.0);
    EXPECT_EQ(calc.freq, 7.1);
    EXPECT_EQ(calc.xend, 2.0);
    EXPECT_DOUBLE_EQ(calc.lambda, 300.0 / 7.1);
    EXPECT_EQ(calc.fileName, "antenne");
    EXPECT_FALSE(calc.again);

    // The second pass skipped the coordinate form (its keys would not have
    // ended it) and ended in the table and the question again.
    const std::string screenText = con.text();
    EXPECT_NE(screenText.find("y\\x    0   1   2"), std::string::npos) << screenText;
    EXPECT_NE(screenText.find("weitere Berechnung (j/n)? n"), std::string::npos) << screenText;
}

// Every position is the repeated sum in double precision; a sum that drifts
// less than a billionth of a step past the limit still lays its column or
// row, so the limit the user typed is reached.
TEST(MainCycle, ColumnsAndRowsFollowTheRepeatedAddition) {
    struct Case {
        double from, to, step;
        int columns, rows;
    } cases[] = {
        {0, 1, 0.1, 11, 11},  // the tenth addition lands just below 1
        {0, 2, 0.1, 21, 21},  // the twentieth just above 2, the row sum just below 0
        {0, 0.3, 0.1, 4, 4},  // 0.30000000000000004 and -2.8e-17
        {-5, 5, 0.7, 15, 15}, // 4.8000000000000007 and -4.8000000000000007
        {0, 1, 0.3, 4, 4},    // 0.9 is the last: the end is not reached
        {-2, 1, 0.3, 11, 11}, // only the column sum drifts past its limit
        {-1, 2, 0.3, 11, 11}, // only the row sum drifts past its limit
        {-3, 3, 0.5, 13, 13}, // a binary fraction never drifts
        {0, 2, 1, 3, 3},      // whole metres
        {0, 0, 1, 1, 1},      // one point
    };
    for (auto c : cases) {
        resetProgramState();
        MemoryConsole con(200, 60);
        setInitialValues();
        calc.xanf = c.from;
        calc.xend = c.to;
        calc.yanf = c.from;
        calc.yend = c.to;
        calc.step = c.step;
        setWindow(1, 1, 200, 60);
        scanAndReport();
        // title, unit line, empty line, column header, empty line, then rows
        EXPECT_EQ(valuesAfterLabel(con.row(4), 5), c.columns) << c.from << ".." << c.to;
        int rows = 0, uneven = 0;
        for (; !con.rows()[5 + rows].empty(); ++rows)
            uneven += valuesAfterLabel(con.rows()[5 + rows], 5) != c.columns;
        EXPECT_EQ(uneven, 0) << "rows with a cell count unlike the header's";
        EXPECT_EQ(rows, c.rows) << c.from << ".." << c.to;
        EXPECT_EQ(con.rows()[6 + rows].substr(0, 19), "Maximalwert bei x: ");
    }
}

// Only j and J say yes. A character beyond ASCII whose low bits spell a j
// (e and E with a circumflex in Latin-1) says no, whatever an upper-casing
// that masks bits would make of it.
TEST(MainCycle, RepeatQuestionAndItsAnswers) {
    struct Case {
        const char* reply;
        bool again;
    } cases[] = {{"j", true}, {"J", true},  {"ja", true},    {"n", false},
                 {"", false}, {"x", false}, {"\xEA", false}, {"\xCA", false}};
    for (auto c : cases) {
        MemoryConsole con;
        con.type(c.reply);
        con.type(keys::Enter);
        askAgain();
        EXPECT_EQ(calc.again, c.again) << c.reply;
        EXPECT_EQ(con.row(1).substr(0, 26 + std::string(c.reply).size()),
                  std::string("weitere Berechnung (j/n)? ") + c.reply);
    }
}

TimeOfDay fixedClock() {
    return {10, 0, 0, 0};
}

int ticks = 0;
// A second goes by between any two readings.
TimeOfDay tickingClock() {
    return {10, 0, static_cast<std::uint16_t>(ticks++), 0};
}

TEST(MainCycle, ProgressLineOfTheLastRow) {
    setInitialValues();
    calc.singleValues = false;
    struct Case {
        double yend, yanf, step;
        ClockSource clock;
        const char* line;
    } cases[] = {
        {10, 0, 1, &fixedClock, "Berechnet sind 100 %, verbleibende Zeit:     0 Sekunden"},
        {10, 0.5, 1, &fixedClock, "Berechnet sind 95 %, verbleibende Zeit:     0 Sekunden"},
        // The last row's sum lies a little below 0: still no time left.
        {2, 0, 0.1, &tickingClock, "Berechnet sind 100 %, verbleibende Zeit:     0 Sekunden"},
    };
    for (auto c : cases) {
        MemoryConsole con;
        setClockSource(c.clock);
        ticks = 0;
        calc.yend = c.yend;
        calc.yanf = c.yanf;
        calc.step = c.step;
        scanAndReport();
        // each progress line overwrote the one before; the last stays, then
        // the empty line end and the summary follow
        EXPECT_EQ(con.rows()[0], c.line);
        EXPECT_EQ(con.rows()[1], "Maximalwert bei x:  0.00 ; y:  0.00 :  0.00");
    }
}

// The two clock readings of a progress step: at the start of the scan and
// after its first row.
TimeOfDay readings[2];
int reading = 0;
TimeOfDay recordedClock() {
    return readings[reading++ % 2];
}

// After the first row the remaining time is the time that row took by the
// clock, counted in tenths of a second (the clock's hundredths cut off),
// times the rows left, across minutes, hours and midnight.
TEST(MainCycle, RemainingTimeFromTheClockReadings) {
    struct Case {
        TimeOfDay start, afterRow;
        double yend; // rows from yend down to 0, one metre apart
        double rest; // s
        const char* line;
    } cases[] = {
        {{10, 0, 0, 0},
         {10, 0, 1, 99},
         10,
         19,
         "Berechnet sind  9 %, verbleibende Zeit:    19 Sekunden"},
        {{10, 59, 59, 50},
         {11, 0, 0, 49},
         10,
         9,
         "Berechnet sind  9 %, verbleibende Zeit:     9 Sekunden"},
        {{12, 30, 15, 47},
         {12, 45, 15, 47},
         10,
         9000,
         "Berechnet sind  9 %, verbleibende Zeit:  9000 Sekunden"},
        // The clock goes back at midnight: the row took 2 s (then 0.2 s), not
        // minus a day.
        {{23, 59, 59, 0},
         {0, 0, 1, 0},
         1,
         2,
         "Berechnet sind 50 %, verbleibende Zeit:     2 Sekunden"},
        {{23, 59, 59, 90},
         {0, 0, 0, 19},
         10,
         2,
         "Berechnet sind  9 %, verbleibende Zeit:     2 Sekunden"},
    };
    setInitialValues();
    setClockSource(&recordedClock);
    for (const Case& c : cases) {
        MemoryConsole con;
        readings[0] = c.start;
        readings[1] = c.afterRow;
        reading = 0;
        calc.yend = c.yend;
        calc.tstart = readClockTenths();
        progressStep(c.yend);
        EXPECT_EQ(calc.rest, c.rest) << c.line;
        EXPECT_EQ(con.rows()[0], c.line);
        EXPECT_EQ(screen.cursorX(), 1); // carriage return: the next line overwrites it
    }
}

// The 40 m wire at 10 m, 100 W at 3.65 MHz, under a grid of 10 m steps at
// 8.5 m: a pass as the forms and the discretisation leave it.
class ScanAndReport : public ::testing::Test {
  protected:
    void SetUp() override {
        test::setWire({{0, 0, 10}, {40, 0, 10}});
        test::setFrequency(3.65);
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
    // The value of the point in the mode, by the reference element loop.
    static double valueAt(double x, double y, char mode) {
        PointInputs in = passInputs();
        in.fieldMode = mode;
        PointWork work;
        startPoint(work, x, y);
        sumElements(in, work);
        return pointValue(mode, work);
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

TEST_F(ScanAndReport, EveryModeFindsItsMaximumOverTheGrid) {
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

TEST_F(ScanAndReport, ValueTableMarksThePointsUnderTheWire) {
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

// Inputs that are no finite numbers never reach a form's result; were one to
// reach the scan, its value ends the program with run-time error 207.
TEST_F(ScanAndReport, ValueThatIsNoFiniteNumberEndsTheProgram) {
    calc.height = std::numeric_limits<double>::infinity();
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

// Shows the screen on standard error when the program gives the terminal
// back, so a test of a process that ends can see what it left.
class ScreenDumpConsole : public MemoryConsole {
  public:
    void restore() override {
        std::fprintf(stderr, "[%s] cursor %d,%d\n", text().c_str(), screen.cursorX(),
                     screen.cursorY());
    }
};

// An element whose direction is not a unit vector: on its axis line (the
// row at y 0) the angle cosine leaves its range. The program clears the
// window, says so on the first row and ends with a failure.
TEST_F(ScanAndReport, CthStopEndsTheProgramWithItsMessageAndAFailure) {
    elements[1] = AntennaElement{0.5, 0, 2, 1.001, 0, 0, 1.0, 1.0};
    elementCount = 1;
    calc.height = 2;
    calc.xanf = -25, calc.xend = 25, calc.yanf = 0, calc.yend = 25, calc.step = 25;
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
}

} // namespace
} // namespace kvarn
