// The doubles next to an extended value decide comparisons with it.

#include "field/extended_bits.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "field/constants.h"

namespace kvarn {
namespace {

TEST(DoubleBounds, DecideEveryComparisonOfADoubleWithTheExtendedValue) {
    constexpr long double kInf = std::numeric_limits<long double>::infinity();
    const long double values[] = {kMinDistance, kTooClose, kCthTolerance, -kCthTolerance,
                                  1e-6L,        -1e-6L,    1.0L,          0.0L,
                                  0x1p-1074L,   1e-320L,   -1e-320L,      0x1.fffffffffffffffp0L};
    for (const long double v : values) {
        SCOPED_TRACE(::testing::Message() << v);
        const double below = doubleBelow(v), above = doubleAbove(v);
        EXPECT_LE(below, v);
        EXPECT_GE(above, v);
        EXPECT_TRUE(below == above || std::nextafter(below, INFINITY) == above);
        // The doubles around both bounds compare alike either way.
        for (double x : {below, above}) {
            double d = x;
            for (int step = 0; step < 3; ++step)
                d = std::nextafter(d, -kInf);
            for (int step = 0; step < 7; ++step, d = std::nextafter(d, kInf)) {
                EXPECT_EQ(d < v, d < above) << d;
                EXPECT_EQ(d <= v, d <= below) << d;
                EXPECT_EQ(d > v, d > below) << d;
            }
        }
    }
    EXPECT_EQ(doubleBelow(0.5L), 0.5);
    EXPECT_EQ(doubleAbove(0.5L), 0.5);
}

} // namespace
} // namespace kvarn
