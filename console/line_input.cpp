#include "console/line_input.h"

#include "console/console.h"
#include "console/key_codes.h"
#include "console/text_out.h"

namespace kvarn {

namespace {
constexpr std::size_t kLineLimit = 254;

void eraseLast() {
    writeChar(output, '\b'); // one column back, a blank over the character, back again
    writeChar(output, ' ');
    writeChar(output, '\b');
}
} // namespace

std::string readLineText() {
    std::string line;
    for (;;) {
        const std::uint8_t code = readKey();
        if (code == key::Enter) {
            writeLineEnd(output);
            return line;
        }
        if (code == key::TwoCode) { // a key without a character: its second code is dropped
            readKey();
            continue;
        }
        if (code == key::Backspace) {
            if (!line.empty()) {
                line.pop_back();
                eraseLast();
            }
        } else if (code == key::Esc) {
            while (!line.empty()) {
                line.pop_back();
                eraseLast();
            }
        } else if (code >= ' ' && code != key::Delete && line.size() < kLineLimit) {
            line += static_cast<char>(code);
            writeChar(output, static_cast<char>(code));
        }
        endWrite(output);
    }
}

void readLine() {
    readLineText();
}

char readFirstChar() {
    std::string line = readLineText();
    return line.empty() ? '\r' : line.front();
}

char toUpper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace kvarn
