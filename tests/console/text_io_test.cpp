#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/real_format.h"
#include "console/line_input.h"
#include "console/text_out.h"
#include "support/memory_console.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(TextFile, WritesStatementsWithCrLfAndKeepsBufferedTextUntilClosed) {
    TempDir dir;
    TextFile f;
    createTextFile(f, "antenne");
    writeText(f, "abc");
    writeReal(f, 2.0, 5, 1);
    writeChar(f, 'm');
    writeLineEnd(f);
    writeInt(f, 7, 3);
    endWrite(f);
    EXPECT_EQ(readFile("antenne"), ""); // still in the 256-byte buffer
    closeFile(f);
    EXPECT_EQ(readFile("antenne"), "abc  2.0m\r\n  7");
}

TEST(TextFile, LongOutputPassesThroughTheBufferIntact) {
    TempDir dir;
    TextFile f;
    std::string expected;
    createTextFile(f, "lang");
    for (int k = 0; k < 1000; ++k) {
        writeReal(f, k * 0.25, 7, 2);
        expected += formatReal(k * 0.25, 7, 2);
    }
    closeFile(f);
    EXPECT_EQ(readFile("lang"), expected);
}

TEST(TextFile, CreatingEmptiesAnEarlierFile) {
    TempDir dir;
    TextFile f;
    createTextFile(f, "antenne");
    writeText(f, "first pass, a longer text");
    closeFile(f);
    createTextFile(f, "antenne");
    writeText(f, "second");
    closeFile(f);
    EXPECT_EQ(readFile("antenne"), "second");
}

TEST(TextFileDeathTest, FailuresEndTheProgramWithTheirNumber) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MemoryConsole con;
            TextFile f;
            createTextFile(f, "/nonexistent-kvarn-dir/antenne");
        },
        ::testing::ExitedWithCode(3), "Runtime error 3: .*nonexistent-kvarn-dir/antenne");
    EXPECT_EXIT(
        {
            MemoryConsole con;
            TextFile f;
            createTextFile(f, "/dev/full");
            for (int k = 0; k < 300; ++k)
                writeChar(f, 'x');
        },
        ::testing::ExitedWithCode(101), "Runtime error 101: .*/dev/full");
}

TEST(ConsoleOutput, WritesAtTheCursorAndShowsEveryStatement) {
    MemoryConsole con;
    writeText(output, "Hallo");
    EXPECT_EQ(con.shows(), 0);
    endWrite(output);
    EXPECT_EQ(con.shows(), 1);
    writeLineEnd(output);
    EXPECT_EQ(con.shows(), 2);
    writeReal(output, 3.25, 6, 1);
    EXPECT_EQ(con.row(1).substr(0, 5), "Hallo");
    EXPECT_EQ(con.row(2).substr(0, 6), "   3.3");
}

TEST(LineInput, EchoEraseClearAndEnter) {
    MemoryConsole con;
    writeText(output, "? ");
    con.type("jx\bn");
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), "jn");
    EXPECT_EQ(con.row(1).substr(0, 5), "? jn ");
    EXPECT_EQ(screen.cursorX(), 1);
    EXPECT_EQ(screen.cursorY(), 2);

    con.type("abc");
    con.type(keys::Esc);
    con.type("d");
    con.type(keys::Right); // a cursor key types nothing
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), "d");
    EXPECT_EQ(con.row(2).substr(0, 4), "d   ");

    con.type("\b\b");
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), ""); // Backspace on an empty line changes nothing
}

TEST(LineInput, HoldsAtMost254Characters) {
    MemoryConsole con;
    con.type(std::string(300, 'a'));
    con.type(keys::Enter);
    EXPECT_EQ(readLineText().size(), 254u);
}

TEST(LineInput, FirstCharacterOfTheReply) {
    MemoryConsole con;
    struct Case {
        const char* typed;
        char first;
    } cases[] = {{"j", 'j'}, {"Ja", 'J'}, {"nein", 'n'}, {"", '\r'}, {" j", ' '}};
    for (auto c : cases) {
        con.type(c.typed);
        con.type(keys::Enter);
        EXPECT_EQ(readFirstChar(), c.first) << c.typed;
    }
}

} // namespace
} // namespace kvarn
