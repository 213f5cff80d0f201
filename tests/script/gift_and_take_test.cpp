// The gift, take and hurt codes: their messages word for word and what they change.
#include <tuple>

#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_types.h"
#include "tests/script/script_test.h"

namespace {

using Lines = std::vector<std::string>;

class GiftAndTakeTest : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        Item(40, kOneHandedWeapon, 0, "Sword");
        Item(50, kFood, 0, "Bread");
        Item(51, kCoins, 0, "Purse");
        Item(52, kKey, 0, "Iron Key");
        Item(22, kGemstone, 0, "Ruby");
    }
    static void FillBackpack() {
        GameState.ItemInstances[800] = {1, 0, 0, 0, 0};
        for (int16_t& cell : BackpackGrid()) cell = 800;
    }
};

TEST_F(GiftAndTakeTest, Gifts) {
    RunCases({
        {"GGP", 23, {25}, [](auto& g) { g.HeroGold = 10; }, {"<You receive 25 gold pieces!>", ""},
         [](auto& g) { EXPECT_EQ(g.HeroGold, 35); }},
        {"GXP", 24, {40}, none, {"<You receive 40 experience points!>", ""}, [](auto& g) { EXPECT_EQ(g.HeroXp, 40); }},
        {"GIF at 8", 26, {5}, [](auto& g) { g.HeroFood = 8; }, {"< You receive 2 units of food! >", ""},
         [](auto& g) { EXPECT_EQ(g.HeroFood, 10); }},
        {"GIF at 10", 26, {5}, [](auto& g) { g.HeroFood = 10; }, {"< You already have plenty of food! >", ""}, none},
        {"GST 3 with 0", 28, {3, 0}, none, {"< You receive a +0 Agility bonus! >", ""}, none},
        {"GST 12 with -5", 28, {12, -5}, [](auto& g) { g.BaseStats[kEndurance] = 5; },
         {"< You suffer a permanent -5% Body penalty! >", ""},
         [](auto& g) { EXPECT_EQ(std::tuple(g.BaseSaves[1], g.SaveBonus[1], g.Saves[1]), std::tuple(20, -5, 15)); }},
        {"GST 8", 28, {8, 2}, none, {"< You receive a +2 Cold resistance bonus! >", ""},
         [](auto& g) { EXPECT_EQ(g.BaseResists[1] + g.Resists[1], 4); }},
        {"GST 13", 28, {13, 3}, none, {"< You receive 3 Skill Points! >", ""}, [](auto& g) { EXPECT_EQ(g.SkillPoints, 3); }},
        {"GST 15", 28, {15, 3}, none, {}, none},
        {"GSK", 29, {10, -1}, none, {"< You receive a +-1 Stealth bonus! >", ""},
         [](auto& g) { EXPECT_EQ(g.BaseSkills[10] + g.Skills[10], -2); }},
        {"CGG in 32 bits", 49, {50, 1000}, [](auto&) { SetGameFlag(50, 100); }, {"<You receive 100000 gold pieces!>", ""},
         [](auto& g) { EXPECT_EQ(g.HeroGold, 100000); }},
        {"GTA", 43, {3}, none, {"< You receive a Bear tattoo >", ""},
         [](auto& g) { EXPECT_EQ(std::tuple(g.Tattoos[3], g.Stats[0] != 99), std::tuple(1u, true)); }},
        {"GTA borne", 43, {3}, [](auto& g) { g.Tattoos[3] = 1; }, {"< You already have a Bear tattoo >", ""}, none},
        {"GTA 10", 43, {10}, none, {}, none},
        {"GLO", 66, {4}, none, {"< You have learnt new lore! >", ""}, [](auto& g) { EXPECT_EQ(g.LoreKnown[4], 1u); }},
        {"GLO 13", 66, {13}, none, {}, none},
        {"BAG", 52, {}, none, {"<You receive the Bag of Holding!>", ""}, [](auto& g) { EXPECT_EQ(g.HasBagOfHolding, 1u); }},
        {"GRH rune 41", 50, {0, 41}, none, {"", "< You learnt all the runes! >", ""},
         [](auto& g) { EXPECT_EQ(std::count(std::begin(g.KnownRunes), std::end(g.KnownRunes), 1u), 41); }},
        {"GRH rune 0", 50, {0, 0}, none, {}, none},
        {"GRH rune 42", 50, {0, 42}, none, {}, none},
        {"GRH hieroglyph 3", 50, {1, 3}, none, {"", "< You learnt the 'Travel to' Hieroglyph! >", ""},
         [](auto& g) { EXPECT_EQ(g.KnownHieroglyphs[2], 1u); }},
        {"GRH known rune 40", 50, {0, 40}, [](auto& g) { g.KnownRunes[39] = 1; },
         {"", "< You already know the 'Alternate Reality' rune! >", ""}, none},
        {"PUI instance 0", 61, {2}, [](auto&) { Wear(kWeaponSlot, 0, 40, 1); },
         {"<Weapon: Sword gains a plus 2 damage bonus!>", ""}, [](auto& g) { EXPECT_EQ(g.ItemInstances[0].X, 3); }},
        {"PUI unarmed", 61, {2}, none, {"<You are not wielding a weapon!> ", ""}, none},
        {"SCO", 42, {5}, [](auto& g) { g.Score = 10; }, {"<Your score increases by +5%>", ""},
         [](auto& g) { EXPECT_EQ(g.Score, 15); }},
    });
}

