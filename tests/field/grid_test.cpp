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

TEST(Grid, AGridThatDoesNotAdvanceHasNoAxes) {
    EXPECT_EQ(layGrid(Grid{}).points(), 0u);
    Grid g;
    g.xanf = 1e300;
    g.xend = 1e300;
    g.yanf = 0;
    g.yend = 0;
    g.step = 1;
    EXPECT_EQ(layGrid(g).points(), 0u);
    g.xanf = 0;
    g.xend = 2;
    EXPECT_EQ(layGrid(g).points(), 3u);
}

} // namespace
} // namespace kvarn
