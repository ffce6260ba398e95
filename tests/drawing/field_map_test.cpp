#include "drawing/field_map.h"

#include <gtest/gtest.h>

#include "drawing/map_support.h"

namespace kvarn {
namespace {

using test::gridMap;

TEST(FieldMapProblem, NamesWhatKeepsAGridFromBeingDrawn) {
    const auto changed = [](void (*change)(FieldMap&)) {
        FieldMap map = gridMap({{1, 2, 3}, {4, 5, 6}}, 0.5);
        change(map);
        return fieldMapProblem(map);
    };
    EXPECT_EQ(changed([](FieldMap&) {}), "");
    EXPECT_EQ(changed([](FieldMap& m) { m.tooClose = {0, 0, 1, 0, 0, 0}; }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.xs.clear(); }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.step = 0; }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.xs[2] = 1.2; }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.ys = {0, 0.5}; }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.percent.pop_back(); }), "");
    EXPECT_NE(changed([](FieldMap& m) { m.tooClose = {0, 0, 1}; }), "");
}

} // namespace
} // namespace kvarn
