#pragma once
// Turns the console's screen into the bytes that make a VT/xterm terminal
// show it. Remembers what the terminal shows and sends only the cells that
// changed, with the colour and cursor position it last sent cached. Pure: it
// produces bytes and writes nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "console/screen_model.h"

namespace kvarn {

// The ANSI colour number (0 black, 1 red, 2 green, 4 blue, ...) of a colour
// of the console palette (1 blue, 2 green, 4 red, ...), bright bit dropped.
int ansiColour(int consoleColour);

// The SGR sequence that selects the colours of an attribute byte.
std::string colourSequence(std::uint8_t attr);

// Appends the terminal form of a cell's byte: printable ASCII as it is,
// bytes from 0xA0 (the Latin-1 letters) in UTF-8, anything else as '?'.
void appendCellChar(std::string& out, std::uint8_t ch);

class TtyRenderer {
  public:
    // Forgets what the terminal shows: the next render clears it and draws
    // every cell (first show, after a stop, after a resize).
    void invalidate() { valid_ = false; }

    // The terminal's present size, when it shrank below the screen after the
    // start: cells beyond it are not drawn (the terminal would pile them up
    // at its edges).
    void clip(int columns, int rows) {
        clipColumns_ = columns;
        clipRows_ = rows;
    }

    // Appends the bytes that bring the terminal from what it last showed to
    // the screen: changed cells, colours and the cursor at the console's
    // cursor. Appends nothing when nothing changed.
    void render(const Screen& screen, std::string& out);

    // The bytes that leave the terminal as the shell expects it: colours
    // reset, line wrap on, cursor visible, on the line below the last drawn
    // row. Empty while nothing was drawn.
    std::string restoreSequence() const;

  private:
    // Brings the terminal cursor to row, col of the screen.
    void moveAlong(const Screen& screen, std::string& out, int row, int col);

    bool valid_ = false;
    bool drawn_ = false; // something was sent at all
    int width_ = 0, height_ = 0;
    std::vector<Cell> front_;   // what the terminal shows
    int termX_ = 0, termY_ = 0; // terminal cursor; 0 when not known
    int termAttr_ = -1;         // colours last sent; -1 when not known
    int shownRows_ = 0;         // rows the terminal shows of the screen
    int drawnRows_ = 0;         // down to the last row that is not blank
    int clipColumns_ = 1 << 16, clipRows_ = 1 << 16;
};

} // namespace kvarn
