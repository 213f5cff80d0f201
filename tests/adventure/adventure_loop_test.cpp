// The adventure loop end to end: steps and edges, the ways out, the HUD's refusals, saving,
// death with and without a time loop, and the beast form's way back.
#include <filesystem>
#include <functional>
#include <tuple>
#include <vector>

#include "adventure/adventure_loop.h"
#include "adventure/time_loop.h"
#include "adventure/wilderness.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "frontend/title.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/keys.h"
#include "tests/adventure/adventure_test.h"

namespace fs = std::filesystem;

namespace {

class AdventureLoopTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        ASSERT_EQ(SaveLevel(1, 0), 1u);
        GameState.CurrentSaveSlot = 2;
        QuitProgram = 0;
    }
    // Ctrl goes down a moment before the letter, as a person presses it.
    void CtrlKey(int key) { host.Wait(20).Press(17).Wait(5).Tap(key).Release(17); }
    void CtrlQ() { CtrlKey('Q'); }
    void Play() {
        CtrlQ();
        Run(AdventureLoop);
    }
    std::tuple<int16_t, int16_t> Square() const { return {GameState.HeroX, GameState.HeroY}; }
};

TEST_F(AdventureLoopTest, StepsTurnTheFigureAndCtrlQEndsTheProgram) {
    GameState.PortalSightTurns = 5;
    Keys({39, 39, 37, 32});
    Play();
    EXPECT_EQ(Square(), std::tuple(26, 25));
    EXPECT_EQ(GameState.FigureFacesRight, 0);
    EXPECT_EQ(GameState.PortalSightTurns, 1);  // three steps and a wait
    EXPECT_EQ(std::tuple(QuitAdventure, QuitProgram), std::tuple(1u, 1u));

    // On a wilderness level a step also turns the hero's facing.
    CurrentLevel.WildernessLevel = 1;
    Keys({40});
    Play();
    EXPECT_EQ(std::tuple(GameState.HeroY, GameState.Facing), std::tuple(26, 1));
}

TEST_F(AdventureLoopTest, TheMapEdgeIsAnExitNotAStep) {
    GameState.HeroY = 0;
    CurrentLevel.ExitLevel[0] = 0;
    Keys({38, 13});
    Play();
    EXPECT_EQ(Shown("  There is no reason to"), 1u);
    EXPECT_EQ(Square(), std::tuple(25, 0));

    // An exit to 999 asks; No keeps the hero, Yes ends the adventure.
    Access(25, 0) = kBorderAccess;
    CurrentLevel.ExitLevel[0] = 999;
    Keys({38, 'N'});
    Play();
    EXPECT_EQ(Shown("Flee from the battle?"), 1u);
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
    QuitProgram = 0;
    Keys({38, 'Y'});
    Run(AdventureLoop);
    EXPECT_EQ(std::tuple(QuitProgram, QuitAdventure), std::tuple(0u, 0u));
}

TEST_F(AdventureLoopTest, TestPlayEndsWithEscOrQ) {
    TestPlayMode = 1;
    for (int key : {27, int('Q')}) {
        TapKey(key);
        Run(AdventureLoop);
        EXPECT_EQ(std::tuple(QuitAdventure, QuitProgram), std::tuple(1u, 0u));
    }
}

TEST_F(AdventureLoopTest, HudRefusals) {
    const struct {
        std::function<void()> setup;
        int key;
        const char* line;
    } cases[] = {
        {[] { CurrentLevel.ZoneConditions[0] = 6; }, 'W', " Antimagic Field present!"},
        {[] { CurrentLevel.ZoneConditions[0] = 6; }, 'A', " Antimagic Field present!"},
        {[] {
             CurrentLevel.ZoneLayer[25 * 50 + 25] = 3;
             CurrentLevel.ZoneConditions[3] = 6;
             CurrentLevel.ZoneConditionOffFlag[0] = 140;
             CurrentLevel.ZoneConditionOffValue[0] = 2;
             SetGameFlag(140, 2);
         },
         'W', "You do not currently have"},
        {[] {}, 'H', "  You require at least 1"},
        {[] {}, 'G', " To dig holes you need"},
        {[] {}, 'R', "It's not safe to rest here!"},
        {[] { GameState.Poisoned = 1; }, 'R', "Cannot rest while poisoned!"},
        {[] { WildCombatMonsters = 1; }, -'F', "    You cannot save the"},
    };
    for (const auto& c : cases) {
        NewLevel(1327);
        c.setup();
        host.texts.clear();
        if (c.key < 0) CtrlKey(-c.key);
        else TapKey(c.key);
        TapKey(13);
        Play();
        EXPECT_EQ(Shown(c.line), 1u) << c.line;
        EXPECT_FALSE(fs::exists("Mod/SaveGames/save2.sav"));
    }
    // Saving outside a battle.
    WildCombatMonsters = -1;
    CtrlKey('F');
    TapKey(13);
    Play();
    EXPECT_TRUE(fs::exists("Mod/SaveGames/save2.sav"));
}