TEST_F(GiftAndTakeTest, GiveItemByTypeAndItemsOwedLater) {
    const Lines later = {"<Your backpack is full! I'll give it to you later>", ""};
    RunCases({
        {"food above 10", 25, {50, 0, 4}, [](auto& g) { g.HeroFood = 9; }, {"<Gained item: Bread!>", ""},
         [](auto& g) { EXPECT_EQ(g.HeroFood, 13); }},
        {"coins", 25, {51, 0, 50}, none, {"<Gained item: Purse!>", ""}, [](auto& g) { EXPECT_EQ(g.HeroGold, 50); }},
        {"key", 25, {52}, none, {"<Gained item: Iron Key!>", ""}, [](auto& g) { EXPECT_EQ(g.Keyring[0], 52); }},
        {"key to a full ring", 25, {52}, [](auto& g) { std::fill_n(g.Keyring, 25, int16_t{60}); }, later,
         [](auto& g) { EXPECT_EQ(g.PendingItems[0].Item, 52); }},
        {"sword", 25, {40, 2, 0}, none, {"<Gained item: Sword!>", ""},
         [](auto& g) { EXPECT_EQ(g.ItemInstances[g.Backpack[0][0]].X, 2); }},
        {"sword to a full backpack", 25, {40, 2, 7}, [](auto& g) { FillBackpack(), g.PendingItems[0].Level = 9; }, later,
         [](auto& g) {
             const PendingItem& p = g.PendingItems[1];
             EXPECT_EQ(std::tuple(p.Level, p.X, p.Y, p.Item, p.Power, p.Charges), std::tuple(3, 5, 6, 40, 2, 7));
         }},
        {"every entry owed", 25, {40}, [](auto& g) {
             FillBackpack();
             for (PendingItem& p : g.PendingItems) p.Level = 9;
         },
         {"<Your backpack is full! You cannot keep it!>", ""}, [](auto& g) { EXPECT_EQ(g.PendingItems[19].Item, 0); }},
        {"no item", 25, {714}, none, {}, none},
    });

    // The key owed to a full ring goes to the ring once it has room, not to the backpack.
    std::fill_n(GameState.Keyring, 25, int16_t{60});
    RunLine(25, {52});
    GameState.Keyring[24] = -1;
    EXPECT_EQ(RunLine(0), (Lines{"<Gained item: Iron Key!>", ""}));
    EXPECT_EQ(std::tuple(GameState.Keyring[24], GameState.Backpack[0][0], GameState.PendingItems[0].Level),
              std::tuple(52, -1, -1));
}

