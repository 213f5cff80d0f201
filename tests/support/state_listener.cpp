// Keeps the program's state at start-up and puts it back before every test.
#include <gtest/gtest.h>

#include "global_state.h"

namespace {

class ResetListener : public ::testing::EmptyTestEventListener {
    void OnTestProgramStart(const ::testing::UnitTest&) override { KeepAllInitialState(); }
    void OnTestStart(const ::testing::TestInfo&) override { RestoreInitialState(); }
};

// Registered before main runs, so it sees the program start.
const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
    return true;
}();

}  // namespace
