// A test with the headless back end installed in a fresh working folder filled from the
// built module. The newest frame is written next to the test log when a test fails.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host/headless.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The display held and every sheet loaded, as after start-up.
    void OpenDisplay();

    // Runs a piece of the program; a script that runs out while it waits fails the test.
    template <class F>
    void Run(F&& f) {
        try {
            f();
        } catch (const host::ScriptEnded& e) {
            ADD_FAILURE() << e.what();
        }
    }

    host::Headless host;
    std::filesystem::path folder;

private:
    std::filesystem::path previous_;
};
