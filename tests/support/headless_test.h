// A test with the headless back end installed in a fresh working folder that holds the
// built module's pictures but not its campaign. The newest frame is written next to the test log when a test fails.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <variant>

#include "platform/host/headless.h"
#include "platform/input.h"

// One pass of a loop made up in a test: the pass begun, the cursor and a message taken.
inline bool TakePass(Screen& screen) {
    screen.Pass();
    return TakeLoopMessage();
}

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

    // Input as a person gives it: the mouse rests a whole loop pass before the button goes
    // down (a pass reads the cursor once), and a key is up for a moment before it goes down
    // again. A key or button that the program never reads must be held, not tapped.
    void ClickAt(int32_t x, int32_t y, int32_t button = 1) { host.MoveMouse(x, y).Wait(100).Tap(button); }
    void TapKey(int32_t key) { host.Wait(100).Tap(key); }
    // Typed texts and tapped key codes, in order.
    void Keys(std::initializer_list<std::variant<const char*, int>> keys) {
        for (const auto& k : keys) {
            if (const char* const* typed = std::get_if<const char*>(&k))
                host.Type(*typed);
            else
                TapKey(std::get<int>(k));
        }
    }

    host::Headless host;
    std::filesystem::path folder;

private:
    std::filesystem::path previous_;
};
