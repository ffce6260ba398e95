#include "forms/parameter_form.h"

#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "console/text_out.h"
#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "control/program_state.h"
#include "control/program_variant.h"
#include "field/antenna.h"
#include "forms/form_support.h"
#include "support/key_text.h"
#include "support/screen_golden.h"

namespace kvarn {
namespace {

using test::cursor;
using test::CursorPos;
using test::twoCode;

using namespace testing::key_text;

constexpr char kBadFrequency[] = "      ungueltige Frequenz!     ";
constexpr char kXendBelowXanf[] = "   xend ist kleiner als xanf! ";
constexpr char kYanfAboveYend[] = "   yanf ist groesser als yend!  ";
constexpr char kStepNotPositive[] = "   Schrittweite muss > 0 sein!  ";
constexpr char kHelpLine[] = " Feldwechsel mit Tab / Backtab";

// Tab from field 1 to field n.
std::string toField(int n) {
    return std::string(static_cast<std::size_t>(n - 1), '\t');
}

// The program's initial values with an antenna of 42 m, made before the
// console of the session attaches.
struct FreshState {
    explicit FreshState(const ProgramVariant& v) {
        resetProgramState();
        selectVariant(v);
        setInitialValues();
        segCount = 1;
        totalLength = 42;
    }
};

// One console, the state of a first pass and one run of the form.
struct Session {
    FreshState fresh;
    MemoryConsole con;
    test::FormWindow win{con, 30, 2};

    explicit Session(const ProgramVariant& v = kvarn7t) : fresh(v) {}

