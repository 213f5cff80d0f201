// The keyring, and the "Summon Item" dialog: its rules for food, coins and keys, its arrows,
// picker and fields.
#include "hero/summon_item.h"

#include <tuple>

#include "events/keyring.h"
#include "hero/item_instances.h"
#include "platform/keys.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"

namespace {

using SummonItemTest = HeroTest;

TEST_F(SummonItemTest, FoodCoinsKeysAndItems) {
    Item(300, 26);  // a key
    Item(301, 29);  // coins
    Item(302, 30);  // food
    Item(176, 30);  // magical food is an item
    GameState.Keyring[0] = 300;
    GameState.Keyring[2] = 301;
    SummonItem(300, 0, 0);  // a key already on the ring is stored again, in the first free entry
    EXPECT_EQ(GameState.Keyring[1], 300);
    SummonItem(301, 0, 500);
    EXPECT_EQ(GameState.HeroGold, 500);
    GameState.HeroFood = 4;
    SummonItem(302, 0, 9);
    EXPECT_EQ(GameState.HeroFood, 10);
    for (const ItemInstance& i : GameState.ItemInstances) ASSERT_EQ(i.ItemNumber, -1);
    SummonItem(302, 0, 9);  // full: the food comes as an item
    SummonItem(176, 0, 1);
    EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), 302);
    EXPECT_EQ(InstanceItem(GameState.Backpack[1][0]), 176);

    for (int16_t& k : GameState.Keyring) k = 5;
    AddKeyToKeyring(303);  // full: nothing stored
    for (int16_t k : GameState.Keyring) EXPECT_EQ(k, 5);
}

TEST_F(SummonItemTest, ArrowsPickerAndFields) {
    OpenDisplay();
    Item(3, 34, 0, "Lantern");
    host.Tap('N').Wait(5).Tap('N').Tap('P').Tap('N').Tap('S');
    Run(RunSummonItem);
    EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), 3);
    EXPECT_TRUE(TextShown(host, "Lantern"));
    EXPECT_TRUE(TextShown(host, "If Power < 0, item is cursed!!"));

    // Item 2 in the item picker, each click and key a moment after the one before.
    ClickAt(335, 200);
    ClickAt(155, 166);
    Keys({"2", kEnter, 'S'});
    ClickAt(335, 222);
    Keys({"7", kEnter});
    ClickAt(335, 244);
    Keys({"250", kEnter});  // charges at most 199
    ClickAt(245, 310);
    Run(RunSummonItem);
    const ItemInstance& i = GameState.ItemInstances[GameState.Backpack[1][0]];
    EXPECT_EQ(std::make_tuple(i.ItemNumber, i.X, i.Y), std::make_tuple(2, 7, 199));

    ClickAt(405, 200);
    Keys({"25", kEnter, kEsc});  // typed, then left with Esc
    Run(RunSummonItem);
    EXPECT_EQ(GameState.GembagCounts[5], 0);
    EXPECT_TRUE(host.ScriptDone());
}

}  // namespace
