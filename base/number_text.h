#pragma once
// Numbers as text for files and names: the fewest digits that read back as
// the same double.

#include <string>

namespace kvarn {

// "3.65", "0.5", "-2", "1e+155".
std::string shortestNumber(double v);

} // namespace kvarn
