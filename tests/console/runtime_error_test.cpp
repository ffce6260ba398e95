// The ways out of the program through the exit hook.

#include "console/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

#include "console/text_out.h"
#include "support/memory_console.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

TEST(ProgramExit, HookTurnsEveryWayOutIntoAnExceptionAfterTheReport) {
    testing::TempDir dir;
    MemoryConsole con;
    setExitHook(&throwProgramExit);
    TextFile file;
    createTextFile(file, "report");
    writeText(file, "kept");
    try {
        runtimeError(101, "disk full");
        FAIL() << "runtimeError returned";
    } catch (const ProgramExit& e) {
        EXPECT_EQ(e.status, 101);
    }
    EXPECT_EQ(con.rows()[1], "Runtime error 101: disk full");
    EXPECT_EQ(testing::readFile("report"), "kept") << "the file was flushed on the way out";
    try {
        endProgram(7);
        FAIL() << "endProgram returned";
    } catch (const ProgramExit& e) {
        EXPECT_EQ(e.status, 7);
    }
    abandonFile(file);
}

TEST(ProgramExit, WithoutAHookTheProcessEnds) {
    EXPECT_EXIT(runtimeError(201, "range check"), ::testing::ExitedWithCode(201),
                "Runtime error 201: range check");
}

} // namespace
} // namespace kvarn
