// The random generator, dice rolls and texts, and the dice dialog.
#include "platform/dice.h"

#include "platform/display.h"
#include "platform/random.h"
#include "tests/support/headless_test.h"

namespace {

TEST(Random, KnownSeedGivesTheKnownSequence) {
    SeedRandom(1);
    EXPECT_EQ(Random15(), 41);
    EXPECT_EQ(Random15(), 18467);
    EXPECT_EQ(Random15(), 6334);
    EXPECT_EQ(Random15(), 26500);
    EXPECT_EQ(Random15(), 19169);
    // 12345 * 214013 + 2531011 = 2644521496 (below 2^32); >> 16 = 40352; & 0x7FFF = 7584.
    SeedRandom(12345);
    EXPECT_EQ(Random15(), 7584);
}

TEST(RollDice, SumsCountDicePlusBonus) {
    EXPECT_EQ(RollDice(0, 6, 4), 4);
    EXPECT_EQ(RollDice(3, 1, 0), 3);
    EXPECT_EQ(RollDice(-2, 6, 5), 5);
    SeedRandom(1);
    EXPECT_EQ(RollDice(2, 6, 1), (41 % 6 + 1) + (18467 % 6 + 1) + 1);
    EXPECT_EQ(RollDice(1, 32767, 0), 6334 + 1);
    // Dice without sides add nothing, and the sum wraps as a 16-bit value.
    EXPECT_EQ(RollDice(4, 0, 7), 7);
    EXPECT_EQ(RollDice(2, -3, 0), 0);
    EXPECT_EQ(RollDice(1, 1, 32767), -32768);
}

TEST(DiceText, TextForms) {
    EXPECT_EQ(DiceText(0, 0, 0), "0");
    EXPECT_EQ(DiceText(1, 8, 0), "1d8");
    EXPECT_EQ(DiceText(2, 6, 3), "2d6+3");
    EXPECT_EQ(DiceText(0, 0, 5), "0d0+5");
}

class DiceDialogTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
    }
    // Types a number into each of the three fields.
    void FillFields(const char* count, const char* sides, const char* bonus) {
        int dx = 30;
        for (const char* value : {count, sides, bonus}) {
            ClickAt(100 + dx + 5, 100 + 55);
            host.Type(value);
            TapKey(13);
            dx += 60;
        }
    }
    int16_t count = 2, sides = 6, bonus = 3;
};

TEST_F(DiceDialogTest, OkKeepsAndCancelRestores) {
    FillFields("5", "10", "99");
    TapKey('O');
    Run([&] { EditDice(100, 100, "Damage", count, sides, bonus); });
    EXPECT_EQ(count, 5);
    EXPECT_EQ(sides, 10);
    EXPECT_EQ(bonus, 99);

    FillFields("20", "100", "900");
    TapKey(27);
    Run([&] { EditDice(100, 100, "Damage", count, sides, bonus); });
    EXPECT_EQ(count, 5);
    EXPECT_EQ(sides, 10);
    EXPECT_EQ(bonus, 99);
    EXPECT_TRUE(host.ScriptDone());
}

TEST_F(DiceDialogTest, ButtonAndDialogTexts) {
    DrawDiceButton(40, 40, 4, 2, 6, 3);
    ASSERT_EQ(host.texts.size(), 1u);
    EXPECT_EQ(host.texts[0].text, "2d6+3");
    EXPECT_EQ(host.texts[0].x, 50);
    host.texts.clear();
    DrawDiceDialog(100, 100, "Damage", 2, 6, 3);
    std::vector<std::string> shown;
    for (const auto& t : host.texts) shown.push_back(t.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Damage", "          d         +", "2", "6", "3", "OK", "Cancel"}));
    EXPECT_EQ(host.texts[1].x + 6 * 10, 177);  // the "d" sits at x + 77
}

}  // namespace
