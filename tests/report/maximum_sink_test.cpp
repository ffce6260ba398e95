#include "report/maximum_sink.h"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

// A point with this value in mode M.
PointResult pointOf(double x, double y, double value) {
    PointResult p{x, y, false, {}};
    p.values[static_cast<std::size_t>(modeIndex('M'))] = value;
    return p;
}

TEST(MaximumSink, KeepsTheFirstOfEqualValues) {
    double fmax = 0, xmax = -9, ymax = -9;
    MaximumSink maximum('M', fmax, xmax, ymax);
    maximum.point(pointOf(0, 5, 0.0)); // not above 0: the old position stays
    EXPECT_EQ(xmax, -9);
    EXPECT_EQ(ymax, -9);
    const double points[][3] = {{1.5, 0, 5}, {3.25, 1, 5}, {3.25, 2, 5}, {2.0, 0, 4}};
    for (const auto& p : points)
        maximum.point(pointOf(p[1], p[2], p[0]));
    EXPECT_EQ(fmax, 3.25);
    EXPECT_EQ(xmax, 1);
    EXPECT_EQ(ymax, 5);
}

} // namespace
} // namespace kvarn
