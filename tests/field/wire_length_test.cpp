#include "field/wire_length.h"

#include <gtest/gtest.h>

#include <vector>

#include "field/discretize.h"

namespace kvarn {
namespace {

TEST(WireLength, InWholeMetres) {
    struct Case {
        std::vector<CornerPoint> corners;
        double length;
        bool accepted;
    } cases[] = {
        {{{0, 0, 0}, {0.49, 0, 0}}, 0, false},
        {{{0, 0, 0}, {0.5, 0, 0}}, 1, true},
        {{{0, 0, 0}, {3, 4, 0}, {3, 4, 0}}, 5, true},       // an empty segment counts nothing
        {{{0.3, 0, 0}, {2.8, 0, 0}, {0.3, 0, 0}}, 6, true}, // 2.5 m rounds up, twice
        {{{0, 0, 0}, {800.49, 0, 0}}, 800, true},
        {{{0, 0, 0}, {800.5, 0, 0}}, 801, false},
        {{{0, 0, 0}}, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wireLength(c.corners), c.length) << c.length;
        EXPECT_EQ(wireLengthAccepted(wireLength(c.corners)), c.accepted) << c.length;
    }
    // The same count the discretisation lays.
    ElementTable table;
    EXPECT_EQ(layElements(cases[3].corners, 80, 1, table), 6);
}

} // namespace
} // namespace kvarn
