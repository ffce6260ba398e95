// Text set to a width: lines that fit and keep every word, and tables that
// shrink to the page.

#include <cairo.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/text_layout.h"

namespace kvarn {
namespace {

class TextLayout : public ::testing::Test {
  protected:
    void TearDown() override {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    cairo_surface_t* surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 10, 10);
    cairo_t* cr_ = cairo_create(surface_);
};

std::string joined(const std::vector<std::string>& lines, const char* separator) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : separator) + line;
    return text;
}

TEST_F(TextLayout, WrappedLinesFitAndKeepEveryWordInOrder) {
    const TextStyle style{10};
    const struct {
        const char* text;
        double width;
        const char* words; // the text with single spaces
        int lines;         // -1: more than one
        bool cut;          // a word is too wide for a line of its own
    } cases[] = {
        {"", 100, "", 0, false},
        {"short", 100, "short", 1, false},
        {"  spaces   between  words ", 1000, "spaces between words", 1, false},
        {"one two three four five six seven eight nine ten", 80,
         "one two three four five six seven eight nine ten", -1, false},
        {"a word like 26.BImSchV-Anhang-1a-Tabelle is cut", 60,
         "a word like 26.BImSchV-Anhang-1a-Tabelle is cut", -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<std::string> lines = wrapText(cr_, c.text, style, c.width);
        if (c.lines >= 0)
            EXPECT_EQ(lines.size(), static_cast<std::size_t>(c.lines));
        else
            EXPECT_GT(lines.size(), 1u);
        for (const std::string& line : lines) {
            EXPECT_LE(textWidth(cr_, line, style), c.width) << line;
            EXPECT_FALSE(line.empty());
        }
        // Nothing is lost or reordered; lines break between words unless a
        // word must be cut, and then they join without a space.
        if (!c.cut) {
            EXPECT_EQ(joined(lines, " "), c.words);
        }
        std::string got = joined(lines, "");
        std::string expected = c.words;
        std::erase(got, ' ');
        std::erase(expected, ' ');
        EXPECT_EQ(got, expected);
    }
}

TEST_F(TextLayout, LongWordIsCutBetweenCharactersNotInsideThem) {
    const TextStyle style{10};
    const std::string word = "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x80\xA2"
                             "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x80\xA2"
                             "\xC3\xA4\xC3\xB6\xC3\xBC";
    const std::vector<std::string> lines = wrapText(cr_, word, style, 15);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(joined(lines, ""), word);
    for (const std::string& line : lines) // no piece starts with a continuation byte
        EXPECT_NE(static_cast<unsigned char>(line.front()) & 0xC0, 0x80) << line;
}

TEST_F(TextLayout, TableKeepsItsSizeWhenItFitsAndShrinksWhenNot) {
    ReportTable table{{"frequency", "limit E", "verdict"}, {Align::Left, Align::Right}, {}};
    table.rows.push_back({{"3.650 MHz", "45.5 V/m", "EXCEEDS"}, true});
    table.rows.push_back({{"14.200 MHz", "28.0 V/m", "complies"}, false});
    const TableLayout natural = layoutTable(cr_, table, 10, 50, 1000);
    EXPECT_EQ(natural.size, 10);
    const double narrow = natural.totalWidth * 0.6;
    const TableLayout fitted = layoutTable(cr_, table, 10, 50, narrow);
    EXPECT_LT(fitted.size, 10);
    EXPECT_LE(fitted.totalWidth, narrow);
    for (const TableLayout& l : {natural, fitted}) {
        ASSERT_EQ(l.left.size(), 3u);
        EXPECT_GE(l.left[0], l.x);
        for (std::size_t k = 0; k + 1 < 3; ++k) // columns do not run into each other
            EXPECT_LT(l.left[k] + l.width[k], l.left[k + 1]);
        EXPECT_LE(l.left[2] + l.width[2], l.x + l.totalWidth);
        // No cell is wider than its column.
        EXPECT_GE(l.width[2], textWidth(cr_, "complies", {l.size}));
        EXPECT_GE(l.width[0], textWidth(cr_, "14.200 MHz", {l.size}));
    }
}

} // namespace
} // namespace kvarn
