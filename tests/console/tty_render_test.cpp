#include "console/tty_render.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kvarn {
namespace {

// ANSI colour of each console colour 0-7: black, blue, green, cyan, red,
// magenta, brown, grey.
constexpr int kAnsiOf[8] = {0, 4, 2, 6, 1, 5, 3, 7};

// A small terminal that understands what the renderer sends: CUP, ED 2,
// SGR colours, cursor and wrap modes, CR, LF with scrolling, and UTF-8.
struct FakeTerminal {
    struct Glyph {
        unsigned point = ' ';
        int fg = 39, bg = 49; // SGR numbers; 39/49 the terminal's own colours
        bool operator==(const Glyph&) const = default;
    };
    int width, height;
    std::vector<Glyph> grid;
    int x = 1, y = 1;
    int fg = 39, bg = 49;
    bool cursorVisible = true, wrap = true;
    int linesScrolledAway = 0;

    FakeTerminal(int w, int h) : width(w), height(h), grid(static_cast<std::size_t>(w * h)) {}
    Glyph& at(int col, int row) {
        return grid[static_cast<std::size_t>((row - 1) * width + col - 1)];
    }

    void lineFeed() {
        if (y < height) {
            ++y;
            return;
        }
        grid.erase(grid.begin(), grid.begin() + width);
        grid.resize(grid.size() + static_cast<std::size_t>(width));
        ++linesScrolledAway;
    }

    void put(unsigned point) {
        ASSERT_TRUE(x >= 1 && x <= width && y >= 1 && y <= height) << x << "," << y;
        at(x, y) = {point, fg, bg};
        if (x < width)
            ++x;
        else
            ASSERT_FALSE(wrap) << "a write in the last column with wrap on";
    }

    void feed(const std::string& bytes) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            auto b = static_cast<unsigned char>(bytes[i]);
            if (b == 0x1b) {
                ASSERT_LT(i + 1, bytes.size());
                ASSERT_EQ(bytes[i + 1], '[');
                std::size_t j = i + 2;
                while (j < bytes.size() && !(bytes[j] >= 0x40 && bytes[j] <= 0x7e))
                    ++j;
                ASSERT_LT(j, bytes.size()) << "unfinished sequence";
                control(bytes.substr(i + 2, j - i - 2), bytes[j]);
                i = j + 1;
            } else if (b == '\r') {
                x = 1;
                ++i;
            } else if (b == '\n') {
                lineFeed();
                ++i;
            } else if (b < 0x20 || b == 0x7f) {
                FAIL() << "control byte " << int(b) << " sent to the terminal";
            } else if (b < 0x80) {
                put(b);
                ++i;
            } else {
                ASSERT_EQ(b & 0xE0, 0xC0) << "only two-byte UTF-8 expected";
                ASSERT_LT(i + 1, bytes.size());
                put(((b & 0x1Fu) << 6) | (static_cast<unsigned char>(bytes[i + 1]) & 0x3Fu));
                i += 2;
            }
        }
    }

    void control(const std::string& params, char final) {
        std::vector<int> n;
        bool priv = !params.empty() && params[0] == '?';
        std::string rest = priv ? params.substr(1) : params;
        std::size_t pos = 0;
        while (pos <= rest.size() && !rest.empty()) {
            std::size_t semi = rest.find(';', pos);
            n.push_back(std::stoi(rest.substr(pos, semi - pos)));
            if (semi == std::string::npos) break;
            pos = semi + 1;
        }
        if (priv) {
            ASSERT_EQ(n.size(), 1u);
            if (n[0] == 25)
                cursorVisible = final == 'h';
            else if (n[0] == 7)
                wrap = final == 'h';
            else
                FAIL() << "mode " << n[0];
        } else if (final == 'H') {
            y = n.empty() ? 1 : std::min(n[0], height);
            x = n.size() < 2 ? 1 : std::min(n[1], width);
        } else if (final == 'J') {
            ASSERT_EQ(n, std::vector<int>{2});
            for (Glyph& g : grid)
                g = {' ', fg, bg};
        } else if (final == 'm') {
            for (int code : n) {
                if (code == 0)
                    fg = 39, bg = 49;
                else if ((code >= 30 && code <= 37) || (code >= 90 && code <= 97))
                    fg = code;
                else if ((code >= 40 && code <= 47) || (code >= 100 && code <= 107))
                    bg = code;
                else
                    FAIL() << "SGR " << code;
            }
        } else {
            FAIL() << "sequence " << params << final;
        }
    }
};

