#pragma once
// What an index outside its array does: it ends the program with run-time
// error 201. The interactive programs report it on their console (the
// console installs its report here when it is part of the program);
// without one, the report goes to standard error.

#include <cstddef>
#include <string_view>

namespace kvarn {

inline constexpr int kRangeCheckError = 201;

// Reports and ends the program; must not return.
using RangeCheckReport = void (*)(std::string_view reason);
void setRangeCheckReport(RangeCheckReport report);

// "range check: index 0 outside 1..10", reported as run-time error 201.
[[noreturn]] void rangeCheckFailed(std::size_t index, std::size_t size);

} // namespace kvarn
