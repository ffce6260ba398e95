// `kvarn assess` on real files: its exit statuses, the files it writes, and
// the points file read back in both its forms.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "commands/assess_command.h"
#include "commands/example_station.h"
#include "commands/exit_status.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A 40 m wire 10 m up on 40 m; the heights given pass it at 5 m and more
// unless said otherwise.
std::string station(double power, const std::string& heights = "[2, 5]") {
    return "title = \"test\"\nlanguage = \"en\"\ncorners = [[0, 0, 10], [40, 0, 10]]\n"
           "[grid]\nx = [-10, 50]\ny = [-6, 6]\nstep = 2\nheights = " +
           heights + "\n[[band]]\nfrequency = 7.1\npower = " + std::to_string(power) + "\n";
}

int assess(const std::string& text, AssessRequest request = {}) {
    std::ofstream("station.toml") << text;
    request.stationPath = "station.toml";
    request.quiet = true;
    return runAssess(request);
}

TEST(AssessCommand, ExitStatusTellsTheVerdict) {
    testing::TempDir dir;
    EXPECT_EQ(assess(station(10)), kStatusComplies);
    EXPECT_EQ(assess(station(20000)), kStatusExceeds);
    EXPECT_EQ(assess(station(10) + "[[band]]\nfrequency = 1\npower = 1\n"), kStatusBadInput);
    EXPECT_EQ(assess("corners = 3\n"), kStatusBadInput);
    // An output directory that cannot be made: a file stands in the way.
    std::ofstream("blocked") << "x";
    AssessRequest into;
    into.outDir = "blocked/out";
    EXPECT_EQ(assess(station(10), into), kStatusOutputFailed);
}

TEST(AssessCommand, WritesReportsSummaryAndNoHalfFiles) {
    testing::TempDir dir;
    AssessRequest request;
    request.outDir = "results";
    request.csv = true;
    ASSERT_EQ(assess(station(10), request), kStatusComplies);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("results"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"points.csv", "summary.json",
                                               "test_7.1MHz_h2m_E.txt", "test_7.1MHz_h2m_M.txt",
                                               "test_7.1MHz_h5m_E.txt", "test_7.1MHz_h5m_M.txt"}));
    const std::string summary = testing::readFile("results/summary.json");
    EXPECT_THAT(summary, HasSubstr("\"name\": \"test_7.1MHz_h5m_M.txt\""));
    EXPECT_THAT(summary, HasSubstr("\"safety_distance_m\""));
    EXPECT_THAT(summary, HasSubstr("\"complies\": true"));
}

// The rows of a points file, split into fields.
std::vector<std::vector<std::string>> rowsOf(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == separator)
                fields.emplace_back();
            else
                fields.back().push_back(c);
        }
        rows.push_back(fields);
    }
    return rows;
}

TEST(AssessCommand, PointsFileReadsBackEqualInBothForms) {
    testing::TempDir dir;
    AssessRequest request;
    request.csv = true;
    request.csvDe = true;
    ASSERT_EQ(assess(station(20000, "[2, 9]"), request), kStatusExceeds);
    const auto plain = rowsOf(testing::readFile("points.csv"), ',');
    const auto german = rowsOf(testing::readFile("points_de.csv"), ';');
    ASSERT_EQ(plain.size(), 1 + 2 * 31 * 7u); // header, two heights of 31 x 7 points
    ASSERT_EQ(german.size(), plain.size());
    EXPECT_EQ(plain[0][0], "frequency_MHz");
    EXPECT_EQ(plain[0].size(), 10u);
    EXPECT_EQ(plain[0][9], "band");
    int flags[3] = {0, 0, 0};
    for (std::size_t r = 1; r < plain.size(); ++r) {
        ASSERT_EQ(plain[r].size(), 10u) << r;
        EXPECT_EQ(plain[r][9], "1");
        for (std::size_t k = 0; k < 8; ++k) {
            std::string de = german[r][k];
            std::replace(de.begin(), de.end(), ',', '.');
            EXPECT_EQ(de, plain[r][k]) << r << " " << k;
            if (!plain[r][k].empty()) std::stod(plain[r][k]); // every value reads as a number
        }
        const std::string& flag = plain[r][8];
        flags[flag == "ok" ? 0 : flag == "over" ? 1 : 2]++;
        if (flag == "over") {
            EXPECT_TRUE(std::stod(plain[r][6]) > 100 || std::stod(plain[r][7]) > 100);
        }
    }
    EXPECT_GT(flags[0], 0);
    EXPECT_GT(flags[1], 0);
    EXPECT_GT(flags[2], 0) << "the height of 9 m passes within 2.1 m of the wire";
}

