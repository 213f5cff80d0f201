// The square triggers: traps and teleport traps, pits, triggers with their score, pads, the
// stealth checkpoint, ghost symbols, dance floors, thin crust, the auto-pilot and text pages.
#include <string>
#include <tuple>

#include "adventure/adventure_loop.h"
#include "adventure/square_triggers.h"
#include "adventure/teleport.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "tests/adventure/adventure_test.h"
#include "tests/support/surface_match.h"

namespace {

class TriggersTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        ASSERT_EQ(SaveLevel(1, 0), 1u);
        ASSERT_EQ(SaveLevel(2, 0), 1u);
    }
};

TEST_F(TriggersTest, TrapsSpringOnceAndTeleportTrapsEveryTime) {
    // Kind 0 blade 2d1 against DR 1; kind 2 acid against resist 5; kind 6 poison; flag 9 + kind.
    const struct {
        int16_t kind, agility;
        int16_t hp;
        uint32_t poisoned;
    } cases[] = {{0, 3, 19, 0}, {0, 10, 20, 0}, {2, 3, 20, 0}, {6, 3, 20, 1}};
    for (const auto& c : cases) {
        Put(25, 25, kTrapEvent, {{5, c.kind}, {6, 2}, {7, 1}, {9, int16_t(90 + c.kind)}, {10, 10}});
        GameState.HitPoints = 20;
        GameState.DamageReduction = 1;
        GameState.Resists[0] = 5;
        GameState.Stats[kAgility] = c.agility;
        GameState.Poisoned = 0;
        SetGameFlag(90 + c.kind, 0);
        TapKey('B');
        Run([] { RunTrapEvent(25, 25); });
        EXPECT_EQ(GameState.HitPoints, c.hp) << c.kind;
        EXPECT_EQ(GameState.Poisoned, c.poisoned) << c.kind;
        EXPECT_EQ(GameFlag(90 + c.kind), 1) << c.kind;  // sprung, avoided or not
        Run([] { RunTrapEvent(25, 25); });              // no second page to wait for
    }

    for (int n = 0; n < 2; ++n) {
        TeleportHero(1, 0, 25, 25, 0);
        NewLevel(1327);
        Put(25, 25, kTrapEvent, {{5, 7}, {9, 97}, {16, 2}, {17, 10}, {18, 11}});
        TapKey(13);
        Run([] { RunTrapEvent(25, 25); });
        EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(2, 10, 11));
        EXPECT_NE(GameFlag(97), 1);
    }
    EXPECT_EQ(Shown("    A teleport trap!"), 2u);
}

// The box of a trap or pit is gone when a box of the teleport that follows (a missing level)
// shows.
TEST_F(TriggersTest, AMissingLevelsBoxStandsOnTheMapNotOnTheTrapsBox) {
    const struct {
        int16_t type;
        std::initializer_list<std::pair<int, int16_t>> words;
        int32_t boxX, boxY;
    } cases[] = {
        {kTrapEvent, {{5, 7}, {16, 9}, {17, 10}, {18, 11}}, 90, 90},
        {kPitEvent, {{6, 1}, {7, 1}, {10, 9}, {12, 10}, {13, 11}}, 80, 80},
    };
    for (const auto& c : cases) {
        Put(25, 25, c.type, c.words);
        host.frames.clear();
        Keys({kEnter, kEnter, kEnter});
        Run([&] {
            c.type == kTrapEvent ? RunTrapEvent(25, 25) : RunPitEvent(25, 25);
            ShowMessage(60, 300, "The next box", "");
        });
        EXPECT_TRUE(BoxShown(host, c.boxX, c.boxY)) << c.type;
        EXPECT_TRUE(BoxShown(host, 200, 160)) << c.type;
        EXPECT_FALSE(BoxLeftBeside(host, 200, 160, c.boxX, c.boxY)) << c.type;
        EXPECT_FALSE(BoxLeftBeside(host, 60, 300, 200, 160)) << c.type;
    }
}

