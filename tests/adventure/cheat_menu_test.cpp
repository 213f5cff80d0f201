// The cheat menu end to end: its pages and tabs, the fields with their rules, toggles and
// boxes, the Functions page with its level chooser, and the two browsers.
#include "adventure/cheat_menu.h"

#include <string>
#include <tuple>
#include <variant>

#include "data/campaign_tables.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "script/quests.h"
#include "tests/adventure/action_test.h"
#include "tests/support/surface_match.h"

namespace {

class CheatMenuTest : public ActionTest {
protected:
    void Menu(std::initializer_list<std::variant<const char*, int>> keys = {}) {
        Keys(keys);
        TapKey(kEsc);
        Run([] { RunCheatMenu(); });
    }
    // A click into a field, or on a button, toggle or box, drawn at (x, y).
    void Click(int x, int y) { ClickAt(x + 5, y + 5); }
    // A number typed into the field at (x, y).
    void Enter(int x, int y, const char* number) {
        Click(x, y);
        Keys({number, kEnter});
    }
    // The text last drawn at (x, y); "" when none was.
    std::string LastAt(int32_t x, int32_t y) const {
        for (auto t = host.texts.rbegin(); t != host.texts.rend(); ++t)
            if (t->x == x && t->y == y) return t->text;
        return "";
    }
    // The value shown by a field drawn at (x, y).
    std::string FieldAt(int32_t x, int32_t y) const { return LastAt(x + 10, y + 6); }
};

TEST_F(CheatMenuTest, PagesByTabKeysAndClicks) {
    Keys({kTab});  // page 6 on to page 0
    host.Wait(5).Press(164).Hold(kTab, 10).Release(164);  // Tab with the left Alt held does nothing
    Keys({'F'});
    ClickAt(37 + 60 * 4, 57);  // the Afflict tab
    Menu();
    EXPECT_EQ(Shown("Sex"), 1u);
    EXPECT_EQ(Shown("Feeblemind"), 1u);
    EXPECT_EQ(Shown("Summon Frog: "), 2u);  // opened on Functions, and back with F
}

TEST_F(CheatMenuTest, FieldsKeepTheirRules) {
    GameState.HitPoints = GameState.HitPointsMax = 25;
    GameState.BaseStats[kAgility] = 9;
    GameState.Stats[kCombat] = 99;  // RecalcHero puts its own value back on leaving
    TapKey('S');
    Enter(230, 180, "10");  // a lower maximum leaves the hit points
    Enter(230, 180, "40");  // a higher one raises them with it
    Enter(150, 130, "77");  // the level is held to 1..50
    Enter(230, 200, "9000");
    TapKey('T');
    Enter(170, 305, "15");  // Stealth, capped by Agility 9
    Enter(450, 320, "-1");
    TapKey('E');
    Click(390, 310);  // Tiny
    Menu();
    EXPECT_EQ(GameState.HitPoints, 40);
    EXPECT_EQ(GameState.HeroLevel, 50);
    EXPECT_EQ(FieldAt(230, 200), "3000");  // until RecalcHero derives it again
    EXPECT_EQ(FieldAt(150, 200), "3000");
    EXPECT_EQ(GameState.BaseSkills[kStealth], 9);
    EXPECT_EQ(GameState.ActiveAura, -1);
    EXPECT_EQ(GameState.Shrunk, 50);
    EXPECT_NE(GameState.Stats[kCombat], 99);

    TapKey('E');
    Click(390, 310);
    Menu();
    EXPECT_EQ(GameState.Shrunk, 0);
}

TEST_F(CheatMenuTest, SaveFieldsTakeWhatIsTypedAndKeepIt) {
    // Willpower and Endurance 10 give base saves of 40; the Mind save has a lasting gain of 2.
    GameState.BaseStats[kWillpower] = GameState.BaseStats[kEndurance] = 10;
    GameState.SaveBonus[0] = 2;
    RecalcHero();
    TapKey('S');
    Enter(390, 170, "55");
    Enter(390, 190, "10");
    Menu();
    EXPECT_EQ(FieldAt(390, 170), "55");
    EXPECT_EQ(FieldAt(390, 190), "10");
    EXPECT_EQ(std::tuple(GameState.SaveBonus[0], GameState.SaveBonus[1]), std::tuple(15, -30));
    RecalcHero();
    EXPECT_EQ(std::tuple(GameState.Saves[0], GameState.Saves[1]), std::tuple(55, 10));

    // A statistic raised on the page moves the base the field adds to: Willpower 20 gives 80,
    // Endurance 15 gives 60, shown at once.
    TapKey('S');
    Enter(140, 330, "20");
    Enter(140, 270, "15");
    Menu();
    EXPECT_EQ(std::tuple(FieldAt(390, 170), FieldAt(390, 190)), std::tuple("95", "30"));
    TapKey('S');
    Enter(390, 170, "55");
    Enter(390, 190, "10");
    Menu();
    EXPECT_EQ(std::tuple(GameState.SaveBonus[0], GameState.SaveBonus[1]), std::tuple(-25, -50));
    EXPECT_EQ(std::tuple(GameState.Saves[0], GameState.Saves[1]), std::tuple(55, 10));
}

TEST_F(CheatMenuTest, TogglesAndBoxesFlipTheirWords) {
    GameStateRecord& g = GameState;
    struct Case {
        int page;
        int16_t x, y;
        uint32_t& word;
    };
    const Case cases[] = {
        {'E', 220, 230, g.RadiationImmune}, {'E', 220, 250, g.BiohazardImmune}, {'E', 120, 350, g.Hidden},
        {'E', 390, 290, g.ItemsStripped},   {'A', 140, 122, g.Poisoned},         {'A', 140, 364, g.Fear},
        {'C', 170, 270, g.Tattoos[8]},      {'C', 270, 190, g.PentaActive[4]},   {'T', 390, 355, g.LoreKnown[12]},
        {'F', 160, 295, FreezeMonsters},
    };
    for (const Case& c : cases) {
        TapKey(c.page);
        Click(c.x, c.y);
    }
    TapKey('C');
    Click(270, 230);  // Know all Runes
    Menu();
    for (const Case& c : cases) EXPECT_EQ(c.word, 1u) << char(c.page) << " " << c.x << "," << c.y;
    for (uint32_t known : g.KnownRunes) EXPECT_EQ(known, 1u);
    EXPECT_EQ(g.KnownHieroglyphs[0], 0u);

    TapKey('A');
    Click(340, 100);  // Undead, through its own rule
    Menu();
    EXPECT_EQ(g.HeroIsUndead, 1u);
    EXPECT_EQ(g.Feebleminded, 1u);
    EXPECT_EQ(g.Poisoned, 0u);
    TapKey('A');
    Click(340, 100);
    Menu();
    EXPECT_EQ(g.HeroIsUndead, 0u);
}

TEST_F(CheatMenuTest, ChoiceListsPickOrKeepOnEsc) {
    TapKey('S');
    Click(150, 90);
    ClickAt(160, 90 + 60 + 1);  // row 1, "Female"
    Click(420, 320);
    Keys({kEsc});  // the list left: the bag stays as it was
    Click(420, 320);
    ClickAt(430, 320 + 60 + 1);  // "YES"
    Menu();
    EXPECT_EQ(GameState.HeroSex, 1);
    EXPECT_EQ(GameState.HasBagOfHolding, 1u);
}

TEST_F(CheatMenuTest, TheQuestListLeftWithEscKeepsTheQuestsState) {
    SetQuestState(6, 1);
    GameState.QuestStates[7] = 9;  // a state no list row names
    for (const char* quest : {"6", "7"}) {
        Enter(120, 120, quest);
        Click(235, 120);
        TapKey(kEsc);
        Menu();
    }
    EXPECT_EQ(GameState.QuestStates[6], 1);
    EXPECT_EQ(GameState.ActiveQuestCount, 1);
    EXPECT_EQ(GameState.QuestStates[7], 9);
}

TEST_F(CheatMenuTest, TeleportWithTheLevelChooser) {
    ASSERT_EQ(SaveLevel(12, 0), 1u);
    ASSERT_EQ(SaveLevel(3, 0), 1u);
    LevelList.LevelListUsed[3] = 1;
    LevelList.LevelListUsed[12] = 1;
    Click(215, 84);                 // the chooser
    ClickAt(190, 60 + 35 * 2 + 5);  // level 2 does not exist: the chooser stays
    ClickAt(190, 60 + 35 * 3 + 5);  // level 3
    Keys({'C', 'F'});               // another page and back: the chosen level is kept
    Enter(175, 85, "12");
    Enter(255, 85, "3");
    Enter(320, 85, "4");
    Click(60, 85);
    Run([] { RunCheatMenu(); });
    EXPECT_TRUE(ShownAt("3", 185, 91));
    EXPECT_EQ(FieldAt(175, 85), "12");
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(12, 3, 4));
    EXPECT_TRUE(Played("PowerUp"));
    EXPECT_EQ(Shown("Load Level"), 2u);  // drawn again after the empty row

