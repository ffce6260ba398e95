#include "console/tty_render.h"

#include <algorithm>

namespace kvarn {

namespace {

// Cursor to row, column (1-based): CUP.
void moveTo(std::string& out, int row, int col) {
    out += "\x1b[";
    out += std::to_string(row);
    out += ';';
    out += std::to_string(col);
    out += 'H';
}

constexpr const char* kHideCursor = "\x1b[?25l";
constexpr const char* kShowCursor = "\x1b[?25h";
constexpr const char* kWrapOff = "\x1b[?7l"; // a cell in the last column never scrolls
constexpr const char* kWrapOn = "\x1b[?7h";
constexpr const char* kResetColours = "\x1b[0m";
constexpr const char* kClearScreen = "\x1b[H\x1b[2J"; // home, then erase the whole screen

} // namespace

// The console numbers its colours blue 1, green 2, red 4; ANSI numbers them
// red 1, green 2, blue 4. Green stays, red and blue swap places.
int ansiColour(int consoleColour) {
    return ((consoleColour & 1) << 2) | (consoleColour & 2) | ((consoleColour & 4) >> 2);
}

// Foreground 30-37 or bright 90-97, background 40-47 or bright 100-107.
std::string colourSequence(std::uint8_t attr) {
    const int fg = attr & 0x0F;
    const int bg = (attr >> 4) & 0x0F;
    const int fgCode = (fg & 8 ? 90 : 30) + ansiColour(fg & 7);
    const int bgCode = (bg & 8 ? 100 : 40) + ansiColour(bg & 7);
    return "\x1b[" + std::to_string(fgCode) + ';' + std::to_string(bgCode) + 'm';
}

void appendCellChar(std::string& out, std::uint8_t ch) {
    if (ch >= 0x20 && ch < 0x7F) {
        out += static_cast<char>(ch);
    } else if (ch >= 0xA0) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else { // control characters and the C1 range have no picture
        out += '?';
    }
}

// A short hop to the right along the row is cheaper as the unchanged cells
// in between, sent again, than as a cursor move (at least six bytes); it
// also keeps the words of a line together in the byte stream.
void TtyRenderer::moveAlong(const Screen& screen, std::string& out, int row, int col) {
    constexpr int kLongestHop = 4;
    bool hop = termY_ == row && termX_ > 0 && termX_ < col && col - termX_ <= kLongestHop;
    for (int c = termX_; hop && c < col; ++c) {
        const Cell& cell = screen.at(c, row);
        hop = cell.attr == termAttr_ && cell.ch >= 0x20 && cell.ch < 0x7F;
    }
    if (!hop) {
        moveTo(out, row, col);
        return;
    }
    for (int c = termX_; c < col; ++c)
        out += static_cast<char>(screen.at(c, row).ch);
}

void TtyRenderer::render(const Screen& screen, std::string& out) {
    const bool full = !valid_ || screen.width != width_ || screen.height != height_;
    bool hidden = false; // the cursor is hidden while cells are drawn
    auto hide = [&] {
        if (!hidden) out += kHideCursor;
        hidden = true;
    };
    if (full) {
        hide();
        out += kWrapOff;
        out += kResetColours;
        if (!drawn_) {
            // The first time, what the terminal showed goes up into its
            // scrollback instead of being erased.
            moveTo(out, screen.height, 1);
            out.append(static_cast<std::size_t>(screen.height), '\n');
        }
        out += kClearScreen;
        width_ = screen.width;
        height_ = screen.height;
        front_.assign(screen.cells.size(), Cell{});
        termX_ = 1;
        termY_ = 1;
        termAttr_ = -1;
        valid_ = true;
        drawn_ = true;
    }

    const int lastCol = std::min(width_, clipColumns_);
    const int lastRow = std::min(height_, clipRows_);
    shownRows_ = lastRow;
    for (int row = 1; row <= lastRow; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            const Cell& cell = screen.at(col, row);
            Cell& shown = front_[static_cast<std::size_t>((row - 1) * width_ + (col - 1))];
            if (!full && cell == shown) continue;
            hide();
            if (termX_ != col || termY_ != row) moveAlong(screen, out, row, col);
            if (termAttr_ != cell.attr) {
                out += colourSequence(cell.attr);
                termAttr_ = cell.attr;
            }
            appendCellChar(out, cell.ch);
            shown = cell;
            termY_ = row;
            termX_ = col < lastCol ? col + 1 : 0; // at the right edge the cursor stays put
        }
    }

    if (termX_ != screen.curX || termY_ != screen.curY) {
        moveTo(out, screen.curY, screen.curX);
        const bool inside = screen.curX <= lastCol && screen.curY <= lastRow;
        termX_ = inside ? screen.curX : 0; // else the terminal stopped it at its edge
        termY_ = inside ? screen.curY : 0;
    }
    if (hidden) out += kShowCursor;

    // A blank in another colour (a form's background) counts as drawn.
    drawnRows_ = 0;
    for (int row = lastRow; row > 0 && drawnRows_ == 0; --row) {
        bool blank = true;
        for (int col = 1; col <= lastCol && blank; ++col)
            blank = screen.at(col, row) == Cell{};
        if (!blank) drawnRows_ = row;
    }
}

std::string TtyRenderer::restoreSequence() const {
    if (!drawn_) return {};
    std::string out = kResetColours;
    out += kWrapOn;
    out += kShowCursor;
    // The shell's prompt goes on the line below the last drawn row; below
    // the bottom row the terminal scrolls up one line to make room.
    if (drawnRows_ < shownRows_) {
        moveTo(out, drawnRows_ + 1, 1);
    } else {
        moveTo(out, shownRows_, 1);
        out += "\r\n";
    }
    return out;
}

} // namespace kvarn
