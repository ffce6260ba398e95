#pragma once
// Whole screens as tests compare them: each row's text, then its background
// colours as digits, row after row. A stray cell anywhere shows up as a
// difference, where a comparison of chosen cells would miss it.

#include <string>
#include <vector>

#include "support/memory_console.h"

namespace kvarn::testing {

// Rows first to last of the screen, two lines each: the text without its
// trailing blanks, then "|" and the background digits without the trailing
// run that repeats the last one (a row all in one colour is one digit).
inline std::vector<std::string> golden(const MemoryConsole& con, int first, int last) {
    std::vector<std::string> lines;
    for (int r = first; r <= last; ++r) {
        std::string text = con.row(r);
        text.erase(text.find_last_not_of(' ') + 1);
        std::string colours = con.backgroundRow(r);
        colours.erase(colours.find_last_not_of(colours.back()) + 2);
        lines.push_back(text);
        lines.push_back("|" + colours);
    }
    return lines;
}

} // namespace kvarn::testing
