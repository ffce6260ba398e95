#include "console/screen_model.h"

#include <gtest/gtest.h>

namespace kvarn {
namespace {
TEST(ScreenModel, Placeholder) {
    Screen s;
    s.reset(80, 25);
    EXPECT_EQ(s.width, 80);
}
} // namespace
} // namespace kvarn
