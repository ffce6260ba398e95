#pragma once
// Helpers for playing key scripts through the forms on the in-memory console.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/console.h"
#include "support/memory_console.h"

namespace kvarn::test {

// A two-code key: 0, then the given second code.
inline std::string twoCode(std::uint8_t second) {
    return std::string(1, '\0') + char(second);
}

// Runs a form; true when it ended, false when the keys ran out first (the
// screen and the variables then show the state at that moment).
template <typename Form> bool play(Form&& form) {
    try {
        form();
        return true;
    } catch (const ScriptEnded&) {
        return false;
    }
}

// The background colour of an attribute byte.
inline int background(std::uint8_t attr) {
    return (attr >> 4) & 7;
}

// A form window on the screen: reads cells in window coordinates.
struct FormWindow {
    const MemoryConsole& con;
    int left;
    int top;

    std::string at(int col, int row, int len) const {
        return con.at(left + col - 1, top + row - 1, len);
    }
    int backgroundAt(int col, int row) const {
        return background(con.attrAt(left + col - 1, top + row - 1));
    }
};

// Cursor in window coordinates.
struct CursorPos {
    int col;
    int row;
    bool operator==(const CursorPos&) const = default;
};
inline CursorPos cursor() {
    return {screen.cursorX(), screen.cursorY()};
}

} // namespace kvarn::test
