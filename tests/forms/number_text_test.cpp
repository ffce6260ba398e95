#include "forms/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

// Whatever text it is given, a conversion that succeeds gives a finite number:
// names of infinities, exponents and digits beyond any double are refused.
TEST(ConvertNumber, NeverGivesAnInfinityOrANan) {
    const std::string many(400, '9');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    for (const std::string& text :
         {std::string("inf"), std::string("-inf"), std::string("nan"), std::string("1e999"),
          std::string("0x1p9999"), many, "-" + many, many + ".5", tiny, "-" + tiny}) {
        double v = 99;
        if (convertNumber(text, v))
            EXPECT_TRUE(std::isfinite(v)) << text.substr(0, 12);
        else
            EXPECT_EQ(v, 99) << text.substr(0, 12);
    }
    double unused = 0;
    EXPECT_FALSE(convertNumber(many, unused)) << "beyond any double";
}

} // namespace
} // namespace kvarn
