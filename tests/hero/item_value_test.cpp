// Item values by kind of item, the curse rules, the cap in place of a 16-bit wrap, and what
// the hero is paid.
#include "hero/item_value.h"

#include "tests/hero/hero_test.h"

namespace {

using ItemValueTest = HeroTest;

TEST_F(ItemValueTest, RingsGemsAmuletsAndBelts) {
    EXPECT_EQ(ItemValue(10, 11, -3, 0, 0), 600);  // an unfound curse does not lower it
    EXPECT_EQ(ItemValue(10, 11, -3, 0, 1), 1);
    EXPECT_EQ(ItemValue(10, 15, 10, 0, 0), 500);
    EXPECT_EQ(ItemValue(12, 24, 2, 0, 0), 225);
    EXPECT_EQ(ItemValue(12, 24, 0, 0, 0), 75);
    EXPECT_EQ(ItemValue(6, 30, 2, 0, 0), 2000);
    EXPECT_EQ(ItemValue(9, 40, 2, 0, 0), 3200);
    EXPECT_EQ(ItemValue(9, 49, 7, 0, 0), 32767);  // 35,000 would wrap to a price of 1
}

TEST_F(ItemValueTest, WeaponsFromTheirRecord) {
    ItemRecord& sword = Item(300, 0);
    sword.ItemDamage[0] = 1;
    sword.ItemDamage[1] = 8;
    sword.ItemDamage[2] = 2;
    EXPECT_EQ(ItemValue(0, 300, -1, 0, 0), 110);
    EXPECT_EQ(ItemValue(0, 300, 1, 1, 0), 2110);
    sword.ItemElementDamage[0] = 1;
    sword.ItemElementDamage[1] = 6;
    sword.ItemElementDamage[2] = 1;
    EXPECT_EQ(ItemValue(0, 300, 1, 0, 0), 180);  // (6 + 1 + 11) x 10
    sword.ItemElementDamage[0] = sword.ItemElementDamage[1] = sword.ItemElementDamage[2] = 0;
    sword.ItemSlayType = 6;
    EXPECT_EQ(ItemValue(0, 300, 1, 0, 0), 1610);
    sword.ItemSlayType = 0;
    sword.ItemGhostTouch = 1;
    EXPECT_EQ(ItemValue(0, 300, 1, 0, 0), 550);
    EXPECT_EQ(ItemValue(19, 300, 1, 3, 0), 30550);  // (110 + 6000) x 5
    EXPECT_EQ(ItemValue(19, 300, 1, 4, 0), 32767);
}

TEST_F(ItemValueTest, ArmourWandsAndAmmunition) {
    Item(310, 3).ItemArmourBonus = 4;
    EXPECT_EQ(ItemValue(3, 310, -2, 0, 0), 600);
    Item(650, 4).ItemArmourBonus = 2;
    EXPECT_EQ(ItemValue(4, 650, 0, 3, 0), 800);  // 200 + 3 x 200
    EXPECT_EQ(ItemValue(18, 262, 3, 5, 0), 600);
    EXPECT_EQ(ItemValue(18, 263, 2, 1, 0), 40);  // one charge: the recharge price
    EXPECT_EQ(ItemValue(18, 263, 2, 0, 0), 1);   // no charges left
    EXPECT_EQ(ItemValue(18, 268, 0, 2, 0), 1500);
    EXPECT_EQ(ItemValue(21, 252, 2, 20, 0), 400);
}

TEST_F(ItemValueTest, FixedPricesAndCurses) {
    EXPECT_EQ(ItemValue(30, 232, 0, 7, 0), 7);
    EXPECT_EQ(ItemValue(27, 500, 0, 0, 0), 1);  // no rule: the base -1 becomes 1
    EXPECT_EQ(ItemValue(34, 357, -2, 0, 1), 15500);  // named whatever the curse
    EXPECT_EQ(ItemValue(34, 56, 0, 0, 0), 14);
    EXPECT_EQ(ItemValue(34, 56, 1, 0, 0), 1);
    EXPECT_EQ(ItemValue(16, 175, 0, 0, 0), 1500);
    EXPECT_EQ(ItemValue(28, 421, 0, 0, 0), 800);
    EXPECT_EQ(ItemValue(46, 500, 0, 0, 0), 20000);
    EXPECT_EQ(ItemValue(47, 229, 3, 0, 0), 2400);
}

TEST_F(ItemValueTest, SellPriceByPerception) {
    GameState.Stats[6] = 11;
    EXPECT_EQ(ItemSellPrice(500, 0), 100);
    EXPECT_EQ(ItemSellPrice(500, 28), 500);  // 500 x 100 / 100, at most the price
    EXPECT_EQ(ItemSellPrice(7, 0), 1);
    GameState.Stats[6] = 40;
    EXPECT_EQ(ItemSellPrice(100, 13), 100);
    EXPECT_EQ(ItemSellPrice(32767, 0), 16055);
    GameState.Stats[6] = -20;
    EXPECT_EQ(ItemSellPrice(100, 0), 0);
}

}  // namespace
