// The time loop: the snapshot, the explosion, the fold-back with its doors, a missing
// snapshot, falls during a loop, and the slain screen.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "adventure/adventure_loop.h"
#include "adventure/time_loop.h"
#include "adventure/upkeep.h"
#include "adventure/wilderness.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "platform/display.h"
#include "tests/adventure/adventure_test.h"
#include "tests/support/surface_match.h"

namespace fs = std::filesystem;

namespace {

class TimeLoopTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        // A loop of 5 steps that sets flag 120 to 9; a monster stands in a door.
        Put(25, 25, kTimeLoopEvent, {{4, 5}, {6, 120}, {8, 9}});
        Put(30, 30, kSimpleDoorEvent);
        AddMonsterEncounter(1, 30, 30, 0, 0);
        ASSERT_EQ(SaveLevel(1, 0), 1u);
        GameState.CurrentSaveSlot = 2;
    }
    void StartLoop() {
        RunTimeLoopEvent(25, 25);
        // Then the world moves on: the hero walks away and the door closes.
        GameState.HeroX = 40;
        SetGameFlag(120, 3);
        EventAt(30, 30)->Word[2] = 0;
    }
};

TEST_F(TimeLoopTest, TheSnapshotHoldsTheRunningLoop) {
    StartLoop();
    ASSERT_TRUE(fs::exists("Mod/SaveGames/save12.sav"));
    EXPECT_EQ(std::tuple(GameState.TimeLoopCountdown, GameState.TimeLoopSaveSlot), std::tuple(5, 12));
    // Stepping on it again while the loop runs does nothing.
    SetGameFlag(120, 0);
    RunTimeLoopEvent(25, 25);
    EXPECT_EQ(GameFlag(120), 0);

    GameState.HitPoints = 0;
    Keys({13});
    Run([] { ExplodeTimeDevice(0); });
    EXPECT_EQ(Shown("   Zidori's Time Device"), 0u);
    EXPECT_EQ(Shown("   Time folds back upon"), 1u);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HitPoints, GameFlag(120)), std::tuple(25, 20, 9));
    EXPECT_EQ(std::tuple(GameState.TimeLoopCountdown, GameState.CurrentLevelNumber), std::tuple(5, 1));
    EXPECT_EQ(EventAt(30, 30)->Word[2], 1);  // the monster's door stands open
    EXPECT_EQ(GridAt(30, 30), 0);
}

TEST_F(TimeLoopTest, TheCountdownRunsOutWithAnExplosion) {
    StartLoop();
    WildCombatMonsters = 2;
    GameState.TimeLoopCountdown = 1;
    Keys({13, 13, 13});
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(Shown("   Zidori's Time Device"), 1u);
    EXPECT_EQ(Shown("   You are vapourized"), 1u);
    EXPECT_EQ(Shown("   Time folds back upon"), 1u);
    EXPECT_EQ(GameState.HeroX, 25);
    EXPECT_EQ(WildCombatMonsters, -1);
}

TEST_F(TimeLoopTest, WithoutItsSnapshotTheLoopEndsInDeath) {
    StartLoop();
    fs::remove("Mod/SaveGames/save12.sav");
    Keys({13, 13});
    Run([] { ExplodeTimeDevice(0); });
    EXPECT_EQ(Shown("   You have been slain."), 1u);
    EXPECT_EQ(std::tuple(QuitAdventure, GameState.TimeLoopCountdown, GameState.HeroX), std::tuple(1u, -1, 40));
}

TEST_F(TimeLoopTest, ALoopStartsOnlyWithItsSnapshot) {
    // The arena's state is never saved: no loop can start there.
    GameState.CurrentLevelNumber = 130;
    SetGameFlag(120, 4);
    RunTimeLoopEvent(25, 25);
    EXPECT_EQ(std::tuple(GameState.TimeLoopCountdown, GameState.TimeLoopSaveSlot, GameFlag(120)), std::tuple(-1, 0, 4));
    EXPECT_FALSE(fs::exists("Mod/SaveGames/save12.sav"));
}

TEST_F(TimeLoopTest, AFallEndsTheAdventureOrFoldsBack) {
    StartLoop();
    Keys({13});
    Run(FallIntoAbyss);
    EXPECT_EQ(Shown("   Time folds back upon"), 1u);
    EXPECT_EQ(QuitAdventure, 0u);
    EXPECT_TRUE(Played("MaleFall"));

    GameState.TimeLoopCountdown = 0;
    GameState.HeroSex = 1;
    GameState.HeroX = 40;
    Access(40, 25) = kChasmAccess;
    Keys({13});
    Run(FallIntoAbyss);
    EXPECT_EQ(Shown("You plunge into the abyss."), 1u);
    EXPECT_EQ(QuitAdventure, 1u);
    EXPECT_TRUE(Played("FemaleFall"));
}

TEST_F(TimeLoopTest, TheSlainScreenEndsTheBattleAndTheTune) {
    // Tune 0 starts on death whether or not a tune played; a silenced game plays nothing.
    const struct {
        int16_t tuneBefore, volume;
        bool stopsFirst, playsTuneZero;
    } cases[] = {{4, 3, true, true}, {-1, 3, false, true}, {-1, 0, false, false}};
    for (const auto& c : cases) {
        WildCombatMonsters = 3;
        FleeChance = 40;
        GameState.CurrentTune = c.tuneBefore;
        Options.MusicVolume = c.volume;
        host.texts.clear();
        host.mediaCommands.clear();
        ClickAt(280, 275);
        Run(ShowSlainScreen);
        EXPECT_EQ(Shown("   You have been slain."), 1u);
        EXPECT_TRUE(Played("Splat"));
        EXPECT_EQ(std::tuple(WildCombatMonsters, FleeChance, GameState.CurrentTune), std::tuple(-1, 0, -1));
        const auto& sent = host.mediaCommands;
        const auto open = std::find(sent.begin(), sent.end(), "open music/tune0.mp3 alias currtune");
        EXPECT_EQ(open != sent.end(), c.playsTuneZero) << "tune before " << c.tuneBefore << " volume " << c.volume;
        if (c.playsTuneZero) {
            EXPECT_EQ(std::count(sent.begin(), open, "stop currtune"), c.stopsFirst ? 1 : 0)
                << "tune before " << c.tuneBefore;
        }
        // The skull in the box, between the line and the OK button.
        ASSERT_FALSE(host.frames.empty());
        EXPECT_TRUE(Shows(host.frames.back(), 275, 230, ItemPictures[604]));
    }
}

}  // namespace
