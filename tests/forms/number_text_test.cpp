#include "forms/number_text.h"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

TEST(ConvertNumber, AcceptsSignDigitsAndOnePoint) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"12", 12.0}, Case{"12.", 12.0}, Case{".5", 0.5},
                          Case{"-3.25", -3.25}, Case{"0", 0.0}, Case{"007", 7.0}, Case{"0.1", 0.1},
                          Case{"146", 146.0}, Case{"-.5", -0.5}}) {
        double v = 99;
        EXPECT_TRUE(convertNumber(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(ConvertNumber, RefusesMalformedTextAndKeepsTheValue) {
    for (const char* text :
         {"", ".", "-", "-.", "1.2.3", "1-2", "12-", "--1", "1..", " 1", "1 ", "1e3", "abc"}) {
        double v = 99;
        EXPECT_FALSE(convertNumber(text, v)) << '"' << text << '"';
        EXPECT_EQ(v, 99) << text;
    }
}

} // namespace
} // namespace kvarn