TEST_F(TriggersTest, APitAtItsTopDropsTheHero) {
    Put(25, 25, kPitEvent, {{6, 1}, {7, 1}, {8, 2}, {9, 80}, {10, 2}, {12, 3}, {13, 4}, {14, 1}});
    Run([] { RunPitEvent(25, 25); });  // the bottom end: nothing
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
    EventAt(25, 25)->Word[14] = 0;
    TapKey(13);
    Run([] { RunPitEvent(25, 25); });
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(2, 3, 4));
    EXPECT_EQ(GameState.HitPoints, 17);
    EXPECT_EQ(GameFlag(80), 1);
}

TEST_F(TriggersTest, ATriggerRewardsAChangeOrAlwaysWithoutACondition) {
    const struct {
        int16_t condition, score, flagBefore;
        const char* line;
    } cases[] = {
        {0, 1, 7, "by 1 point!"},  // no condition: the flags were already set, still rewarded
        {0, 2, 0, "by 2 points!"},
        {85, 3, 7, nullptr},  // a condition and nothing changed: no reward
        {85, 3, 0, "by 3 points!"},
    };
    for (const auto& c : cases) {
        // Condition: flag 85 (0) != 1.
        Put(25, 25, kTriggerEvent,
            {{1, c.condition}, {2, 4}, {3, 1}, {4, 86}, {6, 7}, {7, 25}, {13, 2}, {14, c.score}});
        SetGameFlag(86, c.flagBefore);
        GameState.Score = 10;
        host.texts.clear();
        host.effects.clear();
        if (c.line) TapKey(13);
        Run([] { RunTriggerEvent(25, 25); });
        EXPECT_EQ(GameFlag(86), 7);
        EXPECT_EQ(GameState.DreamStage, 2);
        EXPECT_EQ(GameState.Score, c.line ? 10 + c.score : 10) << c.score;
        EXPECT_EQ(Shown("Your score just increased"), c.line ? 1u : 0u);
        if (c.line) { EXPECT_EQ(Shown(c.line), 1u); }
        EXPECT_EQ(Played("Hit"), c.line != nullptr);  // sound 25
    }
}

TEST_F(TriggersTest, TheStealthCheckpoint) {
    Put(25, 25, kHideEvent, {{1, 5}, {2, 2}, {3, 6}, {4, 7}});
    SetFieldText(EventAt(25, 25)->Text[0][0], "Halt!");
    GameState.Hidden = 1;
    GameState.Skills[kStealth] = 5;
    Run([] { RunHideEvent(25, 25, 24, 25); });
    EXPECT_EQ(Shown("You have been spotted!"), 0u);
    GameState.Skills[kStealth] = 4;
    TapKey('L');
    Run([] { RunHideEvent(25, 25, 24, 25); });
    EXPECT_EQ(Shown("(Need 5 stealth skill!)"), 1u);
    EXPECT_EQ(Shown("Halt!"), 1u);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(2, 6, 7));
    EXPECT_EQ(GameState.Hidden, 0u);
}

TEST_F(TriggersTest, GhostSymbolsInOrder) {
    // Symbols 0, 1, 2 on squares (10..12, 10); flag 95 holds the next one due.
    for (int16_t i = 0; i < 3; ++i) Put(int16_t(10 + i), 10, kGhostTextEvent, {{4, 95}, {5, i}});
    SetGameFlag(95, 0);
    const struct {
        int16_t square;
        int16_t flag;
    } walk[] = {{10, 1}, {10, 1}, {11, 2}, {11, 2}, {10, -1}, {12, -1}};
    for (const auto& s : walk) {
        RunGhostTextEvent(s.square, 10);
        EXPECT_EQ(GameFlag(95), s.flag) << s.square;
    }
    // An item that must be worn.
    Put(13, 10, kGhostTextEvent, {{1, 1}, {2, 50}, {4, 95}, {5, 0}, {6, 1}});
    SetGameFlag(95, 0);
    RunGhostTextEvent(13, 10);
    EXPECT_EQ(GameFlag(95), 0);
    Wear(kAmuletSlot, 1, 50);
    RunGhostTextEvent(13, 10);
    EXPECT_EQ(GameFlag(95), 1);
}

