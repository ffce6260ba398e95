#include "field/point_work.h"

#include <gtest/gtest.h>

#include "field/field_fixture.h"

namespace kvarn {
namespace {

using PointValue = test::FieldFixture;

TEST_F(PointValue, ModeValuesFromTheSums) {
    PointWork work;
    work.sums.exre = 3;
    work.sums.ezim = -4;
    work.sums.hyre = 0.3L;
    work.sums.hzim = 0.4L;
    struct Case {
        char mode;
        double value;
    };
    const Case cases[] = {{'R', 5.0}, {'T', 5.0}, {'E', 5.0}, {'M', 50.0}, {'Z', 188.5}};
    for (const Case& c : cases) {
        work.tooclose = false;
        EXPECT_DOUBLE_EQ(pointValue(c.mode, work), c.value) << c.mode;
        work.tooclose = true;
        EXPECT_EQ(pointValue(c.mode, work), 0.0) << c.mode;
    }
}

TEST_F(PointValue, TooClosePointUnderTheFortyMetreWire) {
    // Elements 20 and 21 of the wire at 10 m lie within 2.1 m of (20, 0) at
    // 8.5 m, the nearest ones farther at 7.9 m.
    setFrequency(3.65);
    layWire({{0, 0, 10}, {40, 0, 10}});
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        SCOPED_TRACE(mode);
        height = 8.5;
        const PointWork near = sumAt(20, 0, mode);
        EXPECT_TRUE(near.tooclose);
        EXPECT_EQ(pointValue(mode, near), 0.0);
        height = 7.9;
        const PointWork farther = sumAt(20, 0, mode);
        EXPECT_FALSE(farther.tooclose);
        EXPECT_GT(pointValue(mode, farther), 0.0);
    }
}

} // namespace
} // namespace kvarn
