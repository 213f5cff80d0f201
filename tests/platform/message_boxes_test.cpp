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
    struct Case {
        std::vector<int> ignored;
        int answerKey;  // 0: a click
        int clickX;
        int answer;
    } cases[] = {
        {{13, 27}, 'Y', 0, 1},
        {{13}, 'N', 0, 0},
        {{27}, 0, 210 + 45, 1},  // Yes button
        {{}, 0, 210 + 122, 0},   // No button
    };
    for (const Case& c : cases) {
        for (int key : c.ignored) host.Hold(key, 20);
        if (c.answerKey)
            TapKey(c.answerKey);
        else
            ClickAt(c.clickX, 175 + 115);
        int answer = -1;
        Run([&] { answer = Confirm(210, 175, "Really quit?"); });
        EXPECT_EQ(answer, c.answer);
        EXPECT_TRUE(host.ScriptDone());
    }
    EXPECT_EQ(host.texts[0].text, "Really quit?");
    EXPECT_EQ(host.texts[0].x, 260);
    EXPECT_EQ(host.texts[0].y, 225);
}

TEST_F(MessageBoxesTest, MessageLeavesOnEnterEscOrOk) {
    for (int key : {13, 27}) {
        TapKey(key);
        Run([&] { ShowMessage(50, 50, "Slot overflow", ""); });
        EXPECT_TRUE(host.ScriptDone());
    }
    host.Hold('Y', 20);
    ClickAt(50 + 85, 50 + 105);
    Run([&] { ShowMessage(50, 50, "  Level does not exist!", "second"); });
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(host.texts[0].x, 80);
    EXPECT_EQ(host.texts[0].y, 90);
    EXPECT_EQ(host.texts.back().text, "OK");
    EXPECT_EQ(host.texts.back().x, 50 + 80 + 24);
}

TEST_F(MessageBoxesTest, CheckBoxTogglesOnFrontSurface) {
    uint32_t flag = 2;
    auto toggle = [&] {
        TakeLoopMessage("check");
        ToggleCheckBox(300, 200, flag);
    };
    ClickAt(302, 214);
    Run([&] { while (!host.ScriptDone()) toggle(); });
    EXPECT_EQ(flag, 1u);
    EXPECT_TRUE(Shows(FrontSurface, 300, 200, UiIcons[4]));
    ClickAt(314, 202);
    Run([&] { while (!host.ScriptDone()) toggle(); });
    EXPECT_EQ(flag, 0u);
    EXPECT_TRUE(Shows(FrontSurface, 300, 200, UiIcons[3]));
    host.MoveMouse(301, 210).Wait(100).Hold(1, 20);  // outside the box's inner square
    Run([&] { while (!host.ScriptDone()) toggle(); });
    EXPECT_EQ(flag, 0u);
}

TEST(StartsWithVowel, CapitalVowelsOnly) {
    EXPECT_EQ(StartsWithVowel("Elixir"), 1);
    EXPECT_EQ(StartsWithVowel("Umbrella"), 1);
    EXPECT_EQ(StartsWithVowel("apple"), 0);
    EXPECT_EQ(StartsWithVowel("Sword"), 0);
    EXPECT_EQ(StartsWithVowel(""), 0);
}

}  // namespace
