// Item use from the hero screen: the instrument, the antimagic field, the effects and their
// answers, the USE ITEM FROM BACKPACK EVENT after them, and where items go back.
#include "hero/item_use.h"

#include <memory>
#include <tuple>
#include <variant>

#include "hero/equipment.h"
#include "tests/combat/power_test.h"

namespace {

class ItemUseTest : public PowerTest {
  protected:
    void SetUp() override {
        PowerTest::SetUp();
        GameState.BaseStats[kEndurance] = GameState.Stats[kEndurance] = 20;  // 100 hit points after recomputing
    }
    // Puts a new instance of the item on the cursor; its number.
    static int16_t Hold(int16_t item, int16_t x = 0, int16_t y = 0) {
        GameState.ItemInstances[20] = {item, x, y, 0, 0};
        CursorItem = 20;
        return 20;
    }
    int Use(int16_t page = 2) {
        int closes = -1;
        Run([&] { closes = UseItem(page); });
        return closes;
    }
    static void Antimagic(int16_t zone = 1) {
        CurrentLevel.ZoneLayer[25 * 50 + 25] = zone;
        CurrentLevel.ZoneConditions[zone] = kAntimagicZone;
    }
    // The USE ITEM FROM BACKPACK EVENT on the hero's square: flag 300 set to 7 by item.
    static EventRecord& UseEvent(int16_t item, int16_t keep) {
        EventRecord& e = Event(25, 25, 1228);
        e.Word[5] = 300;
        e.Word[6] = 0;
        e.Word[7] = 7;
        e.Word[8] = item;
        e.Word[12] = keep;
        return e;
    }
    static void FillBackpack() {
        for (auto& column : GameState.Backpack)
            for (int16_t& cell : column) cell = 100;
    }
};

TEST_F(ItemUseTest, TheHornSoundsByWhereItIsBlown) {
    Item(227, 51);
    GameState.CurrentLevelNumber = 54;
    struct Case {
        int16_t x;
        const char* line1;
        const char* line2;
    };
    for (const Case c : {Case{24, "Fire and a deep resonant", "tone blasts from the horn!"},
                         Case{25, "A deep, resonant, tone", "blasts from the horn!"}}) {
        GameState.HeroX = c.x;
        Hold(227);
        TapKey(13);
        EXPECT_EQ(Use(), 1);
        EXPECT_EQ(SecondLineOfBox(host, c.line1), c.line2);
        EXPECT_EQ(GameState.Backpack[0][0], 20);
        EXPECT_EQ(CursorItem, -1);
        GameState.Backpack[0][0] = -1;
    }
    EXPECT_TRUE(Played("Bell"));

    FillBackpack();  // no room: the horn stays on the cursor and the screen stays open
    Hold(227);
    Keys({13, 13});
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(CursorItem, 20);
    EXPECT_EQ(SecondLineOfBox(host, "Return item to pack"), "error! Pack full!");
}

TEST_F(ItemUseTest, TheAntimagicFieldStopsMagicItems) {
    struct Case {
        int16_t item, type;
        bool refusedInWords;
    };
    const Case cases[] = {
        {143, 50, false}, {300, 46, false},  // effigy and figurine: nothing at all
        {69, 16, true},   {9, 15, true},    {72, 17, true}, {261, 18, true}, {20, 12, true}, {54, 34, true},
    };
    Antimagic();
    GameState.CompactHud = 1;
    for (const Case& c : cases) {
        Item(c.item, c.type);
        Hold(c.item);
        host.texts.clear();
        if (c.refusedInWords) TapKey(13);
        EXPECT_EQ(Use(), 0) << c.item;
        EXPECT_EQ(CursorItem, 20) << c.item;
        EXPECT_EQ(TextShown(host, " Antimagic field prevents"), c.refusedInWords) << c.item;
    }
    EXPECT_EQ(GameState.WaterWalkTurns, 0);

    Item(2, 14);  // a potion still works
    Hold(2);
    GameState.HitPoints = 50;
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(CursorItem, -1);

    Antimagic(3);  // lifted while the zone's off flag holds its value
    CurrentLevel.ZoneConditionOffFlag[0] = 600;
    CurrentLevel.ZoneConditionOffValue[0] = 1;
    SetGameFlag(600, 1);
    Hold(69);
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(GameState.WaterWalkTurns, 50);
}

TEST_F(ItemUseTest, TheBleepDevicesSwitchTheirFlag) {
    Item(140, 34);
    for (const auto& [before, after] : {std::pair{-1, 1}, std::pair{1, -1}, std::pair{5, -1}}) {
        SetGameFlag(321, int16_t(before));
        Hold(140, 321);
        Use();
        EXPECT_EQ(GameFlag(321), after) << before;
        EXPECT_EQ(CursorItem, 20);  // kept
    }
    EXPECT_TRUE(Played("Bleep1"));
    EXPECT_TRUE(Played("Bleep2"));
}

TEST_F(ItemUseTest, Potions) {
    struct Case {
        int16_t item;
        uint32_t undead;
        int16_t prayer, hp;
        int16_t wantHp, wantCharges;
    };
    const Case cases[] = {
        {1, 0, 0, 50, 60, 0},   {3, 0, 0, 80, 100, 0},  // at most the maximum
        {2, 1, 0, 5, 1, 0},                             // undead: the healing hurts, down to 1
        {195, 1, 0, 50, 75, 0}, {195, 0, 0, 5, 1, 0},   // the undead potion
        {8, 0, 16, 50, 50, 5},  {8, 0, 7, 50, 50, 3},   // charges by the Prayer skill
    };
    for (const Case& c : cases) {
        Item(c.item, 14);
        Hold(c.item);
        GameState.HeroIsUndead = c.undead;
        GameState.BaseSkills[kPrayer] = GameState.Skills[kPrayer] = c.prayer;
        GameState.HitPoints = c.hp;
        GameState.PrayerCharges = 0;
        EXPECT_EQ(Use(), 0);
        EXPECT_EQ(GameState.HitPoints, c.wantHp) << c.item << " " << c.hp;
        EXPECT_EQ(GameState.PrayerCharges, c.wantCharges) << c.item;
        EXPECT_EQ(GameState.ItemInstances[20].ItemNumber, -1);
    }
    EXPECT_TRUE(Played("Curse"));
}

// One table of the items whose effect is a change of the game: what each does, whether it is
// used up and whether the hero screen closes after it.
TEST_F(ItemUseTest, WhatEachItemDoes) {
    struct Case {
        const char* what;
        int16_t item, type, x, y;
        std::initializer_list<std::variant<const char*, int>> keys;
        int closes;
        bool consumed;
        void (*before)();
        void (*check)();
    };
    const auto nothing = [] {};
    const auto orcEast = [] { Place(1, 26, 25); };
    const Case cases[] = {
        // tomes
        {"bless", 72, 17, 0, 30, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.BlessTurns, 30); }},
        {"heroism", 73, 17, 4, 20, {}, 0, true, nothing,
         [] { EXPECT_EQ(std::tuple(GameState.Heroism[0], GameState.Heroism[1]), std::tuple(4, 20)); }},
        {"a skill point", 74, 17, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.SkillPoints, 1); }},
        {"deathspell grimoire", 75, 17, 0, 0, {39, 'A'}, 1, true, orcEast, [] { EXPECT_EQ(Enc(0).Kind, -1); }},
        {"grimoire put away", 75, 17, 0, 0, {27}, 0, false, orcEast, [] { EXPECT_EQ(Enc(0).Kind, 3); }},
        // scrolls
        {"remove curse", 66, 16, 0, 0, {}, 0, true,
         [] {
             GameState.Cursed = 1;
             Wear(kHelmetSlot, 5, 80, -2);
         },
         [] {
             EXPECT_EQ(GameState.Cursed, 0u);
             EXPECT_EQ(GameState.EquipSlots[kHelmetSlot], -1);
             EXPECT_EQ(GameState.ItemInstances[5].ItemNumber, -1);
         }},
        {"clear mind", 67, 16, 0, 0, {}, 0, true, [] { GameState.Feebleminded = 1; },
         [] { EXPECT_EQ(GameState.Feebleminded, 0u); }},
        {"gills", 50, 16, 0, 40, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.GillsTurns, 40); }},
        {"a flag scroll", 689, 16, 310, 0, {}, 0, true, [] { SetGameFlag(310, 4); },
         [] { EXPECT_EQ(GameFlag(310), 5); }},
        {"cancellation", 51, 16, 0, 0, {39, 'A'}, 0, true, orcEast, [] { EXPECT_EQ(Enc(0).Silenced, 1); }},
        {"deconstruction", 175, 16, 0, 0, {39, 'A'}, 1, true,
         [] {
             Monster(1).MonsterType = 14;
             Place(1, 26, 25);
         },
         [] { EXPECT_EQ(Enc(0).Hp, 5); }},
        // dust
        {"invisibility", 9, 15, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.InvisibleTurns, 25); }},
        {"devil's ash", 10, 15, 0, 0, {39, 39, 39, 'A'}, 1, true,
         [] {
             Monster(1).MonsterHitPoints = 100;
             Place(1, 28, 25);
         },
         [] {
             EXPECT_LE(Enc(0).Hp, 94);  // 6 dice of 6
             EXPECT_EQ(GameState.HitPoints, 50);  // the hero stood outside
         }},
        // food, pills and the medical kit
        {"bread", 176, 30, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.HitPoints, 55); }},
        {"magic food", 186, 30, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.MagicFoodTurns, 100); }},
        {"other food", 177, 30, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.HitPoints, 50); }},
        {"radiation pills", 64, 33, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.RadiationImmune, 1u); }},
        {"biohazard pills", 65, 33, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.BiohazardImmune, 1u); }},
        {"medical kit", 426, 38, 0, 0, {}, 0, true,
         [] { GameState.Poisoned = GameState.Diseased = GameState.Exhausted = 1; },
         [] {
             EXPECT_EQ(GameState.HitPoints, 100);
             EXPECT_EQ(GameState.Energy, GameState.EnergyMax);
             EXPECT_EQ(GameState.Poisoned + GameState.Diseased + GameState.Exhausted, 0u);
         }},
        {"another kit", 427, 38, 0, 0, {}, 0, false, nothing, [] { EXPECT_EQ(GameState.HitPoints, 50); }},
        // items by number
        {"healing herb", 120, 34, 0, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.HitPoints, 75); }},
        {"restorative", 156, 34, 0, 0, {}, 0, true, [] { GameState.Poisoned = GameState.Diseased = 1; },
         [] {
             EXPECT_EQ(GameState.HitPoints, 100);
             EXPECT_EQ(GameState.Poisoned + GameState.Diseased, 0u);
         }},
        {"spray", 188, 34, 0, 0, {}, 0, false,
         [] {
             GameState.ItemInstances[6] = {182, 0, 0, 0, 0};
             GameState.ItemInstances[7] = {183, 0, 0, 0, 0};
             GameState.Backpack[0][0] = 6;
             GameState.Backpack[1][0] = 7;
         },
         [] {
             EXPECT_EQ(GameState.ItemInstances[6].ItemNumber, 184);
             EXPECT_EQ(GameState.ItemInstances[7].ItemNumber, 184);
         }},
        {"portal sight", 196, 34, 0, 0, {}, 1, true, nothing,
         [] { EXPECT_EQ(std::tuple(GameState.Poisoned, GameState.PortalSightTurns), std::tuple(1u, 40)); }},
        {"portal sight, poison immune", 196, 34, 0, 0, {}, 1, true, [] { GameState.PoisonImmune = 1; },
         [] { EXPECT_EQ(GameState.Poisoned, 0u); }},
        {"experience", 228, 34, 50, 0, {}, 0, true, nothing, [] { EXPECT_EQ(GameState.HeroXp, 50); }},
        {"strength", 229, 34, 2, 0, {}, 0, true, [] { GameState.BaseStats[kStrength] = 10; },
         [] { EXPECT_EQ(GameState.BaseStats[kStrength], 12); }},
        {"endless food", 237, 34, 0, 0, {}, 0, false, [] { GameState.HeroFood = 3; },
         [] { EXPECT_EQ(GameState.HeroFood, 10); }},
        {"sealed letter", 474, 34, 0, 0, {'Y', 13}, 0, true, nothing,
         [] { EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), 475); }},
        {"opened letter", 475, 34, 0, 0, {13}, 0, false, nothing, nothing},
        {"numbers", 536, 34, 0, 0, {13}, 0, false, nothing, nothing},
        {"revival", 593, 34, 0, 0, {}, 0, true, nothing,
         [] { EXPECT_EQ(std::tuple(GameState.Poisoned, GameState.RevivalPending), std::tuple(1u, 1u)); }},
        // potions
        {"energy", 4, 14, 0, 0, {}, 0, true, [] { GameState.Exhausted = 1; },
         [] {
             EXPECT_EQ(GameState.Exhausted, 0u);
             EXPECT_EQ(GameState.Energy, GameState.EnergyMax);
         }},
        {"antidote", 5, 14, 0, 0, {}, 0, true, [] { GameState.Poisoned = 1; },
         [] { EXPECT_EQ(GameState.Poisoned, 0u); }},
        {"cure disease", 6, 14, 0, 0, {}, 0, true, [] { GameState.Diseased = 1; },
         [] { EXPECT_EQ(GameState.Diseased, 0u); }},
        {"restoration", 7, 14, 0, 0, {}, 0, true, [] { GameState.Drained = GameState.Aged = 1; },
         [] { EXPECT_EQ(GameState.Drained + GameState.Aged, 0u); }},
        {"combat", 201, 14, 0, 0, {}, 0, true, nothing,
         [] { EXPECT_EQ(std::tuple(GameState.SidePanelMode, GameState.CombatBonusTurns), std::tuple(1, 50)); }},
        {"a flag potion", 688, 14, 311, 0, {}, 0, true, [] { SetGameFlag(311, 2); },
         [] { EXPECT_EQ(GameFlag(311), 3); }},
        {"any potion under the Regeneration aura", 5, 14, 0, 0, {}, 0, true,
         [] {
             GameState.ActiveAura = 3;
             GameState.BaseSkills[kAuras] = GameState.Skills[kAuras] = 4;
             SkillBonus.AuraValues[3] = 2;
         },
         [] { EXPECT_EQ(GameState.HitPoints, 58); }},
    };
    RecalcHero();
    GameState.HitPoints = 50;
    GameState.Energy = 0;
    const auto start = std::make_unique<GameStateRecord>(GameState);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState = *start;
        SkillBonus.AuraValues[3] = 0;
        Monster(1);
        Item(c.item, c.type);
        c.before();
        Hold(c.item, c.x, c.y);
        Keys(c.keys);
        EXPECT_EQ(Use(), c.closes);
        EXPECT_EQ(GameState.ItemInstances[20].ItemNumber == -1, c.consumed);
        c.check();
    }
}

