// The output file on the ways out: a signal in the middle of a flush writes
// nothing twice, and a failed write keeps what reached the file.

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

#include "console/text_out.h"
#include "console/tty_signals.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using testing::readFile;
using testing::TempDir;

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
