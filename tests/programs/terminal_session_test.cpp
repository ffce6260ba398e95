// The built program on a pseudo-terminal, typed at as a user types: a whole
// calculation with its output file, a file that cannot be created, and
// Ctrl+C in the middle of a scan.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/example_report.h"
#include "support/pty_run.h"
#include "support/temp_dir.h"

namespace {

using namespace kvarn::testing;

constexpr const char* kShiftTab = "\x1b[Z";

TEST(TerminalSession, WholeCalculationWithOutputFile) {
    TempDir dir;
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    const termios before = run.modes();
    startOnTerminal(run);
    enterAntenna(run, "0\t0\t10\t20\t0\t10\t40\t0\t10");

    // xend 5, back with Shift+Tab, forth with Tab, xend 2 instead; then the
    // file question and Esc, Enter.
    run.type("\t\t\t5");
    run.type(kShiftTab);
    run.type("\t2\t\t\t\t\t\t\tj\x1b");
    const std::size_t mark = run.screen.size();
    ASSERT_TRUE(run.showsAfter(mark, "OK")) << run.screen;
    run.type("\r");
    ASSERT_TRUE(run.showsAfter(mark, "weitere Berechnung (j/n)?")) << run.screen;
    run.type("n\r");
    const int status = run.waitExit();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    expectSameModes(before, run.modes());

    EXPECT_EQ(readFile("antenne"), kExampleFileHeader + kExampleFileBody);
}

TEST(TerminalSession, FileThatCannotBeCreatedEndsWithARuntimeError) {
    TempDir dir;
    // A directory of the file's name cannot be opened as a file, not even by
    // the superuser.
    std::filesystem::create_directory("antenne");
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    const termios before = run.modes();
    startOnTerminal(run);
    enterAntenna(run, "0\t0\t10\t40\t0\t10");
    run.type("\t\t\t\t\t\t\t\t\t\tj\x1b");
    ASSERT_TRUE(run.showsAfter(run.screen.size(), "OK")) << run.screen;
    const std::size_t mark = run.screen.size();
    run.type("\r");
    const int status = run.waitExit();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 5);
    EXPECT_NE(run.screen.find("Runtime error 5", mark), std::string::npos) << run.screen;
    expectSameModes(before, run.modes());
    expectGivenBack(run.screen.substr(mark));
}

TEST(TerminalSession, CtrlCDuringAScanKeepsTheRowsWrittenToTheFile) {
    TempDir dir;
    PtyRun run;
    OPEN_PTY_OR_SKIP(run, 80, 25);
    startOnTerminal(run);
    // 800 elements make each row take a noticeable time.
    const std::size_t mark = startLongScan(run, 300);
    // Row 298 on the screen: rows 300 and 299 are complete in the file.
    ASSERT_TRUE(run.showsAfter(mark, "298")) << run.screen;
    run.type("\x03");
    const int status = run.waitExit();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 130);

    const std::string file = readFile("antenne");
    const std::size_t row = file.find("\r\n 299  ");
    ASSERT_NE(row, std::string::npos) << file;
    const std::size_t rowEnd = file.find("\r\n", row + 2);
    ASSERT_NE(rowEnd, std::string::npos) << file.substr(row);
    EXPECT_EQ(rowEnd - row - 2, 6u + 10 * 6) << "ten cells of six characters";
}

} // namespace
