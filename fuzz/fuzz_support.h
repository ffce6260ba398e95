#pragma once
// What the fuzz targets share: the program's start state before every
// input, the exit hook as an exception, and a finding when a check fails.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/runtime_error.h"
#include "control/program_state.h"
#include "support/invariants.h"

namespace kvarn::fuzzing {

// Ends the run with the finding on standard error; libFuzzer keeps the input
// that led to it.
[[noreturn]] inline void finding(const std::string& what) {
    std::fprintf(stderr, "\ninvariant broken: %s\n", what.c_str());
    std::abort();
}

// A check's answer: empty when it holds.
inline void require(const std::string& broken) {
    if (!broken.empty()) finding(broken);
}

// The input as text.
inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The start of every input: the state of program start, and an end of the
// program through the exit hook as the exception ProgramExit.
inline void freshProgram() {
    resetProgramState();
    setExitHook(&throwProgramExit);
}

// Runs a form on the console's key script: true when it returned, false when
// the keys ran out first. A form never ends the program: every key has a
// meaning or none, so any end through the exit hook is a finding, and any
// other exception escapes to libFuzzer as a crash.
template <typename Form> bool playForm(testing::CheckingConsole& con, Form&& form) {
    bool returned = false;
    try {
        form();
        returned = true;
    } catch (const ScriptEnded&) {
    } catch (const ProgramExit& e) {
        finding("the form ended the program with status " + std::to_string(e.status));
    }
    require(con.broken());
    return returned;
}

} // namespace kvarn::fuzzing
