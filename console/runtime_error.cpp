#include "console/runtime_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "console/console.h"
#include "console/text_out.h"

namespace kvarn {

void endProgram(int status) {
    flushOpenFileForExit();
    if (ConsoleDevice* device = consoleDevice()) device->restore();
    std::exit(status);
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
    // it: a log file, or a test that watches the process.
    if (!::isatty(STDERR_FILENO)) std::fprintf(stderr, "%s\n", report.c_str());
    std::exit(number);
}

} // namespace kvarn
