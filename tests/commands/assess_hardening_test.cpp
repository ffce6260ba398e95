// `kvarn assess` as a clumsy or hostile user meets it: bands that share a
// frequency, signals and limits while writing, two runs into one
// directory, station files that are no station files, text that would
// steer the terminal, and an output that fails.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "commands/assess_command.h"
#include "commands/exit_status.h"
#include "outputs/directory_lock.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kWire =
    "title = \"test\"\nlanguage = \"en\"\ncorners = [[0, 0, 10], [40, 0, 10]]\n";

std::string grid(const std::string& x, const std::string& y, double step) {
    return "[grid]\nx = " + x + "\ny = " + y + "\nstep = " + std::to_string(step) +
           "\nheights = [2]\n";
}

std::string band(double frequency, double power) {
    return "[[band]]\nfrequency = " + std::to_string(frequency) +
           "\npower = " + std::to_string(power) + "\n";
}

// The built program run by the shell; standard error joins the output.
int shell(const std::string& command, std::string& output) {
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    char buffer[4096];
    output.clear();
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

const std::string kProgram = KVARN_BATCH_PATH;

std::vector<std::string> namesIn(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool anyTemporary(const std::filesystem::path& directory) {
    for (const std::string& name : namesIn(directory))
        if (name.find(".tmp") != std::string::npos) return true;
    return false;
}

TEST(AssessHardening, BandsOnOneFrequencyKeepTheirOwnFiles) {
    testing::TempDir dir;
    std::ofstream("s.toml") << kWire << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 20000)
                            << band(14.2, 10) << band(7.1, 1);
    AssessRequest request;
    request.stationPath = "s.toml";
    request.outDir = "r";
    request.csv = true;
    request.maps = true;
    request.quiet = true;
    ASSERT_EQ(runAssess(request), kStatusExceeds);
    const std::vector<std::string> names = namesIn("r");
    for (const char* name :
         {"test_7.1MHz_band1_h2m_E.txt", "test_7.1MHz_band3_h2m_M.txt", "test_14.2MHz_h2m_E.txt",
          "test_7.1MHz_band1_map.png", "test_7.1MHz_band3_map.pdf", "test_14.2MHz_map.svg"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    EXPECT_THAT(testing::readFile("r/test_7.1MHz_band1_h2m_E.txt"), HasSubstr("20000 W"));
    EXPECT_THAT(testing::readFile("r/test_7.1MHz_band3_h2m_E.txt"), HasSubstr("   1 W"));
    const std::string summary = testing::readFile("r/summary.json");
    EXPECT_THAT(summary, HasSubstr("\"name\": \"test_7.1MHz_band3_map.png\",\n      \"kind\": "
                                   "\"map\",\n      \"frequency_MHz\": 7.1,\n      \"band\": 3"));
    // Each row names its band.
    const std::string csv = testing::readFile("r/points.csv");
    EXPECT_THAT(csv, HasSubstr(",flag,band\n7.1,2,-10,4,"));
    EXPECT_THAT(csv, HasSubstr(",3\n"));
    EXPECT_THAT(csv, HasSubstr(",2\n14.2,"));
}

// A station whose points files take a while to write.
void writeLargeStation() {
    std::ofstream("s.toml") << kWire << grid("[-60, 60]", "[-60, 60]", 0.4) << band(7.1, 100);
}

TEST(AssessHardening, SignalWhileWritingLeavesNoTemporaryFileAndNoOldSummary) {
    testing::TempDir dir;
    writeLargeStation();
    // An earlier run's summary, and what a run killed with KILL left.
    std::filesystem::create_directory("r");
    std::ofstream("r/summary.json") << "{\"complies\": true}\n";
    std::ofstream("r/.points.csv.99999-0.tmp") << "half";
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(kProgram.c_str(), kProgram.c_str(), "assess", "s.toml", "--out", "r", "--csv",
                "--csv-de", "--quiet", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Waits for this run's own temporary file, then ends the run.
    bool seen = false;
    for (int k = 0; k < 60000 && !seen; ++k) {
        for (const std::string& name : namesIn("r"))
            seen = seen || (name.find(".tmp") != std::string::npos &&
                            name.find("99999") == std::string::npos &&
                            name.find("probe") == std::string::npos);
        if (!seen) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(seen) << "the run wrote no temporary file";
    EXPECT_FALSE(anyTemporary("r")) << "left behind or not cleaned from before";
    // The signal may come late, as the run completes: then the summary is
    // the new one. The old one must never stay beside new files.
    if (std::filesystem::exists("r/summary.json")) {
        EXPECT_THAT(testing::readFile("r/summary.json"), HasSubstr("\"files\""));
    }
    EXPECT_FALSE(std::filesystem::exists("r/.kvarn-lock"));
}

TEST(AssessHardening, SecondRunIntoADirectoryInUseRefusesAtOnce) {
    testing::TempDir dir;
    std::ofstream("s.toml") << kWire << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 10);
    std::filesystem::create_directory("r");
    DirectoryLock held;
    std::string why;
    ASSERT_TRUE(held.acquire("r", why)) << why;
    std::string out;
    EXPECT_EQ(shell(kProgram + " assess s.toml --out r", out), kStatusOutputFailed);
    EXPECT_THAT(out, HasSubstr("kvarn: the directory r is in use by another kvarn run (process " +
                               std::to_string(::getpid()) + ", started "));
    held.release();
    EXPECT_EQ(shell(kProgram + " assess s.toml --out r --quiet", out), kStatusComplies) << out;
    EXPECT_EQ(namesIn("r").size(), 3u) << "two reports and the summary, no lock left";
}

TEST(AssessHardening, OutputThatFailsIsReportedNotFatal) {
    testing::TempDir dir;
    writeLargeStation();
    std::string out;
    // A file size limit: the points file fails by name, the rest is told.
    EXPECT_EQ(shell("ulimit -f 2000; " + kProgram + " assess s.toml --out r --csv --quiet", out),
              kStatusOutputFailed);
    EXPECT_THAT(out, HasSubstr("kvarn: cannot write r/points.csv: File too large"));
    EXPECT_FALSE(anyTemporary("r"));
    // A directory that cannot be written is found before anything is computed.
    EXPECT_EQ(shell(kProgram + " assess s.toml --out /proc/self --quiet", out),
              kStatusOutputFailed);
    EXPECT_THAT(out, HasSubstr("kvarn: cannot write into /proc/self"));
    // Standard output that takes nothing.
    std::ofstream("small.toml") << kWire << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 10);
    EXPECT_EQ(shell("{ " + kProgram + " assess small.toml --out q > /dev/full; }", out),
              kStatusOutputFailed);
    EXPECT_THAT(out, HasSubstr("kvarn: cannot write to standard output: No space left on device"));
}

TEST(AssessHardening, StationFileFaultsAreCappedAndShownNotObeyed) {
    testing::TempDir dir;
    std::string many = kWire + grid("[-10, 50]", "[-4, 4]", 2) + band(7.1, 10);
    for (int k = 0; k < 30; ++k)
        many += "unknown" + std::to_string(k) + " = 1\n";
    std::ofstream("many.toml") << many;
    std::string out;
    EXPECT_EQ(shell(kProgram + " assess many.toml", out), kStatusBadInput);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 21);
    EXPECT_THAT(out, HasSubstr("kvarn: and 10 more faults\n"));
    // Escape sequences in a value are shown as text.
    std::ofstream("evil.toml") << "title = \"\\u001b[2J\\u001b]0;owned\\u0007\"\n"
                               << kWire.substr(kWire.find('\n') + 1)
                               << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 10);
    EXPECT_EQ(shell(kProgram + " assess evil.toml", out), kStatusBadInput);
    EXPECT_THAT(out, HasSubstr("\"\\u001b[2J\\u001b]0;owned\\u0007\" is refused"));
    EXPECT_THAT(out, Not(HasSubstr("\x1b")));
    // A device and standard input.
    EXPECT_EQ(shell(kProgram + " assess /dev/zero", out), kStatusBadInput);
    EXPECT_THAT(out,
                HasSubstr("/dev/zero: cannot read the station file: it is not a regular file"));
    std::ofstream("good.toml") << kWire << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 10);
    EXPECT_EQ(shell(kProgram + " assess - --out r < good.toml", out), kStatusComplies) << out;
    EXPECT_THAT(out, HasSubstr("Station \"test\""));
}

