#pragma once
// Text from a file or a command line made safe to show on a terminal:
// nothing in it can move the cursor, clear the screen, set the window title
// or turn the text around.

#include <string>
#include <string_view>

namespace kvarn {

// The text with every control character and every other code point that
// does not print (format controls, line and paragraph separators,
// non-characters) written as an escape, \u001b or \U000e0001, and every
// byte that is not part of valid UTF-8 as \xff. Printable text, umlauts
// included, stays as it is.
std::string printable(std::string_view text);

} // namespace kvarn
