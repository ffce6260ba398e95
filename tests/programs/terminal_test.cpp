// The built program on a pseudo-terminal: it refuses what is no terminal or
// too small a one, and gives the terminal back after Ctrl+C and Ctrl+Z.

#include <gtest/gtest.h>

#include "support/pty_run.h"

namespace {

using namespace kvarn::testing;

TEST(Terminal, CtrlCEndsWith130AndGivesTheTerminalBack) {
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    const termios before = run.modes();
    startOnTerminal(run);
    ASSERT_TRUE(run.showsAfter(0, kNoticePrompt)) << run.screen;
    expectRawModes(run.modes());

    const std::size_t mark = run.screen.size();
    run.type("\x03");
    const int status = run.waitExit();
    ASSERT_TRUE(WIFEXITED(status)) << "wait status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 130);
    expectSameModes(before, run.modes());
    expectGivenBack(run.screen.substr(mark));
}

// The screen takes the terminal's size at start: 80x25 when the terminal
// tells none, at most 255 in each direction.
TEST(Terminal, ScreenSizeFromTheTerminal) {
    struct Case {
        int ptyColumns, ptyRows, columns, rows;
    } cases[] = {{100, 30, 100, 30}, {0, 0, 80, 25}, {300, 260, 255, 255}};
    for (const Case& c : cases) {
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, c.ptyColumns, c.ptyRows);
        startOnTerminal(run);
        ASSERT_TRUE(run.showsAfter(0, kNoticePrompt)) << c.ptyColumns << "x" << c.ptyRows;
        // The first show scrolls from the bottom row, then clears and draws
        // every row in full.
        const std::string bottom = "\x1b[" + std::to_string(c.rows) + ";1H\n";
        EXPECT_NE(run.screen.find(bottom), std::string::npos) << c.ptyColumns << "x" << c.ptyRows;
        const std::string firstRow = "\x1b[37;40m" + std::string(c.columns, ' ') + "\x1b[2;1H";
        EXPECT_NE(run.screen.find(firstRow), std::string::npos) << c.ptyColumns << "x" << c.ptyRows;
        run.type("\x03");
        EXPECT_TRUE(WIFEXITED(run.waitExit()));
    }
}

// A small shell with job control: runs the program as its foreground job,
// and when the job stops, takes the terminal back, reports 'S' and waits for
// a byte before continuing it (as `fg` does). At the end it reports 'X' and
// the exit status.
[[noreturn]] void jobControlShell(const PtyRun& run, int report, int command) {
    takeTerminal(run);
    signal(SIGTTOU, SIG_IGN); // a shell may hand the terminal on from the background
    const pid_t job = fork();
    if (job == 0) {
        setpgid(0, 0);
        tcsetpgrp(run.slave, getpid());
        signal(SIGTTOU, SIG_DFL);
        execProgram(run.slave, run.slave, run.slave);
    }
    setpgid(job, job);
    tcsetpgrp(run.slave, job);
    for (;;) {
        int status = 0;
        if (waitpid(job, &status, WUNTRACED) != job) _exit(1);
        if (WIFSTOPPED(status)) {
            tcsetpgrp(run.slave, getpgrp());
            if (write(report, "S", 1) != 1) _exit(1);
            char go;
            if (read(command, &go, 1) != 1) _exit(1);
            tcsetpgrp(run.slave, job);
            kill(-job, SIGCONT);
            continue;
        }
        char end[2] = {'X', static_cast<char>(WIFEXITED(status) ? WEXITSTATUS(status) : 255)};
        if (write(report, end, 2) != 2) _exit(1);
        _exit(0);
    }
}

TEST(Terminal, CtrlZGivesTheTerminalBackAndContinuingRedraws) {
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    const termios before = run.modes();
    int report[2], command[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(command), 0);
    run.pid = fork();
    if (run.pid == 0) jobControlShell(run, report[1], command[0]);
    close(report[1]);
    close(command[0]);
    run.reportFd = report[0];

    ASSERT_TRUE(run.showsAfter(0, kNoticePrompt)) << run.screen;
    std::size_t mark = run.screen.size();
    run.type("\x1a");
    ASSERT_TRUE(run.pumpUntil([&] { return run.reports == "S"; })) << "the program did not stop";
    run.drain();
    expectSameModes(before, run.modes());
    expectGivenBack(run.screen.substr(mark));

    mark = run.screen.size();
    ASSERT_EQ(write(command[1], "C", 1), 1);
    ASSERT_TRUE(run.showsAfter(mark, kNoticePrompt)) << "no redraw after continuing";
    EXPECT_NE(run.screen.find("\x1b[2J", mark), std::string::npos) << "the redraw clears first";
    expectRawModes(run.modes());

    run.type("\x03");
    ASSERT_TRUE(run.pumpUntil([&] { return run.reports.size() == 3; }));
    EXPECT_EQ(run.reports[1], 'X');
    EXPECT_EQ(static_cast<unsigned char>(run.reports[2]), 130);
    expectSameModes(before, run.modes());
    close(command[1]);
    EXPECT_TRUE(WIFEXITED(run.waitExit()));
}

// Runs the program with the given standard input and output, standard error
// into a pipe; returns the wait status and what it wrote there.
int runRefused(int in, int out, std::string& errors) {
    int err[2];
    if (pipe(err) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(err[0]);
        execProgram(in, out, err[1]);
    }
    close(err[1]);
    char buf[512];
    ssize_t n;
    while ((n = read(err[0], buf, sizeof buf)) > 0)
        errors.append(buf, static_cast<std::size_t>(n));
    close(err[0]);
    int status = -1;
    waitpid(pid, &status, 0);
    return status;
}

TEST(Terminal, RefusesWhatIsNoTerminal) {
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    const int devNull = open("/dev/null", O_RDWR);
    ASSERT_GE(devNull, 0);
    struct Case {
        int in, out;
        const char* reason;
    } cases[] = {
        {devNull, run.slave, "kvarn-7t: standard input is not a terminal\n"},
        {run.slave, devNull, "kvarn-7t: standard output is not a terminal\n"},
    };
    for (const Case& c : cases) {
        std::string errors;
        const int status = runRefused(c.in, c.out, errors);
        ASSERT_TRUE(WIFEXITED(status)) << c.reason;
        EXPECT_EQ(WEXITSTATUS(status), 2) << c.reason;
        EXPECT_EQ(errors, c.reason);
    }
    close(devNull);
    run.pumpUntil([] { return false; }, 100);
    EXPECT_EQ(run.screen, "") << "the terminal is left untouched";
}

TEST(Terminal, RefusesATerminalSmallerThan80x24) {
    struct Case {
        int columns, rows;
        const char* reason;
    } cases[] = {
        {70, 20, "kvarn-7t: needs a terminal of at least 80x24, this one is 70x20\n"},
        {79, 30, "kvarn-7t: needs a terminal of at least 80x24, this one is 79x30\n"},
        {120, 23, "kvarn-7t: needs a terminal of at least 80x24, this one is 120x23\n"},
    };
    for (const Case& c : cases) {
        PtyRun run;
        OPEN_PTY_OR_SKIP(run, c.columns, c.rows);
        const termios before = run.modes();
        std::string errors;
        const int status = runRefused(run.slave, run.slave, errors);
        ASSERT_TRUE(WIFEXITED(status)) << c.reason;
        EXPECT_EQ(WEXITSTATUS(status), 2) << c.reason;
        EXPECT_EQ(errors, c.reason);
        run.pumpUntil([] { return false; }, 50);
        EXPECT_EQ(run.screen, "") << c.reason;
        expectSameModes(before, run.modes());
    }
}

} // namespace
