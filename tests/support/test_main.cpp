// The tests' entry: every test starts and ends with the programs' whole
// process state at its start values, so no test sees what another left.

#include <gtest/gtest.h>

#include "control/program_state.h"

namespace {

class FreshProgramState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { kvarn::resetProgramState(); }
    void OnTestEnd(const ::testing::TestInfo&) override { kvarn::resetProgramState(); }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramState);
    return RUN_ALL_TESTS();
}
