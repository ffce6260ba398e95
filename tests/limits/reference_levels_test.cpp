// The reference levels of each limit set against the values the published
// tables give (rounded as they would be printed), at the bands and at the
// edges where one row or one publication takes over from another.

#include <gtest/gtest.h>

#include "limits/reference_levels.h"

namespace kvarn {
namespace {

TEST(ReferenceLevels, PublishedValuesAtBandsAndEdges) {
    struct Case {
        LimitSet set;
        double f;    // MHz
        double e, h; // V/m, A/m, to the printed digits; e 0: no levels
    } cases[] = {
        // 26. BImSchV: Anhang 1b, and Anhang 1a's 83 V/m below 1.1 MHz.
        {LimitSet::bimschv26, 0.1, 83, 7.3},
        {LimitSet::bimschv26, 0.472, 83, 1.547},
        {LimitSet::bimschv26, 1, 83, 0.73},
        {LimitSet::bimschv26, 1.1, 82.95, 0.6636},
        {LimitSet::bimschv26, 1.85, 63.96, 0.3946},
        {LimitSet::bimschv26, 3.65, 45.54, 0.2},
        {LimitSet::bimschv26, 7.1, 32.65, 0.1028},
        {LimitSet::bimschv26, 10, 27.51, 0.073}, // 87 / sqrt(10), not 28: the stricter
        {LimitSet::bimschv26, 14.2, 28, 0.073},
        {LimitSet::bimschv26, 400, 28, 0.073},
        {LimitSet::bimschv26, 0.099, 0, 0},
        {LimitSet::bimschv26, 400.1, 0, 0},
        // ICNIRP 2020 with ICNIRP 2010's 83 V/m and 21 A/m below 10 MHz.
        {LimitSet::icnirp2020, 0.1, 83, 21},
        {LimitSet::icnirp2020, 1.85, 83, 1.189},
        {LimitSet::icnirp2020, 3.65, 83, 0.6027},
        {LimitSet::icnirp2020, 7.1, 76.07, 0.3099},
        {LimitSet::icnirp2020, 14.2, 46.83, 0.1549},
        {LimitSet::icnirp2020, 30, 27.7, 0.073}, // 300 / 30^0.7 = 27.74
        {LimitSet::icnirp2020, 146, 27.7, 0.073},
        {LimitSet::icnirp2020, 0.09, 0, 0},
        // FCC.
        {LimitSet::fcc, 0.5, 614, 1.63},
        {LimitSet::fcc, 1.34, 614, 1.63}, // 824 / 1.34 = 614.9, 2.19 / 1.34 = 1.634
        {LimitSet::fcc, 7.1, 116.1, 0.3085},
        {LimitSet::fcc, 30, 27.47, 0.073}, // 824 / 30 below 27.5
        {LimitSet::fcc, 144, 27.5, 0.073},
        {LimitSet::fcc, 300.5, 0, 0},
    };
    for (const Case& c : cases) {
        const auto levels = referenceLevels(c.set, c.f);
        SCOPED_TRACE(::testing::Message() << limitSetName(c.set) << " at " << c.f << " MHz");
        ASSERT_EQ(levels.has_value(), c.e > 0);
        if (!levels) continue;
        EXPECT_NEAR(levels->e, c.e, 0.0006 * c.e);
        EXPECT_NEAR(levels->h, c.h, 0.0006 * c.h);
    }
}

TEST(ReferenceLevels, NamesReadBack) {
    for (LimitSet set : {LimitSet::bimschv26, LimitSet::icnirp2020, LimitSet::fcc})
        EXPECT_EQ(limitSetNamed(limitSetName(set)), set);
    EXPECT_FALSE(limitSetNamed("icnirp1998").has_value());
    EXPECT_EQ(limitSetNames(), "\"26bimschv\", \"icnirp2020\" or \"fcc\"");
}

} // namespace
} // namespace kvarn