TEST_F(ItemUseTest, TheUseItemEventAnswersTheItem) {
    Item(60, 34);  // junk: no effect of its own
    UseEvent(60, 0);
    Hold(60);
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(GameFlag(300), 7);
    EXPECT_EQ(GameState.ItemInstances[20].ItemNumber, -1);  // used up
    EXPECT_EQ(ItemInUse, 60);

    GameState.HasBagOfHolding = 1;
    UseEvent(60, 1);
    for (const int16_t page : {2, 3}) {  // without lore: backpack page 2, bag page 3
        Hold(60);
        EXPECT_EQ(Use(page), 1);
        EXPECT_EQ(CursorItem, -1);
        EXPECT_EQ((page == 2 ? GameState.Backpack : GameState.BagOfHolding)[0][0], 20) << page;
    }

    Fill(GameState.Backpack);
    Fill(GameState.BagOfHolding);
    Item(198, 34);  // an effect that closes the screen: no event
    UseEvent(198, 0);
    SetGameFlag(300, 0);
    Hold(198);
    TapKey(13);
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(GameFlag(300), 0);

    Item(5, 14);  // a potion used up on the square: the event still fires, the cursor is left alone
    UseEvent(5, 1);
    GameState.ItemInstances[19] = {61, 1, 1, 0, 0};
    Hold(5);
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(GameFlag(300), 7);
    EXPECT_EQ(GameState.ItemInstances[19].ItemNumber, 61);
    EXPECT_EQ(GameState.Backpack[0][0], -1);
}

