#include "console/tty_render.h"

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

    for (int row = 1; row <= height_; ++row) {
        for (int col = 1; col <= width_; ++col) {
            const Cell& cell = screen.at(col, row);
            Cell& shown = front_[static_cast<std::size_t>((row - 1) * width_ + (col - 1))];
            if (!full && cell == shown) continue;
            hide();
            if (termX_ != col || termY_ != row) moveTo(out, row, col);
            if (termAttr_ != cell.attr) {
                out += colourSequence(cell.attr);
                termAttr_ = cell.attr;
            }
            appendCellChar(out, cell.ch);
            shown = cell;
            termY_ = row;
            termX_ = col < width_ ? col + 1 : 0; // at the right edge the cursor stays put
        }
    }

    if (termX_ != screen.curX || termY_ != screen.curY) {
        moveTo(out, screen.curY, screen.curX);
        termX_ = screen.curX;
        termY_ = screen.curY;
    }
    if (hidden) out += kShowCursor;

    lastRow_ = screen.curY;
    for (int row = height_; row > lastRow_; --row) {
        bool blank = true;
        for (int col = 1; col <= width_ && blank; ++col)
            blank = screen.at(col, row) == Cell{};
        if (!blank) lastRow_ = row;
    }
}

std::string TtyRenderer::restoreSequence() const {
    if (!drawn_) return {};
    std::string out = kResetColours;
    out += kWrapOn;
    out += kShowCursor;
    moveTo(out, lastRow_, 1);
    out += "\r\n"; // the shell's prompt goes below the last drawn row
    return out;
}

} // namespace kvarn
