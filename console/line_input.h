#pragma once
// Keyboard line input at the cursor, and upper-casing of answers.

#include <string>

namespace kvarn {

// Reads one line from the keyboard: typed characters are echoed, Backspace
// removes the last one, Esc clears the line, Enter ends it and moves the
// cursor to the start of the next line. At most 254 characters.
std::string readLineText();
// Waits for a line and discards it.
void readLine();
// Waits for a line; its first character, or 13 for an empty line.
char readFirstChar();
// 'a' to 'z' become 'A' to 'Z'; every other character stays.
char toUpper(char ch);

} // namespace kvarn
