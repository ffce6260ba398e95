#pragma once
// The field model's own stop when the angle cosine leaves its range.

namespace kvarn {

// Clears the console window, writes the message with a line end and ends the
// program with exit status 1: the calculation did not finish.
[[noreturn]] void stopOnCthRange();

} // namespace kvarn
