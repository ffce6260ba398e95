#include "console/runtime_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "console/console.h"
#include "console/text_out.h"

namespace kvarn {

namespace {

ExitHook exitHook = nullptr;

// An index outside its array is reported on the console like every other
// run-time error, wherever the console is part of the program.
[[maybe_unused]] const bool rangeChecksOnConsole =
    (setRangeCheckReport([](std::string_view reason) { runtimeError(kRangeCheckError, reason); }),
     true);

[[noreturn]] void leave(int status) {
    if (exitHook != nullptr) exitHook(status);
    std::exit(status);
}

} // namespace

void setExitHook(ExitHook hook) {
    exitHook = hook;
}

void throwProgramExit(int status) {
    throw ProgramExit(status);
}

void endProgram(int status) {
    flushOpenFileForExit();
    if (ConsoleDevice* device = consoleDevice()) device->restore();
    leave(status);
}

void runtimeError(int number, std::string_view reason) {
    std::string report = "Runtime error " + std::to_string(number) + ": " + std::string(reason);
    if (consoleDevice() != nullptr) {
        writeLineEnd(output); // the report starts on a line of its own
        writeText(output, report);
        writeLineEnd(output);
    }
    flushOpenFileForExit();
    if (ConsoleDevice* device = consoleDevice()) device->restore();
    // Also on standard error when that is not the terminal already showing
    // it: a log file, or a test that watches the process. A caller that set
    // an exit hook learns of it through the hook.
    if (exitHook == nullptr && !::isatty(STDERR_FILENO))
        std::fprintf(stderr, "%s\n", report.c_str());
    leave(number);
}

} // namespace kvarn
