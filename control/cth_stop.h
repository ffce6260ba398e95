#pragma once
// The stop of a scan whose angle cosine left its range, made where the point
// is recorded.

namespace kvarn {

// Clears the console window, writes the message with a line end and ends the
// program with exit status 1: the calculation did not finish.
[[noreturn]] void stopOnCthRange();

} // namespace kvarn
