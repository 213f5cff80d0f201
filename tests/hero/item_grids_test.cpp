// Item sizes, the free-area test at the grid edges, placing, GiveItem's order and the
// counters kept beside the instances.
#include "hero/item_grids.h"

#include <array>
#include <tuple>

#include "hero/give_item.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"

namespace {

using ItemGridsTest = HeroTest;

TEST_F(ItemGridsTest, CellsBySizeClassOfThePicture) {
    struct Case {
        int16_t picture, w, h;
    };
    const Case cases[] = {{233, 1, 1}, {234, 2, 1}, {247, 1, 2}, {325, 1, 3}, {351, 1, 4}, {402, 1, 6},
                          {403, 2, 2}, {429, 2, 4}, {454, 2, 3}, {455, 1, 1}, {643, 2, 2}, {656, 1, 1},
                          {-7, 1, 1}};
    for (const Case& c : cases) {
        Item(5, 34, c.picture);
        int16_t w = 0, h = 0;
        GetItemCells(5, w, h);
        EXPECT_TRUE(w == c.w && h == c.h) << "picture " << c.picture;
    }
}

TEST_F(ItemGridsTest, FreeAreaAtTheEdges) {
    EXPECT_EQ(BackpackAreaFree(7, 6, 2, 3), 1);  // columns 7..8, rows 6..8
    EXPECT_EQ(BackpackAreaFree(8, 6, 2, 3), 0);
    EXPECT_EQ(BackpackAreaFree(7, 7, 2, 3), 0);
    EXPECT_EQ(BackpackAreaFree(0, 3, 1, 6), 1);
    EXPECT_EQ(BackpackAreaFree(0, 4, 1, 6), 0);
    EXPECT_EQ(BackpackAreaFree(-1, 0, 1, 1), 0);
    GameState.Backpack[8][8] = 900;  // any value but -1 is occupied
    EXPECT_EQ(BackpackAreaFree(7, 7, 2, 2), 0);
    EXPECT_EQ(BagAreaFree(7, 7, 2, 2), 1);
}

TEST_F(ItemGridsTest, FreeAreaInAGridOfAnySize) {
    std::array<int16_t, 36> cells;  // 6 x 6, as the cauldron: cell = column * 6 + row
    cells.fill(-1);
    EXPECT_EQ(AreaFreeIn(cells, 6, 6, 4, 3, 2, 3), 1);
    EXPECT_EQ(AreaFreeIn(cells, 6, 6, 5, 3, 2, 3), 0);
    EXPECT_EQ(AreaFreeIn(cells, 6, 6, 4, 4, 2, 3), 0);
    cells[5 * 6 + 4] = 7;
    EXPECT_EQ(AreaFreeIn(cells, 6, 6, 4, 3, 2, 2), 0);
    EXPECT_EQ(AreaFreeIn(cells, 6, 6, 3, 3, 2, 2), 1);
}

TEST_F(ItemGridsTest, AnInstanceGoesToTheFirstFreeArea) {
    Item(300, 34, 442);  // 2 x 3
    for (int col = 0; col < 9; ++col) GameState.Backpack[col][0] = 9;  // the top row taken
    GameState.Backpack[1][1] = 9;
    ASSERT_EQ(PlaceInstanceFirstFree(BackpackGrid(), 4, 300), 1);
    for (int col = 0; col < 9; ++col)
        for (int row = 1; row < 9; ++row) {
            const bool covered = col >= 2 && col <= 3 && row >= 1 && row <= 3;
            if (col == 1 && row == 1) continue;
            EXPECT_EQ(Cell(GameState.Backpack, col, row), covered ? 4 : -1) << col << "," << row;
        }
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) GameState.Backpack[col][row] = 9;
    EXPECT_EQ(PlaceInstanceFirstFree(BackpackGrid(), 5, 300), 0);
}

