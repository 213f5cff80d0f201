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

// Worked by hand from the price rules; a slip of one digit in a table shows here.
TEST_F(ItemValueTest, PricesFromTheTables) {
    struct Case {
        int16_t type, item, x, y;
        uint32_t known;
        int32_t value;
    };
    constexpr int16_t kPotion = 14, kScroll = 16, kTome = 17, kTrade = 28, kJunk = 34;
    const Case cases[] = {
        // Potions 1..8, 195 and 201.
        {kPotion, 1, 0, 0, 0, 30}, {kPotion, 2, 0, 0, 0, 90}, {kPotion, 3, 0, 0, 0, 150},
        {kPotion, 4, 0, 0, 0, 40}, {kPotion, 5, 0, 0, 0, 100}, {kPotion, 6, 0, 0, 0, 200},
        {kPotion, 7, 0, 0, 0, 250}, {kPotion, 8, 0, 0, 0, 300}, {kPotion, 195, 0, 0, 0, 25},
        {kPotion, 201, 0, 0, 0, 300}, {kPotion, 9, 0, 0, 0, 1},
        // Scrolls and tomes.
        {kScroll, 50, 0, 0, 0, 600}, {kScroll, 51, 0, 0, 0, 300}, {kScroll, 66, 0, 0, 0, 350},
        {kScroll, 70, 0, 0, 0, 350}, {kScroll, 67, 0, 0, 0, 275}, {kScroll, 68, 0, 0, 0, 800},
        {kScroll, 69, 0, 0, 0, 200}, {kScroll, 71, 0, 0, 0, 250}, {kScroll, 175, 0, 0, 0, 1500},
        {kTome, 72, 0, 0, 0, 250}, {kTome, 73, 0, 0, 0, 150}, {kTome, 74, 0, 0, 0, 2000},
        {kTome, 75, 0, 0, 0, 450},
        // Trade goods; 422 is named again among the final prices, 421 whatever its type.
        {kTrade, 416, 0, 0, 0, 125}, {kTrade, 417, 0, 0, 0, 625}, {kTrade, 418, 0, 0, 0, 45},
        {kTrade, 419, 0, 0, 0, 120}, {kTrade, 420, 0, 0, 0, 450}, {kTrade, 422, 0, 0, 0, 1500},
        {kTrade, 423, 0, 0, 0, 225}, {kTrade, 424, 0, 0, 0, 75}, {kTrade, 425, 0, 0, 0, 55},
        {kTrade, 421, 0, 0, 0, 800}, {kJunk, 421, 0, 0, 0, 800},
        // Fixed prices by number, whatever the type.
        {kJunk, 234, 0, 0, 0, 3}, {kJunk, 235, 0, 0, 0, 300}, {kJunk, 236, 0, 0, 0, 950},
        {kJunk, 248, 0, 0, 0, 125}, {kJunk, 335, 0, 0, 0, 8}, {kJunk, 86, 0, 0, 0, 1},
        {kJunk, 108, 0, 0, 0, 35}, {kJunk, 109, 0, 0, 0, 20}, {kJunk, 110, 0, 0, 0, 70},
        {kJunk, 111, 0, 0, 0, 25}, {kJunk, 653, 0, 0, 0, 125}, {kJunk, 120, 0, 0, 0, 70},
        {kPotion, 248, 0, 0, 0, 125},
        // The final prices hold whatever the type and a known curse.
        {kJunk, 182, 0, 0, 1, 1}, {kJunk, 186, -1, 0, 1, 10}, {kJunk, 188, 0, 0, 1, 250},
        {kJunk, 54, 0, 0, 1, 350}, {kJunk, 191, 0, 0, 0, 350}, {kJunk, 114, 0, 0, 0, 2},
        {kJunk, 115, 0, 0, 0, 10}, {kJunk, 116, 0, 0, 0, 60}, {kJunk, 476, 0, 0, 0, 45},
        {kJunk, 487, 0, 0, 0, 260}, {kJunk, 488, 0, 0, 0, 140}, {kJunk, 489, 0, 0, 0, 5},
        {kJunk, 237, 0, 0, 0, 2500}, {kJunk, 228, 3, 0, 0, 30}, {kJunk, 228, -3, 0, 1, 1},
        {kJunk, 229, -2, 0, 0, 1600}, {kJunk, 156, 0, 0, 1, 500}, {kJunk, 143, 0, 0, 0, 250},
        {kJunk, 145, 0, 0, 0, 250}, {kJunk, 146, 0, 0, 0, 1}, {kJunk, 690, 0, 0, 0, 2500},
        {kJunk, 689, 0, 0, 0, 1}, {kJunk, 60, 0, 0, 0, 12},
        // Other kinds by type.
        {15, 9, 0, 0, 0, 400}, {15, 10, 0, 0, 0, 100}, {49, 300, 0, 0, 0, 20}, {13, 300, 0, 0, 0, 750},
        {33, 64, 0, 0, 0, 2500}, {33, 65, 0, 0, 0, 1000}, {37, 440, 2, 0, 0, 6400}, {37, 441, 0, 0, 0, 65},
        {36, 89, 2, 0, 0, 3000}, {45, 147, 1, 0, 0, 5000}, {38, 300, 0, 0, 0, 1500}, {24, 300, 0, 0, 0, 6},
        {21, 251, 2, 30, 0, 60}, {22, 257, 1, 12, 0, 120}, {39, 300, 0, 0, 0, 250}, {40, 300, 0, 0, 0, 200},
        {41, 300, 0, 0, 0, 2000}, {42, 300, 0, 0, 0, 25}, {43, 300, 0, 0, 0, 5}, {44, 300, 0, 0, 0, 20},
        {30, 176, 0, 0, 0, 1}, {30, 204, 0, 0, 0, 2}, {6, 36, 2, 0, 0, 300}, {6, 37, 4, 0, 0, 200},
        {10, 93, 3, 0, 0, 300}, {10, 17, 0, 0, 0, 600}, {9, 38, 1, 0, 0, 1600},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemValue(c.type, c.item, c.x, c.y, c.known), c.value)
            << "type " << c.type << ", item " << c.item << ", X " << c.x << ", Y " << c.y << ", known " << c.known;
    }
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
