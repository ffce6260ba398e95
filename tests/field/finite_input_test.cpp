#include "field/finite_input.h"

#include <gtest/gtest.h>

#include <limits>

#include "field/frequency.h"
#include "field/grid.h"
#include "field/wire_length.h"

namespace kvarn {
namespace {

// What a form or a station file hands on is finite: every check refuses an
// infinity and a NaN wherever it stands.
TEST(FiniteInput, NoInfinityOrNanPassesAnyCheck) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan}) {
        EXPECT_FALSE(isFiniteInput(v)) << v;
        EXPECT_FALSE(rangeInOrder(v, 0)) << v;
        EXPECT_FALSE(rangeInOrder(0, v)) << v;
        EXPECT_FALSE(stepAccepted(v)) << v;
        EXPECT_FALSE(wireLengthAccepted(v)) << v;
        EXPECT_FALSE(frequencyAccepted(v, 800, AntennaModel::standingWave)) << v;
        EXPECT_FALSE(frequencyAccepted(10, v, AntennaModel::shortWire)) << v;
    }
    for (double v :
         {0.0, -0.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()})
        EXPECT_TRUE(isFiniteInput(v)) << v;
}

} // namespace
} // namespace kvarn
