#include "field/short_antenna.h"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

TEST(ShortModel, LengthRatio) {
    // lambda 100 m: suits from above 25 m to below 45.45 m.
    struct Case {
        double length;
        bool suits;
    } cases[] = {{25, false}, {25.000001, true}, {40, true}, {45.45, true}, {45.46, false}};
    for (const Case& c : cases)
        EXPECT_EQ(shortModelSuits(c.length, 100), c.suits) << c.length;
}

} // namespace
} // namespace kvarn