    host.texts.clear();
    Keys({36, 35, 'P'});               // Home, End, Prev: page 12
    ClickAt(190, 60 + 35 * 9 + 5);     // level 119, none
    TapKey(kEsc);
    int16_t chosen = -2;
    Run([&] { chosen = ChooseCheatLevel(7); });
    EXPECT_EQ(chosen, 7);
    EXPECT_EQ(LastAt(320, 423), "12");
}

TEST_F(CheatMenuTest, QuestsFlagsAndTheMonitor) {
    QuestTextTable[5].HasAward = 1;
    SetQuestState(5, 1);
    Enter(120, 120, "5");
    Click(235, 120);
    ClickAt(245, 120 + 80 + 1);  // "Complete"
    Enter(120, 160, "77");
    Enter(235, 160, "99");
    Enter(435, 160, "77");
    Menu();
    EXPECT_EQ(GameState.QuestStates[5], 2);
    EXPECT_EQ(GameState.AwardCount, 1);
    EXPECT_EQ(GameState.Awards[0], 5);
    EXPECT_EQ(GameFlag(77), 50);
    EXPECT_EQ(MonitoredFlag, 77);

    // The flag number outlives the menu; the value entry goes down to -1.
    host.texts.clear();
    Enter(235, 160, "-5");
    Menu();
    EXPECT_EQ(CheatFlagNumber, 77);
    EXPECT_EQ(GameFlag(77), -1);
    EXPECT_EQ(FieldAt(120, 160), "77");
}

