// Whole passes of kvarn-7t from the keyboard: notice, both forms, the table
// and the repeat question.
#include <string>

#include <gtest/gtest.h>

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "field/antenna.h"
#include "forms/form_support.h"

namespace kvarn {
namespace {

TEST(InputPass, FormsOnTheFirstPassThenTheParameterFormAlone) {
    MemoryConsole con;
    const std::string tab(keys::Tab);
    const std::string esc(keys::Esc);
    const std::string enter(keys::Enter);
    con.type(enter);                                                  // usage notice
    con.type(tab + tab + tab + "42" + tab + tab + "0" + esc + enter); // antenna 42 m
    con.type("7.1" + tab + tab + tab + "2" + esc + enter);            // xend 2
    con.type("j" + enter);                                            // again
    con.type(esc + enter);                                            // parameters kept
    con.type("n" + enter);

    int status = -1;
    EXPECT_TRUE(test::play([&] { status = runProgram(kvarn7t); }));
    EXPECT_EQ(status, 0);
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

} // namespace
} // namespace kvarn