TEST_F(ItemUseTest, AnEventRefusedByAFullPackKeepsTheScreenOpen) {
    Item(60, 34);
    UseEvent(60, 1);
    FillBackpack();
    Hold(60);
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(CursorItem, 20);

    Antimagic();  // an item stopped by the field still meets its event
    Fill(GameState.Backpack);
    Item(72, 17);
    UseEvent(72, 0);
    SetGameFlag(300, 0);
    Hold(72);
    TapKey(13);
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(GameFlag(300), 7);
}

TEST_F(ItemUseTest, SummonsBarriersAndGarlic) {
    Item(54, 34);
    Monster(194, 1236);                                                               // 2 x 2
    for (int16_t x = 23; x <= 28; ++x) CurrentLevel.AccessLayer[x * 50 + 22] = 1298;  // north is walled
    GameState.EncounterList[0].Kind = -1;
    Hold(54);
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(At(27, 25), GameState.MonsterGrid[27 * 50 + 25]);
    EXPECT_NE(At(27, 25), -1);  // east: (x + 2, y), its whole footprint free
    EXPECT_NE(At(28, 26), -1);
    EXPECT_EQ(CursorItem, -1);

    GameState.HeroX = 0;  // west and north off the map are skipped, the others are walled
    GameState.HeroY = 0;
    for (int16_t y : {0, 1, 2, 3}) CurrentLevel.AccessLayer[2 * 50 + y] = CurrentLevel.AccessLayer[0 * 50 + y] = 1298;
    Hold(54);
    TapKey(13);
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(SecondLineOfBox(host, "Insufficient space. Try"), " again in an open area!");
    EXPECT_EQ(CursorItem, 20);

    GameState.HeroX = GameState.HeroY = 25;
    Item(142, 34);
    Hold(142, 4);
    Keys({37, 'A'});  // the square left of the hero, in the window
    EXPECT_EQ(Use(), 1);
    const int16_t barrier = At(24, 25);
    ASSERT_NE(barrier, -1);
    EXPECT_EQ(Enc(barrier).Kind, 4);
    EXPECT_EQ(Enc(barrier).Hp, 10);

    Item(185, 34);
    Monster(3).MonsterType = 18;
    const int16_t vampire = Place(3, 25, 24);
    Hold(185);
    Keys({38, 'A'});
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(Enc(vampire).DefencePenalty, 5);
    EXPECT_EQ(CursorItem, -1);
}

