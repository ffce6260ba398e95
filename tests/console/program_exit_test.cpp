// The ways out of the program through the exit hook, and the console
// attachments that tests nest.

#include <gtest/gtest.h>

#include <string>

#include "console/key_decoder.h"
#include "console/runtime_error.h"
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

TEST(ConsoleAttachments, NestedConsoleGivesBackTheOuterOne) {
    MemoryConsole outer(80, 25);
    writeText(output, "outer");
    {
        MemoryConsole inner(40, 10);
        EXPECT_EQ(consoleDevice(), &inner);
        EXPECT_EQ(screen.width, 40);
        writeText(output, "inner");
    }
    EXPECT_EQ(consoleDevice(), &outer);
    EXPECT_EQ(outer.row(1).substr(0, 6), "outer ");
    EXPECT_EQ(screen.cursorX(), 6);
    // Detached out of order: the one in front stays, and gives back the
    // first screen when it goes.
    auto* middle = new MemoryConsole(60, 20);
    {
        MemoryConsole front(30, 5);
        delete middle;
        EXPECT_EQ(consoleDevice(), &front);
    }
    EXPECT_EQ(consoleDevice(), &outer);
    EXPECT_EQ(screen.width, 80);
}

TEST(ConsoleAttachments, EmptyQueuesAreErrorsNotUndefined) {
    MemoryConsole con;
    EXPECT_THROW(con.nextKey(), ScriptEnded);
    KeyDecoder decoder;
    EXPECT_FALSE(decoder.hasKey());
    EXPECT_EQ(decoder.takeKey(), scan::Other);
}

} // namespace
} // namespace kvarn
