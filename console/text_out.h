#pragma once
// Text streams: the console's output stream and the one output text file.
// Texts, characters and numbers are appended; an output statement is closed
// by endWrite (the line stays open) or writeLineEnd (characters 13 and 10).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/text_stream.h"

namespace kvarn {

// One text stream: the console (`output`) or a text file with a write buffer
// of 256 bytes.
struct TextFile {
    bool isConsole = false;
    std::string name;  // file name as given, at most 255 characters
    int fd = -1;       // descriptor while open
    bool open = false; // open for writing
    std::array<char, 256> buffer{};
    std::size_t used = 0; // bytes waiting in buffer
};

// The console's output stream: writes at the cursor of the console window.
extern TextFile output;

void writeText(TextFile& f, std::string_view text);
void writeChar(TextFile& f, char ch);
void writeInt(TextFile& f, long value, int width);
void writeReal(TextFile& f, double value, int width, int decimals);
// Ends one output statement: the console shows it at once; a file keeps it
// in its buffer.
void endWrite(TextFile& f);
// Appends the line end 13, 10; the console shows it at once.
void writeLineEnd(TextFile& f);

// Creates (or empties) the named file in the current directory and opens it
// for writing; the name is used unchanged. Never waits: a named pipe or a
// socket of that name is refused. A failure ends the program with a run-time
// error report naming the file.
void createTextFile(TextFile& f, std::string_view name);
// Writes out the buffer and closes the file.
void closeFile(TextFile& f);

// Writes out the buffer of the open output file, if any, using only write(),
// and takes the file off, so that it is written out once: safe inside a
// signal handler, and exclusive with the program's own flushes.
void flushOpenFileForExit();

// A test seam: called by a flush after a write and before the written bytes
// leave the buffer, where a signal must not write them again. nullptr (the
// start value) calls nothing.
void setFlushWrittenHook(void (*hook)());

// Closes the file, if open, dropping what its buffer still holds and
// reporting nothing: for a state reset after the program ended through the
// exit hook.
void abandonFile(TextFile& f);

// A text file (or the console) as a text stream, for the report formats:
// the same appends and statement ends as the functions above.
class TextFileStream : public TextStream {
  public:
    explicit TextFileStream(TextFile& f) : f_(f) {}
    void put(std::string_view text) override { writeText(f_, text); }
    void endStatement() override { endWrite(f_); }

  private:
    TextFile& f_;
};

} // namespace kvarn
