#include "forms/field_edit.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/text_out.h"
#include "forms/form_support.h"
#include "support/key_text.h"

namespace kvarn {
namespace {

using test::cursor;
using test::CursorPos;
using test::play;
using test::twoCode;

// Two number fields, a letter field and a name field on the whole screen.
constexpr std::array<FormField, 4> kTestFields{{
    {{2, 1}, FieldKind::number},
    {{2, 2}, FieldKind::number},
    {{2, 3}, FieldKind::letter},
    {{2, 4}, FieldKind::name},
}};

struct Stored {
    int field;
    std::string value; // the text, or the number as "%g"
    bool operator==(const Stored&) const = default;
};

class TestForm : public FieldEditor {
  public:
    TestForm() : FieldEditor(kTestFields, {1, 6}, {5, 7}) {}

    std::vector<Stored> stored;
    bool checksPass = true;
    int checksRun = 0;
    std::size_t storedBeforeCheck = 0;
    bool blockOnStore = false;          // refuse every number, like the parameter form
    std::int16_t afterConfirmation = 0; // Backtab out of the confirmation; 0: stay

  private:
    bool accepts(std::uint8_t ch) const override {
        const bool digit = (ch >= '0' && ch <= '9') || ch == '.' || ch == '-';
        const bool letter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        if (fieldNo == 3) return letter;
        if (fieldNo == 4) return letter || digit;
        return digit;
    }
    void storeNumber(double v) override {
        if (blockOnStore) {
            blocked = true;
            --fieldNo;
            return;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        stored.push_back({fieldNo, text});
    }
    void storeText(std::string_view text) override {
        stored.push_back({fieldNo, std::string(text)});
    }
    // The held value of every field shows as a '#'.
    void drawValue(int n) override {
        cursorToField(n);
        writeChar(output, '#');
        endWrite(output);
    }
    std::int16_t fieldAfterConfirmation() const override {
        return afterConfirmation != 0 ? afterConfirmation : fieldNo;
    }
    bool check() override {
        ++checksRun;
        storedBeforeCheck = stored.size();
        if (checksPass) return true;
        gotoXY(1, 5);
        writeText(output, "bad");
        endWrite(output);
        cursorToField(fieldNo);
        return false;
    }
};

// One console and one form run with a key script.
struct Session {
    MemoryConsole con;
    TestForm form;

