// The target cursors: where they start, how far keys and clicks move them, the next-target list
// in scan order without dormant monsters, and a Cancel that leaves the caller's square alone.
#include "combat/spell_cursor.h"

#include "tests/combat/combat_test.h"

namespace {

class SpellCursorTest : public CombatTest {
protected:
    uint32_t Aim(int16_t mode, int16_t& x, int16_t& y) {
        uint32_t chosen = 2;
        Run([&] { chosen = TargetSpell(mode, x, y, "Ice Storm:"); });
        return chosen;
    }
};

TEST_F(SpellCursorTest, AnAreaNeverReachesPastTheWindow) {
    GameState.HeroX = 49;  // the last column of the window
    int16_t x = -1, y = -1;
    host.Wait(10).Hold(39, 40);  // right: not read at the edge
    Keys({104, 'A'});            // numpad up
    EXPECT_EQ(Aim(1, x, y), 1u);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 4);  // the hero's row 6, less 1, less 1 for the key
    EXPECT_TRUE(TextShown(host, "Ice Storm:"));

    ClickAt(CellPixel(12) + 5, CellPixel(12) + 5);  // the last column and row
    TapKey('A');
    Aim(2, x, y);
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 8);
}

TEST_F(SpellCursorTest, NextTargetCyclesTheAwakeMonstersInScanOrder) {
    Monster(1);
    Place(1, 30, 22);
    Place(1, 21, 28);
    Place(1, 21, 23);
    const int16_t sleeper = Place(1, 20, 20);
    Enc(sleeper).DormantFlag = 100;
    Enc(sleeper).DormantOp = 5;
    Enc(sleeper).DormantValue = 0;
    SetGameFlag(100, 0);
    struct Case {
        int presses;
        int16_t x, y;
    };
    for (const Case c : {Case{1, 2, 4}, Case{2, 2, 9}, Case{3, 11, 3}, Case{4, 2, 4}}) {
        for (int n = 0; n < c.presses; ++n) TapKey('N');
        TapKey('A');
        int16_t x = -1, y = -1;
        Aim(0, x, y);
        EXPECT_EQ(x, c.x) << c.presses;
        EXPECT_EQ(y, c.y) << c.presses;
    }
}

TEST_F(SpellCursorTest, CancelLeavesTheSquareAsItWas) {
    int16_t x = 3, y = 4;
    Keys({37, 37, 27});
    EXPECT_EQ(Aim(2, x, y), 0u);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
}

TEST_F(SpellCursorTest, ThePowerCursorCoversTheWholeWindow) {
    GameState.HeroX = GameState.HeroY = 0;
    Item(266, 18, 0, "Lily Wand");
    Wear(kWandSlot, 1, 266);
    host.Wait(10).Hold(37, 40).Hold(38, 40);  // left and up: not read at the edge
    Keys({40, 40, 'A'});
    int16_t x = -1, y = -1;
    uint32_t chosen = 0;
    Run([&] { chosen = TargetMonsterPower(x, y, 266); });
    EXPECT_EQ(chosen, 1u);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 2);
    EXPECT_TRUE(TextShown(host, "Lily Wand (0)"));

    ClickAt(CellPixel(12) + 1, CellPixel(7) + 1);
    TapKey('C');
    Run([&] { chosen = TargetMonsterPower(x, y, 0); });
    EXPECT_EQ(chosen, 0u);
    EXPECT_EQ(x, 0);
}

}  // namespace
