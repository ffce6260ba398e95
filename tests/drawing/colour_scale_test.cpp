#include "drawing/colour_scale.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "drawing/viridis_table.h"

namespace kvarn {
namespace {

TEST(ColourScale, PositionIsLogarithmicWithTheLimitTwoThirdsUpAndClamps) {
    struct Case {
        double percent, position;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1, 0},
        {10, 1.0 / 3},
        {kLimitPercent, 2.0 / 3},
        {1000, 1},
        {0.3, 0},
        {0, 0},
        {-5, 0},
        {5000, 1},
        {inf, 1},
        {-inf, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(scalePosition(c.percent), c.position, 1e-12) << c.percent << " %";
}

TEST(ColourScale, LimitEndsAndClampsMapToTheirTableEntries) {
    EXPECT_EQ(percentColour(kLimitPercent), kViridis[170]);
    EXPECT_EQ(percentColour(0.01), kViridis.front());
    EXPECT_EQ(percentColour(1), kViridis.front());
    EXPECT_EQ(percentColour(1000), kViridis.back());
    EXPECT_EQ(percentColour(1e9), kViridis.back());
    EXPECT_EQ(scaleColourAt(std::numeric_limits<double>::quiet_NaN()), kViridis.front());
}

// Relative luminance of an sRGB colour: what remains of it in grey print.
double luminance(Rgb c) {
    const auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

TEST(ColourScale, GetsLighterAsTheFieldRises) {
    double previousPosition = -1;
    double previousLuminance = -1;
    for (double percent = 0.5; percent < 2000; percent *= 1.01) {
        const double position = scalePosition(percent);
        const double l = luminance(percentColour(percent));
        EXPECT_GE(position, previousPosition) << percent << " %";
        // Rounding the table to 8 bits leaves dips of a few per mille.
        EXPECT_GE(l, 0.995 * previousLuminance) << percent << " %";
        previousPosition = position;
        previousLuminance = l;
    }
    // Far apart in grey: a field ten times above the limit does not print
    // like one below it.
    EXPECT_GT(luminance(percentColour(1000)), 5 * luminance(percentColour(10)));
}

} // namespace
} // namespace kvarn
