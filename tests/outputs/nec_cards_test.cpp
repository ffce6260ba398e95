// NEC-2's card columns: reals in ten columns with a blank before them and
// a decimal point, comments broken at blanks within 78 columns. The decks'
// tests read whole cards.

#include <gtest/gtest.h>

#include <sstream>

#include "outputs/nec_cards.h"

namespace kvarn {
namespace {

TEST(NecCards, ARealFillsAtMostNineOfTenColumnsAndReadsBackClosest) {
    const struct {
        double value;
        const char* field;
    } cases[] = {
        {0, "       0.0"},        {-0.0, "       0.0"},   {20, "      20.0"},
        {-5, "      -5.0"},       {3.65, "      3.65"},   {0.001, "     0.001"},
        {1e-7, " 0.0000001"},     {1.5e-7, "   1.5E-07"}, {1.2345678e-5, " 1.235E-05"},
        {-100000, " -100000.0"},  {1e7, " 10000000."},    {123456.789, " 123456.79"},
        {-1.0 / 3, " -0.333333"}, {5e12, "    5.E+12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(necReal(c.value), c.field) << c.value;
}

TEST(NecCards, CommentsBreakAtBlanksWithin78Columns) {
    const std::string text = "Corners (m): 1 (0, 0, 7), 2 (20, 0, 7), 3 (40, 0, 4). GW tag n runs "
                             "from corner n to corner n + 1, and a word far too long for a line: " +
                             std::string(90, 'x');
    std::istringstream lines(necComment(text));
    std::string line, words;
    for (int k = 0; std::getline(lines, line); ++k) {
        EXPECT_LE(line.size(), 78u) << line;
        EXPECT_EQ(line.substr(0, k == 0 ? 3 : 5), k == 0 ? "CM " : "CM   ") << line;
        words += (words.empty() ? "" : " ") + line.substr(line.find_first_not_of(" ", 2));
    }
    EXPECT_EQ(words,
              text.substr(0, text.size() - 90) + std::string(73, 'x') + " " + std::string(17, 'x'));
    EXPECT_EQ(necComment(""), "CM\n");
}

} // namespace
} // namespace kvarn
