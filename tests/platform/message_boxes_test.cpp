// The Yes/No and OK boxes, the check box that toggles in place, and the a/an test.
#include "platform/message_boxes.h"

#include "platform/display.h"
#include "platform/input.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

namespace {

class MessageBoxesTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
    }
};

TEST_F(MessageBoxesTest, ConfirmAnswersOnlyYNAndItsButtons) {
    host.Hold(13, 20).Hold(27, 20);  // ignored
    TapKey('Y');
    TapKey('N');
    ClickAt(210 + 45, 175 + 115);   // Yes
    ClickAt(210 + 122, 175 + 115);  // No
    std::vector<int> answers;
    Run([&] {
        for (int i = 0; i < 4; ++i) answers.push_back(Confirm(210, 175, "Really quit?"));
    });
    EXPECT_EQ(answers, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(host.texts[0].x, 260);
    EXPECT_EQ(host.texts[0].y, 225);
}

TEST_F(MessageBoxesTest, MessageLeavesOnEnterEscOrOk) {
    TapKey(13);
    TapKey(27);
    host.Hold('Y', 20);
    ClickAt(50 + 85, 50 + 105);
    Run([&] {
        for (int i = 0; i < 3; ++i) ShowMessage(50, 50, "Slot overflow", "");
    });
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(host.texts[0].x, 80);
    EXPECT_EQ(host.texts[0].y, 90);
}

TEST_F(MessageBoxesTest, CheckBoxTogglesOnFrontSurface) {
    uint32_t flag = 2;
    auto toggleUntilDone = [&] {
        Run([&] {
            Screen screen("check");
            while (!host.ScriptDone()) {
                TakePass(screen);
                ToggleCheckBox(300, 200, flag);
            }
        });
    };
    ClickAt(302, 214);
    host.Wait(3);  // the loop goes on waiting for input
    toggleUntilDone();
    EXPECT_EQ(flag, 1u);
    EXPECT_TRUE(Shows(FrontSurface, 300, 200, UiIcons[4]));
    // In the window too, with no flip and no further input.
    ASSERT_FALSE(host.frames.empty());
    EXPECT_TRUE(Shows(host.frames.back(), 300, 200, UiIcons[4]));
    EXPECT_EQ(host.flips, 0u);
    ClickAt(314, 202);
    host.Wait(3);
    toggleUntilDone();
    EXPECT_EQ(flag, 0u);
    EXPECT_TRUE(Shows(FrontSurface, 300, 200, UiIcons[3]));
    EXPECT_TRUE(Shows(host.frames.back(), 300, 200, UiIcons[3]));
    host.MoveMouse(301, 210).Wait(100).Hold(1, 20);  // outside the box's inner square
    toggleUntilDone();
    EXPECT_EQ(flag, 0u);
}

TEST(StartsWithVowel, CapitalVowelsOnly) {
    EXPECT_EQ(StartsWithVowel("Elixir"), 1);
    EXPECT_EQ(StartsWithVowel("apple"), 0);
    EXPECT_EQ(StartsWithVowel("Sword"), 0);
    EXPECT_EQ(StartsWithVowel(""), 0);
}

}  // namespace
