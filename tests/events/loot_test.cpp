// The loot screen, item events, chests with their traps, and the genie lamp.
#include "events/loot.h"

#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "events/chests_and_traps.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kFood = 30, kCoins = 29, kKey = 26;

class LootTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        Item(100, kFood, "Rations");
        Item(101, kCoins, "Gold");
        Item(102, kKey, "Iron Key");
        Item(103, 34, "Bone");
    }
    // Every backpack cell holds an instance of the bone.
    static void FillBackpack() {
        for (int i = 0; i < 81; ++i) {
            GameState.ItemInstances[i + 1] = {103, 0, 0, 0, 0};
            GameState.Backpack[i / 9][i % 9] = int16_t(i + 1);
        }
    }
    // A cache on (5, 5) of up to six items, slot flags from 200.
    EventRecord& Cache(std::initializer_list<std::tuple<int16_t, int16_t>> items) {
        EventRecord& e = Put(5, 5, 1241, {{4, 200}});
        int i = 0;
        for (auto [item, amount] : items) {
            e.Word[5 + i] = item;
            e.Word[17 + i] = amount;
            ++i;
        }
        return e;
    }
    // A chest on (5, 5) with slot flags from 210 and its status in flag 209.
    EventRecord& Chest(int16_t kind, int16_t status, std::initializer_list<std::pair<int, int16_t>> words = {}) {
        GameState.GameFlags[209] = status;
        EventRecord& e = Put(5, 5, 1242, {{9, 209}, {11, 210}, {12, 103}, {32, kind}});
        for (auto [w, v] : words) e.Word[w] = v;
        return e;
    }
};

TEST_F(LootTest, TakingFoodGoldKeysAndItems) {
    GameState.HeroFood = 8;
    Cache({{100, 4}, {101, 25}, {102, 0}, {103, 0}});
    FillBackpack();
    host.Wait(5).Tap('I');
    for (char k : {'1', '2', '3', '4', '1'}) host.Wait(5).Tap(k);
    host.Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroFood, 10);  // capped
    EXPECT_EQ(GameState.HeroGold, 25);
    EXPECT_EQ(GameState.Keyring[0], 102);
    for (int16_t flag : {200, 201, 202}) EXPECT_EQ(GameState.GameFlags[flag], 1) << flag;
    EXPECT_EQ(GameState.GameFlags[203], -1);  // no room for the bone
    EXPECT_EQ(Played("No"), 1u);              // the bone; the food slot was taken already
    EXPECT_TRUE(Shown("Rations (4)"));
    EXPECT_TRUE(Shown("Investigating..."));

    // The bone is left: the cache is not empty yet.
    Forget();
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("There is nothing left"));
    GameState.GameFlags[203] = 1;
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("There is nothing left", 465, 120));
}

TEST_F(LootTest, FullFoodAFullKeyringAndAFullGemBagLeaveTheirSlots) {
    GameState.HeroFood = 10;
    std::fill(std::begin(GameState.Keyring), std::end(GameState.Keyring), int16_t{7});
    Item(22, 12, "Ruby");
    GameState.GembagCounts[22 - 20] = INT16_MAX;  // the bag counts no further
    Cache({{100, 4}, {102, 0}, {22, 0}});
    host.Wait(5).Tap('I').Wait(5).Tap('1').Wait(5).Tap('2').Wait(5).Tap('3').Wait(5).Tap(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[200], -1);
    EXPECT_EQ(GameState.GameFlags[201], -1);  // the key has nowhere to go: it stays
    EXPECT_EQ(GameState.GameFlags[202], -1);  // and the ruby
    EXPECT_EQ(GameState.GembagCounts[22 - 20], INT16_MAX);
    EXPECT_EQ(Played("No"), 3u);
}

TEST_F(LootTest, LootingAuraRaisesGoldIn32Bits) {
    GameState.ActiveAura = 1;
    GameState.Skills[kAuras] = 20;
    SkillBonus.AuraValues[1] = 50;
    Cache({{101, 30000}});
    host.Wait(5).Tap('I').Wait(5).Tap('1').Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Gold (330000)"));
    EXPECT_EQ(GameState.HeroGold, 330000);
}

// A slot's label wider than its button stays inside it, readable from its first letter: a
// hidden curse of 10 on a potion reads "Greater Healing Potion + 10", 27 letters on 160 pixels.
TEST_F(LootTest, ALabelWiderThanItsButtonStaysInsideIt) {
    Item(104, 14, "Greater Healing Potion");
    Cache({{104, 0}}).Word[11] = -10;
    host.Wait(5).Tap('I').Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Greater Healing Potion + 10", 125 + 12, 146));
}

TEST_F(LootTest, OneItemAndItsOtherSide) {
    EventRecord& e = Put(5, 5, 1240, {{1, 220}, {2, 5}, {3, 1}, {4, 221}, {5, 0}, {9, 1}});
    Item(0, 34, "Stone");
    EXPECT_EQ(Bump(5, 5), 1);  // inactive and hidden
    e.Word[9] = 0;
    EXPECT_EQ(Bump(5, 5), 0);  // inactive: its other text
    EXPECT_EQ(Played("Text"), 1u);
    GameState.GameFlags[220] = 1;
    host.Wait(5).Tap('D').Wait(5).Tap('1').Wait(5).Tap('D');  // D investigates, and item 0 counts
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[221], 1);
    EXPECT_EQ(HasItem(0), 1);
}