    // Plays the keys through a fresh run of the form; true when it ended.
    bool play(std::string_view keys) {
        con.type(keys);
        return test::play([&] { form.run(); });
    }
    std::string text(int col, int row, int len) const { return con.at(col, row, len); }
    int backgroundAt(int col, int row) const { return test::background(con.attrAt(col, row)); }
};

using namespace testing::key_text;

TEST(FieldEdit, TabAndBacktabWalkTheFields) {
    struct Case {
        std::string keys;
        int field;
        CursorPos cur;
    };
    for (const Case& c : {
             Case{"", 1, {2, 1}}, Case{tab, 2, {2, 2}}, Case{tab + tab + tab, 4, {2, 4}},
             Case{tab + tab + tab + tab + tab, 4, {2, 4}},         // Tab on the last field: nothing
             Case{tab + tab + bt, 2, {2, 2}}, Case{bt, 1, {2, 1}}, // Backtab on field 1 stays there
             Case{tab + twoCode(77), 2, {2, 2}},                   // other two-code keys do nothing
         }) {
        Session s;
        EXPECT_FALSE(s.play(c.keys));
        EXPECT_EQ(s.form.fieldNo, c.field) << ::testing::PrintToString(c.keys);
        EXPECT_EQ(cursor(), c.cur) << ::testing::PrintToString(c.keys);
        EXPECT_TRUE(s.form.stored.empty());
        EXPECT_EQ(s.backgroundAt(2, 1), 0); // moving writes nothing
    }
}

TEST(FieldEdit, BacktabOnFieldOneConvertsPendingText) {
    Session s;
    EXPECT_FALSE(s.play("42" + bt));
    EXPECT_EQ(s.form.fieldNo, 1);
    EXPECT_EQ(s.form.stored, (std::vector<Stored>{{1, "42"}}));
    EXPECT_EQ(s.form.entryPos, 1);
}

TEST(FieldEdit, FirstCharacterBlanksTheShownValueAndTheSeventhIsIgnored) {
    Session s;
    gotoXY(2, 1);
    writeText(output, "-123.4");
    EXPECT_FALSE(s.play("9876543"));
    EXPECT_EQ(s.text(2, 1, 7), "987654 ");
    EXPECT_EQ(cursor(), (CursorPos{8, 1}));
    EXPECT_EQ(s.form.entryPos, 7);
    EXPECT_EQ(s.backgroundAt(2, 1), 6);

    Session t;
    EXPECT_FALSE(t.play("1234567" + tab));
    EXPECT_EQ(t.form.stored, (std::vector<Stored>{{1, "123456"}}));
    EXPECT_EQ(t.form.fieldNo, 2);
    EXPECT_EQ(t.form.entryPos, 1);
}

TEST(FieldEdit, NameFieldKeepsTwelveCharactersAndBlanksTwelveCells) {
    Session s;
    gotoXY(2, 4);
    writeText(output, "oldname_long");
    EXPECT_FALSE(s.play(tab + tab + tab + "abcdefghijklm"));
    EXPECT_EQ(s.text(2, 4, 13), "abcdefghijkl ");
    EXPECT_EQ(s.form.entryPos, 13);

    Session t; // Esc converts the pending name before checking
    EXPECT_FALSE(t.play(tab + tab + tab + "abcdefghijklm" + esc));
    EXPECT_EQ(t.form.stored, (std::vector<Stored>{{4, "abcdefghijkl"}}));
    EXPECT_EQ(t.form.storedBeforeCheck, 1u);
}

TEST(FieldEdit, BackspaceErasesOnlyWhatWasTyped) {
    Session s;
    gotoXY(2, 1);
    writeText(output, "  17.0");
    const std::string before = s.con.text();
    EXPECT_FALSE(s.play(bs + bs));
    EXPECT_EQ(s.con.text(), before); // nothing typed: nothing changes
    EXPECT_EQ(cursor(), (CursorPos{2, 1}));
    EXPECT_EQ(s.form.entryPos, 1);

    Session t;
    EXPECT_FALSE(t.play("123" + bs + bs + "5" + tab));
    EXPECT_EQ(t.text(2, 1, 6), "15    ");
    EXPECT_EQ(t.form.stored, (std::vector<Stored>{{1, "15"}}));
}

TEST(FieldEdit, BackspaceInALetterFieldShowsTheHeldLetterAgain) {
    Session s;
    EXPECT_FALSE(s.play(tab + tab + "ab"));
    EXPECT_EQ(s.text(2, 3, 1), "b"); // each letter replaces the last
    EXPECT_EQ(cursor(), (CursorPos{2, 3}));

    Session t;
    EXPECT_FALSE(t.play(tab + tab + "a" + bs));
    EXPECT_EQ(t.text(1, 3, 2), " #"); // the cell left of the field stays as it was
    EXPECT_EQ(cursor(), (CursorPos{2, 3}));
    EXPECT_EQ(t.form.entryPos, 1);

    Session u;
    EXPECT_FALSE(u.play(tab + tab + "a" + bs + "c" + tab));
    EXPECT_EQ(u.text(1, 3, 2), " c"); // the next letter goes into the field all the same
    EXPECT_EQ(u.form.stored, (std::vector<Stored>{{3, "c"}}));
    EXPECT_EQ(u.form.fieldNo, 4);
}

TEST(FieldEdit, TextThatDoesNotConvertIsReportedRightAfterIt) {
    Session s;
    EXPECT_FALSE(s.play("1.2.3" + tab));
    EXPECT_EQ(s.text(2, 1, 29), "1.2.3fehler bei Konvertierung");
    EXPECT_TRUE(s.form.stored.empty());
    EXPECT_EQ(s.form.fieldNo, 2); // the next field all the same
    EXPECT_EQ(cursor(), (CursorPos{2, 2}));

    Session t;
    EXPECT_FALSE(t.play("-" + esc));
    EXPECT_EQ(t.text(2, 1, 25), "-fehler bei Konvertierung");
    EXPECT_EQ(t.form.fieldNo, 1);
    EXPECT_TRUE(t.form.stored.empty());
    EXPECT_TRUE(t.form.confirming); // the checks run all the same
}

TEST(FieldEdit, EnterActsOnlyAfterAPassingCheck) {
    Session s;
    s.form.checksPass = false;
    EXPECT_FALSE(s.play(enter + "7" + esc + enter));
    EXPECT_FALSE(s.form.done);
    EXPECT_FALSE(s.form.confirming);
    EXPECT_EQ(s.form.storedBeforeCheck, 1u); // Esc converted "7" before checking
    EXPECT_EQ(s.text(1, 5, 3), "bad");

    Session t;
    EXPECT_FALSE(t.play(enter + enter));
    EXPECT_FALSE(t.form.done);
}

TEST(FieldEdit, PassingCheckShowsTheConfirmationAndEnterEndsTheForm) {
    Session s;
    ASSERT_FALSE(s.play(tab + esc));
    EXPECT_TRUE(s.form.confirming);
    EXPECT_EQ(s.text(1, 6, 30), "  Zur Korrektur Tab / Backtab ");
    EXPECT_EQ(s.backgroundAt(1, 6), 0);
    EXPECT_EQ(s.text(5, 7, 4), " OK ");
    for (int col = 5; col <= 8; ++col)
        EXPECT_EQ(s.backgroundAt(col, 7), 2);
    EXPECT_EQ(cursor(), (CursorPos{6, 7})); // on the O
    EXPECT_EQ(s.form.fieldNo, 2);

    Session t;
    EXPECT_TRUE(t.play(tab + esc + enter));
    EXPECT_TRUE(t.form.done);

    Session u; // a failing check after the confirmation ends it
    EXPECT_FALSE(u.play(esc + "1" + esc));
    EXPECT_TRUE(u.form.confirming); // still passing
    u.form.checksPass = false;
    EXPECT_FALSE(u.play(esc + "1" + esc + enter));
    EXPECT_FALSE(u.form.confirming);
    EXPECT_FALSE(u.form.done);
}

TEST(FieldEdit, DigitTypedWhileConfirmingIsCheckedByEnter) {
    Session s;
    gotoXY(2, 1);
    writeText(output, "  17.0");
    EXPECT_FALSE(s.play(esc + "5" + enter));
    EXPECT_EQ(s.text(2, 1, 6), "5     "); // the field is blanked as ever
    EXPECT_EQ(s.backgroundAt(2, 1), 6);
    EXPECT_EQ(s.form.stored, (std::vector<Stored>{{1, "5"}}));
    EXPECT_EQ(s.form.checksRun, 2); // Esc, then Enter
    EXPECT_TRUE(s.form.confirming);
    EXPECT_EQ(cursor(), (CursorPos{6, 7})); // on the O of the new confirmation

    Session t; // Enter on that confirmation ends the form
    EXPECT_TRUE(t.play(esc + "5" + enter + enter));
}

TEST(FieldEdit, TabAndBacktabEndTheConfirmation) {
    Session s;
    EXPECT_FALSE(s.play(tab + tab + esc + tab));
    EXPECT_FALSE(s.form.confirming);
    EXPECT_EQ(s.form.fieldNo, 1); // Tab out of the confirmation lands on field 1
    EXPECT_EQ(cursor(), (CursorPos{2, 1}));
    EXPECT_EQ(test::background(screen.attr), 6);
    EXPECT_EQ(s.text(5, 7, 4), " OK "); // the marker is not removed

    Session t;
    EXPECT_FALSE(t.play(tab + tab + esc + bt));
    EXPECT_FALSE(t.form.confirming);
    EXPECT_EQ(t.form.fieldNo, 3); // stays on its field
    EXPECT_EQ(cursor(), (CursorPos{2, 3}));
    EXPECT_EQ(test::background(screen.attr), 6);

    Session u; // Tab on the last field is ignored, also while confirming
    EXPECT_FALSE(u.play(tab + tab + tab + esc + tab));
    EXPECT_TRUE(u.form.confirming);
    EXPECT_EQ(u.form.fieldNo, 4);
}

// A character typed while the confirmation shows belongs to the current
// field: leaving the confirmation with Tab or Backtab converts it there, as
// leaving the field does, and never stores it into another field.
TEST(FieldEdit, TextTypedWhileConfirmingIsConvertedWhereItStands) {
    Session s;
    EXPECT_FALSE(s.play(tab + esc + "5" + bt + "0" + tab));
    EXPECT_EQ(s.form.stored, (std::vector<Stored>{{2, "5"}, {2, "0"}}));

    Session t;
    EXPECT_FALSE(t.play(tab + esc + "5" + tab + "3" + tab));
    EXPECT_EQ(t.form.stored, (std::vector<Stored>{{2, "5"}, {1, "3"}}));
    EXPECT_EQ(t.text(2, 1, 6), "3     "); // field 1 is blanked as usual

    Session u;
    u.form.afterConfirmation = 4;
    EXPECT_FALSE(u.play(tab + tab + esc + "x" + bt + esc));
    EXPECT_EQ(u.form.fieldNo, 4);
    EXPECT_EQ(u.form.stored, (std::vector<Stored>{{3, "x"}})); // not a name
}

TEST(FieldEdit, WhileBlockedOnlyACharacterActs) {
    Session s;
    s.form.blockOnStore = true;
    // "4" is refused on field 2: back to field 1, and Tab returns to field 2.
    // There Tab, Backtab and a two-code key whose second code is a digit do
    // nothing at all.
    EXPECT_FALSE(s.play(tab + "4" + tab + tab + bt + twoCode('7')));
    EXPECT_TRUE(s.form.blocked);
    EXPECT_EQ(s.form.fieldNo, 2);
    EXPECT_EQ(s.form.entryPos, 1);
    EXPECT_EQ(cursor(), (CursorPos{2, 2}));
    EXPECT_EQ(s.text(2, 2, 2), "4 ");

    Session t;
    t.form.blockOnStore = true;
    EXPECT_FALSE(t.play(tab + "4" + tab + "8" + bt));
    EXPECT_TRUE(t.form.blocked);  // "8" ended it, its conversion refused again
    EXPECT_EQ(t.form.fieldNo, 1); // and Backtab went one further back
}

} // namespace
} // namespace kvarn
