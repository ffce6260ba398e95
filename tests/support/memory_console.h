#pragma once
// An in-memory console device: keys come from a script, the screen is read
// back as text and attributes. Lets a test play a whole session in-process.

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/key_codes.h"

namespace kvarn {

// Thrown when the program waits for a key the script does not have.
struct ScriptEnded : std::runtime_error {
    ScriptEnded() : std::runtime_error("the key script has ended") {}
};

class MemoryConsole : public ConsoleDevice {
  public:
    // Attaches itself as the console, with a cleared screen of that size.
    explicit MemoryConsole(int columns = 80, int rows = 25);
    ~MemoryConsole() override;

    // Appends key codes to the script, byte by byte (0 included).
    void type(std::string_view codes);
    std::size_t keysLeft() const { return script_.size(); }

    // Row r of the screen (1-based) as text, trailing blanks kept.
    std::string row(int r) const;
    // Every row, trailing blanks removed.
    std::vector<std::string> rows() const;
    // Whole screen as text: rows without trailing blanks, joined by '\n', with
    // trailing empty rows removed.
    std::string text() const;
    // Characters [col, col + len) of row r.
    std::string at(int col, int r, int len) const;
    std::uint8_t attrAt(int col, int r) const;
    // Row r's background colours, one digit per cell.
    std::string backgroundRow(int r) const;
    int shows() const { return shows_; }

    void show(const Screen&) override { ++shows_; }
    std::uint8_t nextKey() override;

  private:
    std::deque<std::uint8_t> script_;
    int shows_ = 0;
};

} // namespace kvarn
