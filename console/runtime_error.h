#pragma once
// The orderly ways out of the program: a run-time error report, and a plain
// end with a status. Both give the terminal back before the process ends.

#include <string_view>

namespace kvarn {

// Conventional run-time error numbers.
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNoConsole = 6;
inline constexpr int kDiskWriteError = 101;
inline constexpr int kRangeCheckError = 201;

// Writes "Runtime error <number>: <reason>" with a line end on the console,
// restores the terminal and ends the process with <number> as exit status.
[[noreturn]] void runtimeError(int number, std::string_view reason);

// Flushes an open output file, restores the terminal and ends the process.
[[noreturn]] void endProgram(int status);

} // namespace kvarn
