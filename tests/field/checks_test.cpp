// The pure checks and derivations the forms and station files share, each
// at its boundaries.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "field/discretize.h"
#include "field/finite_input.h"
#include "field/frequency.h"
#include "field/grid.h"
#include "field/short_antenna.h"
#include "field/wire_length.h"

namespace kvarn {
namespace {

TEST(Checks, FrequencyAgainstTheWireAndTheUpperBound) {
    struct Case {
        AntennaModel model;
        double freq, length;
        bool accepted;
    } cases[] = {
        {AntennaModel::standingWave, 3.25, 42, true}, // 1.1 * 3.25 = 3.575 > 150 / 42 = 3.571
        {AntennaModel::standingWave, 3.2, 42, false},
        {AntennaModel::shortWire, 1.7, 42, true}, // 75 / 42 = 1.786 < 1.87
        {AntennaModel::shortWire, 1.6, 42, false},
        {AntennaModel::standingWave, 146.0, 1, true},
        {AntennaModel::standingWave, std::nextafter(146.0, 200.0), 800, false},
        {AntennaModel::standingWave, 0.0, 800, false},
        {AntennaModel::standingWave, -7.0, 800, false},
        // Either side of 1.1 * f = 150 / 40 = 3.75.
        {AntennaModel::standingWave, 3.409, 40, false},
        {AntennaModel::standingWave, 3.4091, 40, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frequencyAccepted(c.freq, c.length, c.model), c.accepted)
            << c.freq << " MHz, " << c.length << " m";
}

TEST(Checks, WavelengthAndOmegaUseTheProgramsConstants) {
    EXPECT_EQ(wavelength(3.75), 80.0);
    EXPECT_EQ(wavelength(3.65), static_cast<double>(300000000.0L / 3.65 / 1000000.0L));
    EXPECT_EQ(angularFrequency(1.0), 6283180.0);
    EXPECT_EQ(angularFrequency(3.65), static_cast<double>(3.65L * 6.28318L * 1000000.0L));
}

TEST(Checks, GridRangesAndStep) {
    EXPECT_TRUE(rangeInOrder(0, 0));
    EXPECT_TRUE(rangeInOrder(-5, 5));
    EXPECT_FALSE(rangeInOrder(5, -5));
    EXPECT_FALSE(rangeInOrder(0, -std::numeric_limits<double>::denorm_min()));
    EXPECT_TRUE(stepAccepted(std::numeric_limits<double>::denorm_min()));
    EXPECT_FALSE(stepAccepted(0.0));
    EXPECT_FALSE(stepAccepted(-0.0));
    EXPECT_FALSE(stepAccepted(-1.0));
}

// What a form or a station file hands on is finite: every check refuses an
// infinity and a NaN wherever it stands.
TEST(Checks, NoInfinityOrNanPassesAnyCheck) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan}) {
        EXPECT_FALSE(isFiniteInput(v)) << v;
        EXPECT_FALSE(rangeInOrder(v, 0)) << v;
        EXPECT_FALSE(rangeInOrder(0, v)) << v;
        EXPECT_FALSE(stepAccepted(v)) << v;
        EXPECT_FALSE(wireLengthAccepted(v)) << v;
        EXPECT_FALSE(frequencyAccepted(v, 800, AntennaModel::standingWave)) << v;
        EXPECT_FALSE(frequencyAccepted(10, v, AntennaModel::shortWire)) << v;
    }
    for (double v :
         {0.0, -0.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()})
        EXPECT_TRUE(isFiniteInput(v)) << v;
}

TEST(Checks, WireLengthInWholeMetres) {
    struct Case {
        std::vector<CornerPoint> corners;
        double length;
        bool accepted;
    } cases[] = {
        {{{0, 0, 0}, {0.49, 0, 0}}, 0, false},
        {{{0, 0, 0}, {0.5, 0, 0}}, 1, true},
        {{{0, 0, 0}, {3, 4, 0}, {3, 4, 0}}, 5, true},       // an empty segment counts nothing
        {{{0.3, 0, 0}, {2.8, 0, 0}, {0.3, 0, 0}}, 6, true}, // 2.5 m rounds up, twice
        {{{0, 0, 0}, {800.49, 0, 0}}, 800, true},
        {{{0, 0, 0}, {800.5, 0, 0}}, 801, false},
        {{{0, 0, 0}}, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wireLength(c.corners), c.length) << c.length;
        EXPECT_EQ(wireLengthAccepted(wireLength(c.corners)), c.accepted) << c.length;
    }
    // The same count the discretisation lays.
    ElementTable table;
    EXPECT_EQ(layElements(cases[3].corners, 80, 1, table), 6);
}

TEST(Checks, ShortModelLengthRatio) {
    // lambda 100 m: suits from above 25 m to below 45.45 m.
    struct Case {
        double length;
        bool suits;
    } cases[] = {{25, false}, {25.000001, true}, {40, true}, {45.45, true}, {45.46, false}};
    for (const Case& c : cases)
        EXPECT_EQ(shortModelSuits(c.length, 100), c.suits) << c.length;
    EXPECT_EQ(modelWavelength(AntennaModel::shortWire, 100, 40), 80.0);
    EXPECT_EQ(modelWavelength(AntennaModel::standingWave, 100, 40), 100.0);
}

} // namespace
} // namespace kvarn
