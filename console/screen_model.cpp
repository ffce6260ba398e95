#include "console/screen_model.h"

#include <algorithm>

namespace kvarn {

void Screen::reset(int columns, int rows, std::uint8_t attribute) {
    width = columns;
    height = rows;
    attr = attribute;
    cells.assign(static_cast<std::size_t>(columns * rows), Cell{' ', attribute});
    winLeft = 1;
    winTop = 1;
    winRight = columns;
    winBottom = rows;
    curX = 1;
    curY = 1;
}

void Screen::setWindow(int x1, int y1, int x2, int y2) {
    if (x1 > x2 || y1 > y2 || x2 > width || y2 > height || x1 < 1 || y1 < 1) return;
    winLeft = x1;
    winTop = y1;
    winRight = x2;
    winBottom = y2;
    curX = x1;
    curY = y1;
}

void Screen::gotoXY(int x, int y) {
    if (x < 1 || x > winRight - winLeft + 1 || y < 1 || y > winBottom - winTop + 1) return;
    curX = winLeft + x - 1;
    curY = winTop + y - 1;
}

void Screen::clearWindow() {
    for (int row = winTop; row <= winBottom; ++row)
        for (int col = winLeft; col <= winRight; ++col)
            at(col, row) = Cell{' ', attr};
    curX = winLeft;
    curY = winTop;
}

void Screen::setBackground(int colour) {
    attr = static_cast<std::uint8_t>(((colour * 16) & 0x70) | (attr & 0x8F));
}

// Below the bottom row the window's contents move up one row; the freed row
// takes spaces in the current attribute. Cells outside the window never move.
void Screen::lineFeed() {
    if (curY < winBottom) {
        ++curY;
        return;
    }
    for (int row = winTop; row < winBottom; ++row)
        std::copy_n(&at(winLeft, row + 1), winRight - winLeft + 1, &at(winLeft, row));
    std::fill_n(&at(winLeft, winBottom), winRight - winLeft + 1, Cell{' ', attr});
}

void Screen::put(std::uint8_t ch) {
    switch (ch) {
    case 7: // bell: ignored
        return;
    case 8: // one column left, not past the window's left edge
        if (curX > winLeft) --curX;
        return;
    case 10: // one row down, same column
        lineFeed();
        return;
    case 13: // to the window's left column
        curX = winLeft;
        return;
    default:
        at(curX, curY) = Cell{ch, attr};
        if (curX < winRight) {
            ++curX;
        } else { // after the rightmost column the text wraps to the next row
            curX = winLeft;
            lineFeed();
        }
    }
}

} // namespace kvarn
