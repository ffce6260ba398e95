#pragma once
// Where a report's text goes: the console, the interactive program's output
// file, a file the batch program writes, memory. Texts and numbers are
// appended; an output statement ends with endWrite (the line stays open) or
// writeLineEnd (characters 13 and 10), and a stream that shows its text
// (the console) shows it then.

#include <string>
#include <string_view>

namespace kvarn {

class TextStream {
  public:
    virtual ~TextStream() = default;
    // Appends the text.
    virtual void put(std::string_view text) = 0;
    // One output statement ends.
    virtual void endStatement() {}
};

void writeText(TextStream& s, std::string_view text);
void writeChar(TextStream& s, char ch);
// A whole number right-aligned in width.
void writeInt(TextStream& s, long value, int width);
// A real width:decimals, as the program formats them (base/real_format.h).
void writeReal(TextStream& s, double value, int width, int decimals);
void endWrite(TextStream& s);
// The line end 13, 10, which ends the statement.
void writeLineEnd(TextStream& s);

// A stream into a string.
class StringStream : public TextStream {
  public:
    explicit StringStream(std::string& target) : target_(target) {}
    void put(std::string_view text) override { target_.append(text); }

  private:
    std::string& target_;
};

} // namespace kvarn
