#pragma once
// The text console as cells in memory: characters with attribute bytes, an
// output window, a cursor and the current attribute. Every drawing rule of the
// program lives here; a device only shows the cells and reads keys.

#include <cstdint>
#include <vector>

namespace kvarn {

// Attribute byte in the classic 16-colour console palette: bits 0-3 the
// foreground (bit 0 blue, bit 1 green, bit 2 red, bit 3 bright), bits 4-6 the
// background, bit 7 a bright background.
inline constexpr std::uint8_t kInitialAttribute = 0x07; // light grey on black

struct Cell {
    std::uint8_t ch = ' ';
    std::uint8_t attr = kInitialAttribute;
    bool operator==(const Cell&) const = default;
};

struct Screen {
    int width = 80;                                             // columns of the screen
    int height = 25;                                            // rows of the screen
    std::vector<Cell> cells;                                    // row-major, (1,1) at index 0
    int winLeft = 1, winTop = 1, winRight = 80, winBottom = 25; // window, screen coordinates
    int curX = 1, curY = 1;                                     // cursor, screen coordinates
    std::uint8_t attr = kInitialAttribute;

    // A cleared screen of the given size; the window is the whole screen.
    void reset(int columns, int rows, std::uint8_t attribute = kInitialAttribute);

    Cell& at(int col, int row) { return cells[(row - 1) * width + (col - 1)]; }
    const Cell& at(int col, int row) const { return cells[(row - 1) * width + (col - 1)]; }

    // Ignored when x1 > x2, y1 > y2, x2 > width or y2 > height; otherwise the
    // window becomes that rectangle and the cursor goes to its top left cell.
    void setWindow(int x1, int y1, int x2, int y2);
    // Window coordinates; ignored when outside the window.
    void gotoXY(int x, int y);
    // Spaces in the current attribute over the window; cursor to (1, 1).
    void clearWindow();
    // The background bits become colour modulo 8; foreground and bit 7 stay.
    void setBackground(int colour);
    // One character at the cursor, with the control characters 7, 8, 10, 13.
    void put(std::uint8_t ch);

    int cursorX() const { return curX - winLeft + 1; } // window coordinates
    int cursorY() const { return curY - winTop + 1; }

  private:
    void lineFeed();
};

} // namespace kvarn
