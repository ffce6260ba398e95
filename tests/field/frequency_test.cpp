#include "field/frequency.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvarn {
namespace {

TEST(Frequency, AgainstTheWireAndTheUpperBound) {
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

TEST(Frequency, WavelengthAndOmegaUseTheProgramsConstants) {
    EXPECT_EQ(wavelength(3.75), 80.0);
    EXPECT_EQ(wavelength(3.65), 82.191780821917817);
    EXPECT_EQ(angularFrequency(1.0), 6283180.0);
    EXPECT_EQ(angularFrequency(3.65), 22933607.0);
}

} // namespace
} // namespace kvarn
