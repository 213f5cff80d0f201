// What counts as carried, the scan orders and skips of the queries, taking items away, and
// the parasite's growth.
#include "hero/carried_items.h"

#include <tuple>

#include "hero/item_grids.h"
#include "tests/hero/hero_test.h"

namespace {

class CarriedItemsTest : public HeroTest {
protected:
    // An instance of the item covering the w x h area at (col, row) of a grid.
    static void Put(int16_t (&grid)[9][9], int16_t instance, int16_t item, int col, int row, int w = 1, int h = 1) {
        GameState.ItemInstances[instance] = {item, 3, 4, 0, 1};
        for (int c = col; c < col + w; ++c)
            for (int r = row; r < row + h; ++r) grid[c][r] = instance;
    }
};

TEST_F(CarriedItemsTest, ScanOrderSkipsAndTheBag) {
    Put(GameState.Backpack, 10, 70, 0, 5);  // cell 5
    Put(GameState.Backpack, 11, 70, 4, 4);  // cell 40
    Put(GameState.Backpack, 12, 70, 1, 0);  // cell 9: between them
    int16_t found = -1;
    ASSERT_EQ(FindItemInstance(70, found, -1, -1), 1);
    EXPECT_EQ(found, 11);  // the last matching cell
    ASSERT_EQ(FindItemInstance(70, found, 11, 12), 1);
    EXPECT_EQ(found, 10);

    Put(GameState.BagOfHolding, 20, 70, 8, 8);
    Put(GameState.BagOfHolding, 21, 71, 0, 0);
    EXPECT_EQ(HasItem(71), 0);  // the bag counts only while owned
    GameState.HasBagOfHolding = 1;
    EXPECT_EQ(HasItem(71), 1);
    ASSERT_EQ(FindItemInstance(70, found, 10, 11), 1);
    EXPECT_EQ(found, 12);  // a backpack match ends the search

    GameState.Backpack[8][8] = 2000;  // a damaged save's cell, and a cell of a freed instance
    GameState.Backpack[8][7] = 30;
    EXPECT_EQ(HasItem(-1), 0);
    EXPECT_EQ(TakeItem(-1), 0);
}

TEST_F(CarriedItemsTest, HasItemsNeedsSeparateInstancesButGemsFromTheBag) {
    Put(GameState.Backpack, 0, 70, 0, 0);
    EXPECT_EQ(HasItems(70, 0, 0), 1);
    EXPECT_EQ(HasItems(70, 70, 0), 0);
    Put(GameState.Backpack, 1, 70, 3, 3, 2, 2);  // several cells, one instance
    EXPECT_EQ(HasItems(70, 70, 0), 1);
    EXPECT_EQ(HasItems(70, 70, 70), 0);
    EXPECT_EQ(HasItems(70, 71, 0), 0);

    EXPECT_EQ(HasItems(20, 0, 0), 0);
    GameState.GembagCounts[0] = 1;
    EXPECT_EQ(HasItems(20, 20, 70), 1);  // one gem meets both
    GameState.GembagCounts[9] = 5;
    EXPECT_EQ(HasItems(29, 0, 0), 0);  // item 29 is no gem-bag gem
}

TEST_F(CarriedItemsTest, WornItemsCountOnlyAsEquipped) {
    Wear(kWeaponSlot, 5, 80);
    EXPECT_EQ(HasItem(80), 0);
    EXPECT_EQ(TakeItem(80), 0);
    EXPECT_EQ(IsItemEquipped(80), 1);
    EXPECT_EQ(IsItemEquipped(81), 0);
    GameState.EquipSlots[kBeltSlot] = 2000;  // a damaged save's slot
    EXPECT_EQ(IsItemEquipped(-1), 0);
    GameState.Keyring[0] = 90;
    EXPECT_EQ(HasItem(90), 0);
}

TEST_F(CarriedItemsTest, TakingAndClearingFreeEveryCell) {
    Put(GameState.Backpack, 3, 70, 6, 6, 2, 3);
    Put(GameState.Backpack, 4, 70, 1, 0);
    ASSERT_EQ(TakeItem(70), 1);  // the first matching cell: cell 9
    EXPECT_EQ(GameState.ItemInstances[4].ItemNumber, -1);
    ASSERT_EQ(TakeItem(70), 1);
    for (int col = 6; col <= 7; ++col)
        for (int row = 6; row <= 8; ++row) EXPECT_EQ(Cell(GameState.Backpack, col, row), -1);
    const ItemInstance& i = GameState.ItemInstances[3];
    EXPECT_EQ(std::make_tuple(i.ItemNumber, i.X, i.Y, i.CurseKnown), std::make_tuple(-1, -1, -1, 0u));
    GameState.HasBagOfHolding = 1;
    Put(GameState.BagOfHolding, 8, 70, 2, 2);
    ASSERT_EQ(TakeItem(70), 1);
    EXPECT_EQ(Cell(GameState.BagOfHolding, 2, 2), -1);

    Item(70, 34, 403);  // 2 x 2, cleared by its size from its anchor
    Put(GameState.Backpack, 3, 70, 7, 7, 2, 2);
    GameState.Backpack[6][7] = 9;
    ClearBackpackFootprint(7, 7, 3);
    EXPECT_EQ(Cell(GameState.Backpack, 8, 8), -1);
    EXPECT_EQ(Cell(GameState.Backpack, 6, 7), 9);
    EXPECT_EQ(GameState.ItemInstances[3].ItemNumber, -1);
    Item(71, 34, 377);  // 1 x 6 anchored too low: only the cells inside are touched
    Put(GameState.BagOfHolding, 4, 71, 8, 5, 1, 4);
    ClearBagFootprint(8, 5, 4);
    EXPECT_EQ(Cell(GameState.BagOfHolding, 8, 8), -1);
}

TEST_F(CarriedItemsTest, TheParasiteGrowsUntilTwentyFiveAndTurns) {
    GrowItem182();
    EXPECT_EQ(CountItem182(), 0);  // none carried: nothing grows
    for (int16_t n = 0; n < 3; ++n) Put(GameState.Backpack, n, 182, n, 0);
    GrowItem182();
    EXPECT_EQ(CountItem182(), 4);
    for (int16_t n = 4; n < 24; ++n) Put(GameState.Backpack, n, 182, n % 9, n / 9 + 1);
    GrowItem182();
    EXPECT_EQ(CountItem182(), 0);
    for (int16_t n = 0; n < 25; ++n) EXPECT_EQ(GameState.ItemInstances[n].ItemNumber, 183) << n;
    EXPECT_EQ(GameState.ItemInstances[25].ItemNumber, -1);
}

}  // namespace
