// Whole sessions of both programs, from the first key to the end.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/example_report.h"
#include "support/screen_golden.h"
#include "support/session.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using namespace kvarn::testing;
using ::testing::HasSubstr;
using ::testing::Not;

const std::vector<CornerPoint> kExampleWire{{0, 0, 10}, {20, 0, 10}, {40, 0, 10}};
const std::vector<CornerPoint> kFortyMetres{{0, 0, 10}, {40, 0, 10}};

struct SessionTest : ::testing::Test {
    TempDir dir;
    MemoryConsole con{80, 25};
};

TEST_F(SessionTest, SingleValuePassWithFile) {
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kExampleWire) +
                             parameterKeys({{4, "2"}, {11, "j"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    EXPECT_EQ(con.keysLeft(), 0u);

    EXPECT_EQ(readFile("antenne"), kExampleFileHeader + kExampleFileBody);
}

TEST_F(SessionTest, SingleValuePassOnTheConsole) {
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kExampleWire) +
                             parameterKeys({{4, "2"}, {5, "1"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    const std::string screenText = con.text();
    EXPECT_THAT(con.text(), HasSubstr("\nBerechnet wird elektrische Feldstaerke, gesamt\n"
                                      "in V/m fuer antenne bei  100 W und   3.650 MHz\n"
                                      "\n"
                                      "y\\x    0   1   2\n"
                                      "\n"
                                      "  1  5.7 6.0 6.3\n"
                                      "  0  5.7 6.1 6.4\n"
                                      "\n"
                                      "Maximalwert bei x:  2.00 ; y:  0.00 :  6.37\n"
                                      "weitere Berechnung (j/n)? n"));
    const auto rows = con.rows();
    const auto row = std::find(rows.begin(), rows.end(), "  1  5.7 6.0 6.3") - rows.begin();
    EXPECT_EQ(con.row(static_cast<int>(row) + 1), "  1  5.7 6.0 6.3 " + std::string(63, ' '))
        << "each cell ends with a blank";
    EXPECT_FALSE(std::filesystem::exists("antenne"));
}

TEST_F(SessionTest, MaximumOnlyPassShowsProgressAndWritesNoFile) {
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kFortyMetres) +
                             parameterKeys({{4, "40"}, {5, "10"}, {10, "m"}, {11, "j"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    const std::string screenText = con.text();
    EXPECT_THAT(screenText, HasSubstr("Berechnet sind 100 %, verbleibende Zeit: "));
    EXPECT_THAT(screenText, Not(HasSubstr("Berechnet wird")));
    EXPECT_FALSE(std::filesystem::exists("antenne"));
    EXPECT_GT(calc.fmax, 0.0);
}

TEST_F(SessionTest, SecondPassReplacesTheFile) {
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kExampleWire) +
                             parameterKeys({{4, "2"}, {11, "j"}}) + "j\r" +
                             parameterKeys({{2, "50"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    std::string file = readFile("antenne");
    EXPECT_THAT(file, HasSubstr("in V/m fuer antenne bei   50 W und   3.650 MHz\r\n"));
    EXPECT_THAT(file, Not(HasSubstr(" 100 W")));
    EXPECT_EQ(file.find("Maximalwert"), file.rfind("Maximalwert"));
}

TEST_F(SessionTest, TooClosePointsAreMarked) {
    // (20, 0) at 8.5 m lies within 2.1 m of the centres of elements 20 and 21.
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kFortyMetres) +
                             parameterKeys({{3, "19"}, {4, "21"}, {8, "8.5"}, {11, "j"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    EXPECT_THAT(con.text(), HasSubstr("\n  0   x   x   x\n"));
    EXPECT_THAT(readFile("antenne"), HasSubstr("\r\n   0   xxx   xxx   xxx  \r\n"));
    EXPECT_EQ(calc.fmax, 0.0);
}

TEST_F(SessionTest, ModeZUnitTexts) {
    const std::string keys = std::string(keys::Enter) + coordinateKeys(kFortyMetres) +
                             parameterKeys({{9, "z"}, {11, "j"}, {12, "feld.txt"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7t, keys), 0);
    EXPECT_THAT(con.text(),
                HasSubstr("Berechnet wird elektrische Feldstaerke aus der magnetischen\n"
                          "in V/m fuer feld.txt bei  100 W"));
    EXPECT_THAT(readFile("feld.txt"),
                HasSubstr("Berechnet wird elektrische Feldstaerke aus der magnetischen\r\n"
                          " in V/m fuer feld.txt bei  100 W"));
}

// What a session shows and holds when its keys run out.
struct Stop {
    std::vector<std::string> screen;
    std::vector<double> values; // z of corner 2 and the end of segment 1, total length, file
};
Stop playUntilTheKeysEnd(const std::string& keys) {
    resetProgramState();
    MemoryConsole console{80, 25};
    EXPECT_THROW(playSession(console, kvarn7t, keys), ScriptEnded);
    return {golden(console, 1, 25), {za[2], ze[1], totalLength, double(calc.writeFile)}};
}

// Text typed while " OK " shows goes into its field, and Enter checks it
// first: the form then shows and holds what the same text typed before Esc
// gives, and only the next Enter ends it. A file declined so is left alone.
TEST_F(SessionTest, TextTypedAtTheConfirmationIsCheckedBeforeTheFormEnds) {
    const std::string esc(keys::Esc), enter(keys::Enter);
    const std::string toZ2 = enter + "0\t0\t10\t40\t0\t"; // the notice, then up to z of corner 2
    const std::string toField11 = toZ2 + "10" + esc + enter + "\t\t\t\t\t\t\t\t\t\t";
    struct Case {
        std::string keys, sameTypedBeforeEsc;
        const char* nextEnterShows;
    };
    for (const Case& c : {
             Case{toZ2 + "10" + esc + "80" + enter, toZ2 + "80" + esc, " Frequenz[MHz]:"},
             Case{toField11 + "j" + esc + "n" + enter, toField11 + "n" + esc, "Maximalwert bei x:"},
         }) {
        const Stop typedAtConfirmation = playUntilTheKeysEnd(c.keys);
        const Stop typedBeforeEsc = playUntilTheKeysEnd(c.sameTypedBeforeEsc);
        EXPECT_THAT(typedAtConfirmation.screen, ::testing::ElementsAreArray(typedBeforeEsc.screen))
            << ::testing::PrintToString(c.keys);
        EXPECT_EQ(typedAtConfirmation.values, typedBeforeEsc.values)
            << ::testing::PrintToString(c.keys);
        EXPECT_THAT(playUntilTheKeysEnd(c.keys + enter).screen,
                    ::testing::Contains(HasSubstr(c.nextEnterShows)))
            << ::testing::PrintToString(c.keys);
    }

    resetProgramState();
    MemoryConsole console{80, 25};
    std::ofstream("antenne", std::ios::binary) << "kept\r\n";
    ASSERT_EQ(playSession(console, kvarn7t, toField11 + "j" + esc + "n" + enter + enter + "n\r"),
              0);
    EXPECT_EQ(readFile("antenne"), "kept\r\n");
}

TEST_F(SessionTest, SpecialVersionNeedsTwoEnterPresses) {
    // One Enter only: the second notice still waits, no form is shown.
    EXPECT_THROW(playSession(con, kvarn7k, "\r"), ScriptEnded);
    EXPECT_EQ(con.at(1, 11, 8), "weiter: ");
}

TEST_F(SessionTest, SpecialVersionRefusesAndReportsNothing) {
    // 40 m at 3.65 MHz: too long for the half-wave model. The pass writes no
    // report and no file and asks at once whether to calculate again.
    const std::string keys =
        "\r\r" + coordinateKeys(kFortyMetres) + parameterKeys({{1, "3.65"}, {11, "j"}}) + "n\r";
    ASSERT_EQ(playSession(con, kvarn7k, keys), 0);
    const std::string screenText = con.text();
    EXPECT_THAT(screenText, HasSubstr("Fuer diese Laengenverhaeltnisse ist diese Programmversion\n"
                                      "nicht geeignet!\n"
                                      "weitere Berechnung (j/n)? n"));
    EXPECT_THAT(screenText, Not(HasSubstr("Maximalwert bei")));
    EXPECT_FALSE(std::filesystem::exists("antenne"));
}

TEST_F(SessionTest, SpecialVersionDialogueAnswers) {
    struct Case {
        const char* reply;
        bool calculated;
    } cases[] = {{"j", true}, {"Ja", true}, {"nein", false}, {"", false}};
    for (auto c : cases) {
        resetProgramState();
        MemoryConsole console{80, 25};
        const std::string keys =
            "\r\r" + coordinateKeys(kFortyMetres) + parameterKeys({{1, "3"}}) + c.reply + "\rn\r";
        ASSERT_EQ(playSession(console, kvarn7k, keys), 0) << c.reply;
        const std::string screenText = console.text();
        EXPECT_THAT(screenText, HasSubstr("Die Antenne wird berechnet fuer Lambda = 100m\n"
                                          "                   bei einer Laenge von:  40m\n" +
                                          (*c.reply ? std::string("Ist das i.O. ? ") + c.reply
                                                    : std::string("Ist das i.O. ?\n"))))
            << c.reply;
        EXPECT_EQ(screenText.find("Maximalwert bei") != std::string::npos, c.calculated) << c.reply;
        EXPECT_EQ(elementCount, c.calculated ? 40 : 0) << c.reply;
    }
}

TEST_F(SessionTest, ScreenAndFileDoNotDependOnTheThreads) {
    // Two passes, a table with its file and a maximum-only scan, of a grid
    // that takes several pieces per row and many rows.
    const std::string keys =
        std::string(keys::Enter) + coordinateKeys(kExampleWire) +
        parameterKeys({{3, "0"}, {4, "60"}, {5, "12"}, {6, "-12"}, {11, "j"}}) + "j\r" +
        parameterKeys({{7, "0.5"}, {10, "m"}}) + "n\r";
    std::string screens[2], files[2];
    for (int k = 0; k < 2; ++k) {
        resetProgramState();
        ::setenv("KVARN_THREADS", k == 0 ? "1" : "3", 1);
        setClockSource([] { return TimeOfDay{10, 0, 0, 0}; }); // the same remaining times
        MemoryConsole console{200, 60};
        ASSERT_EQ(playSession(console, kvarn7t, keys), 0);
        screens[k] = console.text();
        files[k] = readFile("antenne");
    }
    ::unsetenv("KVARN_THREADS");
    EXPECT_EQ(screens[0], screens[1]);
    EXPECT_EQ(files[0], files[1]);
    EXPECT_THAT(files[0], HasSubstr("\r\n -12  "));
}

} // namespace
} // namespace kvarn