TEST_F(LootTest, PotsBreakOnceAndMayHoldAnItem) {
    Put(5, 5, 1243, {{1, 7}, {2, 230}, {3, 231}, {4, 103}});
    Put(9, 9, 1247, {{1, 230}, {4, 3}, {5, 232}});  // its dormant monster
    host.Wait(5).Tap('1').Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("splat"), 1u);
    EXPECT_EQ(GameState.GameFlags[230], 1);
    EXPECT_EQ(HasItem(103), 1);
    EXPECT_EQ(Bump(5, 5), 0);  // broken and empty
    EXPECT_EQ(Played("click"), 1u);
}

TEST_F(LootTest, FoodEventFillsUpButNeverLowers) {
    Put(5, 5, 1244);
    GameState.HeroFood = 3;
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroFood, 10);
    EXPECT_TRUE(ButtonAt("Collect food", 260));
    GameState.HeroFood = 14;
    Forget();
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("Collect food"));
    EXPECT_EQ(GameState.HeroFood, 14);
}

TEST_F(LootTest, ChestsOpenAndLocked) {
    Chest(1, 0);  // a trapped chest whose trap is gone: open
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("The chest is open!", 465, 120));

    Chest(0, -1, {{1, 14}});
    GameState.Stats[kStrength] = 14;
    host.Wait(5).Tap('B').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[209], 3);
    EXPECT_EQ(Played("Crash"), 1u);
    Forget();
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);  // stays open
    EXPECT_TRUE(Shown("The chest is open!"));

    // Knocking at a protected lock costs the scroll and leaves it locked.
    Chest(0, -1, {{4, 1}});
    Carry(68);
    host.Wait(5).Tap('K').Wait(5).Tap('B').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("An antimagic field"));
    EXPECT_EQ(HasItem(68), 0);
    EXPECT_EQ(GameState.GameFlags[209], -1);
}

TEST_F(LootTest, ChestTraps) {
    GameState.PoisonImmune = 1;
    Chest(1, -1, {{5, kPoisonDartTrap}, {10, 30}});
    host.Wait(5).Tap('O').Wait(5).Tap('B').Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You triggered a poison", 465, 120));
    EXPECT_TRUE(ShownAt("You are immune to poison!", 465, 156));
    EXPECT_EQ(GameState.Poisoned, 0u);
    EXPECT_EQ(GameState.GameFlags[209], 0);
    EXPECT_TRUE(Shown("Investigating..."));

    Forget();
    GameState.HitPoints = 5;
    Chest(1, -1, {{5, kBladeTrap}, {6, 10}, {7, 1}, {10, 30}});
    host.Wait(5).Tap('O').Wait(5).Tap('B');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HitPoints, 0);
    EXPECT_TRUE(ShownAt("You take 10 points of", 465, 156, 91));
    EXPECT_TRUE(ShownAt("You have been slain!", 465, 192, 91));
    EXPECT_FALSE(Shown("Investigating..."));
    EXPECT_EQ(Played("Hit"), 1u);
}

TEST_F(LootTest, DisarmRewardIsGivenOnce) {
    GameState.Skills[kDisarmTraps] = 5;
    Carry(248);
    Chest(1, -1, {{5, kSpearTrap}, {31, 4}});
    host.Wait(5).Tap('F').Wait(5).LoseFocus().Wait(5).GainFocus().Wait(20).Tap('B').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroXp, 8);
    EXPECT_EQ(CountShown("Xp reward: 8"), 2u);  // drawn again after the focus came back
    EXPECT_EQ(GameState.GameFlags[209], 0);
    EXPECT_TRUE(Shown("The chest is open!"));
}

TEST_F(LootTest, PrisedGemsShowTheirNamesAndSetTheirFlagWhenSprung) {
    Item(20, 12, "Ruby");
    EventRecord& e =
        Put(5, 5, 1245,
            {{1, kAcidSprayTrap}, {2, 1}, {3, 1}, {5, 240}, {6, 20}, {7, 20}, {15, 245}, {16, 0}, {17, 9}, {18, 241},
             {21, 30}});
    Text(e, 0, 1, "Two rubies");
    GameState.GameFlags[242] = 1;  // the second gem is gone
    GameState.GameFlags[241] = -1;
    host.Wait(5).Tap('P').Wait(5).Tap('B').Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Ruby", 465, 154, 182));
    EXPECT_FALSE(ShownAt("Ruby", 465, 166, 182));
    EXPECT_EQ(GameState.GameFlags[240], 1);
    EXPECT_EQ(GameState.GameFlags[245], 9);
    EXPECT_TRUE(Shown("You triggered an acid"));
}

TEST_F(LootTest, GenieLamp) {
    EventRecord& lamp = Put(5, 5, 1287, {{4, 100}, {5, 50}, {6, 12}, {7, -1}, {10, 250}});
    GameState.BaseStats[kEndurance] = 5;
    host.Wait(5).Tap('R').Wait(5).MoveMouse(470, 255).Wait(100).Hold(1, 20);  // the empty item place
    host.MoveMouse(470, 232).Wait(100).Tap(1);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("+1 Body Save", 229, 465, 7));
    // The wish lasts beside the base, which is Endurance x 4.
    EXPECT_EQ(std::tuple(GameState.BaseSaves[1], GameState.SaveBonus[1], GameState.Saves[1]), std::tuple(20, 1, 21));
    EXPECT_EQ(GameState.GameFlags[250], 1);
    EXPECT_EQ(Played("Buy"), 1u);

    Forget();
    lamp.Word[7] = 103;
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("The genie has already", 465, 120));

    // An item that does not fit keeps the wishes open.
    GameState.GameFlags[250] = -1;
    FillBackpack();
    host.Wait(5).Tap('R').Wait(5).MoveMouse(470, 255).Wait(100).Tap(1).Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("no"), 1u);
    EXPECT_EQ(GameState.GameFlags[250], -1);
}

}  // namespace
