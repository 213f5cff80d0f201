// The random generator, dice rolls and texts, and the dice dialog.
#include "platform/dice.h"

#include "platform/random.h"
#include "tests/support/headless_test.h"

namespace {

TEST(Random, KnownSeedGivesTheKnownSequence) {
    SeedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(Random15(), expected);
    // 12345 * 214013 + 2531011 = 2644521496 (below 2^32); >> 16 = 40352; & 0x7FFF = 7584.
    SeedRandom(12345);
    EXPECT_EQ(Random15(), 7584);
}

TEST(RollDice, SumsCountDicePlusBonus) {
    EXPECT_EQ(RollDice(0, 6, 4), 4);
    EXPECT_EQ(RollDice(3, 1, 0), 3);
    SeedRandom(1);
    EXPECT_EQ(RollDice(2, 6, 1), (41 % 6 + 1) + (18467 % 6 + 1) + 1);
    // Dice without sides add nothing, and the sum wraps as a 16-bit value.
    EXPECT_EQ(RollDice(4, 0, 7), 7);
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
    // Types a number into each of the three fields, then leaves with the key.
    void Edit(std::initializer_list<const char*> values, int leave) {
        int dx = 30;
        for (const char* value : values) {
            ClickAt(100 + dx + 5, 100 + 55);
            host.Type(value);
            TapKey(13);
            dx += 60;
        }
        TapKey(leave);
        Run([&] { EditDice(100, 100, "Damage", count, sides, bonus); });
    }
    int16_t count = 2, sides = 6, bonus = 3;
};

TEST_F(DiceDialogTest, OkKeepsAndCancelRestores) {
    OpenDisplay();
    Edit({"5", "10", "99"}, 'O');
    EXPECT_EQ(DiceText(count, sides, bonus), "5d10+99");
    Edit({"20", "100", "900"}, 27);
    EXPECT_EQ(DiceText(count, sides, bonus), "5d10+99");
    EXPECT_TRUE(host.ScriptDone());
}

}  // namespace
