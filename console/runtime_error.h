#pragma once
// The orderly ways out of the program: a run-time error report, and a plain
// end with a status. Both give the terminal back before the process ends.
// Both end through one exit hook, which a test or a fuzz build can turn into
// an exception.

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/range_check.h"

namespace kvarn {

// Conventional run-time error numbers.
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNoConsole = 6;
inline constexpr int kDiskWriteError = 101;
inline constexpr int kInvalidFloatOperation = 207;

// Writes "Runtime error <number>: <reason>" with a line end on the console,
// restores the terminal and ends the process with <number> as exit status.
[[noreturn]] void runtimeError(int number, std::string_view reason);

// Flushes an open output file, restores the terminal and ends the process.
[[noreturn]] void endProgram(int status);

// What ends the process after the report and the restore: std::exit unless
// a hook is set. A hook that returns is followed by std::exit all the same.
using ExitHook = void (*)(int status);
// Sets the hook; nullptr puts std::exit back.
void setExitHook(ExitHook hook);

// The exception of the hook throwProgramExit: the program would have ended
// with this status.
struct ProgramExit : std::runtime_error {
    explicit ProgramExit(int exitStatus)
        : std::runtime_error("the program ended with status " + std::to_string(exitStatus)),
          status(exitStatus) {}
    int status;
};
// An exit hook that throws ProgramExit instead of ending the process.
[[noreturn]] void throwProgramExit(int status);

} // namespace kvarn