TEST_F(GiftAndTakeTest, TakesAndHurts) {
    RunCases({
        {"TGP all", 32, {10}, [](auto& g) { g.HeroGold = 10; }, {"", "<Lost 10 gold pieces!>"},
         [](auto& g) { EXPECT_EQ(g.HeroGold, 0); }},
        {"TGP one", 32, {1}, [](auto& g) { g.HeroGold = 10; }, {"", "<Lost 1 gold piece!>"}, none},
        {"TGP short", 32, {10}, [](auto& g) { g.HeroGold = 9; }, {}, [](auto& g) { EXPECT_EQ(g.HeroGold, 9); }},
        {"TSP", 64, {3}, [](auto& g) { g.SkillPoints = 5; }, {"", "<Lost 3 skill point!>"},
         [](auto& g) { EXPECT_EQ(g.SkillPoints, 2); }},
        {"ROB", 33, {}, [](auto& g) { g.HeroGold = 70000; }, {"You have been robbed of all your wealth!", ""},
         [](auto& g) { EXPECT_EQ(g.HeroGold, 0); }},
        {"TIT carried first", 34, {40}, [](auto&) { Wear(kWeaponSlot, 5, 40), GiveItem(40, 0, 0, 0); },
         {"<Item removed: Sword!>", ""},
         [](auto& g) { EXPECT_EQ(std::tuple(g.Backpack[0][0], g.EquipSlots[kWeaponSlot]), std::tuple(-1, 5)); }},
        {"TIT worn, first slot", 34, {40, 1}, [](auto&) { Wear(kRing2Slot, 5, 40), Wear(kRing1Slot, 6, 40); },
         {"<Item discarded: Sword!>", ""}, [](auto& g) {
             EXPECT_EQ(std::tuple(g.EquipSlots[kRing1Slot], g.ItemInstances[6].ItemNumber, g.EquipSlots[kRing2Slot]),
                       std::tuple(-1, -1, 5));
             EXPECT_NE(g.Stats[0], 99);
         }},
        {"TIT gem", 34, {22}, [](auto& g) { g.GembagCounts[2] = 2; }, {"<Item removed: Ruby!>", ""},
         [](auto& g) { EXPECT_EQ(g.GembagCounts[2], 1); }},
        {"TIT silent", 34, {246}, [](auto&) { GiveItem(246, 0, 0, 0); }, {},
         [](auto& g) { EXPECT_EQ(g.Backpack[0][0], -1); }},
        {"TIT lacking", 34, {40}, none, {}, none},
        {"BSE three with a tally", 12, {40, 10, 60}, [](auto&) {
             for (int i = 0; i < 3; ++i) GiveItem(40, 0, 0, 0);
             Wear(kWeaponSlot, 700, 40);
         },
         {"", "< You sell 3 Swords for 30 gold pieces! >", ""}, [](auto& g) {
             EXPECT_EQ(std::tuple(g.HeroGold, GameFlag(60), g.EquipSlots[kWeaponSlot]), std::tuple(30, 2, 700));
         }},
        {"BSE one", 12, {40, 10}, [](auto&) { GiveItem(40, 0, 0, 0); }, {"", "< You sell 1 Sword for 10 gold pieces! >", ""},
         none},
        {"BSE in 32 bits", 12, {40, 5000}, [](auto&) {
             for (int i = 0; i < 20; ++i) GiveItem(40, 0, 0, 0);
         },
         {"", "< You sell 20 Swords for 100000 gold pieces! >", ""}, [](auto& g) { EXPECT_EQ(g.HeroGold, 100000); }},
        {"BSE none, tally", 12, {40, 10, 60}, [](auto&) { SetGameFlag(60, 4); }, {}, [](auto&) { EXPECT_EQ(GameFlag(60), 4); }},
        {"AFF 0", 27, {0}, none, {"", ""}, [](auto& g) { EXPECT_EQ(g.Stats[0], 99); }},
        {"AFF 4", 27, {4}, [](auto& g) { g.ActiveAura = 2; }, {"<You have been drained!>", ""},
         [](auto& g) { EXPECT_EQ(std::tuple(g.Drained, g.ActiveAura, g.Stats[0] != 99), std::tuple(1u, -1, true)); }},
        {"AFF 10 cut to 56", 27, {10}, none, {"<Your flesh withers and grays. Your pluse becomes still!", ""},
         [](auto& g) { EXPECT_EQ(g.HeroIsUndead, 1u); }},
        {"DAM 2d6 against 20", 41, {0, 2, 6, 0}, [](auto& g) { g.HitPoints = 30, g.DamageReduction = 20; },
         {"", "< You take 0 points of damage! >", ""}, [](auto& g) { EXPECT_EQ(g.HitPoints, 30); }},
        {"DAM fire", 41, {4, 0, 0, 5}, [](auto& g) { g.HitPoints = 30, g.Resists[3] = 4; },
         {"", "< You take 1 point of fire damage! >", ""}, [](auto& g) { EXPECT_EQ(g.HitPoints, 29); }},
        {"DAM no kind", 41, {5, 0, 0, 7}, [](auto& g) { g.HitPoints = 30; }, {}, [](auto& g) { EXPECT_EQ(g.HitPoints, 30); }},
    });
}

TEST_F(GiftAndTakeTest, JumpsAndEndsOfTheTakeCodes) {
    GameState.HeroGold = 10;
    EXPECT_TRUE(Jumps(32, {10, 1}));
    EXPECT_FALSE(Jumps(32, {10, 1}));  // nothing left to take
    GameState.SkillPoints = 1;
    EXPECT_TRUE(Jumps(64, {1, 1}));
    GameState.HeroFood = 2;
    EXPECT_TRUE(Jumps(35, {2, 1}));
    EXPECT_EQ(GameState.HeroFood, 0);
    EXPECT_FALSE(Jumps(35, {1, 1}));

    for (int16_t code : {41, 40}) {  // DAM to 0 hit points, KIL
        GameState.HitPoints = 5;
        ScriptTable[0].reset();
        Line(0, code, {0, 0, 0, 5});
        Line(1, 1, {}, "not reached");
        RunScriptAt();
        EXPECT_EQ(GameState.HitPoints, code == 41 ? 0 : -1);
        EXPECT_EQ(WindowLines().size(), code == 41 ? 3u : 0u);
    }

    // What is taken away into the stash comes back.
    for (int16_t& slot : GameState.EquipSlots) slot = -1;  // nothing worn, nothing stashed
    for (auto& pile : GameState.StashPiles) std::fill(std::begin(pile), std::end(pile), int16_t{-1});
    GiveItem(40, 0, 0, 0);
    ScriptTable[0].reset();
    Line(0, 46);
    Line(1, 47);
    TapKey('2');  // on the retrieve screen: from the second pile into the backpack
    ClickAt(31, 118);
    ClickAt(351, 118);
    TapKey('D');
    RunScriptAt();
    EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), 40);
}

}  // namespace