TEST_F(CheatMenuTest, FrogAndTheEncounterReset) {
    GameState.HeroX = 49;
    Click(170, 215);
    Run([] { RunCheatMenu(); });
    EXPECT_EQ(EncounterCount(), 0);

    GameState.HeroX = 25;
    Click(170, 215);
    Run([] { RunCheatMenu(); });
    ASSERT_EQ(GridAt(26, 25), 0);
    EXPECT_EQ(GameState.EncounterList[0].Monster, 196);

    Put(10, 10, kMonsterEvent, {{4, 1}, {5, 100}});
    SetGameFlag(100, -1);
    Click(170, 190);
    Menu();
    EXPECT_EQ(GridAt(26, 25), -1);
    EXPECT_EQ(GridAt(10, 10), 0);
    EXPECT_EQ(EncounterCount(), 1);
}

class CarryListTest : public CheatMenuTest {
protected:
    void SetUp() override {
        CheatMenuTest::SetUp();
        Item(40, 34, 0, "Long Sword");
        Item(41, 34, 0, "Potion");
        Item(42, 34, 0, "Gem");
        Item(43, 34, 0, "Ring");
        Wear(kWeaponSlot, 1, 40);
        GameState.ItemInstances[2] = {41, 0, 0, 0, 0};
        GameState.Backpack[4][4] = 2;
        GameState.ItemInstances[3] = {42, 5, 6, 0, 1};
        GameState.Vaults[2][10] = 3;
        GameState.StashPiles[1][0] = 3;
        Wear(kRing1Slot, 4, 43);
    }
    // The carry list opened from the Functions page with those keys.
    void CarryList(std::initializer_list<std::variant<const char*, int>> keys) {
        Click(220, 260);
        Keys(keys);
        Menu({'C'});
    }
};

