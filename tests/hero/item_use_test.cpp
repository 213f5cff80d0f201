// Item use from the hero screen: the instrument, the antimagic field, the effects and their
// answers, the USE ITEM FROM BACKPACK EVENT after them, and where items go back.
#include "hero/item_use.h"

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
