// The text files and the console as the programs write them, and the
// output file on the ways out: a signal in the middle of a flush writes
// nothing twice, and a failed write keeps what reached the file.

#include "console/text_out.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>

#include "base/real_format.h"
#include "console/tty_signals.h"
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

void noHook() {}

// Digits in turn, so that a repeated piece shows.
std::string numberedText(std::size_t length) {
    std::string text;
    for (std::size_t k = 0; k < length; ++k)
        text += static_cast<char>('0' + k % 10);
    return text;
}

int interruptingSignal = 0;
void interrupt() {
    raise(interruptingSignal);
}

TEST(ExitFlushDeathTest, SignalBetweenWriteAndMarkWritesNothingTwice) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the child writes into this test's directory
    struct Case {
        const char* name;
        int sig;
        std::size_t length; // written before the signal's flush
        bool close;         // the flush of closeFile rather than of a full buffer
        std::size_t kept;   // bytes in the file afterwards
    } cases[] = {
        {"full buffer, Ctrl+C", SIGINT, 300, false, 256},
        {"full buffer, TERM", SIGTERM, 300, false, 256},
        {"closeFile, Ctrl+C", SIGINT, 100, true, 100},
        {"closeFile, HUP", SIGHUP, 100, true, 100},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string text = numberedText(c.length);
        auto statusOk = [&](int status) {
            return c.sig == SIGINT ? WIFEXITED(status) && WEXITSTATUS(status) == kInterruptedStatus
                                   : WIFSIGNALED(status) && WTERMSIG(status) == c.sig;
        };
        EXPECT_EXIT(
            {
                installTerminalSignals({noHook, noHook, noHook});
                interruptingSignal = c.sig;
                setFlushWrittenHook(interrupt);
                TextFile f;
                createTextFile(f, "report");
                writeText(f, text);
                if (c.close) closeFile(f);
            },
            statusOk, "")
            << c.name;
        EXPECT_EQ(readFile("report"), text.substr(0, c.kept)) << c.name;
    }
}

void limitFileSize(rlim_t bytes) {
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// A write that fails ends with run-time error 101 naming the file; what was
// written before stays, and the exit flush does not try again.
TEST(ExitFlushDeathTest, FailedWriteKeepsWhatReachedTheFile) {
    GTEST_FLAG_SET(death_test_style, "fast");
    TempDir dir;
    const std::string text = numberedText(300);
    // Under a file size limit the write stops at the limit; SIGXFSZ is
    // ignored, so the next one fails instead of ending the process.
    EXPECT_EXIT(
        {
            installTerminalSignals({noHook, noHook, noHook});
            limitFileSize(100);
            TextFile f;
            createTextFile(f, "limited");
            writeText(f, text);
        },
        ::testing::ExitedWithCode(101),
        "Runtime error 101: cannot write file \"limited\": File too large");
    EXPECT_EQ(readFile("limited"), text.substr(0, 100));

    EXPECT_EXIT(
        {
            TextFile f;
            createTextFile(f, "/dev/full");
            writeText(f, text);
        },
        ::testing::ExitedWithCode(101),
        "Runtime error 101: cannot write file \"/dev/full\": No space left on device");
}

} // namespace
} // namespace kvarn
