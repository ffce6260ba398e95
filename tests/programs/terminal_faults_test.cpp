// Faults of the world around the built program, on a pseudo-terminal: an
// output file that cannot be written, a signal in the middle of a scan, a
// terminal that shrinks, grows or goes away.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "support/example_report.h"
#include "support/pty_run.h"
#include "support/temp_dir.h"

namespace {

using namespace kvarn::testing;

// What a child reports when it cannot set up its case here.
constexpr const char* kCannotSetUp = "cannot set up\n";

// Starts the program on the terminal, its standard error into a pipe the
// run reads as its reports; `prepare` runs in the child before the program
// and returns false when the case cannot be set up.
void startWithErrorPipe(
    PtyRun& run, const std::function<bool()>& prepare = [] { return true; }) {
    int err[2];
    ASSERT_EQ(pipe(err), 0);
    run.pid = fork();
    if (run.pid == 0) {
        takeTerminal(run);
        close(err[0]);
        if (!prepare()) {
            [[maybe_unused]] ssize_t n = write(err[1], kCannotSetUp, std::strlen(kCannotSetUp));
            _exit(1);
        }
        execProgram(run.slave, run.slave, err[1]);
    }
    close(err[1]);
    run.reportFd = err[0];
}

// The rest of the program's standard error, once it has ended.
void readRestOfReports(PtyRun& run) {
    char buf[512];
    ssize_t n;
    while ((n = read(run.reportFd, buf, sizeof buf)) > 0)
        run.reports.append(buf, static_cast<std::size_t>(n));
}

// Waits for the usage notice; false when the child could not set up its case.
bool started(PtyRun& run) {
    run.pumpUntil([&] {
        return run.screen.find(kNoticePrompt) != std::string::npos || run.reports == kCannotSetUp;
    });
    if (run.reports != kCannotSetUp) return true;
    run.waitExit();
    return false;
}

// The example calculation with its output file "antenne", up to its end.
void exampleCalculation(PtyRun& run) {
    enterAntenna(run, "0\t0\t10\t20\t0\t10\t40\t0\t10");
    run.type("\t\t\t2\t\t\t\t\t\t\tj\x1b");
    ASSERT_TRUE(run.showsAfter(run.screen.size(), "OK")) << run.screen;
    run.type("\r");
}

TEST(TerminalFaults, OutputFileFaultsEndWithARuntimeErrorAndKeepWhatWasWritten) {
    const std::string report = kExampleFileHeader + kExampleFileBody;
    struct Case {
        const char* name;
        std::function<void()> setUp;   // in the test's directory
        std::function<bool()> prepare; // in the child, before the program
        int status;
        const char* reason;
        std::string kept; // the file afterwards; "-" when there is none
    } cases[] = {
        {"a directory of that name", [] { std::filesystem::create_directory("antenne"); },
         [] { return true; }, 5, "cannot create file \"antenne\": Is a directory", "-"},
        {"a directory that is gone", [] {},
         [] {
             // The current directory removed under the program.
             return mkdir("gone", 0700) == 0 && chdir("gone") == 0 && rmdir("../gone") == 0;
         },
         3, "cannot create file \"antenne\": No such file or directory", "-"},
        {"a link to /dev/full", [] { std::filesystem::create_symlink("/dev/full", "antenne"); },
         [] { return true; }, 101, "cannot write file \"antenne\": No space left on device", "-"},
        {"a named pipe", [] { ASSERT_EQ(mkfifo("antenne", 0600), 0); }, [] { return true; }, 5,
         "cannot create file \"antenne\": Is a named pipe", "-"},
        {"a file size limit", [] {},
         [] {
             const rlimit limit{300, 300};
             return setrlimit(RLIMIT_FSIZE, &limit) == 0;
         },
         101, "cannot write file \"antenne\": File too large", report.substr(0, 300)},
        {"a directory the user may not write", [] {},
         [] {
             // As the superuser, the program runs as nobody (where nobody
             // may run it); otherwise the directory loses its write
             // permission.
             if (geteuid() != 0) return chmod(".", 0500) == 0;
             return setgid(65534) == 0 && setuid(65534) == 0 && access(KVARN_7T_PATH, X_OK) == 0;
         },
         5, "cannot create file \"antenne\": Permission denied", "-"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        c.setUp();
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, 80, 25);
        const termios before = run.modes();
        startWithErrorPipe(run, c.prepare);
        if (!started(run)) {
            std::printf("skipped: %s cannot be set up here\n", c.name);
            continue;
        }
        exampleCalculation(run);
        const std::size_t mark = run.screen.size();
        const int status = run.waitExit();
        readRestOfReports(run);
        ASSERT_TRUE(WIFEXITED(status)) << c.name << ": wait status " << status;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.name;
        const std::string line = "Runtime error " + std::to_string(c.status) + ": " + c.reason;
        EXPECT_EQ(run.reports, line + "\n") << c.name;
        EXPECT_NE(run.screen.find("Runtime error " + std::to_string(c.status), mark),
                  std::string::npos)
            << c.name;
        expectSameModes(before, run.modes());
        expectGivenBack(run.screen.substr(mark));
        if (c.kept == "-")
            EXPECT_FALSE(std::filesystem::is_regular_file("antenne")) << c.name;
        else
            EXPECT_EQ(readFile("antenne"), c.kept) << c.name;
        chmod(dir.path().c_str(), 0700);
    }
}

// The rows of a table in the file, checked: each complete row once, in
// order from `top` down, and at most one row cut off at the end. Returns how
// many rows are complete.
int completeRows(const std::string& file, int top, const std::string& context) {
    const std::string columnHeader =
        " y\\x      0     1     2     3     4     5     6     7     8     9 ";
    std::size_t at = file.find(columnHeader + "\r\n\r\n");
    EXPECT_NE(at, std::string::npos) << context;
    if (at == std::string::npos) return 0;
    at += columnHeader.size() + 4;
    const std::size_t rowLength = 6 + 10 * 6;
    int rows = 0;
    for (int y = top;; --y) {
        const std::string rest = file.substr(at);
        char label[16];
        std::snprintf(label, sizeof label, "%4d  ", y);
        if (rest.size() < rowLength + 2) {
            // The row the signal cut off: the start of the next row at most.
            const std::size_t shown = std::min<std::size_t>(rest.size(), 6);
            EXPECT_EQ(rest.substr(0, shown), std::string(label).substr(0, shown)) << context;
            EXPECT_EQ(rest.find("\r\n"), std::string::npos) << context << ": " << rest;
            return rows;
        }
        EXPECT_EQ(rest.substr(0, 6), label) << context << ", row " << y;
        EXPECT_EQ(rest.substr(rowLength, 2), "\r\n") << context << ", row " << y;
        if (rest.substr(0, 6) != label || rest.substr(rowLength, 2) != "\r\n") return rows;
        ++rows;
        at += rowLength + 2;
    }
}

TEST(TerminalFaults, SignalsInTheMiddleOfAScanKeepEveryCompleteRowOnce) {
    struct Case {
        const char* name;
        int sig;      // sent with kill; 0: Ctrl+C typed
        int exitCode; // for Ctrl+C
    } cases[] = {
        {"Ctrl+C", 0, 130},
        {"SIGTERM", SIGTERM, 0},
        {"SIGHUP", SIGHUP, 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, 80, 25);
        const termios before = run.modes();
        startOnTerminal(run);
        // 800 elements, ten columns and 9001 rows: the scan takes a while.
        const std::size_t mark = startLongScan(run, 9000);
        // Row 8998 on the screen: rows 9000 and 8999 are complete.
        ASSERT_TRUE(run.showsAfter(mark, "8998")) << c.name;
        if (c.sig == 0)
            run.type("\x03");
        else
            kill(run.pid, c.sig);
        const int status = run.waitExit();
        if (c.sig == 0) {
            ASSERT_TRUE(WIFEXITED(status)) << c.name << ": wait status " << status;
            EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << c.name;
        } else {
            ASSERT_TRUE(WIFSIGNALED(status)) << c.name << ": wait status " << status;
            EXPECT_EQ(WTERMSIG(status), c.sig) << c.name;
        }
        expectSameModes(before, run.modes());
        expectGivenBack(run.screen.substr(mark));
        const std::string file = readFile("antenne");
        EXPECT_EQ(file.find("Maximalwert"), std::string::npos) << c.name << ": the scan ended";
        EXPECT_GE(completeRows(file, 9000, c.name), 2) << c.name;
    }
}

void resize(const PtyRun& run, int columns, int rows) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(rows);
    ioctl(run.master, TIOCSWINSZ, &size); // the terminal's foreground group gets SIGWINCH
}

