// The reference levels of each limit set at the edges of its ranges.

#include <gtest/gtest.h>

#include <cmath>

#include "limits/reference_levels.h"

namespace kvarn {
namespace {

TEST(ReferenceLevels, EachSetAtItsRangeEdges) {
    struct Case {
        LimitSet set;
        double f;    // MHz
        double e, h; // V/m, A/m; e 0: no levels
    } cases[] = {
        {LimitSet::bimschv26, 0.1, 87, 7.3},
        {LimitSet::bimschv26, 1, 87, 0.73},
        {LimitSet::bimschv26, 3.65, 87 / std::sqrt(3.65), 0.73 / 3.65},
        {LimitSet::bimschv26, 10, 87 / std::sqrt(10.0), 0.073}, // 27.5, not 28: the stricter
        {LimitSet::bimschv26, 10.1, 28, 0.073},
        {LimitSet::bimschv26, 400, 28, 0.073},
        {LimitSet::bimschv26, 0.099, 0, 0},
        {LimitSet::bimschv26, 400.1, 0, 0},
        {LimitSet::icnirp2020, 0.1, 300 / std::pow(0.1, 0.7), 22},
        {LimitSet::icnirp2020, 14.2, 300 / std::pow(14.2, 0.7), 2.2 / 14.2},
        {LimitSet::icnirp2020, 30, 27.7, 0.073}, // 300 / 30^0.7 = 27.75
        {LimitSet::icnirp2020, 146, 27.7, 0.073},
        {LimitSet::icnirp2020, 0.09, 0, 0},
        {LimitSet::fcc, 0.5, 614, 1.63},
        {LimitSet::fcc, 1.34, 614, 1.63}, // 824 / 1.34 = 614.9, 2.19 / 1.34 = 1.634
        {LimitSet::fcc, 7.1, 824 / 7.1, 2.19 / 7.1},
        {LimitSet::fcc, 30, 824 / 30.0, 0.073}, // 27.47 below 27.5
        {LimitSet::fcc, 144, 27.5, 0.073},
        {LimitSet::fcc, 300.5, 0, 0},
    };
    for (const Case& c : cases) {
        const auto levels = referenceLevels(c.set, c.f);
        SCOPED_TRACE(::testing::Message() << limitSetName(c.set) << " at " << c.f << " MHz");
        ASSERT_EQ(levels.has_value(), c.e > 0);
        if (!levels) continue;
        EXPECT_NEAR(levels->e, c.e, 1e-12 * c.e);
        EXPECT_NEAR(levels->h, c.h, 1e-12 * c.h);
    }
    EXPECT_NEAR(referenceLevels(LimitSet::bimschv26, 10)->e, 27.5, 0.02);
}

TEST(ReferenceLevels, NamesReadBack) {
    for (LimitSet set : {LimitSet::bimschv26, LimitSet::icnirp2020, LimitSet::fcc})
        EXPECT_EQ(limitSetNamed(limitSetName(set)), set);
    EXPECT_FALSE(limitSetNamed("icnirp1998").has_value());
}

} // namespace
} // namespace kvarn
