#include "control/discretization.h"

#include <gtest/gtest.h>

#include <cmath>

#include "control/calc_params.h"
#include "control/pass_setup.h"
#include "control/program_state.h"
#include "field/antenna.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

// A straight wire of the given length at 10 m height, 100 W at a frequency
// in MHz.
void straightWire(double length, double freq) {
    test::setWire({{0, 0, 10}, {length, 0, 10}});
    test::setFrequency(freq);
    calc.power = 100;
}

// The normal program lays the standing wave on the wire of the corner lists
// with the pass's wavelength and power, without a question.
TEST(DiscretizeAntenna, LaysTheWireOfTheCornerListsForThePass) {
    MemoryConsole con;
    test::setWire({{0, 0, 10}, {20, 0, 10}, {20, 20, 10}});
    test::setFrequency(3.65);
    calc.power = 100;
    discretizeAntenna();
    ASSERT_EQ(elementCount, 40);
    EXPECT_EQ(con.text(), "");
    const AntennaElement first = elements[1], last = elements[20], afterTheBend = elements[21];
    EXPECT_EQ(first.x, 0.5);
    EXPECT_EQ(last.x, 19.5);
    EXPECT_EQ(afterTheBend.x, 20.0);
    EXPECT_EQ(afterTheBend.y, 0.5);
    EXPECT_EQ(afterTheBend.dy, 1.0);
    // The wave runs on round the bend: largest near the quarter wave, at the
    // amplitude 2 L / lambda half-wave radiators of 73.2 ohms take 100 W at.
    const double a = std::sqrt(100 / (2.0 * 40 / calc.lambda * 73.2));
    EXPECT_GT(afterTheBend.current, 0.999 * a);
    EXPECT_LT(afterTheBend.current, a);

    calc.power = 400; // four times the power, twice the current
    discretizeAntenna();
    EXPECT_DOUBLE_EQ(elements[21].current, 2 * afterTheBend.current);
}

TEST(ShortAntenna, RefusesUnsuitableLengthRatios) {
    // 40 m at 3.65 MHz: longer than lambda / 2.2; 24 m at 3.0 MHz: not longer
    // than a quarter wave.
    for (auto [length, freq] : {std::pair{40.0, 3.65}, {24.0, 3.0}, {25.0, 3.0}}) {
        resetProgramState();
        MemoryConsole con;
        straightWire(length, freq);
        EXPECT_FALSE(discretizeShortAntenna());
        EXPECT_EQ(elementCount, 0);
        EXPECT_EQ(con.rows()[0], "Fuer diese Laengenverhaeltnisse ist diese Programmversion");
        EXPECT_EQ(con.rows()[1], "nicht geeignet!");
        EXPECT_EQ(screen.cursorY(), 3);
        EXPECT_EQ(con.keysLeft(), 0u); // nothing was asked
    }
}

TEST(ShortAntenna, AsksBeforeBuildingAndOnlyJGoesOn) {
    struct Case {
        const char* reply;
        bool built;
    } cases[] = {
        {"j", true},  {"Ja", true},   {"nein", false}, {"", false},
        {"x", false}, {"\xEA", false}}; // Latin-1 e with a circumflex: its low bits spell j
    for (auto c : cases) {
        resetProgramState();
        MemoryConsole con;
        straightWire(40, 3.0); // lambda 100 m: 25 m < 40 m < 45.45 m
        con.type(c.reply);
        con.type(keys::Enter);
        EXPECT_EQ(discretizeShortAntenna(), c.built) << c.reply;
        EXPECT_EQ(con.rows()[0], "Die Antenne wird berechnet fuer Lambda = 100m");
        EXPECT_EQ(con.rows()[1], "                   bei einer Laenge von:  40m");
        const std::string prompt = std::string("Ist das i.O. ? ") + c.reply;
        EXPECT_EQ(con.at(1, 3, static_cast<int>(prompt.size())), prompt);
        EXPECT_EQ(calc.answer, c.reply[0] ? c.reply[0] : '\r');
        EXPECT_EQ(elementCount, c.built ? 40 : 0) << c.reply;
    }
}

TEST(ShortAntenna, HalfSineOverTheWholeWire) {
    MemoryConsole con;
    straightWire(40, 3.0);
    con.type("j");
    con.type(keys::Enter);
    ASSERT_TRUE(discretizeShortAntenna());
    ASSERT_EQ(elementCount, 40);
    const double a = std::sqrt(100 / 73.2);
    // Largest in the middle, nearly a; the ends smallest and equal; symmetric.
    EXPECT_NEAR(elements[20].current, a, 0.002 * a);
    EXPECT_NEAR(elements[21].current, elements[20].current, 1e-4);
    EXPECT_NEAR(elements[1].current, elements[40].current, 1e-4);
    for (int k = 1; k <= 40; ++k) {
        EXPECT_GT(elements[k].current, 0) << k;
        if (k != 20 && k != 21) {
            EXPECT_LT(elements[k].current, elements[20].current) << k;
        }
        EXPECT_NEAR(elements[k].current, elements[41 - k].current, 1e-4) << k;
    }
}

} // namespace
} // namespace kvarn
