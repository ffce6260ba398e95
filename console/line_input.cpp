#include "console/line_input.h"

#include "console/console.h"
#include "console/text_out.h"

namespace kvarn {

namespace {
constexpr std::size_t kLineLimit = 254;

void eraseLast() {
    writeChar(output, 8);
    writeChar(output, ' ');
    writeChar(output, 8);
}
} // namespace

std::string readLineText() {
    std::string line;
    for (;;) {
        std::uint8_t key = readKey();
        if (key == 13) {
            writeLineEnd(output);
            return line;
        }
        if (key == 0) { // a key without a character: its second code is dropped
            readKey();
            continue;
        }
        if (key == 8) {
            if (!line.empty()) {
                line.pop_back();
                eraseLast();
            }
        } else if (key == 27) {
            while (!line.empty()) {
                line.pop_back();
                eraseLast();
            }
        } else if (key >= 32 && key != 127 && line.size() < kLineLimit) {
            line += static_cast<char>(key);
            writeChar(output, static_cast<char>(key));
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
