// Saves and levels damaged by hand, each played for a few moves on the fuzz targets' world:
// what lies outside its table is not drawn and changes nothing, and the game goes on.
#include <algorithm>
#include <memory>
#include <vector>

#include "adventure/adventure_loop.h"
#include "adventure/square_kinds.h"
#include "data/game_state.h"
#include "data/level.h"
#include "frontend/title.h"
#include "fuzz/game_checks.h"
#include "hero/hero_screen_pages.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"
#include "view/play_screen.h"

namespace {

constexpr int kRight = 39, kLeft = 37, kUp = 38, kCtrl = 17;

class DamagedGameTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        fuzz::EnterPlayWorld();
    }

    // The back surface as a drawing left it.
    template <class Draw>
    static std::vector<uint16_t> Drawn(Draw&& draw) {
        draw();
        return {BackSurface->pixels.get(), BackSurface->pixels.get() + 640 * 480};
    }
    static std::vector<uint16_t> PlayScreen() {
        return Drawn([] { DrawPlayScreen(1, 1, 0, -1, -1, 0); });
    }

    // The keys, then Ctrl+Q; the adventure must end by itself.
    void Play(std::initializer_list<int> keys) {
        for (int key : keys) TapKey(key);
        host.Wait(20).Press(kCtrl).Wait(5).Tap('Q').Release(kCtrl);
        Run(AdventureLoop);
        EXPECT_EQ(QuitProgram, 1u);
        QuitProgram = 0;
    }
};

TEST_F(DamagedGameTest, AnInstancePastTheTableInTheBackpackShowsNothing) {
    GameState.Backpack[8][8] = 900;
    const auto damaged = Drawn([] { DrawHeroScreen(BackpackPage(), 0); });
    GameState.Backpack[8][8] = -1;
    EXPECT_EQ(damaged, Drawn([] { DrawHeroScreen(BackpackPage(), 0); }));

    GameState.Backpack[8][8] = 900;
    Play({'I', 27, kLeft});
    EXPECT_EQ(GameState.HeroX, 24);
}

TEST_F(DamagedGameTest, AMonsterPastTheTableIsNotDrawnAndNeverFights) {
    // The orc three squares east of the hero.
    const int16_t e = GameState.MonsterGrid[28 * 50 + 25];
    ASSERT_GE(e, 0);
    GameState.EncounterList[e].Monster = 350;
    const auto damaged = PlayScreen();
    const Encounter kept = GameState.EncounterList[e];
    GameState.EncounterList[e].Kind = -1;
    GameState.MonsterGrid[28 * 50 + 25] = -1;
    EXPECT_EQ(damaged, PlayScreen());
    GameState.EncounterList[e] = kept;
    GameState.MonsterGrid[28 * 50 + 25] = e;

    host.MoveMouse(15 + 32 * 9 + 16, 15 + 32 * 6 + 16).Wait(100).Tap(2);
    Play({kRight, kRight, kRight, 32});
    EXPECT_EQ(GameState.HeroX, 27);  // the square stays held
    EXPECT_FALSE(TextShown(host, "You hit the Orc"));
    EXPECT_EQ(GameState.EncounterList[e].Monster, 350);
}

TEST_F(DamagedGameTest, AHeroOffTheMapStaysWhereHeIs) {
    GameState.HeroX = 60;
    GameState.HeroY = -3;
    // No step is tried from there, so the arrows are not even read: they are held a while.
    host.Hold(kLeft, 500).Hold(kUp, 500);
    Play({'X', 32});
    EXPECT_EQ(GameState.HeroX, 60);
    EXPECT_EQ(GameState.HeroY, -3);
    EXPECT_TRUE(TextShown(host, "Coordinates: X=60 , Y=-3"));
}

TEST_F(DamagedGameTest, AScriptThatJumpsToItsLastLineEndsThere) {
    // A change to a script slot past the table, a choice whose one answer jumps to a mark on
    // line 399, and gold that is never reached.
    auto script = std::make_unique<LevelScript>();
    ScriptRecord& r = script->Record;
    const int16_t lines[][3] = {{0, 6, 45}, {1, 1, 0}, {2, 4, 7}, {3, 23, 100}, {399, 5, 7}};  // line, code, operand
    for (const auto& l : lines) {
        r.Code[l[0]] = l[1];
        r.Operand[l[0]][0] = l[2];
    }
    script->LineText[1] = std::make_unique<ScriptLineText>();
    std::copy_n("1. Go on", 9, script->LineText[1]->data());
    ScriptTable[0] = std::move(script);
    CreateEvent(26, 25, 1246);  // a SCRIPT EVENT running script 0
    const int32_t gold = GameState.HeroGold;

    Play({kRight, 13, '1', kUp});
    EXPECT_TRUE(TextShown(host, "Change Script Error!"));
    EXPECT_TRUE(TextShown(host, "1. Go on"));
    EXPECT_FALSE(TextShown(host, "ERROR: mark not found!"));
    EXPECT_EQ(GameState.HeroGold, gold);
    EXPECT_EQ(GameState.HeroY, 24);  // the game goes on
}

TEST_F(DamagedGameTest, AnEventWordNamingFlag9000ChangesNoFlag) {
    CreateEvent(25, 24, kTriggerEvent);
    int16_t* w = EventAt(25, 24)->Word;
    w[4] = 9000, w[5] = 0, w[6] = 5;  // set flag 9000 to 5
    w[8] = 12, w[9] = 0, w[10] = 7;   // set flag 12 to 7
    w[14] = 3;                        // and 3 points
    const auto before = std::make_unique<GameStateRecord>(GameState);

    Play({kUp, 13});
    EXPECT_EQ(GameState.HeroY, 24);
    EXPECT_EQ(GameFlag(12), 7);
    EXPECT_EQ(GameFlag(9000), -1);
    SetGameFlag(12, -1);
    // Flag 0 is the world's turn's own.
    EXPECT_TRUE(std::equal(std::begin(GameState.GameFlags) + 1, std::end(GameState.GameFlags), before->GameFlags + 1));
    EXPECT_EQ(SecondLineOfBox(host, "Your score just increased"), "by 3 points!");
}

}  // namespace