TEST_F(ItemGridsTest, AnItemHoldsItsInstanceInEveryCell) {
    Item(300, 34, 442);  // 2 x 3
    GameState.ItemInstances[0].ItemNumber = 7;  // taken: the next free one is used
    ASSERT_EQ(PlaceInBackpack(300, 4, 9, 3, 2, 2, 3), 1);
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row) {
            const bool covered = col >= 3 && col <= 4 && row >= 2 && row <= 4;
            EXPECT_EQ(Cell(GameState.Backpack, col, row), covered ? 1 : -1) << col << "," << row;
        }
    const ItemInstance& i = GameState.ItemInstances[1];
    EXPECT_EQ(std::make_tuple(i.ItemNumber, i.X, i.Y, i.CurseKnown), std::make_tuple(300, 4, 9, 0u));

    Item(400, 43);
    Item(101, 41);
    Item(150, 41);  // a Nemesis Stone type outside 98..103 is an ordinary item
    ASSERT_EQ(GiveItem(400, -5, 0, 0), 1);
    EXPECT_EQ(GameState.ItemInstances[2].CurseKnown, 1u);  // a loadstone's curse is known
    ASSERT_EQ(GiveItem(101, 0, 0, 0), 1);
    ASSERT_EQ(GiveItem(150, 0, 0, 0), 1);
    for (int n = 0; n < 6; ++n) EXPECT_EQ(GameState.NemesisStones[n], n == 3 ? 1 : 0);
}

TEST_F(ItemGridsTest, GiveItemFillsRowsLeftToRightThenTheBag) {
    ASSERT_EQ(GiveItem(50, 0, 0, 0), 1);
    ASSERT_EQ(GiveItem(51, 0, 0, 0), 1);
    EXPECT_EQ(Cell(GameState.Backpack, 1, 0), 1);  // not below the first
    Item(60, 34, 247);  // 1 x 2: the top row is full from column 2 on, so it goes below
    for (int col = 2; col < 9; ++col) GameState.Backpack[col][0] = 700;
    ASSERT_EQ(GiveItem(60, 0, 0, 0), 1);
    EXPECT_EQ(Cell(GameState.Backpack, 0, 1), 2);
    EXPECT_EQ(Cell(GameState.Backpack, 0, 2), 2);

    for (auto& column : GameState.Backpack)
        for (int16_t& cell : column) cell = 700;
    EXPECT_EQ(GiveItem(50, 0, 0, 0), 0);  // full and no bag
    GameState.HasBagOfHolding = 1;
    GameState.BagOfHolding[0][0] = 700;
    ASSERT_EQ(GiveItem(50, 0, 0, 0), 1);
    EXPECT_EQ(Cell(GameState.BagOfHolding, 1, 0), 3);
}

TEST_F(ItemGridsTest, GoldFoodAndGems) {
    GameState.HeroGold = 20;
    EXPECT_EQ(GiveItem(231, 0, 500, 0), 1);
    EXPECT_EQ(GameState.HeroGold, 520);
    GameState.HeroFood = 3;
    EXPECT_EQ(GiveItem(232, 0, 15, 0), 1);
    EXPECT_EQ(GameState.HeroFood, 10);
    EXPECT_EQ(GiveItem(232, 0, 1, 0), 1);  // already full: still taken

    EXPECT_EQ(GiveItem(25, 3, 3, 0), 1);
    GameState.GembagCounts[0] = -1;
    EXPECT_EQ(GiveItem(20, 0, 0, 0), 1);
    EXPECT_EQ(GameState.GembagCounts[5], 1);
    EXPECT_EQ(GameState.GembagCounts[0], 1);
    for (const ItemInstance& i : GameState.ItemInstances) ASSERT_EQ(i.ItemNumber, -1);

    EXPECT_EQ(GiveItem(25, 0, 0, 1), 1);  // kept out of the gem bag
    EXPECT_EQ(GiveItem(29, 0, 0, 0), 1);  // not a gem-bag gem
    EXPECT_EQ(GameState.GembagCounts[5] + GameState.GembagCounts[9], 1);
    EXPECT_EQ(InstanceItem(Cell(GameState.Backpack, 0, 0)), 25);
    EXPECT_EQ(InstanceItem(Cell(GameState.Backpack, 1, 0)), 29);
    EXPECT_EQ(GiveItem(714, 0, 0, 0), 0);  // no such item
}

TEST_F(ItemGridsTest, NoFreeInstanceTakesNothing) {
    for (ItemInstance& i : GameState.ItemInstances) i.ItemNumber = 1;
    GameState.HasBagOfHolding = 1;
    host.Tap(13);  // one box only: the bag is not tried
    Run([] { EXPECT_EQ(GiveItem(50, 0, 0, 0), 0); });
    EXPECT_TRUE(TextShown(host, "Slot overflow"));
    EXPECT_TRUE(TextShown(host, "837"));
    EXPECT_EQ(Cell(GameState.Backpack, 0, 0) & Cell(GameState.BagOfHolding, 0, 0), -1);
    EXPECT_TRUE(host.ScriptDone());
}

}  // namespace