TEST(TerminalFaults, ShrinkingBelow80x24AndGrowingAgainRedraws) {
    // During the parameter form: keys still act; growing draws it anew.
    {
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, 80, 25);
        startOnTerminal(run);
        enterAntenna(run, "0\t0\t10\t40\t0\t10");
        resize(run, 60, 20);
        run.type("\t5\t");
        run.drain();
        const std::size_t mark = run.screen.size();
        resize(run, 80, 25);
        ASSERT_TRUE(run.showsAfter(mark, "Frequenz[MHz]:")) << "no redraw after growing";
        EXPECT_NE(run.screen.find("\x1b[2J", mark), std::string::npos) << "the redraw clears";
        run.type("\x1b\r");
        ASSERT_TRUE(run.showsAfter(mark, "weitere Berechnung (j/n)?"));
        EXPECT_NE(run.screen.find("bei    5 W", mark), std::string::npos) << "the typed power";
        run.type("n\r");
        const int status = run.waitExit();
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    // During a scan: it runs on; the next show after growing draws anew.
    {
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, 80, 25);
        startOnTerminal(run);
        enterAntenna(run, "0\t0\t10\t800\t0\t10");
        run.type("\t\t\t9\t600\x1b");
        ASSERT_TRUE(run.showsAfter(run.screen.size(), "OK")) << run.screen;
        std::size_t mark = run.screen.size();
        run.type("\r");
        ASSERT_TRUE(run.showsAfter(mark, "598")) << run.screen.substr(mark);
        resize(run, 70, 20);
        run.pumpUntil([] { return false; }, 200); // rows go on arriving meanwhile
        mark = run.screen.size();
        resize(run, 80, 25);
        const bool ended = run.pumpUntil(
            [&] { return run.screen.find("weitere Berechnung (j/n)?", mark) != std::string::npos; },
            120000);
        ASSERT_TRUE(ended) << "the scan went on";
        EXPECT_NE(run.screen.find("\x1b[2J", mark), std::string::npos) << "the redraw clears";
        EXPECT_NE(run.screen.find("Maximalwert bei x:", mark), std::string::npos);
        run.type("n\r");
        const int status = run.waitExit();
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
}

// A terminal that goes away: the hang-up signal ends the program as it
// would, or, when it is ignored (nohup), the next read finds the terminal
// gone and the program ends with the same 129 that shells report for it.
TEST(TerminalFaults, LostTerminalEndsLikeAHangUp) {
    for (bool hangUpIgnored : {false, true}) {
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, 80, 25);
        startWithErrorPipe(run, [&] {
            if (hangUpIgnored) signal(SIGHUP, SIG_IGN);
            return true;
        });
        ASSERT_TRUE(run.showsAfter(0, kNoticePrompt)) << run.screen;
        close(run.master);
        run.master = -1;
        const int status = run.waitExit();
        if (hangUpIgnored) {
            ASSERT_TRUE(WIFEXITED(status)) << "wait status " << status;
            EXPECT_EQ(WEXITSTATUS(status), 129);
        } else {
            ASSERT_TRUE(WIFSIGNALED(status)) << "wait status " << status;
            EXPECT_EQ(WTERMSIG(status), SIGHUP);
        }
    }
}

} // namespace
