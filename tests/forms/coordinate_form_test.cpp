#include "forms/coordinate_form.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/text_out.h"
#include "control/calc_params.h"
#include "control/program_state.h"
#include "field/wire_length.h"
#include "forms/form_support.h"
#include "support/key_text.h"
#include "support/screen_golden.h"

namespace kvarn {
namespace {

using test::cursor;
using test::CursorPos;

using namespace testing::key_text;

// Tab from field 1 to field f (corner i, coordinate j: f = (i - 1) * 3 + j).
std::string toField(int f) {
    return std::string(static_cast<std::size_t>(f - 1), '\t');
}

// A straight antenna from the origin: x of corner 2 and its z as 0.
std::string segmentAlongX(const std::string& x2) {
    return toField(4) + x2 + tab + tab + "0" + esc;
}

// Plays the keys through the form on that console; true when it ended.
bool playForm(MemoryConsole& con, std::string_view keys) {
    con.type(keys);
    return test::play([] { coordinateForm(xa, ya, za, xe, ye, ze, segCount, totalLength); });
}

class CoordinateForm : public ::testing::Test {
  protected:
    // Plays the keys through the form; true when it ended.
    bool play(std::string_view keys) { return playForm(con, keys); }
    // The line of the total length and the checks' messages.
    std::string messageLine() const { return win.at(5, 13, 18); }
    bool confirmationShown() const { return win.at(1, 14, 30) == "  Zur Korrektur Tab / Backtab "; }