TEST_F(AdventureLoopTest, TheWildernessOnlySaysNo) {
    CurrentLevel.WildernessLevel = 1;
    Keys({'B', 'W', 'D', 'G', 'C', 'P'});
    Play();
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "no"), 6);
}

TEST_F(AdventureLoopTest, TheHudAsksTheHeroScreensOwnLoreAndLevelTests) {
    GameState.LoreKnown[3] = 2;  // a damaged save: no lore, as the hero screen counts it
    Keys({'I', 27});
    Play();
    EXPECT_GE(Shown("Can drop quest items?"), 1u);  // the backpack page, not the Stats page

    GameState.HeroLevel = 50;  // the top level: the star offers nothing, whatever the experience
    GameState.HeroXp = 200000;
    ClickAt(378, 8);
    Play();
    EXPECT_EQ(Shown("Advancing to level 51"), 0u);
}

TEST_F(AdventureLoopTest, TabAndCarefulStep) {
    Keys({9, 9, 'K'});
    Play();
    EXPECT_EQ(GameState.SidePanelMode, 2);
    EXPECT_EQ(GameState.CarefulStep, 1u);
    Keys({9});
    Play();
    EXPECT_EQ(GameState.SidePanelMode, 0);
}

TEST_F(AdventureLoopTest, DeathEndsTheAdventureUnlessTimeFoldsBack) {
    // A loop begun on this square: the snapshot has the hero whole.
    Put(25, 25, kTimeLoopEvent, {{4, 9}});
    RunTimeLoopEvent(25, 25);
    GameState.HitPoints = 0;
    TapKey(13);
    Play();
    EXPECT_EQ(Shown("   Time folds back upon"), 1u);
    EXPECT_EQ(GameState.HitPoints, 20);
    EXPECT_EQ(Shown("   You have been slain."), 0u);

    GameState.TimeLoopCountdown = 0;
    GameState.Petrified = 1;
    QuitProgram = 0;
    TapKey(13);
    Run(AdventureLoop);
    EXPECT_EQ(Shown("   You have been slain."), 1u);
    EXPECT_EQ(std::tuple(QuitAdventure, QuitProgram), std::tuple(1u, 0u));
}

TEST_F(AdventureLoopTest, EntryOpensTheDoorUnderTheHeroAndLeavingClearsTheBattle) {
    Put(25, 25, kSimpleDoorEvent);
    BattleReturnPlace[0] = 4;
    WildCombatMonsters = 2;
    Play();
    EXPECT_EQ(EventAt(25, 25)->Word[2], 1);
    EXPECT_EQ(std::tuple(WildCombatMonsters, BattleReturnPlace[0]), std::tuple(-1, -1));
}

TEST_F(AdventureLoopTest, TheBeastTurnsBackIntoAHero) {
    GameState.HeroForm = 3;
    GameState.FormTurns = 40;
    GameState.FormDefence = GameState.FormDR = 2;
    Item(591, 25);
    Wear(kAmuletSlot, 1, 591, 3, 1);
    Keys({'H', 'Y'});
    Play();
    EXPECT_EQ(std::tuple(GameState.HeroForm, GameState.FormTurns, GameState.FormDR), std::tuple(0, 0, 0));
    EXPECT_EQ(GameState.EquipSlots[kAmuletSlot], -1);
    EXPECT_EQ(GameState.ItemInstances[1].ItemNumber, -1);
    const int16_t fresh = GameState.Backpack[0][0];
    ASSERT_NE(fresh, -1);
    EXPECT_EQ(std::tuple(GameState.ItemInstances[fresh].ItemNumber, GameState.ItemInstances[fresh].X),
              std::tuple(591, 0));
}

}  // namespace

