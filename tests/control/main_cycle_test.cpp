#include "control/main_cycle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "control/calc_params.h"
#include "control/program_state.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

struct MainCycleTest : ::testing::Test {
    void SetUp() override { setInitialValues(); }
};

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

TEST_F(MainCycleTest, InitialValues) {
    EXPECT_FALSE(calc.again);
    EXPECT_EQ(calc.freq, 3.65);
    EXPECT_EQ(calc.power, 100.0);
    EXPECT_EQ(calc.xanf, 0.0);
    EXPECT_EQ(calc.yend, 0.0);
    EXPECT_EQ(calc.step, 1.0);
    EXPECT_EQ(calc.height, 2.0);
    EXPECT_EQ(calc.fieldMode, 'E');
    EXPECT_TRUE(calc.singleValues);
    EXPECT_FALSE(calc.writeFile);
}

// Every position is the repeated sum in double precision; a sum that drifts
// less than a billionth of a step past the limit still lays its column or
// row, so the limit the user typed is reached.
TEST_F(MainCycleTest, ColumnsAndRowsFollowTheRepeatedAddition) {
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

TEST_F(MainCycleTest, RepeatQuestionAndItsAnswers) {
    struct Case {
        const char* reply;
        bool again;
    } cases[] = {{"j", true}, {"J", true}, {"ja", true}, {"n", false}, {"", false}, {"x", false}};
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

TEST_F(MainCycleTest, TenthsOfTheDay) {
    EXPECT_EQ(tenthsOfDay({0, 0, 0, 0}), 0);
    EXPECT_EQ(tenthsOfDay({0, 0, 1, 99}), 19);
    EXPECT_EQ(tenthsOfDay({23, 59, 59, 99}), 863999);
    EXPECT_EQ(tenthsOfDay({12, 30, 15, 47}), 12 * 36000 + 30 * 600 + 150 + 4);
}

TimeOfDay fixedClock() {
    return {10, 0, 0, 0};
}

int ticks = 0;
// A second goes by between any two readings.
TimeOfDay tickingClock() {
    return {10, 0, static_cast<std::uint16_t>(ticks++), 0};
}

TEST_F(MainCycleTest, ProgressLineOfTheLastRow) {
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

int clockCalls = 0;
TimeOfDay clockAcrossMidnight() {
    return clockCalls++ == 0 ? TimeOfDay{23, 59, 59, 0} : TimeOfDay{0, 0, 1, 0};
}

TEST_F(MainCycleTest, RemainingTimeAcrossMidnightIsNotNegative) {
    MemoryConsole con;
    setClockSource(&clockAcrossMidnight);
    clockCalls = 0;
    calc.tstart = readClockTenths(); // 23:59:59.0
    calc.yend = 1;
    calc.yanf = 0;
    progressStep(1); // first of two rows done after 2 s
    EXPECT_EQ(calc.rest, 2.0);
    EXPECT_EQ(con.rows()[0], "Berechnet sind 50 %, verbleibende Zeit:     2 Sekunden");
    EXPECT_EQ(screen.cursorX(), 1); // carriage return: the next line overwrites it
}

} // namespace
} // namespace kvarn