    // Plays the keys through the form; true when it ended.
    bool play(std::string_view keys) {
        con.type(keys);
        return test::play([] {
            parameterForm(calc.freq, calc.lambda, calc.omega, calc.power, calc.xanf, calc.xend,
                          calc.yanf, calc.yend, calc.step, calc.height, calc.fieldMode,
                          calc.singleValues, calc.writeFile, calc.fileName, calc.again, totalLength,
                          variant().model);
        });
    }
    std::string statusLine(int len = 32) const { return win.at(1, 19, len); }
};

class ParameterForm : public ::testing::Test {};

// A screen row as testing::golden gives it: the text, and the background
// digits after the "|".
struct ScreenRow {
    int row;
    std::string text;
    std::string colours;
};

// The whole screen of the form at the initial values, as it stands before
// the first key, with the given rows in place of the mask's.
std::vector<std::string> maskWith(const std::vector<ScreenRow>& rows) {
    Session mask;
    mask.play("");
    std::vector<std::string> lines = testing::golden(mask.con, 1, 25);
    for (const ScreenRow& r : rows) {
        lines[static_cast<std::size_t>(2 * r.row - 2)] = r.text;
        lines[static_cast<std::size_t>(2 * r.row - 1)] = "|" + r.colours;
    }
    return lines;
}

// The status line's colours when the confirmation line covers all of what
// it held.
const std::string kConfirmedColours = std::string(59, '0') + std::string(16, '1') + "0";

// Rows 20 and 21 after a passed check: the confirmation line over what the
// status line held (its colours), and the " OK " marker.
std::vector<ScreenRow> confirmedOver(const std::string& statusColours = kConfirmedColours) {
    return {{20, std::string(29, ' ') + "  Zur Korrektur Tab / Backtab", statusColours},
            {21, std::string(47, ' ') + "OK",
             std::string(29, '0') + std::string(17, '1') + "2222" + std::string(25, '1') + "0"}};
}

TEST_F(ParameterForm, MaskShowsEveryLabelAndValueAtItsCell) {
    Session s;
    EXPECT_FALSE(s.play(""));
    struct Text {
        int col, row;
        const char* text;
        int background;
    };
    for (const Text& t : {
             Text{1, 1, " Frequenz[MHz]:", 1},
             Text{1, 2, " Leistung[W]:", 1},
             Text{1, 3, " Koordinaten des Berechnungsfeldes:", 1},
             Text{1, 4, " Xanfang:", 1},
             Text{19, 4, " Xende:", 1},
             Text{1, 5, " Yende:", 1},
             Text{1, 6, " Yanfang:", 1},
             Text{20, 6, "Schrittweite:", 1},
             Text{1, 7, " Berechnungshoehe:", 1},
             Text{1, 8, " Berechnungsmodus", 1},
             Text{4, 9, " radiale E-Feldst.(R)", 1},
             Text{4, 10, " tangentiale E-Feldst.(T)", 1},
             Text{4, 11, " gesamte E-Feldst.(E)", 1},
             Text{4, 12, " magnetische Feldst.(M)", 1},
             Text{4, 13, " E-Feldst. aus der magnet.(Z):", 1},
             Text{1, 14, " Ausgabemodus", 1},
             Text{4, 15, " Einzelwertausgabe(E)", 1},
             Text{4, 16, " nur Maximalwert(M):", 1},
             Text{1, 17, " Daten auch in Datei schreiben(j/n):", 1},
             Text{1, 19, kHelpLine, 5},
             Text{1, 21, " Eingabeende: Taste ESC", 5},
             Text{16, 1, "  3.65", 6},
             Text{16, 2, " 100.0", 6},
             Text{11, 4, "   0.0", 6},
             Text{26, 4, "   0.0", 6},
             Text{11, 5, "   0.0", 6},
             Text{11, 6, "   0.0", 6},
             Text{35, 6, "   1.0", 6},
             Text{19, 7, "   2.0", 6},
             Text{35, 13, "E", 6},
             Text{25, 16, "E", 6},
             Text{38, 17, "N", 6},
         }) {
        const int len = static_cast<int>(std::string(t.text).size());
        EXPECT_EQ(s.win.at(t.col, t.row, len), t.text);
        EXPECT_EQ(s.win.backgroundAt(t.col, t.row), t.background) << t.text;
    }
    EXPECT_EQ(s.win.at(1, 18, 46), std::string(46, ' ')); // no file: no name
    EXPECT_EQ(s.win.backgroundAt(46, 22), 1);
    EXPECT_EQ(s.con.attrAt(29, 2), kInitialAttribute); // nothing outside the window
    EXPECT_EQ(s.con.attrAt(76, 23), kInitialAttribute);
    EXPECT_EQ(cursor(), (CursorPos{16, 1}));
}

TEST_F(ParameterForm, MaskFollowsTheOutputSettings) {
    Session s;
    calc.singleValues = false;
    calc.again = true;
    calc.writeFile = true;
    calc.fileName = "feld_3";
    EXPECT_FALSE(s.play(""));
    EXPECT_EQ(s.win.at(25, 16, 1), "M");
    EXPECT_EQ(s.win.at(38, 17, 1), " "); // maximum only: no J or N
    EXPECT_EQ(s.win.at(1, 18, 25), " Ausgabedateiname: feld_3");
    EXPECT_EQ(s.win.backgroundAt(1, 18), 1);
    EXPECT_EQ(s.win.backgroundAt(20, 18), 6);
}

TEST_F(ParameterForm, FileNameFieldAppearsWithJOnly) {
    Session s; // first pass: the name becomes "antenne"
    calc.fileName = "alt";
    EXPECT_FALSE(s.play(toField(11) + "j" + tab));
    EXPECT_TRUE(calc.writeFile);
    EXPECT_EQ(s.win.at(1, 18, 26), " Ausgabedateiname: antenne");
    EXPECT_EQ(s.win.backgroundAt(1, 18), 1);
    EXPECT_EQ(s.win.backgroundAt(20, 18), 6);
    EXPECT_EQ(cursor(), (CursorPos{20, 18}));

    Session u;
    EXPECT_FALSE(u.play(toField(11) + "n" + tab));
    EXPECT_FALSE(calc.writeFile);
    EXPECT_EQ(u.win.at(1, 18, 46), std::string(46, ' '));
    EXPECT_EQ(cursor(), (CursorPos{20, 18})); // field 12 all the same
}

TEST_F(ParameterForm, FileNameTakesTwelveAllowedCharacters) {
    Session s;
    EXPECT_TRUE(s.play(toField(11) + "J" + tab + "a b\\c:d/-_.9XyzQW" + esc + enter));
    EXPECT_EQ(calc.fileName, "abcd-_.9XyzQ");
    EXPECT_EQ(s.win.at(20, 18, 13), "abcd-_.9XyzQ ");
}

TEST_F(ParameterForm, FrequencyIsCheckedAgainstTheAntennaLength) {
    struct Case {
        const ProgramVariant* program;
        const char* text;
        double stored; // 3.65 when refused
    };
    for (const Case& c : {
             Case{&kvarn7t, "3.25", 3.25},
             Case{&kvarn7t, "3.2", 3.65},
             Case{&kvarn7k, "1.7", 1.7},
             Case{&kvarn7k, "1.6", 3.65},
             Case{&kvarn7t, "146", 146.0},
             Case{&kvarn7k, "146", 146.0},
             Case{&kvarn7t, "146.01", 3.65},
             Case{&kvarn7t, "0", 3.65},
             Case{&kvarn7t, "-7", 3.65},
         }) {
        Session s(*c.program);
        EXPECT_FALSE(s.play(std::string(c.text) + tab));
        const bool refused = c.stored != std::stod(c.text);
        EXPECT_EQ(calc.freq, c.stored) << c.program->name << ' ' << c.text;
        if (refused) {
            EXPECT_EQ(s.statusLine(31), kBadFrequency) << c.text;
            EXPECT_EQ(cursor(), (CursorPos{16, 1})) << c.text; // Tab comes back to it
            EXPECT_EQ(s.win.at(16, 1, 6).substr(0, std::string(c.text).size()), c.text);
        } else {
            EXPECT_EQ(s.statusLine(30), kHelpLine) << c.text;
            EXPECT_EQ(cursor(), (CursorPos{16, 2})) << c.text;
        }
    }
}

TEST_F(ParameterForm, RefusedFrequencyLeavesNoCurrentFieldUntilACharacterAndTab) {
    Session s;
    EXPECT_FALSE(s.play("200" + esc + tab + bt));
    EXPECT_EQ(s.statusLine(31), kBadFrequency);
    EXPECT_EQ(cursor(), (CursorPos{32, 19})); // behind the message: no field
    EXPECT_EQ(s.win.at(32, 19, 1), " ");

    Session t; // the digit only ends the block; Tab then leads to field 1
    EXPECT_FALSE(t.play("200" + esc + "5" + tab + "7.1" + tab));
    EXPECT_EQ(t.win.at(32, 19, 1), " ");
    EXPECT_EQ(calc.freq, 7.1);
    EXPECT_EQ(cursor(), (CursorPos{16, 2}));

    Session u; // a letter cannot end it
    EXPECT_FALSE(u.play("200" + esc + "E" + tab));
    EXPECT_EQ(cursor(), (CursorPos{32, 19}));
}

TEST_F(ParameterForm, RefusedGridLimitsBlockTheFieldUntilACharacter) {
    Session s;
    // xend -5 below xanf 0: the message, and Tab back to Xende, where Tab,
    // Backtab and a two-code key whose second code is a digit do nothing.
    EXPECT_FALSE(s.play(toField(4) + "-5" + tab + tab + bt + twoCode('0')));
    EXPECT_EQ(s.statusLine(30), kXendBelowXanf);
    EXPECT_EQ(calc.xend, 0.0);
    EXPECT_EQ(s.win.at(26, 4, 6), "-5    "); // the refused text stays
    EXPECT_EQ(cursor(), (CursorPos{26, 4}));

    Session t;
    EXPECT_FALSE(t.play(toField(4) + "-5" + tab + "7" + tab));
    EXPECT_EQ(calc.xend, 7.0);
    EXPECT_EQ(t.win.at(26, 4, 6), "7     ");
    EXPECT_EQ(cursor(), (CursorPos{11, 5}));

    Session u; // Backtab from a refused value goes one further back
    EXPECT_FALSE(u.play(toField(6) + "3" + bt));
    EXPECT_EQ(u.statusLine(), kYanfAboveYend);
    EXPECT_EQ(calc.yanf, 0.0);
    EXPECT_EQ(cursor(), (CursorPos{26, 4})); // field 4
}

// After a refusal the next character goes into the field it is typed in,
// wherever the cursor stood, and the refused field shows its value again.
TEST_F(ParameterForm, AfterARefusalTheFieldsShowTheValuesInUse) {
    struct Case {
        std::string keys;
        std::vector<ScreenRow> rows; // besides the confirmation
        std::string statusColours;   // what is left of the message shows behind it
        std::vector<double> values;  // freq, power, xanf, xend, yend, yanf
    };
    for (const Case& c : {
             Case{toField(4) + "-5" + esc + "-10" + esc + enter,
                  {{5, std::string(29, ' ') + " Xanfang: -10      Xende:   0.0",
                    std::string(29, '0') + std::string(10, '1') + "666666" + std::string(9, '1') +
                        "666666" + std::string(15, '1') + "0"}},
                  kConfirmedColours,
                  {3.65, 100, -10, 0, 0, 0}},
             Case{toField(6) + "10" + esc + "4" + esc + enter,
                  {{6, std::string(29, ' ') + " Yende:   4",
                    std::string(29, '0') + std::string(10, '1') + "666666" + std::string(30, '1') +
                        "0"}},
                  std::string(59, '0') + "66" + std::string(14, '1') + "0",
                  {3.65, 100, 0, 0, 4, 0}},
             Case{toField(4) + "-5" + bt + "100" + esc + enter,
                  {{3, std::string(29, ' ') + " Leistung[W]:  100",
                    std::string(29, '0') + std::string(15, '1') + "666666" + std::string(25, '1') +
                        "0"}},
                  kConfirmedColours,
                  {3.65, 100, 0, 0, 0, 0}},
             Case{"200" + esc + "5" + esc + enter,
                  {}, // no field to type into
                  std::string(59, '0') + "6" + std::string(15, '1') + "0",
                  {3.65, 100, 0, 0, 0, 0}},
         }) {
        std::vector<ScreenRow> rows = c.rows;
        for (const ScreenRow& r : confirmedOver(c.statusColours))
            rows.push_back(r);
        const std::vector<std::string> expected = maskWith(rows);
        Session s;
        EXPECT_TRUE(s.play(c.keys)) << ::testing::PrintToString(c.keys);
        EXPECT_THAT(testing::golden(s.con, 1, 25), ::testing::ElementsAreArray(expected))
            << ::testing::PrintToString(c.keys);
        EXPECT_EQ((std::vector<double>{calc.freq, calc.power, calc.xanf, calc.xend, calc.yend,
                                       calc.yanf}),
                  c.values)
            << ::testing::PrintToString(c.keys);
    }
}

// Backspace in a letter field drops the typed letter and shows the one the
// field holds, on its own cell.
TEST_F(ParameterForm, BackspaceInALetterFieldShowsTheLetterInUse) {
    struct Case {
        std::string keys;
        std::vector<ScreenRow> rows; // besides the confirmation
        char fieldMode;
        bool singleValues, writeFile;
    };
    for (const Case& c : {
             Case{toField(9) + "r" + bs + esc + enter, {}, 'E', true, false},
             Case{toField(11) + "j" + bs + esc + enter, {}, 'E', true, false},
             Case{
                 toField(9) + "r" + bs + "t" + esc + enter,
                 {{14, std::string(32, ' ') + " E-Feldst. aus der magnet.(Z): t",
                   std::string(29, '0') + std::string(34, '1') + "6" + std::string(11, '1') + "0"}},
                 'T',
                 true,
                 false},
             // Maximum only: field 11 shows no answer, as in the mask.
             Case{toField(10) + "m" + tab + "j" + bs + esc + enter,
                  {{17, std::string(32, ' ') + " nur Maximalwert(M): m",
                    std::string(29, '0') + std::string(24, '1') + "6" + std::string(21, '1') + "0"},
                   {18, std::string(29, ' ') + " Daten auch in Datei schreiben(j/n):",
                    std::string(29, '0') + std::string(46, '1') + "0"}},
                  'E',
                  false,
                  false},
         }) {
        std::vector<ScreenRow> rows = c.rows;
        for (const ScreenRow& r : confirmedOver())
            rows.push_back(r);
        const std::vector<std::string> expected = maskWith(rows);
        Session s;
        EXPECT_TRUE(s.play(c.keys)) << ::testing::PrintToString(c.keys);
        EXPECT_THAT(testing::golden(s.con, 1, 25), ::testing::ElementsAreArray(expected))
            << ::testing::PrintToString(c.keys);
        EXPECT_EQ(calc.fieldMode, c.fieldMode) << ::testing::PrintToString(c.keys);
        EXPECT_EQ(calc.singleValues, c.singleValues) << ::testing::PrintToString(c.keys);
        EXPECT_EQ(calc.writeFile, c.writeFile) << ::testing::PrintToString(c.keys);
    }
}

TEST_F(ParameterForm, ZeroStepIsRefusedWhereItIsTyped) {
    for (const char* text : {"0", "0.0", "-0", ".0"}) {
        Session s;
        EXPECT_FALSE(s.play(toField(7) + text + tab + tab));
        EXPECT_EQ(s.statusLine(), kStepNotPositive) << text;
        EXPECT_EQ(calc.step, 1.0) << text;
        EXPECT_EQ(cursor(), (CursorPos{35, 6})) << text; // blocked on Schrittweite
    }
}

TEST_F(ParameterForm, PowerAndStepAreStoredAsAbsoluteValues) {
    Session s;
    EXPECT_FALSE(s.play(tab + "-100" + toField(6) + "-2" + tab + "-3.5" + tab + "r" + tab + "m" +
                        tab + "x"));
    EXPECT_EQ(calc.power, 100.0);
    EXPECT_EQ(calc.step, 2.0);
    EXPECT_EQ(calc.height, -3.5); // as typed
    EXPECT_EQ(calc.fieldMode, 'R');
    EXPECT_FALSE(calc.singleValues);
    EXPECT_EQ(s.win.at(38, 17, 1), "N"); // x is not a J or N
}

TEST_F(ParameterForm, EscChecksTheGridLimitsAgain) {
    Session s;
    // xend 5, then xanf 10: both accepted as typed, Esc refuses them.
    EXPECT_FALSE(s.play(toField(4) + "5" + bt + "10" + esc + enter + esc));
    EXPECT_EQ(calc.xanf, 10.0);
    EXPECT_EQ(calc.xend, 5.0);
    EXPECT_EQ(s.statusLine(30), kXendBelowXanf);
    EXPECT_EQ(cursor(), (CursorPos{11, 4})); // on Xanfang
    EXPECT_NE(s.win.at(18, 20, 4), " OK ");  // blocked: Esc cannot confirm

    Session t;
    EXPECT_FALSE(t.play(toField(6) + "-5" + bt + "-10" + esc));
    EXPECT_EQ(t.statusLine(), kYanfAboveYend);
    EXPECT_EQ(cursor(), (CursorPos{11, 5})); // on Yende

    Session u; // a corrected value ends the block and confirms
    EXPECT_TRUE(u.play(toField(4) + "5" + bt + "10" + esc + twoCode('0') + "1" + esc + enter));
    EXPECT_EQ(calc.xanf, 1.0);
}

// Esc tests the frequency the form holds against the wire, also when it was
// never typed: the same message at the same place, blocked on field 1.
TEST_F(ParameterForm, EscChecksTheFrequencyHeldAgainstTheWire) {
    const std::vector<ScreenRow> refused{
        {20, std::string(29, ' ') + "      ungueltige Frequenz!",
         std::string(29, '0') + std::string(31, '6') + std::string(15, '1') + "0"}};
    std::vector<ScreenRow> typedAfterwards = confirmedOver(
        std::string(59, '0') + "6" + std::string(15, '1') + "0"); // the message's last blank
    typedAfterwards.push_back(
        {2, std::string(29, ' ') + " Frequenz[MHz]:15",
         std::string(29, '0') + std::string(15, '1') + "666666" + std::string(25, '1') + "0"});
    struct Case {
        const ProgramVariant* program;
        double wireMetres;
        std::string keys;
        std::vector<ScreenRow> rows;
        bool ended;
        double freq;
    };
    for (const Case& c : {
             Case{&kvarn7t, 10, esc + enter, refused, false, 3.65},
             Case{&kvarn7k, 10, esc + enter, refused, false, 3.65},
             Case{&kvarn7t, 10, esc + "15" + esc + enter, typedAfterwards, true, 15},
             Case{&kvarn7t, 42, esc + enter, confirmedOver(), true, 3.65},
         }) {
        const std::vector<std::string> expected = maskWith(c.rows);
        Session s(*c.program);
        totalLength = c.wireMetres;
        EXPECT_EQ(s.play(c.keys), c.ended) << ::testing::PrintToString(c.keys);
        EXPECT_THAT(testing::golden(s.con, 1, 25), ::testing::ElementsAreArray(expected))
            << c.program->name << ' ' << c.wireMetres << ::testing::PrintToString(c.keys);
        EXPECT_EQ(calc.freq, c.freq);
        if (!c.ended) {
            EXPECT_EQ(cursor(), (CursorPos{16, 1})); // on the frequency
        }
    }

    // The next pass with the same wire takes the frequency that passed.
    Session s;
    totalLength = 10;
    EXPECT_TRUE(s.play(esc + "15" + esc + enter));
    calc.again = true;
    EXPECT_TRUE(s.play(esc + enter));
    EXPECT_EQ(calc.freq, 15.0);
}

TEST_F(ParameterForm, ConfirmationAndBacktabOutOfIt) {
    Session s;
    EXPECT_FALSE(s.play(esc));
    EXPECT_EQ(s.statusLine(30), "  Zur Korrektur Tab / Backtab ");
    EXPECT_EQ(s.win.backgroundAt(1, 19), 0);
    EXPECT_EQ(s.win.at(18, 20, 4), " OK ");
    EXPECT_EQ(s.win.backgroundAt(18, 20), 2);
    EXPECT_EQ(cursor(), (CursorPos{19, 20}));

    Session t; // without a file Backtab returns to field 11
    EXPECT_FALSE(t.play(esc + bt));
    EXPECT_EQ(cursor(), (CursorPos{38, 17}));
    EXPECT_EQ(test::background(screen.attr), 6);

    Session u; // with a file to field 12; a J typed meanwhile is converted first
    EXPECT_FALSE(u.play(toField(11) + "j" + esc + "j" + bt));
    EXPECT_EQ(cursor(), (CursorPos{20, 18}));
    Session v; // an N so, and Backtab goes to field 11
    EXPECT_TRUE(v.play(toField(11) + "j" + esc + "n" + bt + esc + enter));
    EXPECT_EQ(calc.fileName, "antenne");
    EXPECT_FALSE(calc.writeFile);

    Session w; // a letter typed while confirming goes into field 11; Enter checks it
    EXPECT_FALSE(w.play(esc + "j" + enter));
    EXPECT_EQ(w.win.at(18, 20, 4), " OK ");
    EXPECT_EQ(w.win.at(38, 17, 1), "j");
    EXPECT_TRUE(calc.writeFile);
}

TEST_F(ParameterForm, LeavesWithWavelengthAngularFrequencyAndTheFullWindow) {
    Session s;
    EXPECT_TRUE(s.play("7.1" + esc + enter));
    EXPECT_DOUBLE_EQ(calc.lambda, 300.0 / 7.1);
    EXPECT_EQ(calc.omega, 44610578.0);
    EXPECT_EQ(calc.fileName, "antenne");
    EXPECT_EQ(screen.winLeft, 1);
    EXPECT_EQ(screen.winTop, 1);
    EXPECT_EQ(screen.winRight, 80);
    EXPECT_EQ(screen.winBottom, 24);
    EXPECT_EQ(test::background(screen.attr), 0);
    EXPECT_EQ(cursor(), (CursorPos{1, 24}));
    EXPECT_EQ(s.win.at(1, 1, 15), " Frequenz[MHz]:"); // the form stays on the screen
}

} // namespace
} // namespace kvarn