// The built program: its command line and its output.
int runProgram(const std::string& arguments, std::string& output) {
    const std::string command = std::string(KVARN_BATCH_PATH) + " " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    output.clear();
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> namesIn(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AssessCommand, MapsAndReportAreWrittenAndListed) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    testing::TempDir dir;
    AssessRequest request;
    request.outDir = "results";
    request.maps = true;
    request.pdf = true;
    ASSERT_EQ(assess(station(20000), request), kStatusExceeds);
    const std::vector<std::string> names = namesIn("results");
    const std::string summary = testing::readFile("results/summary.json");
    for (const char* name :
         {"test_7.1MHz_map.png", "test_7.1MHz_map.svg", "test_7.1MHz_map.pdf", "report.pdf"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
        EXPECT_THAT(summary, HasSubstr(std::string("\"name\": \"") + name + "\""));
    }
    EXPECT_THAT(summary, HasSubstr("\"name\": \"test_7.1MHz_map.svg\",\n      \"kind\": \"map\",\n"
                                   "      \"frequency_MHz\": 7.1"));
    EXPECT_THAT(summary, HasSubstr("\"name\": \"report.pdf\",\n      \"kind\": \"document\""));

    // The station over two pages, one page for the one band, the closing page.
    const std::vector<std::string> pages = testing::pdfPages("results/report.pdf");
    ASSERT_EQ(pages.size(), 4u);
    const std::string station = pages[0] + pages[1];
    for (const char* text : {"Exposure assessment of \"test\"", "station.toml", "Power chain",
                             "20.0 kW", "26. BImSchV", "Health Physics 74(4)", "limit E", "EXCEEDS",
                             "Overall safety distance", "The safety zone", "page 1 of 4"})
        EXPECT_THAT(station, HasSubstr(text)) << text;
    for (const char* text : {"40 m band: 7.100 MHz, 20.0 kW at the feed", "E 32.7 V/m",
                             "The ten highest points", "% of limit", "page 3 of 4"})
        EXPECT_THAT(pages[2], HasSubstr(text)) << text;
    EXPECT_THAT(pages[3], HasSubstr("The model and its limits"));
    EXPECT_THAT(pages[3], HasSubstr("The wire is computed in free space, with no ground."));
}

TEST(AssessCommand, MapOrReportThatCannotBeWrittenFailsClearly) {
    const struct {
        const char* flag;
        const char* blocked; // a directory stands where this file should go
    } cases[] = {
        {"--maps", "test_7.1MHz_map.svg"},
        {"--pdf", "report.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocked);
        testing::TempDir dir;
        std::ofstream("station.toml") << station(10);
        std::filesystem::create_directories(std::string("results/") + c.blocked);
        std::string out;
        EXPECT_EQ(
            runProgram(std::string("assess station.toml --quiet --out results ") + c.flag, out),
            kStatusOutputFailed);
        EXPECT_THAT(out, HasSubstr(std::string("kvarn: cannot write results/") + c.blocked +
                                   ": Is a directory"));
        // No temporary file is left, the blocked name still holds the empty
        // directory, the other files are written, and no summary.json
        // vouches for an incomplete run; the verdict is still told.
        for (const std::string& name : namesIn("results"))
            EXPECT_THAT(name, Not(HasSubstr(".tmp")));
        EXPECT_TRUE(std::filesystem::is_empty(std::string("results/") + c.blocked));
        EXPECT_TRUE(std::filesystem::exists("results/test_7.1MHz_h2m_E.txt"));
        EXPECT_FALSE(std::filesystem::exists("results/summary.json"));
        EXPECT_THAT(out, HasSubstr("is incomplete (no summary.json); the assessment itself: "
                                   "every band complies"));
    }
}

TEST(AssessCommand, ProgramCommandLine) {
    testing::TempDir dir;
    std::string out;
    EXPECT_EQ(runProgram("--version", out), 0);
    EXPECT_THAT(out, HasSubstr("kvarn " KVARN_VERSION));
    EXPECT_EQ(runProgram("--help", out), 0);
    EXPECT_THAT(out, HasSubstr("Examples:"));
    EXPECT_EQ(runProgram("assess", out), kStatusBadInput);
    EXPECT_EQ(runProgram("assess a.toml --frobnicate", out), kStatusBadInput);
    EXPECT_EQ(runProgram("", out), kStatusBadInput);
    EXPECT_EQ(runProgram("example", out), 0);
    EXPECT_EQ(out, kExampleStation);
    std::ofstream("example.toml") << out;
    EXPECT_EQ(runProgram("assess example.toml --out r", out), kStatusExceeds);
    EXPECT_THAT(out, HasSubstr("method-of-moments model fed 20 m from the first corner, 2 mm "
                               "wire, over real ground: average soil (relative permittivity 13, "
                               "conductivity 0.005 S/m)"));
    EXPECT_THAT(out, HasSubstr("feed impedance"));
    EXPECT_THAT(testing::readFile("r/summary.json"), HasSubstr("\"feed_resistance_ohm\""));
    EXPECT_EQ(runProgram("example --exact", out), 0);
    EXPECT_EQ(out, kExactExampleStation);
    std::ofstream("exact.toml") << out;
    EXPECT_EQ(runProgram("assess exact.toml --out e", out), kStatusExceeds);
    EXPECT_THAT(out, HasSubstr("standing-wave model in free space"));
    EXPECT_EQ(runProgram("assess missing.toml", out), kStatusBadInput);
    EXPECT_THAT(out, HasSubstr("missing.toml: cannot read the station file"));
}

} // namespace
} // namespace kvarn