// What the terminal should show for a cell of the screen.
FakeTerminal::Glyph expectedGlyph(const Cell& c) {
    unsigned point = (c.ch >= 0x20 && c.ch < 0x7f) || c.ch >= 0xa0 ? c.ch : '?';
    int fg = (c.attr & 8 ? 90 : 30) + kAnsiOf[c.attr & 7];
    int bg = (c.attr & 0x80 ? 100 : 40) + kAnsiOf[(c.attr >> 4) & 7];
    return {point, fg, bg};
}

void expectShows(FakeTerminal& term, const Screen& s) {
    for (int row = 1; row <= s.height; ++row)
        for (int col = 1; col <= s.width; ++col)
            ASSERT_EQ(term.at(col, row), expectedGlyph(s.at(col, row)))
                << "cell " << col << "," << row;
    EXPECT_EQ(term.x, s.curX);
    EXPECT_EQ(term.y, s.curY);
    EXPECT_TRUE(term.cursorVisible);
    EXPECT_FALSE(term.wrap);
}

TEST(TtyRender, ColoursMapTheConsolePaletteOntoAnsi) {
    struct Row {
        std::uint8_t attr;
        const char* sgr;
    } rows[] = {
        {0x07, "\x1b[37;40m"},  // light grey on black: the start
        {0x01, "\x1b[34;40m"},  // blue
        {0x02, "\x1b[32;40m"},  // green
        {0x03, "\x1b[36;40m"},  // cyan
        {0x04, "\x1b[31;40m"},  // red
        {0x05, "\x1b[35;40m"},  // magenta
        {0x06, "\x1b[33;40m"},  // brown
        {0x08, "\x1b[90;40m"},  // dark grey
        {0x0C, "\x1b[91;40m"},  // light red
        {0x1E, "\x1b[93;44m"},  // yellow on blue
        {0x2F, "\x1b[97;42m"},  // white on green
        {0x5F, "\x1b[97;45m"},  // white on magenta
        {0x6F, "\x1b[97;43m"},  // white on brown
        {0x70, "\x1b[30;47m"},  // black on grey
        {0x9A, "\x1b[92;104m"}, // light green on light blue (bit 7)
        {0xC9, "\x1b[94;101m"}, // light blue on light red
    };
    for (const Row& row : rows)
        EXPECT_EQ(colourSequence(row.attr), row.sgr) << "attribute " << int(row.attr);
}

TEST(TtyRender, CellBytesAsTerminalCharacters) {
    struct Row {
        std::uint8_t ch;
        std::string text;
    } rows[] = {
        {'A', "A"},         {' ', " "},         {'~', "~"},  {0xE4, "\xc3\xa4"},
        {0xA0, "\xc2\xa0"}, {0xFF, "\xc3\xbf"}, {0x07, "?"}, {0x1B, "?"},
        {0x7F, "?"},        {0x85, "?"},        {0x00, "?"},
    };
    for (const Row& row : rows) {
        std::string out;
        appendCellChar(out, row.ch);
        EXPECT_EQ(out, row.text) << "byte " << int(row.ch);
    }
}

Screen smallScreen() {
    Screen s;
    s.reset(12, 5);
    return s;
}

void write(Screen& s, std::string_view text) {
    for (char c : text)
        s.put(static_cast<std::uint8_t>(c));
}

TEST(TtyRender, FirstRenderClearsAndDrawsEverything) {
    Screen s = smallScreen();
    s.setBackground(1);
    s.clearWindow();
    write(s, "Hallo\r\nWelt");
    s.at(12, 5) = Cell{0xE4, 0x4F};

    FakeTerminal term(12, 5);
    for (int row = 1; row <= 5; ++row)
        term.at(1, row).point = 'x'; // what was there before
    TtyRenderer r;
    std::string out;
    r.render(s, out);
    term.feed(out);
    expectShows(term, s);
    EXPECT_EQ(term.linesScrolledAway, 5); // the old contents went into the scrollback
}