TEST_F(TriggersTest, DanceFloors) {
    // A toggle square flips its flag and counts; a crumbling square breaks behind the hero and
    // drops him the second time.
    EventRecord& toggle = Put(10, 10, kDanceEvent, {{1, 100}, {2, 101}});
    SetGameFlag(100, -1);
    RunDanceEvent(10, 10, 1);
    EXPECT_EQ(std::tuple(GameFlag(100), GameFlag(101)), std::tuple(1, 1));
    RunDanceEvent(toggle, 1);
    EXPECT_EQ(std::tuple(GameFlag(100), GameFlag(101)), std::tuple(-1, 0));

    Put(11, 10, kDanceEvent, {{1, 102}, {2, 103}, {4, 1}});
    SetGameFlag(102, -1);
    RunDanceEvent(11, 10, 1);
    RunDanceEvent(11, 10, 0);
    EXPECT_EQ(std::tuple(GameFlag(102), GameFlag(103), QuitAdventure), std::tuple(1, 1, 0u));
    TapKey(13);
    Run([] { RunDanceEvent(11, 10, 1); });
    EXPECT_EQ(QuitAdventure, 1u);
}

TEST_F(TriggersTest, ThinCrustAndDmf2) {
    Put(25, 25, kThinCrustEvent, {{4, 1}, {7, 3}, {8, 1}, {9, 0}, {10, 105}});
    GameState.Resists[3] = 1;
    RunThinCrustEvent(25, 25);
    EXPECT_EQ(GameState.HitPoints, 18);
    EXPECT_EQ(Shown("Fire damage!"), 1u);
    SetGameFlag(105, 2);
    RunThinCrustEvent(25, 25);
    EXPECT_EQ(GameState.HitPoints, 18);

    Put(26, 25, kDmf2Event, {{1, 106}, {2, 107}, {3, 0}, {12, 4}});
    SetGameFlag(106, -1);
    SetGameFlag(107, 1);
    RunDmf2Event(26, 25, 1);
    EXPECT_EQ(std::tuple(GameFlag(106), GameFlag(107)), std::tuple(1, 5));
    RunDmf2Event(26, 25, 1);
    EXPECT_EQ(std::tuple(GameFlag(106), GameFlag(107)), std::tuple(-1, 1));
}

TEST_F(TriggersTest, TheAutoPilotWalksItsPathAndOpensDoors) {
    // Right 3, up 2, then the end; a door on the way; flag 110 set to 4 at the end.
    Put(25, 25, kAutoPilotEvent, {{4, 110}, {6, 4}, {7, 3}, {8, 1}, {17, 3}, {18, 2}, {28, 1}, {29, 600}});
    Put(28, 24, kSimpleDoorEvent);
    Run([] { RunAutoPilotEvent(25, 25); });
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY, GameState.FigureFacesRight), std::tuple(28, 23, 1));
    EXPECT_EQ(EventAt(28, 24)->Word[2], 1);
    EXPECT_TRUE(Played("Door"));
    EXPECT_EQ(GameFlag(110), 4);

    // A path off the map ends there; the flag still changes.
    GameState.HeroX = 47;
    SetGameFlag(110, 0);
    EventAt(25, 25)->Word[17] = 9;
    Run([] { RunAutoPilotEvent(25, 25); });
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(49, 23));
    EXPECT_EQ(GameFlag(110), 4);
}

TEST_F(TriggersTest, TextPagesAndSoundNumbers) {
    Put(25, 25, kStepTextEvent);
    EXPECT_EQ(DrawEventTextPage(25, 25, 0), 132);
    SetFieldText(EventAt(25, 25)->Text[1][3], "Beware");
    EXPECT_EQ(DrawEventTextPage(25, 25, 1), 180);
    EXPECT_EQ(DrawEventTextPage(25, 25, 2), 132);
    const auto beware = std::find_if(host.texts.begin(), host.texts.end(),
                                     [](const host::TextRecord& t) { return t.text == "Beware"; });
    ASSERT_NE(beware, host.texts.end());
    EXPECT_EQ(std::tuple(beware->x, beware->y), std::tuple(465, 156));

    for (int16_t n : {0, 26, -1, 12}) PlaySoundNumber(n);
    EXPECT_EQ(host.effects, std::vector<std::string>{"Eat"});
}

}  // namespace
