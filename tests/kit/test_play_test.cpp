// Test play from the level editor with a saved hero, through the real adventure loop.
#include <cstdio>

#include "adventure/adventure_loop.h"
#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/game_state.h"
#include "data/save_slots.h"
#include "frontend/title.h"
#include "kit/events/level_records.h"
#include "tests/kit/kit_test.h"

namespace fs = std::filesystem;

namespace {

class TestPlayTest : public KitTest {
protected:
    void SetUp() override {
        KitTest::SetUp();
        fs::create_directories("Mod/SaveGames");
        ASSERT_EQ(SaveLevel(1, 0), 1u);  // the hero's own level
        LoadSaveList();
        SaveHero(20);
        SaveList.SaveSlotUsed[0] = 1;
        std::snprintf(SaveList.SaveSlotName[0], 31, "Berold");
        ASSERT_EQ(WriteSaveList(), 1u);
        NewLevel(1);
    }
    // Slot 0: a hero standing on level 1 with that many hit points.
    static void SaveHero(int16_t hitPoints) {
        GameState = GameStateRecord{};
        std::snprintf(GameState.HeroName, sizeof GameState.HeroName, "Berold");
        GameState.CurrentLevelNumber = 1;
        GameState.HitPoints = hitPoints;
        GameState.HitPointsMax = 20;
        GameState.Energy = GameState.EnergyMax = 50;
        GameState.TimeLoopCountdown = -1;
        ASSERT_EQ(SaveGameToSlot(0, 0), 1u);
        GameState = GameStateRecord{};
    }
    void AskForTest() {
        ClickAt(300, 440);
        TapKey('Y');
    }
    void ChooseHero() { Keys({'1', 'L'}); }
};

// Cancel saves and changes nothing else; a test starts at the window's centre, and what play
// changes in the level (a door opened) is not what the next save writes.
TEST_F(TestPlayTest, CancelAndAPlayedDoorNotSaved) {
    CreateEvent(43, 42, 1233);  // a SIMPLE DOOR above the window's centre at (37, 37)
    CreateEvent(2, 2, 1248);
    StartOnLevel3();
    host.MoveMouse(CellCentreX(2), CellCentreY(2)).Wait(150);
    CtrlKey('C');
    TapKey('M');
    ClickAt(8 * 49 + 4, 8 * 49 + 4);  // teleport: the view to (37, 37)
    AskForTest();
    TapKey(27);  // no hero chosen
    AskForTest();
    ChooseHero();
    Keys({38, 27});  // bump the door open, end the test
    host.MoveMouse(CellCentreX(0), CellCentreY(0)).Wait(150);
    CtrlKey('P');  // the clipboard was emptied: nothing to paste
    Keys({115, 'Y', 'Y'});  // F4, overwriting
    RunKit();
    EXPECT_EQ(Shown("Save and Test Level?"), 2u);
    EXPECT_EQ(LevelList.LevelListUsed[3], 1u);
    EXPECT_TRUE(Played("Door"));
    EXPECT_EQ(Shown("mapnum="), 0u);
    EXPECT_EQ(GameState.CurrentLevelNumber, 3);
    EXPECT_EQ(GameState.HeroX, 43);
    EXPECT_EQ(GameState.HeroY, 43);
    EXPECT_EQ(TestPlayMode, 0u);
    ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
    EXPECT_FALSE(EventAt(37, 37));
    ASSERT_TRUE(EventAt(43, 42));
    EXPECT_EQ(EventAt(43, 42)->Word[2], 0);
}

// Leaving over an edge and quitting on the other level says "mapnum=" and brings level 3 back.
TEST_F(TestPlayTest, AnExitElsewhereReloadsTheEditedLevel) {
    Access(6, 0) = 1294;
    CurrentLevel.ExitLevel[0] = 1;
    StartOnLevel3();
    AskForTest();
    ChooseHero();
    for (int step = 0; step < 7; ++step) TapKey(38);  // from (6, 6) over the top edge
    Keys({27, 13});
    RunKit();
    EXPECT_EQ(SecondLineOfBox(host, "mapnum="), "3");
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
    EXPECT_EQ(Access(6, 0), 1294);
    EXPECT_EQ(LastTextAt(13, 438), "Level3.dat");
}

// A hero who dies, by a fall or slain by a zone's radiation, ends the test only: the editor
// goes on with its level, and the next test starts as the first did.
TEST_F(TestPlayTest, AHeroWhoDiesEndsTheTestOnly) {
    const struct {
        const char* death;
        int16_t access, zoneCondition, hitPoints;
    } cases[] = {
        {"You plunge into the abyss.", 1292, 0, 20},  // "Fall to your death!" above the start
        {"   You have been slain.", 1295, 3, 1},     // one hit point lost on the step
    };
    for (const auto& c : cases) {
        SaveHero(c.hitPoints);
        NewLevel(1);
        Access(6, 5) = c.access;
        CurrentLevel.ZoneConditions[0] = c.zoneCondition;
        StartOnLevel3();
        host.texts.clear();
        AskForTest();
        ChooseHero();
        TapKey(38);
        TapKey(13);  // the box that says so
        AskForTest();
        ChooseHero();
        TapKey(27);
        RunKit();
        EXPECT_TRUE(TextShown(host, c.death)) << c.death;
        EXPECT_EQ(Shown("Save and Test Level?"), 2u) << c.death;
        EXPECT_EQ(Shown("Really Quit Editor?"), 1u) << c.death;
        EXPECT_EQ(QuitProgram, 0u) << c.death;
        EXPECT_EQ(TestPlayMode, 0u) << c.death;
        EXPECT_EQ(GameState.HeroX, 6) << c.death;  // the second test's hero, on the start square
        EXPECT_EQ(GameState.HeroY, 6) << c.death;
        EXPECT_EQ(Access(6, 5), c.access) << c.death;
        EXPECT_EQ(LastTextAt(13, 438), "Level3.dat") << c.death;
    }
}

// A level that cannot be saved is not tested.
TEST_F(TestPlayTest, AFailedSaveStopsTheTest) {
    fs::create_directories("Mod/LevelData/Level0.dat");
    AskForTest();
    TapKey(13);
    RunKit();
    EXPECT_EQ(SecondLineOfBox(host, "Level0.dat could not"), "be written!");
    EXPECT_FALSE(TextShown(host, "Restore Character"));
    EXPECT_EQ(LevelList.LevelListUsed[0], 0u);
}

}  // namespace
