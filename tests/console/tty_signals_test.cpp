// The signal handlers of the terminal console, each in a child process: what
// every ending signal writes out and gives back, and how the handlers chain
// to the actions that were there before them.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "console/text_out.h"
#include "console/tty_signals.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using testing::readFile;
using testing::TempDir;

// What the hooks and the previous handlers did, as letters through a pipe:
// R release, P a previous handler.
int events[2] = {-1, -1};
void note(char event) {
    [[maybe_unused]] ssize_t n = write(events[1], &event, 1);
}
void onRelease() {
    note('R');
}
void noHook() {}
void previousHandler(int) {
    note('P');
}
void previousInfoHandler(int, siginfo_t*, void*) {
    note('P');
}
// A previous handler that ends the process itself, with a status of its own.
void previousEndingHandler(int) {
    note('P');
    _exit(42);
}

struct TerminalSignalsDeathTest : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "fast");
        ASSERT_EQ(pipe2(events, O_NONBLOCK | O_CLOEXEC), 0);
    }
    void TearDown() override {
        close(events[0]);
        close(events[1]);
    }
    std::string noted() {
        std::string all;
        char buf[64];
        ssize_t n;
        while ((n = read(events[0], buf, sizeof buf)) > 0)
            all.append(buf, static_cast<std::size_t>(n));
        return all;
    }
};

// The start of a child: no core files in the test's directory, the
// handlers installed, an output file open with a line still in its buffer.
void startChild(TextFile& f) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    installTerminalSignals({onRelease, noHook, noHook});
    createTextFile(f, "rows");
    writeText(f, "row 1\r\n");
}

std::function<bool(int)> endedBy(int sig) {
    if (sig == SIGINT) return ::testing::ExitedWithCode(kInterruptedStatus);
    return ::testing::KilledBySignal(sig);
}

TEST_F(TerminalSignalsDeathTest, EveryEndingSignalWritesTheFileAndGivesTheTerminalBack) {
    const int signals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE,
                           SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF,
                           SIGXCPU, SIGIO,   SIGPWR,  SIGRTMIN,  SIGRTMAX};
    for (int sig : signals) {
        EXPECT_EXIT(
            {
                TextFile f;
                startChild(f);
                raise(sig);
            },
            endedBy(sig), "")
            << strsignal(sig);
        EXPECT_EQ(readFile("rows"), "row 1\r\n") << strsignal(sig);
        EXPECT_EQ(noted(), "R") << strsignal(sig);
    }
}

// A crash gives the terminal back and meets the default action again: a
// fault by repeating, a sent crash signal by being raised once more. (The
// signals AddressSanitizer takes itself, SEGV, BUS and FPE, would meet its
// report instead.)
TEST_F(TerminalSignalsDeathTest, CrashesEndWithTheirDefaultAction) {
    struct Case {
        const char* name;
        int sig;
        void (*crash)();
    } cases[] = {
        {"a trap instruction", SIGILL, [] { __builtin_trap(); }},
        {"abort()", SIGABRT, [] { abort(); }},
        {"a sent SIGSYS", SIGSYS, [] { raise(SIGSYS); }},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                TextFile f;
                startChild(f);
                c.crash();
            },
            ::testing::KilledBySignal(c.sig), "")
            << c.name;
        EXPECT_EQ(readFile("rows"), "row 1\r\n") << c.name;
        EXPECT_EQ(noted(), "R") << c.name;
    }
}

TEST_F(TerminalSignalsDeathTest, HandlersChainToTheActionsBefore) {
    struct Case {
        const char* name;
        int sig;
        void (*setPrevious)(int sig);
        void (*act)(int sig);
        std::function<bool(int)> ended;
        const char* events;
    } cases[] = {
        {"USR1 after a plain handler", SIGUSR1, [](int s) { signal(s, previousHandler); },
         [](int s) { raise(s); }, ::testing::KilledBySignal(SIGUSR1), "RP"},
        {"Ctrl+C after an info handler", SIGINT,
         [](int s) {
             struct sigaction a {};
             a.sa_sigaction = previousInfoHandler;
             a.sa_flags = SA_SIGINFO;
             sigaction(s, &a, nullptr);
         },
         [](int s) { raise(s); }, ::testing::ExitedWithCode(kInterruptedStatus), "RP"},
        {"a sent SEGV meets the previous handler", SIGSEGV,
         [](int s) { signal(s, previousEndingHandler); }, [](int s) { raise(s); },
         ::testing::ExitedWithCode(42), "RP"},
        {"a repeated fault meets the previous handler", SIGILL,
         [](int s) { signal(s, previousEndingHandler); }, [](int) { __builtin_trap(); },
         ::testing::ExitedWithCode(42), "RP"},
        {"a resize goes on to the previous handler", SIGWINCH,
         [](int s) { signal(s, previousHandler); },
         [](int s) {
             raise(s);
             _exit(5);
         },
         ::testing::ExitedWithCode(5), "P"},
        // nohup, or a background job without job control.
        {"an ending signal ignored at start stays ignored", SIGHUP,
         [](int s) { signal(s, SIG_IGN); },
         [](int s) {
             raise(s);
             _exit(7);
         },
         ::testing::ExitedWithCode(7), ""},
        {"a file size signal is ignored", SIGXFSZ, [](int) {},
         [](int s) {
             raise(s);
             _exit(8);
         },
         ::testing::ExitedWithCode(8), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                c.setPrevious(c.sig);
                TextFile f;
                startChild(f);
                installTerminalSignals({onRelease, noHook, noHook}); // twice: still no loop
                c.act(c.sig);
            },
            c.ended, "")
            << c.name;
        EXPECT_EQ(noted(), c.events) << c.name;
    }
}

} // namespace
} // namespace kvarn