TEST_F(ItemUseTest, ScrollsOfTeleportAndBeacon) {
    Item(70, 16);
    Item(71, 16);
    CurrentLevel.ZoneConditions[0] = kNoTeleportZone;
    Hold(70);
    TapKey(13);
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(SecondLineOfBox(host, "   Teleportation magic"), "   does not work here!");
    EXPECT_EQ(CursorItem, 20);

    CurrentLevel.ZoneConditions[0] = 0;
    Keys({39, 39, 'T'});
    EXPECT_EQ(Use(), 1);
    EXPECT_EQ(GameState.HeroX, 27);
    EXPECT_EQ(CursorItem, -1);
    EXPECT_TRUE(TextShown(host, "Teleport scroll:"));

    SetFieldText(CurrentLevel.ZoneNames[0], "Old Mill");
    GameState.CurrentLevelNumber = 12;
    Hold(71);
    EXPECT_EQ(Use(), 0);
    EXPECT_EQ(GameState.Beacon[0], 12);
    EXPECT_EQ(GameState.Beacon[1], 27);
    EXPECT_STREQ(GameState.BeaconName, "Old Mill");
    EXPECT_EQ(CursorItem, -1);

    CurrentLevel.ZoneLayer[27 * 50 + 25] = 9;  // a zone the level cannot have: no condition, no name
    Hold(71);
    EXPECT_EQ(Use(), 0);
    EXPECT_STREQ(GameState.BeaconName, "");

    Event(27, 25, 1226);
    Hold(71);
    TapKey(13);
    Use();
    EXPECT_EQ(SecondLineOfBox(host, "Mysterious energies prevent"), "you setting a beacon here!");
    EXPECT_EQ(CursorItem, 20);
}

}  // namespace
