// Stripping the hero and giving it all back: the piles, gold and food, a second strip, and
// the retrieve screen's drop rules.
#include "hero/item_stash.h"

#include <tuple>

#include "hero/equipment.h"
#include "hero/item_grids.h"
#include "script/message_window.h"
#include "tests/hero/box_test.h"

namespace {

class ItemStashTest : public BoxTest {
protected:
    void SetUp() override {
        BoxTest::SetUp();
        for (auto& pile : GameState.StashPiles)
            for (int16_t& cell : pile) cell = -1;
        ClearMessageLines();
        MessageLineCount = 0;
        Item(5, 0, 247, "Sword");  // 1 x 2
        Item(6, 34, 0, "Rope");
    }
    static int16_t Carry(int16_t item, int col, int row) {
        int16_t w, h;
        GetItemCells(item, w, h);
        EXPECT_TRUE(PlaceInBackpack(item, 0, 0, int16_t(col), int16_t(row), w, h));
        return GameState.Backpack[col][row];
    }
    static int16_t PileCell(int pile, int col, int row) { return GameState.StashPiles[pile][col * 9 + row]; }
    void ClickPile(int col, int row) { ClickAt(21 + 31 * col + 10, 108 + 31 * row + 10); }
    void ClickGrid(int col, int row) { ClickAt(341 + 31 * col + 10, 108 + 31 * row + 10); }
};

TEST_F(ItemStashTest, StripWithoutABag) {
    const int16_t sword = Wear(kWeaponSlot, 700, 5);
    const int16_t rope = Carry(6, 4, 2);
    GameState.BagOfHolding[0][0] = 600;  // not owned: stays where it is
    GameState.StashPiles[2][0] = 601;    // what pile 2 held before
    GameState.HeroGold = 500;
    GameState.HeroFood = 4;
    StripAllItems();
    EXPECT_EQ(std::tuple(PileCell(0, 0, 0), PileCell(0, 0, 1), GameState.EquipSlots[kWeaponSlot]),
              std::tuple(sword, sword, -1));
    EXPECT_EQ(std::tuple(PileCell(1, 4, 2), GameState.Backpack[4][2]), std::tuple(rope, -1));
    EXPECT_EQ(std::tuple(GameState.BagOfHolding[0][0], PileCell(2, 0, 0)), std::tuple(600, 601));
    EXPECT_EQ(std::tuple(GameState.StashGold, GameState.HeroGold, GameState.StashFood, GameState.HeroFood),
              std::tuple(500, 0, 4, 0));
    EXPECT_EQ(GameState.ItemsStripped, 1u);
    ASSERT_EQ(MessageLineCount, 2);
    EXPECT_STREQ(MessageLines[0].data(), "<You are stripped of all your possessions!>");
    EXPECT_EQ(std::tuple(MessageLineColours[0], MessageLineColours[1]), std::tuple(91, 91));
}

TEST_F(ItemStashTest, SecondStripAddsAndGoldAboveSixteenBits) {
    GameState.HasBagOfHolding = 1;
    const int16_t first = Carry(6, 0, 0);
    const int16_t bagged = CreateItemInstance(6, 0, 0);
    GameState.BagOfHolding[2][2] = bagged;
    GameState.HeroGold = 40000;
    StripAllItems();
    EXPECT_EQ(std::tuple(GameState.StashGold, GameState.HeroGold), std::tuple(32767, 7233));
    const int16_t second = Carry(6, 0, 0);
    const int16_t worn = Wear(kRing1Slot, 700, 6);
    GameState.HeroFood = 3;
    StripAllItems();
    EXPECT_EQ(std::tuple(PileCell(1, 0, 0), PileCell(1, 1, 0)), std::tuple(first, second));
    EXPECT_EQ(std::tuple(PileCell(2, 2, 2), PileCell(0, 0, 0)), std::tuple(bagged, worn));
    EXPECT_EQ(std::tuple(GameState.StashGold, GameState.HeroGold), std::tuple(32767, 7233));

    GameState.HeroFood = 8;
    TapKey(27);
    Run(ReturnStrippedItems);
    EXPECT_EQ(std::tuple(GameState.HeroGold, GameState.StashGold, GameState.HeroFood, GameState.StashFood),
              std::tuple(40000, 0, 10, 0));
    EXPECT_EQ(GameState.ItemsStripped, 0u);
}

TEST_F(ItemStashTest, AWornItemWithoutRoomStaysWorn) {
    for (int16_t n = 0; n < 81; ++n) GameState.StashPiles[0][n] = n;
    const int16_t sword = Wear(kWeaponSlot, 700, 5);
    TapKey(13);
    Run(StripAllItems);
    EXPECT_TRUE(TextShown(host, "cant dump slot item"));
    EXPECT_EQ(GameState.EquipSlots[kWeaponSlot], sword);
}

TEST_F(ItemStashTest, RetrieveScreenDropRules) {
    const int16_t rope = CreateItemInstance(6, 0, 0);
    GameState.StashPiles[1][0] = rope;
    const int16_t sword = Carry(5, 8, 7);
    TapKey('2');
    ClickPile(0, 0);
    host.Hold('D', 3);  // Done waits for an empty cursor
    ClickGrid(3, 3);    // into the backpack
    ClickGrid(8, 7);    // the sword, from the backpack...
    ClickPile(5, 5);    // ...may not go into a pile
    host.MoveMouse(470, 92).Wait(100).Hold(1, 3);  // no bag of holding: its tab does not answer
    ClickGrid(0, 8);    // a 1 x 2 item does not fit on the last row
    ClickGrid(0, 0);
    TapKey('D');
    Run(RunRetrieveScreen);
    EXPECT_EQ(std::tuple(GameState.Backpack[3][3], GameState.Backpack[0][0], GameState.Backpack[0][1]),
              std::tuple(rope, sword, sword));
    EXPECT_EQ(PileCell(1, 0, 0), -1);
    EXPECT_EQ(PileCell(1, 5, 5), -1);
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "No"), 2);
    EXPECT_FALSE(TextShown(host, "Bag of Holding"));
    EXPECT_EQ(CursorItem, -1);

    GameState.HasBagOfHolding = 1;
    ClickGrid(3, 3);
    ClickAt(470, 92);
    ClickGrid(4, 4);  // into the bag
    TapKey('D');
    Run(RunRetrieveScreen);
    EXPECT_EQ(GameState.BagOfHolding[4][4], rope);
    EXPECT_TRUE(TextShown(host, "Bag of Holding"));
}

}  // namespace