    MemoryConsole con;
    test::FormWindow win{con, 40, 3};
};

TEST_F(CoordinateForm, DrawsItsMaskInABlueWindow) {
    gotoXY(1, 1);
    writeText(output, "old screen");
    EXPECT_FALSE(play(""));
    // The window it was called in is cleared; nothing outside the form's
    // window is drawn.
    const std::vector<std::string> expected{
        "",
        "|0",
        "",
        "|0",
        "                                       Eingabe der Antennenkoordinaten",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                          x         y         z",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        1",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        2",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        3",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        4",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        5",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        6",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        7",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        8",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        9",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                       10",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        Feldwechsel mit Tab / Backtab",
        "|00000000000000000000000000000000000000055555555555555555555555555555510",
        "",
        "|00000000000000000000000000000000000000011111111111111111111111111111110",
        "                                        Eingabeende: Taste ESC",
        "|00000000000000000000000000000000000000055555555555555555555555111111110",
        "",
        "|0",
    };
    EXPECT_EQ(testing::golden(con, 1, 19), expected);
    EXPECT_EQ(cursor(), (CursorPos{4, 3}));
    EXPECT_EQ(test::background(screen.attr), 6);
}

TEST_F(CoordinateForm, TooFewDataWithoutASecondCornerWithZ) {
    CursorPos last{};
    for (const std::string& keys : {
             esc,                                      // nothing at all
             "1" + tab + "2" + tab + "3" + esc,        // corner 1 only
             toField(4) + "5" + tab + "5" + tab + esc, // corner 2 without z
         }) {
        resetProgramState();
        MemoryConsole fresh;
        EXPECT_FALSE(playForm(fresh, keys));
        const test::FormWindow w{fresh, 40, 3};
        EXPECT_EQ(w.at(5, 13, 18), "zu wenig Daten!   ") << ::testing::PrintToString(keys);
        EXPECT_EQ(w.backgroundAt(5, 13), 6);
        EXPECT_EQ(w.at(1, 14, 30), " Feldwechsel mit Tab / Backtab"); // no confirmation
        EXPECT_EQ(segCount, 0.0);
        last = cursor();
    }
    // The cursor goes back to the current field: z2 after the last script.
    EXPECT_EQ(last, (CursorPos{24, 4}));
}

TEST_F(CoordinateForm, SkippedCornerCountsWithZeroCoordinates) {
    EXPECT_FALSE(play(toField(9) + "5" + esc));
    EXPECT_EQ(segCount, 2.0);
    EXPECT_EQ(za[3], 5.0);
    EXPECT_EQ(ze[2], 5.0); // the end of segment 2 is corner 3
    EXPECT_EQ(ze[1], 0.0);
    EXPECT_EQ(totalLength, 5.0);
    EXPECT_EQ(messageLine(), "Gesamtlaenge:   5m");
    EXPECT_TRUE(confirmationShown());
}

TEST_F(CoordinateForm, TotalLengthBoundsAreChecked) {
    struct Case {
        const char* x2;
        double total;
        const char* line;
        bool accepted;
    };
    for (const Case& c : {
             Case{"0.4", 0, "Antenne zu kurz! m", false},
             Case{"0.5", 1, "Gesamtlaenge:   1m", true},
             Case{"800", 800, "Gesamtlaenge: 800m", true},
             Case{"801", 801, "Antenne zu lang! m", false}, // the m is left over
             Case{"800.49", 800, "Gesamtlaenge: 800m", true},
         }) {
        resetProgramState();
        MemoryConsole fresh;
        EXPECT_FALSE(playForm(fresh, segmentAlongX(c.x2)));
        const test::FormWindow w{fresh, 40, 3};
        EXPECT_EQ(w.at(5, 13, 18), c.line) << c.x2;
        EXPECT_EQ(totalLength, c.total) << c.x2;
        EXPECT_EQ(segCount, 1.0);
        EXPECT_EQ(w.at(13, 15, 4) == " OK ", c.accepted) << c.x2;
        if (c.accepted) {
            EXPECT_EQ(cursor(), (CursorPos{14, 15})); // on the O
            EXPECT_EQ(w.backgroundAt(13, 15), 2);
            EXPECT_EQ(w.backgroundAt(1, 14), 0);
        } else {
            EXPECT_EQ(cursor(), (CursorPos{24, 4})); // back on z2
        }
    }
}

// A segment of a half metre exactly as typed (x 0.3 to 2.8): the form counts
// it as the discretisation lays it, 3 elements, not 2.
TEST_F(CoordinateForm, TotalLengthCountsTheElementsTheDiscretisationLays) {
    EXPECT_FALSE(play("0.3" + toField(3) + tab + "2.8" + tab + tab + "0" + tab + "0.3" + tab + tab +
                      "0" + esc));
    ASSERT_EQ(segCount, 2.0);
    EXPECT_EQ(totalLength, 6.0);
    EXPECT_EQ(totalLength, wireLength(antennaCorners()));
    EXPECT_EQ(messageLine(), "Gesamtlaenge:   6m");
}

TEST_F(CoordinateForm, StartAndEndListsStayInStep) {
    // Corners 3, 4 (x 3) and 5 with z; after the total, Backtab from z5 to y4
    // and change it.
    EXPECT_FALSE(play(toField(9) + "0" + tab + "3" + tab + tab + "0" + tab + tab + tab + "0" + esc +
                      bt + bt + bt + bt + bt + "4" + esc));
    EXPECT_EQ(xa[4], 3.0);
    EXPECT_EQ(xe[3], 3.0);
    EXPECT_EQ(ya[4], 4.0); // corner 4 is the start of segment 4
    EXPECT_EQ(ye[3], 4.0); // and the end of segment 3
    EXPECT_EQ(segCount, 4.0);
    EXPECT_EQ(totalLength, 5.0 + 5.0); // origin -> (3, 4, 0) -> origin
    EXPECT_EQ(messageLine(), "Gesamtlaenge:  10m");
    EXPECT_TRUE(confirmationShown());
}

TEST_F(CoordinateForm, SegmentCountNeverFalls) {
    // z of corner 6, then Backtab to z of corner 3 and a z there as well.
    std::string back;
    for (int k = 0; k < 9; ++k)
        back += bt;
    EXPECT_FALSE(play(toField(18) + "1" + back + "2" + esc));
    EXPECT_EQ(za[3], 2.0);
    EXPECT_EQ(ze[2], 2.0);
    EXPECT_EQ(segCount, 5.0);
}

TEST_F(CoordinateForm, LeavesTheFullWindowInBlueWithTheScreenKept) {
    EXPECT_TRUE(play(segmentAlongX("10") + enter));
    EXPECT_EQ(screen.winLeft, 1);
    EXPECT_EQ(screen.winTop, 1);
    EXPECT_EQ(screen.winRight, 80);
    EXPECT_EQ(screen.winBottom, 21);
    EXPECT_EQ(test::background(screen.attr), 1);
    EXPECT_EQ(cursor(), (CursorPos{1, 21}));
    EXPECT_EQ(win.at(1, 1, 31), "Eingabe der Antennenkoordinaten");
    EXPECT_EQ(segCount, 1.0);
    EXPECT_EQ(totalLength, 10.0);
    EXPECT_EQ(xa[2], 10.0);
    EXPECT_EQ(xe[1], 10.0);
}

} // namespace
} // namespace kvarn
