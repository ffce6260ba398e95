#include "base/text_stream.h"

#include "base/real_format.h"

namespace kvarn {

void writeText(TextStream& s, std::string_view text) {
    s.put(text);
}

void writeChar(TextStream& s, char ch) {
    s.put(std::string_view(&ch, 1));
}

void writeInt(TextStream& s, long value, int width) {
    s.put(formatInt(value, width));
}

void writeReal(TextStream& s, double value, int width, int decimals) {
    s.put(formatReal(value, width, decimals));
}

void endWrite(TextStream& s) {
    s.endStatement();
}

void writeLineEnd(TextStream& s) {
    s.put("\r\n");
    s.endStatement();
}

} // namespace kvarn
