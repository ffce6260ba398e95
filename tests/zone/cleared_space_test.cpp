// The space the march has shown free of the zone: a ray passes the balls
// that hold it without a break, and no farther.
#include <gtest/gtest.h>

#include "zone/cleared_space.h"

namespace kvarn::zone {
namespace {

TEST(ClearedSpace, PassesTheBallsThatHoldTheRayWithoutABreak) {
    struct Ball {
        Point3 centre;
        double radius;
    };
    struct Case {
        const char* name;
        std::vector<Ball> balls;
        double from, limit, passed; // m along the ray x from the origin
    };
    const Case cases[] = {
        {"no ball", {}, 1, 10, 1},
        {"one ball", {{{2, 0, 0}, 1.5}}, 1, 10, 3.5},
        // The ray crosses the ball off its centre: sqrt(1.5^2 - 0.9^2) = 1.2.
        {"a ball beside the ray", {{{2, 0.9, 0}, 1.5}}, 1, 10, 3.2},
        {"a chain", {{{2, 0, 0}, 1.5}, {{4, 0, 0}, 1.5}, {{6, 0, 0}, 1}}, 1, 10, 7},
        {"a chain, its last ball first",
         {{{6, 0, 0}, 1}, {{4, 0, 0}, 1.5}, {{2, 0, 0}, 1.5}},
         1,
         10,
         7},
        {"a break in the chain", {{{2, 0, 0}, 1}, {{4.5, 0, 0}, 1}}, 1.5, 10, 3},
        {"a ball behind", {{{-1, 0, 0}, 1.5}}, 1, 10, 1},
        {"on the surface only", {{{3, 0, 0}, 2}}, 1, 10, 1},
        {"the limit", {{{2, 0, 0}, 1.5}, {{4, 0, 0}, 1.5}}, 1, 3, 3},
        // Centres cells away from the ray's points, negative ones included.
        {"centres in other cells",
         {{{-0.5, -1.2, 0.3}, 1.9}, {{1.4, 0.5, -1.1}, 1.9}},
         0,
         10,
         1.4 + std::sqrt(1.9 * 1.9 - 0.5 * 0.5 - 1.1 * 1.1)},
        // No ball is larger than the index was made for.
        {"a ball larger than the largest", {{{2, 0, 0}, 5}}, 1, 10, 4},
    };
    const RayLine line{{0, 0, 0}, {1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearedSpace space(2.0);
        for (const Ball& b : c.balls)
            space.add(b.centre, b.radius);
        EXPECT_NEAR(space.passFrom(line, c.from, c.limit), c.passed, 1e-9);
    }
}

} // namespace
} // namespace kvarn::zone
