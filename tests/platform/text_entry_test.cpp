// Text entry through scripted keys: the cursor, insertion, lengths, Esc, Tab and the names.
#include "platform/text_entry.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "data/game_state.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "tests/support/headless_test.h"

namespace {

constexpr int16_t kX = 100, kY = 50;  // characters start at (110, 56)

class TextEntryTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        HeroNameCounter = 0;
    }
    // Types the keys (text, or a key code), then one entry over text; its result.
    int32_t Enter(std::span<char> text, std::initializer_list<std::variant<const char*, int>> keys, int16_t minLen,
                  int16_t maxLen, uint32_t allowEsc = 0, uint32_t randomName = 0, int16_t context = -1) {
        Keys(keys);
        int32_t result = -1;
        Run([&] { result = EnterText(kX, kY, text, minLen, maxLen, allowEsc, randomName, context, 0, 3, 200); });
        EXPECT_TRUE(host.ScriptDone());
        return result;
    }
    char text[64] = {};
};

TEST_F(TextEntryTest, CursorUnderTheMouseAndEditingKeys) {
    for (auto [mouseX, result] : {std::pair{0, "XAldin"}, {kX + 10 + 6 * 2 + 3, "AlXdin"}, {639, "AldinX"}}) {
        std::strcpy(text, "Aldin");
        host.MoveMouse(mouseX, 300);
        Enter(text, {"X", kEnter}, 1, 12);
        EXPECT_STREQ(text, result) << "mouse at " << mouseX;
    }
    // Backspace, Home, Right, numeric-pad Left, End; then Delete empties the field.
    std::strcpy(text, "abc");
    Enter(text, {8, 36, "x", 39, 8, 100, "y", 35, "z", kEnter}, 1, 12);
    EXPECT_STREQ(text, "yxbz");
    Enter(text, {46, "q", kEnter}, 1, 12);
    EXPECT_STREQ(text, "q");
}

TEST_F(TextEntryTest, KeyMapWithShift) {
    host.Hold(97, 5);  // numeric-pad digits give nothing; neither do Shift with 2, 3, 7, 8
    Enter(text, {"Hi, A!%()?:<>\"';=-. 7", "@#&*", kEnter}, 0, 61);
    EXPECT_STREQ(text, "Hi, A!%()?:<>\"';=-. 7");
}

TEST_F(TextEntryTest, LengthsAreBounded) {
    Enter(text, {"abcdefghijklm", kEnter}, 1, 12);
    EXPECT_STREQ(text, "abcdefghijkl");
    char big[100] = {};
    Enter(big, {std::string(65, 'w').c_str(), kEnter}, 1, 80);  // 80 is 61
    EXPECT_EQ(std::strlen(big), 61u);
    Enter(big, {kEnter}, 1, 61);  // a full buffer comes back whole
    EXPECT_EQ(std::string(big), std::string(61, 'w'));
    char small[8] = {};
    Enter(small, {"abcdefghij", kEnter}, 1, 12);  // the caller's size bounds the copy
    EXPECT_STREQ(small, "abcdefg");
}

TEST_F(TextEntryTest, EnterNeedsTheMinimumAndEscOnlyWhenAllowed) {
    host.Hold(kEsc, 5);
    Enter(text, {"ab", kEnter, "c", kEnter}, 3, 12);
    EXPECT_STREQ(text, "abc");
    // Esc gives the text back exactly, whatever was typed.
    std::memcpy(text, "Aldin\0junk", 11);
    Enter(text, {46, "Zed", kEsc}, 1, 12, 1);
    EXPECT_EQ(std::string(text, 11), std::string("Aldin\0junk", 11));
}

TEST_F(TextEntryTest, TabLeavesOrGivesNamesButNotWithAlt) {
    host.Press(164).Hold(kTab, 5).Release(164);  // Alt+Tab does nothing
    EXPECT_EQ(Enter(text, {"ab", kTab}, 5, 12), 1);
    EXPECT_STREQ(text, "ab");
    // The male names follow one another across calls and fields.
    EXPECT_EQ(Enter(text, {kTab, kEnter}, 1, 12, 1, 1), 0);
    EXPECT_STREQ(text, "Ulric");
    Enter(text, {kTab, kTab, kTab, kEnter}, 1, 12, 1, 1);
    EXPECT_STREQ(text, "Leoric");
    // The wrap of the counter leaves an empty, consistent field.
    HeroNameCounter = 19;
    Enter(text, {kTab, kTab, "Bo", kEnter}, 1, 12, 1, 1);
    EXPECT_STREQ(text, "Bo");
    EXPECT_EQ(HeroNameCounter, 0);
    // A heroine draws from the female names at random: the generator's first 41 picks entry 1.
    GameState.HeroSex = 1;
    SeedRandom(1);
    Enter(text, {kTab, kEnter}, 1, 12, 1, 1);
    GameState.HeroSex = 0;
    EXPECT_STREQ(text, "Aileth");
}

TEST_F(TextEntryTest, FocusRegainRedrawsTheScreenBehind) {
    for (auto [context, marker] : {std::pair{1, "PAGE 4 of 4"}, {3, "Save Character"}, {4, ""}}) {
        host.texts.clear();
        std::strcpy(text, "Ab");
        host.MoveMouse(639, 0).LoseFocus().Wait(200).GainFocus().Wait(200);  // one message a pass
        const uint32_t flips = host.flips;
        Enter(text, {kEnter}, 1, 12, 0, 0, int16_t(context));
        EXPECT_EQ(host.flips, flips + 1) << "context " << context;
        const bool drawn = std::any_of(host.texts.begin(), host.texts.end(), [&](auto& t) { return t.text == marker; });
        EXPECT_EQ(drawn, *marker != '\0') << "context " << context;
        EXPECT_EQ(host.texts.back().text, "Ab");  // the text drawn again over it
    }
}

}  // namespace
