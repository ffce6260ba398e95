#include "field/grid.h"

#include <gtest/gtest.h>

#include <limits>

namespace kvarn {
namespace {

TEST(Grid, RangesAndStep) {
    EXPECT_TRUE(rangeInOrder(0, 0));
    EXPECT_TRUE(rangeInOrder(-5, 5));
    EXPECT_FALSE(rangeInOrder(5, -5));
    EXPECT_FALSE(rangeInOrder(0, -std::numeric_limits<double>::denorm_min()));
    EXPECT_TRUE(stepAccepted(std::numeric_limits<double>::denorm_min()));
    EXPECT_FALSE(stepAccepted(0.0));
    EXPECT_FALSE(stepAccepted(-0.0));
    EXPECT_FALSE(stepAccepted(-1.0));
}

} // namespace
} // namespace kvarn
