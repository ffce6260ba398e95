#include "field/discretize.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "field/field_fixture.h"

namespace kvarn {
namespace {

using Discretize = test::FieldFixture;

// The amplitude from the power balance: 2 L / lambda half-wave radiators of
// 73.2 ohms take the power.
double amplitudeFor(double power, double length, double lambda) {
    return std::sqrt(power / (2.0 * length / lambda * 73.2));
}

// The mean of a * sin(k t) over element s (t from s - 1 to s), by the
// product form 2 sin(k (s - 1/2)) sin(k / 2) / k of the same integral.
double meanCurrent(int s, double a, double lambda) {
    const double k = 6.28318 / lambda;
    return a * 2.0 * std::sin(k * (s - 0.5)) * std::sin(k / 2.0) / k;
}

std::vector<double> currents(const ElementTable& table, int count) {
    std::vector<double> c;
    for (int i = 1; i <= count; ++i)
        c.push_back(table[i].current);
    return c;
}

TEST_F(Discretize, FortyMetreWireGetsFortyElementsOnTheStandingWave) {
    setFrequency(3.65);
    layWire({{0, 0, 10}, {40, 0, 10}});

    ASSERT_EQ(count, 40);
    const double a = amplitudeFor(100.0, 40.0, lambda);
    int largest = 1;
    for (int i = 1; i <= 40; ++i) {
        const AntennaElement& e = table[i];
        EXPECT_DOUBLE_EQ(e.x, i - 0.5) << i;
        EXPECT_EQ(e.y, 0.0);
        EXPECT_EQ(e.z, 10.0);
        EXPECT_EQ(e.dx, 1.0);
        EXPECT_EQ(e.dy, 0.0);
        EXPECT_EQ(e.dz, 0.0);
        EXPECT_EQ(e.length, 1.0);
        EXPECT_NEAR(e.current, meanCurrent(i, a, lambda), 1e-12 * a) << i;
        if (e.current > table[largest].current) largest = i;
    }
    // Near a quarter wave (20.5 m) the current is nearly the amplitude; at
    // the first corner it is small.
    EXPECT_EQ(largest, 21);
    EXPECT_GT(table[21].current, 0.999 * a);
    EXPECT_LT(table[1].current, 0.04 * a);
}

TEST_F(Discretize, StandingWaveChangesSignAfterEachHalfWave) {
    setFrequency(3.75); // lambda 80 m
    layWire({{0, 0, 5}, {80, 0, 5}});

    ASSERT_EQ(count, 80);
    for (int i = 1; i <= 40; ++i)
        EXPECT_GT(table[i].current, 0) << i;
    for (int i = 41; i <= 80; ++i)
        EXPECT_LT(table[i].current, 0) << i;
    // Nearly equal: 40 elements span 40 * 6.28318 / 80 = 3.14159, the
    // program's pi, a little short of the true half wave.
    EXPECT_NEAR(table[40].current, -table[41].current, 1e-5);
}

TEST_F(Discretize, SegmentLengthIsRoundedToWholeElementsFromItsStart) {
    struct Case {
        CornerPoint end;
        std::vector<double> centres; // distance of each centre from the start corner
    };
    const Case cases[] = {
        {{2.4, 0, 0}, {0.5, 1.5}},
        {{2.5, 0, 0}, {0.5, 1.5, 2.5}}, // the last one reaches beyond the end corner
        {{0, 0, 2.49}, {0.5, 1.5}},
        {{0, 0.5, 0}, {0.5}},
        {{3, 4, 0}, {0.5, 1.5, 2.5, 3.5, 4.5}},
    };
    setFrequency(3.65);
    for (const Case& c : cases) {
        layWire({{0, 0, 0}, c.end});
        const double len = std::hypot(c.end.x, c.end.y, c.end.z);
        ASSERT_EQ(count, c.centres.size()) << len;
        EXPECT_EQ(wireLength(corners), count);
        for (std::size_t k = 0; k < c.centres.size(); ++k) {
            const AntennaElement& e = table[k + 1];
            EXPECT_NEAR(e.dx, c.end.x / len, 1e-15);
            EXPECT_NEAR(e.dy, c.end.y / len, 1e-15);
            EXPECT_NEAR(e.dz, c.end.z / len, 1e-15);
            EXPECT_NEAR(e.x, c.centres[k] * c.end.x / len, 1e-14) << len << " " << k;
            EXPECT_NEAR(e.y, c.centres[k] * c.end.y / len, 1e-14) << len << " " << k;
            EXPECT_NEAR(e.z, c.centres[k] * c.end.z / len, 1e-14) << len << " " << k;
        }
    }
}

TEST_F(Discretize, WaveRunsOnAcrossCornersAndSegmentsWithoutElements) {
    setFrequency(7.05);
    layWire({{0, 0, 0}, {20, 0, 0}});
    const std::vector<double> straight = currents(table, count);

    // Short (0.3 m) and empty (0 m) segments between long ones get no
    // element; the next element carries the current of the next whole metre.
    const std::vector<CornerPoint> bent[] = {
        {{0, 0, 0}, {10, 0, 0}, {10, 0.3, 0}, {10, 0.3, 10}},
        {{0, 0, 0}, {10, 0, 0}, {10, 0, 0}, {10, 0, 10}},
        {{0, 0, 0}, {7, 0, 0}, {7, 0, 0}, {7, 0, 0.2}, {7, 13, 0.2}},
    };
    for (const auto& wire : bent) {
        layWire(wire);
        ASSERT_EQ(count, 20);
        EXPECT_EQ(currents(table, count), straight);
        for (int i = 1; i <= 20; ++i) {
            const AntennaElement& e = table[i];
            EXPECT_TRUE(std::isfinite(e.dx) && std::isfinite(e.dy) && std::isfinite(e.dz)) << i;
            EXPECT_DOUBLE_EQ(e.dx * e.dx + e.dy * e.dy + e.dz * e.dz, 1.0) << i;
        }
    }
    // The element after the 0.3 m step: centre 0.5 m up from its corner.
    layWire(bent[0]);
    EXPECT_EQ(table[11].x, 10.0);
    EXPECT_EQ(table[11].y, 0.3);
    EXPECT_EQ(table[11].z, 0.5);
    EXPECT_EQ(table[11].dz, 1.0);
}

TEST_F(Discretize, ZeroPowerGivesNoCurrent) {
    setFrequency(3.65);
    power = 0;
    layWire({{0, 0, 10}, {40, 0, 10}});
    ASSERT_EQ(count, 40);
    for (double c : currents(table, count))
        EXPECT_EQ(c, 0.0);
}

TEST_F(Discretize, ElementLoopTakesTheWavelengthAndAmplitudeItIsGiven) {
    // The special version's half sine over the whole wire: its model
    // wavelength is W = 2 L (the standing wave keeps lambda), and the element
    // loop lays the wave it is given.
    EXPECT_EQ(modelWavelength(AntennaModel::shortWire, 100, 40), 80.0);
    EXPECT_EQ(modelWavelength(AntennaModel::standingWave, 100, 40), 100.0);
    const std::vector<CornerPoint> wire{{0, 0, 10}, {40, 0, 10}};
    count = layElements(wire, 80.0, 1.25, table);
    ASSERT_EQ(count, 40);
    // Symmetric about the middle, up to the program's pi.
    EXPECT_NEAR(table[20].current, table[21].current, 1e-5);
    EXPECT_NEAR(table[1].current, table[40].current, 1e-5);
    EXPECT_NEAR(table[20].current, meanCurrent(20, 1.25, 80.0), 1e-12);
    for (int i = 2; i <= 20; ++i)
        EXPECT_GT(table[i].current, table[i - 1].current);
}

TEST_F(Discretize, FillsTheWholeTableOfEightHundredElements) {
    setFrequency(3.65);
    layWire({{0, 0, 0}, {100, 0, 0}, {100, 300, 0}, {-200, 300, 0}, {-200, 200, 0}});
    ASSERT_EQ(count, 800);
    EXPECT_EQ(table[800].x, -200.0);
    EXPECT_EQ(table[800].y, 200.5);
    EXPECT_EQ(table[800].dy, -1.0);
}

TEST_F(Discretize, NeverWritesPastTheTable) {
    setFrequency(3.65);
    EXPECT_EXIT(layWire({{0, 0, 0}, {801, 0, 0}}), ::testing::ExitedWithCode(201),
                "Runtime error 201");
}

} // namespace
} // namespace kvarn
