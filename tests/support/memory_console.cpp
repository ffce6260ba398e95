#include "support/memory_console.h"

namespace kvarn {

MemoryConsole::MemoryConsole(int columns, int rows) {
    attachConsole(*this, columns, rows);
}

MemoryConsole::~MemoryConsole() {
    detachConsole(*this);
}

void MemoryConsole::type(std::string_view codes) {
    for (char c : codes)
        script_.push_back(static_cast<std::uint8_t>(c));
}

std::uint8_t MemoryConsole::nextKey() {
    if (script_.empty()) throw ScriptEnded();
    std::uint8_t code = script_.front();
    script_.pop_front();
    return code;
}

std::string MemoryConsole::row(int r) const {
    std::string text;
    for (int col = 1; col <= screen.width; ++col)
        text += static_cast<char>(screen.at(col, r).ch);
    return text;
}

std::vector<std::string> MemoryConsole::rows() const {
    std::vector<std::string> all;
    for (int r = 1; r <= screen.height; ++r) {
        std::string text = row(r);
        text.erase(text.find_last_not_of(' ') + 1);
        all.push_back(text);
    }
    return all;
}

std::string MemoryConsole::text() const {
    std::vector<std::string> all = rows();
    while (!all.empty() && all.back().empty())
        all.pop_back();
    std::string joined;
    for (std::size_t k = 0; k < all.size(); ++k)
        joined += (k ? "\n" : "") + all[k];
    return joined;
}

std::string MemoryConsole::at(int col, int r, int len) const {
    return row(r).substr(col - 1, len);
}

std::uint8_t MemoryConsole::attrAt(int col, int r) const {
    return screen.at(col, r).attr;
}

std::string MemoryConsole::backgroundRow(int r) const {
    std::string digits;
    for (int col = 1; col <= screen.width; ++col)
        digits += static_cast<char>('0' + ((screen.at(col, r).attr >> 4) & 7));
    return digits;
}

} // namespace kvarn
