#pragma once
// A pseudo-terminal with a built program running on it: what the program
// wrote there, the terminal's modes, and keys typed as a terminal sends them.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace kvarn::testing {

inline constexpr int kTimeoutMs = 5000;
// The usage notice's prompt; its closing blank is a cell that stays blank,
// so it is never sent.
inline constexpr const char* kNoticePrompt = "Zur Kenntnis genommen:";

inline long nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

// A pseudo-terminal, the process started on it, and all it wrote there.
struct PtyRun {
    int master = -1;
    int slave = -1; // kept open here, to read the terminal's modes afterwards
    pid_t pid = -1;
    int reportFd = -1;   // optional second channel from the child
    std::string screen;  // bytes the program wrote to the terminal
    std::string reports; // bytes from reportFd

    ~PtyRun() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        for (int fd : {master, slave, reportFd})
            if (fd >= 0) close(fd);
    }

    bool open(int columns, int rows) {
        winsize size{};
        size.ws_col = static_cast<unsigned short>(columns);
        size.ws_row = static_cast<unsigned short>(rows);
        return openpty(&master, &slave, nullptr, nullptr, &size) == 0;
    }

    // Reads the terminal and the report channel until done() holds or the
    // time runs out.
    bool pumpUntil(const std::function<bool()>& done, int timeoutMs = kTimeoutMs) {
        const long end = nowMs() + timeoutMs;
        while (!done()) {
            const long left = end - nowMs();
            if (left <= 0) return false;
            pollfd fds[2] = {{master, POLLIN, 0}, {reportFd, POLLIN, 0}};
            if (poll(fds, 2, static_cast<int>(std::min(left, 20L))) <= 0) continue;
            char buf[4096];
            if (fds[0].revents & POLLIN) {
                ssize_t n = read(master, buf, sizeof buf);
                if (n > 0) screen.append(buf, static_cast<std::size_t>(n));
            }
            if (fds[1].revents & POLLIN) {
                ssize_t n = read(reportFd, buf, sizeof buf);
                if (n > 0) reports.append(buf, static_cast<std::size_t>(n));
            }
        }
        return true;
    }

    // Reads what is still on its way, until the terminal has been quiet for
    // a moment.
    void drain() {
        for (;;) {
            pollfd fd{master, POLLIN, 0};
            if (poll(&fd, 1, 50) <= 0) return;
            char buf[4096];
            ssize_t n = read(master, buf, sizeof buf);
            if (n <= 0) return;
            screen.append(buf, static_cast<std::size_t>(n));
        }
    }

    bool showsAfter(std::size_t from, const std::string& text) {
        return pumpUntil([&] { return screen.find(text, from) != std::string::npos; });
    }

    // The wait status, or -1 when the process did not end in time.
    int waitExit() {
        int status = -1;
        bool ended = pumpUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; });
        if (!ended) return -1;
        pid = -1;
        drain();
        return status;
    }

    void type(std::string_view keys) const {
        ASSERT_EQ(write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    termios modes() const {
        termios t{};
        tcgetattr(slave, &t);
        return t;
    }
};

// In a child: makes the pseudo-terminal the controlling terminal of a new
// session, for the terminal's Ctrl+C and Ctrl+Z to reach this process group.
inline void takeTerminal(const PtyRun& run) {
    close(run.master);
    setsid();
    ioctl(run.slave, TIOCSCTTY, 0);
}

[[noreturn]] inline void execProgram(int in, int out, int err, const char* path = KVARN_7T_PATH) {
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execl(path, path, static_cast<char*>(nullptr));
    _exit(127);
}

inline void startOnTerminal(PtyRun& run, const char* path = KVARN_7T_PATH) {
    run.pid = fork();
    if (run.pid == 0) {
        takeTerminal(run);
        execProgram(run.slave, run.slave, run.slave, path);
    }
}

inline void expectSameModes(const termios& before, const termios& after) {
    EXPECT_EQ(before.c_iflag, after.c_iflag);
    EXPECT_EQ(before.c_oflag, after.c_oflag);
    EXPECT_EQ(before.c_cflag, after.c_cflag);
    EXPECT_EQ(before.c_lflag, after.c_lflag);
    EXPECT_EQ(0, std::memcmp(before.c_cc, after.c_cc, sizeof before.c_cc));
}

inline void expectRawModes(const termios& t) {
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON), 0u) << "no echo, no line editing";
    EXPECT_NE(t.c_lflag & ISIG, 0u) << "Ctrl+C still sends its signal";
}

// The terminal's normal state: colours reset, wrap and cursor on.
inline void expectGivenBack(const std::string& bytes) {
    EXPECT_NE(bytes.find("\x1b[0m"), std::string::npos);
    EXPECT_NE(bytes.find("\x1b[?7h"), std::string::npos);
    EXPECT_NE(bytes.find("\x1b[?25h"), std::string::npos);
}

// Past the usage notice and through the coordinate form with the keys for
// its corners, up to the parameter form.
inline void enterAntenna(PtyRun& run, const std::string& corners) {
    ASSERT_TRUE(run.showsAfter(0, kNoticePrompt)) << run.screen << run.reports;
    run.type("\r");
    ASSERT_TRUE(run.showsAfter(0, "Eingabe der Antennenkoordinaten")) << run.screen;
    run.type(corners + "\x1b");
    ASSERT_TRUE(run.showsAfter(0, "OK")) << run.screen;
    run.type("\r");
    ASSERT_TRUE(run.showsAfter(0, "Frequenz[MHz]:")) << run.screen;
}

// A long single-value scan with the output file: 800 m of wire, ten columns
// and the rows from y `top` down to 0, started with Enter; returns where the
// screen stood when Enter went.
inline std::size_t startLongScan(PtyRun& run, int top) {
    enterAntenna(run, "0\t0\t10\t800\t0\t10");
    run.type("\t\t\t9\t" + std::to_string(top) + "\t\t\t\t\t\tj\x1b");
    EXPECT_TRUE(run.showsAfter(run.screen.size(), "OK")) << run.screen;
    const std::size_t mark = run.screen.size();
    run.type("\r");
    return mark;
}

#define OPEN_PTY_OR_SKIP(run, columns, rows)                                                       \
    if (!(run).open(columns, rows)) GTEST_SKIP() << "no pseudo-terminals: " << strerror(errno)

} // namespace kvarn::testing
