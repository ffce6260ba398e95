// `kvarn assess` with a site: the verdict follows the zone against the
// controllable area, the places get the grid's own values, and the zone is
// drawn from above and from the side.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "commands/assess_command.h"
#include "commands/exit_status.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;

// The exact model's wire 10 m up: its zone is its 2.1 m near limit around
// the wire, 7.9 m up at the lowest, plus what 20 kW put over the limits.
std::string station(const std::string& site, double power = 10) {
    return "title = \"site\"\nlanguage = \"en\"\ncorners = [[0, 0, 10], [40, 0, 10]]\n"
           "[grid]\nx = [-10, 50]\ny = [-6, 6]\nstep = 2\nheights = [2]\n"
           "[[band]]\nfrequency = 7.1\npower = " +
           std::to_string(power) + "\n[[place]]\nname = \"Gartenbank\"\nat = [20, 4, 2]\n" + site;
}

nlohmann::json assess(const std::string& text, int& status, bool drawings = false) {
    std::ofstream("s.toml") << text;
    AssessRequest request;
    request.stationPath = "s.toml";
    request.outDir = "r";
    request.quiet = true;
    request.csv = true;
    request.maps = drawings;
    request.pdf = drawings;
    status = runAssess(request);
    return nlohmann::json::parse(testing::readFile("r/summary.json"));
}

TEST(AssessSite, VerdictFollowsTheZoneAgainstTheControllableArea) {
    testing::TempDir dir;
    const struct {
        const char* site;
        double power;
        int status;
        bool inside;
    } cases[] = {
        // The plot holds the whole zone with room to spare.
        {"[site]\nboundary = [[-10, -10], [50, -10], [50, 10], [-10, 10]]\n", 10, kStatusComplies,
         true},
        // A plot that ends beside the wire: the zone passes over it above
        // the public height, which is still the controllable area.
        {"[site]\nboundary = [[-1, 3], [41, 3], [41, 8], [-1, 8]]\n", 10, kStatusComplies, true},
        // The same plot with the public height above the zone's lowest point.
        {"[site]\nboundary = [[-1, 3], [41, 3], [41, 8], [-1, 8]]\npublic_height = 9\n", 10,
         kStatusExceeds, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.site);
        int status = -1;
        const nlohmann::json s = assess(station(c.site, c.power), status);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(s["zone_inside_controllable_area"], c.inside);
        EXPECT_EQ(s["criterion"], "controllable area");
        EXPECT_NEAR(s["bands"][0]["safety_distance_m"].get<double>(), 2.1, 0.05);
        EXPECT_NEAR(s["bands"][0]["zone_lowest_m"].get<double>(), 7.9, 0.05);
    }
}

TEST(AssessSite, APlaceOnAGridPointHasTheGridPointsValues) {
    testing::TempDir dir;
    int status = -1;
    const nlohmann::json s = assess(station(""), status);
    const nlohmann::json& place = s["bands"][0]["places"][0];
    EXPECT_EQ(place["name"], "Gartenbank");
    // The grid's row of (20, 4) at 2 m, field for field.
    const std::string csv = testing::readFile("r/points.csv");
    const std::size_t row = csv.find("\n7.1,2,20,4,");
    ASSERT_NE(row, std::string::npos);
    std::istringstream fields(csv.substr(row + 1, csv.find('\n', row + 1) - row - 1));
    std::vector<std::string> f;
    for (std::string v; std::getline(fields, v, ',');)
        f.push_back(v);
    EXPECT_EQ(place["E_V_per_m"].get<double>(), std::stod(f[4]));
    EXPECT_EQ(place["H_A_per_m"].get<double>(), std::stod(f[5]));
    const std::string places = testing::readFile("r/places.csv");
    EXPECT_THAT(places, HasSubstr("\"Gartenbank\",20,4,2,7.1,1," + f[4] + "," + f[5]));
}

TEST(AssessSite, TheZoneIsDrawnFromAboveAndFromTheSide) {
    ASSERT_TRUE(testing::havePdfToText());
    testing::TempDir dir;
    int status = -1;
    assess(station("[site]\nboundary = [[-10, -10], [50, -10], [50, 10], [-10, 10]]\nnorth = 30\n",
                   20000),
           status, true);
    for (const char* name :
         {"site_plan.png", "site_plan.svg", "site_plan.pdf", "site_7.1MHz_plan.png",
          "site_7.1MHz_side_x.pdf", "site_7.1MHz_side_y.svg"})
        EXPECT_TRUE(std::filesystem::exists(std::string("r/") + name)) << name;
    const std::vector<std::string> pages = testing::pdfPages("r/report.pdf");
    std::string all;
    for (const std::string& page : pages)
        all += page;
    for (const char* text : {"Site plan", "Side view looking along x", "Side view looking along y",
                             "Gartenbank", "Controllable area", "Criterion: every band's zone"})
        EXPECT_THAT(all, HasSubstr(text)) << text;
}

} // namespace
} // namespace kvarn