TEST_F(CarryListTest, WhereEachInstanceLies) {
    CarryList({'N', 'N', 'N'});
    EXPECT_TRUE(ShownAt("Empty slot!", 150, 120, 91));
    EXPECT_TRUE(ShownAt("(40) Long Sword (IN WEAPON SLOT)", 150, 120, 182));
    EXPECT_TRUE(ShownAt("(41) Potion (IN BACKPACK)", 150, 120, 182));
    EXPECT_TRUE(ShownAt("(42) Gem (IN VAULT)", 150, 120, 182));
    EXPECT_EQ(LastAt(150, 140), "5");
    EXPECT_EQ(LastAt(150, 160), "6");
    EXPECT_EQ(LastAt(150, 180), "TRUE");
}

TEST_F(CarryListTest, DeleteFreesTheInstanceEverywhere) {
    Click(220, 260);
    Click(150, 250);
    Keys({"3", kEnter});
    Click(80, 215);  // the vault's gem, also named by a stash pile
    Keys({'Y', 'N'});
    Click(80, 215);  // the worn ring
    Keys({'Y'});
    Menu({'C'});
    EXPECT_EQ(Shown("Really delete item?"), 2u);
    EXPECT_EQ(GameState.Vaults[2][10], -1);
    EXPECT_EQ(GameState.StashPiles[1][0], -1);
    EXPECT_EQ(GameState.ItemInstances[3].ItemNumber, -1);
    EXPECT_EQ(GameState.EquipSlots[kRing1Slot], -1);
    EXPECT_EQ(GameState.ItemInstances[4].ItemNumber, -1);
    EXPECT_EQ(GameState.EquipSlots[kWeaponSlot], 1);
}

TEST_F(CarryListTest, IndexBoundsOfBothBrowsers) {
    CarryList({'P', kEsc});  // stays at 0, then Done by Esc
    EXPECT_EQ(LastAt(180, 72), "0");
    Click(220, 260);
    Click(150, 250);
    Keys({"900", kEnter, 'N'});
    Menu({'C'});
    EXPECT_EQ(LastAt(180, 72), "836");

    Click(60, 260);
    Click(150, 250);
    Keys({"49", kEnter, 'N', 'C'});
    Menu();
    EXPECT_EQ(LastAt(230, 72), "49");
}

TEST_F(CheatMenuTest, EncounterListShowsKindPictureAndMonster) {
    ASSERT_EQ(AddMonsterEncounter(1, 30, 30, 0, 0), 1);
    AddPushEncounter(1, 1181, 27, 25);
    GameState.EncounterList[2] = GameState.EncounterList[0];
    GameState.EncounterList[2].Monster = 999;  // damaged: no name, but its numbers
    GameState.EncounterList[2].Extra = 5000;
    Run([] {
        DrawEncounterList(0, 0);
        DrawEncounterList(2, 0);
        DrawEncounterList(3, 0);
        DrawEncounterList(1, 0);
    });
    EXPECT_TRUE(ShownAt("Monster", 100, 120));
    EXPECT_TRUE(ShownAt("Orc", 50, 150, 91));
    EXPECT_EQ(Shown("Hp: 10 / 10"), 2u);
    EXPECT_EQ(Shown("Status Flag: -1"), 2u);
    EXPECT_EQ(Shown("Orc"), 1u);
    EXPECT_TRUE(ShownAt("Empty Slot!", 100, 120, 91));
    EXPECT_TRUE(ShownAt("Push Object", 100, 120));
    EXPECT_TRUE(Shows(BackSurface, 100, 150, WallTiles[1181]));
}

}  // namespace
