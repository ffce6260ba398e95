#include "console/screen_model.h"

#include <gtest/gtest.h>

#include <string>

namespace kvarn {
namespace {

std::string rowText(const Screen& s, int row) {
    std::string text;
    for (int col = 1; col <= s.width; ++col)
        text += static_cast<char>(s.at(col, row).ch);
    return text;
}

void write(Screen& s, const std::string& text) {
    for (char c : text)
        s.put(static_cast<std::uint8_t>(c));
}

struct ScreenModelTest : ::testing::Test {
    Screen s;
    void SetUp() override { s.reset(80, 25); }
};

TEST_F(ScreenModelTest, OutOfRangeWindowsAndPositionsAreIgnored) {
    s.setWindow(40, 3, 70, 18); // 31 columns, 16 rows
    s.gotoXY(5, 6);
    const int x = s.curX, y = s.curY;
    for (auto [gx, gy] : {std::pair{0, 5}, {32, 1}, {1, 0}, {1, 17}}) {
        s.gotoXY(static_cast<std::uint8_t>(gx), static_cast<std::uint8_t>(gy));
        EXPECT_EQ(s.curX, x) << gx << "," << gy;
        EXPECT_EQ(s.curY, y) << gx << "," << gy;
    }
    s.gotoXY(31, 16);
    EXPECT_EQ(s.curX, 70);
    EXPECT_EQ(s.curY, 18);

    Screen small;
    small.reset(80, 20);
    small.setWindow(10, 2, 20, 5);
    small.setWindow(1, 1, 80, 24); // taller than the screen: nothing happens
    small.setWindow(5, 5, 4, 6);   // x1 > x2
    EXPECT_EQ(small.winLeft, 10);
    EXPECT_EQ(small.winBottom, 5);

    s.setWindow(1, 1, 80, 21);
    EXPECT_EQ(s.cursorX(), 1);
    EXPECT_EQ(s.cursorY(), 1);
}

TEST_F(ScreenModelTest, BackgroundKeepsForegroundAndBrightBit) {
    s.attr = 0x8F; // bright white on black, bit 7 set
    struct Case {
        int passed;
        int background;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {5, 5}, {9, 1}, {14, 6}};
    for (auto c : cases) {
        s.setBackground(c.passed);
        EXPECT_EQ((s.attr >> 4) & 7, c.background) << c.passed;
        EXPECT_EQ(s.attr & 0x8F, 0x8F) << c.passed;
    }
}

TEST_F(ScreenModelTest, ClearFillsOnlyTheWindowInTheCurrentAttribute) {
    write(s, "outside");
    s.setWindow(40, 3, 70, 18);
    s.setBackground(9);
    s.clearWindow();
    EXPECT_EQ(s.at(40, 3).attr, 0x17);
    EXPECT_EQ(s.at(70, 18).attr, 0x17);
    EXPECT_EQ(s.at(39, 3).attr, 0x07);
    EXPECT_EQ(s.at(71, 18).attr, 0x07);
    EXPECT_EQ(rowText(s, 1).substr(0, 7), "outside");
    EXPECT_EQ(s.curX, 40);
    EXPECT_EQ(s.curY, 3);
}

TEST_F(ScreenModelTest, TextWrapsAtTheWindowsRightEdge) {
    s.setWindow(40, 3, 70, 18);
    s.gotoXY(30, 1);
    write(s, "abcdefghijklmnopqrstuvwx"); // 24 characters from column 30 of 31
    EXPECT_EQ(rowText(s, 3).substr(68, 3), "ab ");
    EXPECT_EQ(rowText(s, 4).substr(39, 23), "cdefghijklmnopqrstuvwx ");
    EXPECT_EQ(s.cursorX(), 23);
    EXPECT_EQ(s.cursorY(), 2);
}

TEST_F(ScreenModelTest, ControlCharacters) {
    s.setWindow(10, 5, 20, 8);
    write(s, "ab\x07");
    EXPECT_EQ(s.cursorX(), 3); // bell ignored
    write(s, "\b\b\b\b");
    EXPECT_EQ(s.cursorX(), 1); // stops at the left column
    write(s, "xy\n");
    EXPECT_EQ(s.cursorX(), 3);
    EXPECT_EQ(s.cursorY(), 2);
    write(s, "\r");
    EXPECT_EQ(s.cursorX(), 1);
    EXPECT_EQ(rowText(s, 5).substr(9, 2), "xy");
}

TEST_F(ScreenModelTest, ScrollingMovesOnlyTheWindow) {
    for (int r = 1; r <= 25; ++r)
        for (int c = 1; c <= 80; ++c)
            s.at(c, r).ch = static_cast<std::uint8_t>('A' + r - 1);
    s.setWindow(10, 3, 20, 6);
    s.setBackground(1);
    s.gotoXY(1, 4);
    write(s, "\r\n");
    // window rows 4..6 moved up one; the freed bottom row is blank in the new colour
    EXPECT_EQ(rowText(s, 3).substr(8, 13), "CDDDDDDDDDDDC");
    EXPECT_EQ(rowText(s, 5).substr(8, 13), "EFFFFFFFFFFFE");
    EXPECT_EQ(rowText(s, 6).substr(8, 13), "F           F");
    EXPECT_EQ(s.at(10, 6).attr, 0x17);
    EXPECT_EQ(s.at(9, 6).attr, 0x07);
    EXPECT_EQ(rowText(s, 7), std::string(80, 'G'));
    EXPECT_EQ(rowText(s, 2), std::string(80, 'B'));
    EXPECT_EQ(s.cursorY(), 4);
    // a character in the bottom right cell wraps and scrolls as well
    s.gotoXY(11, 4);
    write(s, "z");
    EXPECT_EQ(rowText(s, 5).substr(19, 1), "z");
    EXPECT_EQ(s.cursorX(), 1);
    EXPECT_EQ(s.cursorY(), 4);
}

} // namespace
} // namespace kvarn
