// Text entry through scripted keys: the cursor, insertion, lengths, Esc, Tab and the names.
#include "platform/text_entry.h"

#include <cstring>
#include <string>

#include "platform/display.h"
#include "tests/support/headless_test.h"

namespace {

constexpr int16_t kX = 100, kY = 50;  // characters start at (110, 56)
constexpr int kEnter = 13, kEsc = 27, kTab = 9, kLeftAlt = 164;

class TextEntryTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        HeroNameCounter = 0;
    }
    // Runs one entry over text; the result of EnterText.
    int32_t Enter(std::span<char> text, int16_t minLen, int16_t maxLen, uint32_t allowEsc = 0,
                  uint32_t randomName = 0, int16_t context = -1) {
        int32_t result = -1;
        Run([&] { result = EnterText(kX, kY, text, minLen, maxLen, allowEsc, randomName, context, 0, 3, 200); });
        EXPECT_TRUE(host.ScriptDone());
        return result;
    }
    char text[64] = {};
    void Set(const char* s) { std::strncpy(text, s, sizeof text); }
};

TEST_F(TextEntryTest, CursorStartsUnderTheMouseAndTypingInserts) {
    struct Case {
        int32_t mouseX;
        const char* result;
    } cases[] = {{0, "XAldin"}, {kX + 10 + 6 * 2 + 3, "AlXdin"}, {639, "AldinX"}};
    for (const Case& c : cases) {
        Set("Aldin");
        host.MoveMouse(c.mouseX, 300).Type("X");
        TapKey(kEnter);
        Enter(text, 1, 12);
        EXPECT_STREQ(text, c.result) << "mouse at " << c.mouseX;
    }
    // An empty text ignores the mouse.
    Set("");
    host.MoveMouse(639, 300).Type("ab");
    TapKey(kEnter);
    Enter(text, 1, 12);
    EXPECT_STREQ(text, "ab");
}

TEST_F(TextEntryTest, EditingKeys) {
    Set("abc");
    host.MoveMouse(639, 0);
    TapKey(8);    // Backspace at the end: "ab"
    TapKey(36);   // Home
    host.Type("x");
    TapKey(39);   // Right, past the 'a'
    TapKey(8);    // "xb"
    TapKey(100);  // numeric-pad 4 moves left
    host.Type("y");
    TapKey(35);   // End
    host.Type("z");
    TapKey(kEnter);
    Enter(text, 1, 12);
    EXPECT_STREQ(text, "yxbz");

    host.MoveMouse(0, 0);
    TapKey(46);  // Delete empties the field
    host.Type("q");
    TapKey(kEnter);
    Enter(text, 1, 12);
    EXPECT_STREQ(text, "q");
}

TEST_F(TextEntryTest, KeyMapWithShift) {
    host.Type("Hi, A!%()?:<>\"';=-. 7");
    host.Type("@#&*");  // Shift with these digits gives nothing
    host.Hold(97, 5);   // neither do the numeric-pad digits
    TapKey(kEnter);
    char wide[64] = {};
    Enter(wide, 0, 61);
    EXPECT_STREQ(wide, "Hi, A!%()?:<>\"';=-. 7");
}

TEST_F(TextEntryTest, LengthsAreBounded) {
    // Twelve characters fit a field of twelve; the thirteenth is ignored.
    host.Type("abcdefghijklm");
    TapKey(kEnter);
    Enter(text, 1, 12);
    EXPECT_STREQ(text, "abcdefghijkl");

    // A maximum of 80 is 61.
    char big[100] = {};
    host.Type(std::string(65, 'w'));
    TapKey(kEnter);
    Enter(big, 1, 80);
    EXPECT_EQ(std::strlen(big), 61u);

    // The caller's own size bounds what is written back.
    char small[8] = {};
    host.Type("abcdefghij");
    TapKey(kEnter);
    Enter(small, 1, 12);
    EXPECT_STREQ(small, "abcdefg");

    // A 61-character text comes back whole.
    std::memset(big, 'k', 61);
    big[61] = '\0';
    host.MoveMouse(0, 0);
    TapKey(kEnter);
    Enter(big, 1, 61);
    EXPECT_EQ(std::string(big), std::string(61, 'k'));
}

TEST_F(TextEntryTest, EnterNeedsTheMinimumAndEscOnlyWhenAllowed) {
    host.Type("ab");
    TapKey(kEnter);  // too short: only a click
    host.Hold(kEsc, 5);  // not allowed
    host.Type("c");
    TapKey(kEnter);
    Enter(text, 3, 12);
    EXPECT_STREQ(text, "abc");

    // Esc gives the text back exactly, whatever was typed.
    Set("Aldin\0junk");
    std::memcpy(text + 6, "junk", 5);
    host.MoveMouse(639, 0);
    TapKey(46);
    host.Type("Zed");
    TapKey(kEsc);
    Enter(text, 1, 12, 1);
    EXPECT_STREQ(text, "Aldin");
    EXPECT_STREQ(text + 6, "junk");
}

TEST_F(TextEntryTest, TabLeavesOrGivesNamesButNotWithAlt) {
    host.Type("ab").Press(kLeftAlt).Hold(kTab, 5).Release(kLeftAlt);  // Alt+Tab does nothing
    TapKey(kTab);
    EXPECT_EQ(Enter(text, 5, 12), 1);
    EXPECT_STREQ(text, "ab");

    // The male names follow one another across calls and fields.
    TapKey(kTab);
    TapKey(kEnter);
    EXPECT_EQ(Enter(text, 1, 12, 1, 1), 0);
    EXPECT_STREQ(text, "Ulric");
    for (int i = 0; i < 3; ++i) TapKey(kTab);
    TapKey(kEnter);
    Enter(text, 1, 12, 1, 1);
    EXPECT_STREQ(text, "Leoric");
    EXPECT_EQ(HeroNameCounter, 4);
}

TEST_F(TextEntryTest, NameCounterWrapLeavesAnEmptyConsistentField) {
    HeroNameCounter = 19;
    TapKey(kTab);  // "Banon"
    TapKey(kTab);  // the wrap: no name
    host.Type("Bo");
    TapKey(kEnter);
    Enter(text, 1, 12, 1, 1);
    EXPECT_STREQ(text, "Bo");
    EXPECT_EQ(HeroNameCounter, 0);
}

TEST_F(TextEntryTest, FocusRegainRedrawsTheScreenBehind) {
    struct Case {
        int16_t context;
        const char* marker;  // a text the screen behind draws
    } cases[] = {{1, "PAGE 4 of 4"}, {3, "Save Character"}, {4, "Answer"}};
    for (const Case& c : cases) {
        host.texts.clear();
        Set("Ab");
        host.MoveMouse(639, 0).LoseFocus().Wait(200).GainFocus().Wait(200);  // one message a pass
        TapKey(kEnter);
        const uint32_t flips = host.flips;
        Enter(text, 1, 12, 0, 0, c.context);
        bool found = false;
        for (const auto& t : host.texts) found |= t.text == c.marker;
        EXPECT_EQ(found, c.context != 4) << "context " << c.context;  // answering shows a field, no buttons
        EXPECT_EQ(host.flips, flips + 1) << "context " << c.context;
        EXPECT_EQ(host.texts.back().text, "Ab");  // the text drawn again over it
    }
}

}  // namespace