namespace {

// The frame that shows a box over (x, y) of the play screen, and how long it stayed up.
uint64_t BoxShownMs(const host::Headless& host, int32_t x, int32_t y) {
    const auto& frames = host.frames;
    if (frames.size() < 2) return 0;
    const uint16_t screen = frames.back().At(x, y);
    for (size_t i = 0; i + 1 < frames.size(); ++i)
        if (frames[i].At(x, y) != screen) return frames[i + 1].atMs - frames[i].atMs;
    return 0;
}

TEST_F(AdventureLoopTest, SidePanelBoxesShowWhileTheButtonIsHeld) {
    const struct {
        int32_t x, y, button;
        const char* shown;
    } cases[] = {
        {490, 184, 2, "  Capstat for Critical Hit skill"},  // a statistic row's help
        {490, 184, 1, "Strength"},                          // its breakdown
        {540, 25, 2, "Gold Pieces (Gp)"},
        {470, 30, 1, "Divide by 2 to get DR."},
    };
    for (const auto& c : cases) {
        host.texts.clear();
        host.frames.clear();
        host.MoveMouse(c.x, c.y).Wait(100).Press(c.button).Wait(400).Release(c.button);
        Play();
        EXPECT_GE(Shown(c.shown), 1u) << c.shown;
        // Up from the press to the release: 400 polls of at least a millisecond each.
        EXPECT_GE(BoxShownMs(host, 200, 200), 400u) << c.shown;
    }
}

TEST_F(AdventureLoopTest, TheCompactLayoutAnswersAsItIsDrawn) {
    GameState.CompactHud = 1;
    ClickAt(460, 360);  // the Statistics picture of the compact layout
    TapKey(27);
    host.Wait(100).Hold('B', 200).Wait(100).Hold('W', 200);  // no Bow or Wand button in this layout
    TapKey('I');
    TapKey(27);
    Play();
    EXPECT_GE(Shown("Stats"), 1u);
    EXPECT_EQ(Shown("You have no missile weapon"), 0u);
    EXPECT_EQ(Shown("You do not currently have"), 0u);

    // The normal layout's Options click area lies at x 590, beside its picture at 595.
    GameState.CompactHud = 0;
    host.texts.clear();
    ClickAt(592, 430);
    TapKey(27);
    Play();
    EXPECT_GE(Shown("Game Options:"), 1u);
}

// The values a new hero or a save brings are worked out anew as the adventure begins: what
// the side panel shows is what its breakdowns add up to.
TEST_F(AdventureLoopTest, TheHerosValuesAreWorkedOutAsTheAdventureBegins) {
    GameState.Stats[kCombat] = -7;
    Play();
    const int16_t shown = GameState.Stats[kCombat];
    RecalcHero();
    EXPECT_EQ(shown, GameState.Stats[kCombat]);
}

TEST_F(AdventureLoopTest, QuickTapsBetweenTwoReadsAreNotLost) {
    for (int i = 0; i < 9; ++i) host.QuickTap(39);
    host.Wait(3000);
    Play();
    EXPECT_EQ(Square(), std::tuple(34, 25));
}

// A key pressed, then, while the program acts on it and waits for its release, let go and
// tapped again and again, a millisecond apart: every press acts once.
// The release of a key held, then more taps, every other one of `twin` when given: a wait for
// the release of both must take no press of either.
std::vector<host::KeyEvent> TapsAfterAPress(int key, int presses, int twin = 0) {
    std::vector<host::KeyEvent> events = {{key, false, 1}};
    for (int i = 1; i < presses; ++i) {
        const int k = twin && i % 2 ? twin : key;
        events.insert(events.end(), {{k, true, 1}, {k, false, 1}});
    }
    return events;
}

TEST_F(AdventureLoopTest, AWaitForAReleaseLeavesTheNextPress) {
    GameState.CarefulStep = 1;  // one step a press
    host.AwaitScreen("adventure").Press(kRight).Burst(TapsAfterAPress(kRight, 9, kPadRight)).Wait(3000);
    host.Press('K').Burst(TapsAfterAPress('K', 3)).Wait(300);
    host.Press(kTab).Burst(TapsAfterAPress(kTab, 3)).Wait(300);
    Play();
    EXPECT_EQ(Square(), std::tuple(34, 25));
    EXPECT_EQ(GameState.CarefulStep, 0u);  // toggled three times
    EXPECT_EQ(GameState.SidePanelMode, 0);  // round the three modes
}

// Twelve taps come at once; each step takes 100 ms of the game delay, so the last are read
// over a second after they came: the loop goes on reading the key, and they are kept.
TEST_F(AdventureLoopTest, ABurstOfTapsIsReadToTheEnd) {
    Options.GameDelay = 50;
    std::vector<host::KeyEvent> taps;
    for (int i = 0; i < 12; ++i) taps.insert(taps.end(), {{kDown, true, 1}, {kDown, false, 1}});
    host.AwaitScreen("adventure").Burst(taps).Wait(5000);
    Play();
    EXPECT_EQ(Square(), std::tuple(25, 37));
}

}  // namespace
