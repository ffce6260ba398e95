// The assessment: the power chain, the scale law of the highest compliant
// power, the safety distance, and report files that are the interactive
// programs' own files for the same input.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "assessment/assess.h"
#include "assessment/memory_outputs.h"
#include "assessment/power_chain.h"
#include "assessment/wire_distance.h"
#include "control/program_state.h"
#include "support/session.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

Station straightWire(double power) {
    Station s;
    s.corners = {{0, 0, 10}, {20, 0, 10}, {40, 0, 10}};
    s.wireLength = 40;
    s.grid = {-10, 50, -10, 10, 2};
    s.heights = {2, 7};
    s.bands = {{3.65, power, 1, 0}, {7.1, power, 0.5, 1}};
    return s;
}

TEST(PowerChain, FeedPowerAndHighestCompliantPower) {
    struct Case {
        Band band;
        double feed;
    } cases[] = {
        {{3.65, 100, 1, 0}, 100},
        {{3.65, 100, 0.5, 0}, 50},
        {{3.65, 100, 1, 3}, 100 * std::pow(10, -0.3)},
        {{3.65, 750, 0.2, 1.5}, 750 * 0.2 * std::pow(10, -0.15)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(feedPower(c.band), c.feed, 1e-12 * c.feed);
    EXPECT_EQ(highestCompliantPower(100, 50), 400.0);
    EXPECT_EQ(highestCompliantPower(100, 200), 25.0);
    EXPECT_TRUE(std::isinf(highestCompliantPower(100, 0)));
}

TEST(Assessment, HighestCompliantPowerDoesNotDependOnThePowerTyped) {
    const Assessment low = assessStation(straightWire(10), {});
    const Assessment high = assessStation(straightWire(4000), {});
    ASSERT_EQ(low.bands.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const BandResult& a = low.bands[k];
        const BandResult& b = high.bands[k];
        EXPECT_NEAR(a.highestPower, b.highestPower, 1e-9 * a.highestPower) << k;
        // The fields grow with the square root of the power: 20 times here.
        // The magnetic field only nearly: the model turns every component
        // whose real part is below 1e-6 to a right angle, and more of them
        // are that small at the lower power.
        EXPECT_NEAR(b.e.percent / a.e.percent, 20, 1e-9) << k;
        EXPECT_NEAR(b.h.percent / a.h.percent, 20, 1e-3) << k;
        EXPECT_GT(a.e.percent, a.h.percent) << "the electric field sets the highest power";
        EXPECT_EQ(a.e.x, b.e.x);
        EXPECT_EQ(a.e.y, b.e.y);
        EXPECT_TRUE(a.complies);
        EXPECT_FALSE(b.complies);
    }
    EXPECT_TRUE(low.complies);
    EXPECT_FALSE(high.complies);
}

TEST(Assessment, SafetyDistanceOfTheTooCloseZoneOfAStraightWire) {
    // A wire 2 m up, fed with so little power that no field exceeds a
    // limit: the zone is the space within 2.1 m of an element centre (x 0.5
    // to 9.5 m), which counts as over the limits; the farthest of it lies
    // 2.1 m beside the wire, and it reaches down to the ground. Found in
    // three dimensions, whatever the grid.
    Station s;
    s.corners = {{0, 0, 2}, {10, 0, 2}};
    s.wireLength = 10;
    s.heights = {8};
    s.bands = {{14.2, 1e-9, 1, 0}};
    s.grid = {-5, 15, -4, 4, 0.5};
    const Assessment a = assessStation(s, {});
    const ZoneResult& z = a.bands[0].zone;
    ASSERT_TRUE(z.problem.empty()) << z.problem;
    EXPECT_NEAR(z.safetyDistance.value, 2.1, 0.05);
    EXPECT_LE(z.safetyDistance.value, 2.1);
    EXPECT_NEAR(z.horizontalDistance.value, 2.1, 0.05);
    EXPECT_EQ(z.lowest.value, 0.0);
    EXPECT_EQ(a.safetyDistance, z.safetyDistance.value);
    EXPECT_DOUBLE_EQ(distanceToWire(s.corners, -3, 4, 2), 5.0);
    EXPECT_DOUBLE_EQ(distanceToWire(s.corners, 4, 3, 6), 5.0);
}

TEST(Assessment, PointsTooCloseToAssessCountAgainstTheVerdict) {
    // A grid entirely within 1 m of a 1500 W wire: nothing can be assessed.
    Station s;
    s.corners = {{0, 0, 2}, {40, 0, 2}};
    s.wireLength = 40;
    s.heights = {2};
    s.bands = {{7.1, 1500, 1, 0}};
    s.grid = {5, 35, -0.5, 0.5, 0.5};
    BandResult b = assessStation(s, {}).bands[0];
    EXPECT_FALSE(b.complies);
    EXPECT_TRUE(b.onlyTooClose());
    EXPECT_EQ(b.tooClosePoints, 61 * 3);
    EXPECT_TRUE(std::isnan(b.highestPower)) << "no point to give a power for";
    // An ordinary grid with a few points too close: the verdict falls, the
    // highest power is that of the points that could be assessed.
    s.bands = {{7.1, 1, 1, 0}};
    s.grid = {-10, 50, -10, 10, 1};
    const Assessment a = assessStation(s, {});
    b = a.bands[0];
    EXPECT_GT(b.tooClosePoints, 0);
    EXPECT_LT(b.e.percent, 100);
    EXPECT_FALSE(b.complies);
    EXPECT_FALSE(a.complies);
    EXPECT_TRUE(std::isfinite(b.highestPower));
    EXPECT_GT(b.highestPower, 1);
}

TEST(Assessment, ScanStoppedByAValueThatIsNoNumberStopsTheBand) {
    // So high above the wire that the cube of the distance overflows.
    Station s = straightWire(100);
    s.heights = {2, 1e155};
    testing::MemoryOutputs outputs;
    const Assessment a = assessStation(s, {}, &outputs);
    ASSERT_EQ(a.bands.size(), 2u);
    EXPECT_TRUE(a.stopped);
    for (const BandResult& b : a.bands) {
        EXPECT_THAT(b.stop, ::testing::HasSubstr("no finite number")) << b.band.frequency;
        EXPECT_THAT(b.stop, ::testing::HasSubstr("height 1e+155 m"));
    }
    // The outputs learn of it, to drop what the bands wrote.
    EXPECT_EQ(outputs.stopped, (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(outputs.ended.empty());
}

// The highest compliant power as shown: a run at it complies, a run one
// shown digit above it does not, whatever limit sets the power, E or H.
TEST(Assessment, HighestPowerShownCompliesAndIsTight) {
    struct Case {
        double frequency;
        LimitSet limits;
        double height; // m of the grid below a wire 10 m up
    } cases[] = {
        {10, LimitSet::bimschv26, 2},     {3.65, LimitSet::bimschv26, 7.5},
        {7.1, LimitSet::icnirp2020, 2},   {14.2, LimitSet::fcc, 7.8},
        {1.85, LimitSet::bimschv26, 7.9},
    };
    int magneticCases = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.frequency << " MHz at " << c.height << " m");
        Station s;
        s.corners = {{0, 0, 10}, {40, 0, 10}, {80, 0, 10}};
        s.wireLength = 80;
        s.grid = {-10, 90, -6, 6, 2};
        s.heights = {c.height};
        s.limits = c.limits;
        s.bands = {{c.frequency, 1234, 0.7, 0.4}};
        const BandResult b = assessStation(s, {}).bands[0];
        ASSERT_TRUE(std::isfinite(b.highestPower));
        ASSERT_EQ(b.tooClosePoints, 0);
        magneticCases += b.h.percent > b.e.percent;
        EXPECT_EQ(roundedDown(b.highestPower), b.highestPower) << "shown as it is";
        s.bands[0].power = b.highestPower;
        EXPECT_TRUE(assessStation(s, {}).complies) << b.highestPower;
        // One unit of the last digit shown above it.
        const PowerFormat f = powerFormat(b.highestPower);
        s.bands[0].power =
            b.highestPower + (f.kilowatts ? 100 : std::pow(10.0, -f.decimals)) * 1.0000001;
        EXPECT_FALSE(assessStation(s, {}).complies) << s.bands[0].power;
    }
    EXPECT_GT(magneticCases, 0) << "no case where H sets the power";
}

TEST(PowerChain, PowerShownRoundsDownToItsDigits) {
    const struct {
        double watts, shown;
    } cases[] = {
        {1234.99, 1234},   {99.99, 99.9}, {12345.6, 12300}, {0.4567, 0.456},
        {0.04567, 0.0456}, {100, 100},    {9999.9, 9999},   {89.1, 89.1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundedDown(c.watts), c.shown) << c.watts;
}

// The report file an interactive session writes for the same input: the
// coordinate form, the parameter form with the file, and for the special
// version the confirmation.
std::string interactiveReport(const ProgramVariant& program, const std::string& freq, char mode) {
    resetProgramState();
    MemoryConsole con(80, 25);
    const std::string keys = (program.specialNotice ? "\r\r" : "\r") +
                             testing::coordinateKeys({{0, 0, 10}, {20, 0, 10}, {40, 0, 10}}) +
                             testing::parameterKeys({{1, freq},
                                                     {2, "100"},
                                                     {3, "0"},
                                                     {4, "10"},
                                                     {5, "5"},
                                                     {6, "-5"},
                                                     {7, "2.5"},
                                                     {8, "1.5"},
                                                     {9, std::string(1, mode)},
                                                     {11, "j"},
                                                     {12, "dipol"}}) +
                             (program.specialNotice ? "j\r" : "") + "n\r";
    EXPECT_EQ(testing::playSession(con, program, keys), 0);
    return testing::readFile("dipol");
}

TEST(Assessment, ReportFilesAreTheInteractiveProgramsFiles) {
    testing::TempDir dir;
    for (const auto* program : {&kvarn7t, &kvarn7k}) {
        Station s;
        s.title = "dipol";
        s.model = program == &kvarn7k ? ModelKind::shortWire : ModelKind::standingWave;
        s.corners = {{0, 0, 10}, {20, 0, 10}, {40, 0, 10}};
        s.wireLength = 40;
        s.reportModes = 0x1f; // all five
        s.grid = {0, 10, -5, 5, 2.5};
        s.heights = {1.5};
        const std::string freq = program == &kvarn7k ? "3" : "7.1";
        s.bands = {{std::stod(freq), 100, 1, 0}};
        testing::MemoryOutputs outputs;
        assessStation(s, {}, &outputs);
        ASSERT_EQ(outputs.files.size(), 5u);
        for (const auto& [key, report] : outputs.files) {
            const auto [band, height, mode] = key;
            SCOPED_TRACE(::testing::Message() << program->name << " mode " << mode);
            EXPECT_EQ(band, 0u);
            EXPECT_EQ(height, 1.5);
            EXPECT_TRUE(report.closed);
            EXPECT_EQ(report.text, interactiveReport(*program, freq, mode));
        }
    }
}

} // namespace
} // namespace kvarn
