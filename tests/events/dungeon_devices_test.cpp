// Mushrooms, bridges, riddles answered by typing, push resets, alternate tiles and beds.
#include "platform/keys.h"
#include "events/dungeon_devices.h"
#include "tests/events/event_test.h"
#include "view/sight.h"

namespace {

class DungeonDevicesTest : public EventTest {};

TEST_F(DungeonDevicesTest, MushroomsTakeOneBlowPerBump) {
    Put(5, 5, 1271, {{1, 770}});
    for (auto [start, blows] : {std::pair{0, 1}, {-1, 2}}) {
        SetGameFlag(770, int16_t(start));
        Forget();
        for (int i = 0; i < blows; ++i) EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(Played("Hit"), size_t(blows));
        EXPECT_EQ(Bump(5, 5), 1);
        EXPECT_EQ(GameFlag(770), 1);
    }
    Put(5, 5, 1271, {{1, 9000}});  // no counter: it stands for good
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());
}

TEST_F(DungeonDevicesTest, BridgesByType) {
    struct Case {
        int16_t type, conditionFlag, status;
        int passes;
    };
    SetGameFlag(780, 2);
    const Case cases[] = {
        {0, -1, -1, 1}, {0, 780, -1, 0},  // type 0: flag 780 == 3 is false
        {1, -1, 1, 1},  {1, -1, 0, 0},   {1, -1, -1, 0},
        {2, -1, 1, 1},  {2, -1, 0, 0},   {3, -1, 1, 0},
    };
    CurrentLevel.AccessLayer[5 * 50 + 5] = 1298;  // over a wall: only a standing bridge lets sight past
    for (const Case& c : cases) {
        Put(5, 5, 1270, {{1, c.type}, {2, c.conditionFlag}, {3, 5}, {4, 3}, {6, 781}});
        SetGameFlag(781, c.status);
        EXPECT_EQ(Bump(5, 5), c.passes) << c.type << " " << c.status;
        EXPECT_EQ(BlocksSight(5, 5), 1 - c.passes) << c.type << " " << c.status;
        EXPECT_EQ(BridgeOpen(EventAt(5, 5)), c.passes == 1) << c.type << " " << c.status;
    }
    EXPECT_TRUE(host.effects.empty());
}

TEST_F(DungeonDevicesTest, AnswersInAnyCase) {
    EventRecord& e = Put(5, 5, 1264, {{4, 790}});
    Text(e, 0, 0, "What has keys but");
    Text(e, 0, 1, "opens no locks?");
    Text(e, 1, 9, "Piano");
    struct Case {
        const char* typed;
        bool right;
    };
    for (const Case& c : {Case{"piano", true}, {"PIANO", true}, {"pIaNo", true}, {"piano ", false}, {"pian", false}}) {
        SetGameFlag(790, -1);
        Forget();
        Keys({'A', c.typed, kEnter, 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(GameFlag(790), c.right ? 1 : -1) << c.typed;
        EXPECT_EQ(Shown("answered incorrectly!"), !c.right) << c.typed;
        // Text[1] has no first line: the two lines of its own.
        EXPECT_EQ(ShownAt("Your answer is correct!", 465, 120, 182), c.right) << c.typed;
        EXPECT_EQ(ShownAt("You hear a faint click.", 465, 156, 182), c.right) << c.typed;
    }

    // Esc leaves the field empty, and an empty answer is wrong here.
    Forget();
    Keys({'A', 27, 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Your answer illicits no", 465, 120, 91));
    Forget();
    Keys({27});  // leaving at once answers nothing
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("Your answer illicits no"));

    // Inactive: the hero stays and nothing shows.
    e.Word[1] = 791;
    e.Word[2] = 5;
    e.Word[3] = 1;
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(DungeonDevicesTest, ResetPushRemovesTheObjectsOfItsRectangle) {
    auto object = [](int16_t e, int16_t x, int16_t y) {
        GameState.EncounterList[e].Kind = 1;
        GameState.EncounterList[e].Extra = 7;
        GameState.EncounterList[e].Active = 1;
        GameState.MonsterGrid[x * 50 + y] = e;
    };
    object(0, 22, 20);
    object(1, 30, 30);  // outside
    GameState.EncounterList[2].Kind = 3;  // a monster is no push object
    GameState.MonsterGrid[21 * 50 + 21] = 2;
    EventRecord& reset = Put(5, 5, 1276, {{2, 20}, {3, 19}, {4, 23}, {5, 23}, {6, 795}});
    SetGameFlag(795, 4);
    Keys({'R'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.EncounterList[0].Kind, -1);
    EXPECT_EQ(GameState.EncounterList[0].Extra, -1);
    EXPECT_EQ(GameState.EncounterList[0].Active, 0u);
    EXPECT_EQ(GameState.MonsterGrid[22 * 50 + 20], -1);
    EXPECT_EQ(GameState.EncounterList[1].Kind, 1);
    EXPECT_EQ(GameState.EncounterList[2].Kind, 3);
    EXPECT_EQ(GameFlag(795), -1);
    EXPECT_EQ(Played("Lever"), 1u);

    // From above To resets nothing but the flag; a rectangle past the edges stays on the map.
    object(0, 22, 20);
    SetGameFlag(795, 4);
    reset.Word[2] = 24;
    Keys({'R'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.EncounterList[0].Kind, 1);
    EXPECT_EQ(GameFlag(795), -1);
    for (auto [w, v] : {std::pair{2, -300}, {3, -5}, {4, 900}, {5, 32000}}) reset.Word[w] = int16_t(v);
    Keys({'R'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.EncounterList[1].Kind, -1);

    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
}

TEST_F(DungeonDevicesTest, AltTilesAndBeds) {
    EventRecord& alt = Put(5, 5, 1281, {{1, 800}, {2, 5}, {3, 1}, {5, 0}, {7, 3}});
    Text(alt, 1, 0, "A wall of ice.");
    SetGameFlag(800, 1);
    EXPECT_EQ(Bump(5, 5), 1);  // first state: free access
    SetGameFlag(800, 0);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("A wall of ice."));
    Text(alt, 1, 0, "");
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);  // blocking without words
    EXPECT_TRUE(host.effects.empty());
    alt.Word[1] = 0;  // no flag: the first state
    EXPECT_EQ(Bump(5, 5), 1);

    EventRecord& bed = Put(6, 5, 1285, {{3, 801}, {4, 5}, {5, 1}});
    GameState.HitPoints = 3;
    GameState.HeroFood = 2;
    Keys({'R'});
    EXPECT_EQ(Bump(6, 5), 0);  // rest allowed: the prompt, then a night with a full heal
    EXPECT_EQ(GameState.HitPoints, GameState.HitPointsMax);
    EXPECT_EQ(GameState.HeroFood, 1);
    SetGameFlag(801, 1);
    EXPECT_EQ(Bump(6, 5), 1);  // forbidden without a text: stepped on
    Text(bed, 0, 0, "Too dangerous to sleep.");
    Keys({'L'});
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(Shown("Too dangerous to sleep."));
}

}  // namespace