TEST(AssessHardening, HelpAndUnknownFlagsAnswerWithTheUsage) {
    std::string out;
    EXPECT_EQ(shell(kProgram + " help", out), kStatusComplies);
    EXPECT_THAT(out, HasSubstr("Examples:"));
    EXPECT_EQ(shell(kProgram + " assess s.toml --frobnicate", out), kStatusBadInput);
    EXPECT_THAT(out, HasSubstr("--frobnicate"));
    EXPECT_THAT(out, HasSubstr("--csv-de"));
    EXPECT_EQ(shell(kProgram + " --frobnicate", out), kStatusBadInput);
    EXPECT_THAT(out, HasSubstr("example"));
}

// The program on a terminal with TERM set: what it wrote there.
std::string onTerminal(const char* term, const std::string& station) {
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        ::setenv("TERM", term, 1);
        ::unsetenv("NO_COLOR");
        ::execl(kProgram.c_str(), kProgram.c_str(), "assess", station.c_str(), "--out", "t",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string screen;
    char buffer[4096];
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, static_cast<std::size_t>(n));
    ::waitpid(pid, nullptr, 0);
    ::close(master);
    return screen;
}

TEST(AssessHardening, ColourOnlyOnTerminalsThatShowItAndNoBarForAShortRun) {
    testing::TempDir dir;
    std::ofstream("s.toml") << kWire << grid("[-10, 50]", "[-4, 4]", 2) << band(7.1, 10);
    const std::string coloured = onTerminal("xterm", "s.toml");
    EXPECT_THAT(coloured, HasSubstr("\x1b[32m"));
    EXPECT_THAT(coloured, Not(HasSubstr("[###"))) << "a run of less than a second";
    EXPECT_THAT(onTerminal("dumb", "s.toml"), Not(HasSubstr("\x1b[")));
}

} // namespace
} // namespace kvarn
