// The console attachments that tests nest, and queues of keys that have
// run empty.

#include "console/console.h"

#include <gtest/gtest.h>

#include "console/key_decoder.h"
#include "console/text_out.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

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
