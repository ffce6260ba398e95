#include "control/main_cycle.h"

#include <gtest/gtest.h>

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

TEST_F(MainCycleTest, ColumnsAndRowsFollowTheRepeatedAddition) {
    struct Case {
        double from, to, step;
        int count;
    } cases[] = {
        {0, 1, 0.1, 11}, // the tenth addition lands just below 1
        {0, 0, 1, 1},    {0, 2, 1, 3}, {-3, 3, 0.5, 13}, {0, 0.3, 0.1, 3},
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
        EXPECT_EQ(valuesAfterLabel(con.row(4), 5), c.count) << c.from << ".." << c.to;
        int rows = 0;
        while (!con.rows()[5 + rows].empty())
            ++rows;
        EXPECT_EQ(rows, c.count) << c.from << ".." << c.to;
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

TEST_F(MainCycleTest, ProgressLineOfTheLastRow) {
    setClockSource(&fixedClock);
    calc.singleValues = false;
    struct Case {
        double yend, yanf;
        const char* line;
    } cases[] = {
        {10, 0, "Berechnet sind 100 %, verbleibende Zeit:     0 Sekunden"},
        {10, 0.5, "Berechnet sind 95 %, verbleibende Zeit:     0 Sekunden"},
    };
    for (auto c : cases) {
        MemoryConsole con;
        calc.yend = c.yend;
        calc.yanf = c.yanf;
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
