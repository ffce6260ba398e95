// Text shown on a terminal: what a crafted station file could do with its
// control characters is shown, not done.

#include <gtest/gtest.h>

#include "base/printable_text.h"

namespace kvarn {
namespace {

TEST(PrintableText, EscapesWhatDoesNotPrintAndKeepsTheRest) {
    const struct {
        std::string_view in, out;
    } cases[] = {
        {"plain text, 3.65 MHz", "plain text, 3.65 MHz"},
        {"Fenster M\xc3\xbcller \xe2\x82\xac", "Fenster M\xc3\xbcller \xe2\x82\xac"}, // ü and €
        {"\x1b[2J\x1b]0;title\x07", "\\u001b[2J\\u001b]0;title\\u0007"},
        {"line\nbreak\r\ttab", "line\\u000abreak\\u000d\\u0009tab"},
        {"del\x7f c1\xc2\x9b", "del\\u007f c1\\u009b"},
        {"rtl\xe2\x80\xae override", "rtl\\u202e override"},
        {"bom\xef\xbb\xbf tag\xf3\xa0\x80\x81", "bom\\ufeff tag\\U000e0001"},
        {"bad \xff\xfe byte", "bad \\xff\\xfe byte"},
        {"overlong \xc0\xaf", "overlong \\xc0\\xaf"},
        {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {std::string_view("nul\0end", 7), "nul\\u0000end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printable(c.in), c.out) << c.in;
}

} // namespace
} // namespace kvarn