TEST(TtyRender, OnlyChangesAreSent) {
    Screen s = smallScreen();
    TtyRenderer r;
    std::string out;
    r.render(s, out);

    out.clear();
    r.render(s, out);
    EXPECT_EQ(out, "") << "nothing changed";

    s.gotoXY(4, 3);
    out.clear();
    r.render(s, out);
    EXPECT_EQ(out, "\x1b[3;4H") << "only the cursor moved";

    write(s, "ab");
    out.clear();
    r.render(s, out);
    EXPECT_EQ(out, "\x1b[?25lab\x1b[?25h") << "two cells at the cursor, which ends after them";

    s.at(10, 1) = Cell{'X', 0x07};
    s.at(2, 5) = Cell{'Y', 0x1E};
    out.clear();
    r.render(s, out);
    EXPECT_EQ(out, "\x1b[?25l\x1b[1;10HX\x1b[5;2H\x1b[93;44mY\x1b[3;6H\x1b[?25h");

    s.at(3, 5) = Cell{'Z', 0x1E};
    out.clear();
    r.render(s, out);
    EXPECT_EQ(out, "\x1b[?25l\x1b[5;3HZ\x1b[3;6H\x1b[?25h") << "the colour is still set";
}

TEST(TtyRender, InvalidateDrawsTheWholeScreenAgain) {
    Screen s = smallScreen();
    write(s, "abc");
    TtyRenderer r;
    std::string out;
    r.render(s, out);

    FakeTerminal term(12, 5);
    term.at(7, 2).point = '#'; // the shell wrote here while the program was stopped
    r.invalidate();
    out.clear();
    r.render(s, out);
    term.feed(out);
    expectShows(term, s);
    EXPECT_EQ(term.linesScrolledAway, 0) << "only the first render scrolls";
}

// Random edits, rendered step by step, always leave the terminal showing
// the screen, whatever was skipped as unchanged.
TEST(TtyRender, TheTerminalFollowsRandomEdits) {
    std::mt19937 random(20240601);
    Screen s;
    s.reset(20, 8);
    FakeTerminal term(20, 8);
    TtyRenderer r;
    for (int step = 0; step < 300; ++step) {
        int edits = static_cast<int>(random() % 12);
        for (int k = 0; k < edits; ++k) {
            int col = 1 + static_cast<int>(random() % 20), row = 1 + static_cast<int>(random() % 8);
            auto ch =
                static_cast<std::uint8_t>(random() % 4 ? 'a' + random() % 26 : random() % 256);
            auto attr = static_cast<std::uint8_t>(random() % 3 ? s.at(col, row).attr : random());
            s.at(col, row) = Cell{ch, attr};
        }
        s.curX = 1 + static_cast<int>(random() % 20);
        s.curY = 1 + static_cast<int>(random() % 8);
        if (random() % 50 == 0) r.invalidate();
        std::string out;
        r.render(s, out);
        term.feed(out);
        expectShows(term, s);
        if (HasFatalFailure()) FAIL() << "at step " << step;
    }
}

TEST(TtyRender, RestoreGoesBelowTheLastDrawnRow) {
    Screen s = smallScreen();
    TtyRenderer r;
    EXPECT_EQ(r.restoreSequence(), "") << "nothing drawn, nothing to restore";
    const std::string reset = "\x1b[0m\x1b[?7h\x1b[?25h";

    std::string out;
    s.gotoXY(1, 3);
    write(s, "x\r\n"); // the cursor on the empty row below
    r.render(s, out);
    EXPECT_EQ(r.restoreSequence(), reset + "\x1b[4;1H");

    s.gotoXY(1, 1);
    r.render(s, out);
    EXPECT_EQ(r.restoreSequence(), reset + "\x1b[4;1H") << "wherever the cursor is";

    s.setBackground(1); // a blank in another colour is drawn too
    s.gotoXY(5, 5);
    s.put(' ');
    r.render(s, out);
    EXPECT_EQ(r.restoreSequence(), reset + "\x1b[5;1H\r\n") << "the terminal scrolls";

    s.reset(12, 5);
    r.render(s, out);
    EXPECT_EQ(r.restoreSequence(), reset + "\x1b[1;1H");
}

// A terminal made smaller than the screen gets what fits and nothing
// beyond its edges.
TEST(TtyRender, ClippedToAShrunkTerminal) {
    Screen s = smallScreen();
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 12; ++col)
            s.at(col, row) = Cell{static_cast<std::uint8_t>('a' + col), 0x1E};
    s.gotoXY(3, 2);
    TtyRenderer r;
    r.clip(8, 3);
    std::string out;
    r.render(s, out);
    FakeTerminal term(8, 3);
    term.feed(out);
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 8; ++col)
            EXPECT_EQ(term.at(col, row), expectedGlyph(s.at(col, row))) << col << "," << row;
    EXPECT_EQ(r.restoreSequence(), "\x1b[0m\x1b[?7h\x1b[?25h\x1b[3;1H\r\n");
}

} // namespace
} // namespace kvarn
