// The encounter list and the monster grid: footprints at the map's edge, full lists, held
// squares, level population, boats, dormant monsters and group spawns.
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "adventure/encounters.h"
#include "adventure/wilderness.h"
#include "data/square_kinds.h"
#include "tests/adventure/adventure_test.h"

namespace {

class EncountersTest : public AdventureTest {
protected:
    std::vector<std::string> EdgeBoxes() const {
        std::vector<std::string> boxes;
        for (const auto& t : host.texts)
            if (t.text.rfind("Error - ", 0) == 0) boxes.push_back(t.text);
        return boxes;
    }
    // A MONSTER EVENT of monster m, alive (status flag 100 + x at -1), with no condition.
    static EventRecord& MonsterEvent(int16_t x, int16_t y, int16_t m) {
        SetGameFlag(100 + x, -1);
        return Put(x, y, kMonsterEvent, {{4, m}, {5, int16_t(100 + x)}});
    }
};

TEST_F(EncountersTest, FootprintsAtTheEdgeKeepToTheMapWithTheirBoxesInOrder) {
    const std::string length = "Error - monster length of edge", height = "Error - monster height of edge",
                      huge = "Error - huge monster of edge", mega = "Error - mega monster of edge";
    const struct {
        int16_t monster, x, y;
        int squares;
        std::vector<std::string> boxes;
    } cases[] = {
        {2, 49, 10, 1, {length}},     {2, 48, 10, 2, {}},  {3, 49, 49, 1, {length, height, huge}},
        {3, 49, 10, 2, {length, huge}}, {3, 10, 49, 2, {height, huge}}, {3, 10, 10, 4, {}},
        {4, 48, 10, 1, {mega}},       {4, 10, 48, 1, {mega}}, {4, 47, 47, 9, {}},
    };
    for (const auto& c : cases) {
        PopulateEncounters();
        host.texts.clear();
        for (size_t i = 0; i < c.boxes.size(); ++i) TapKey(13);
        Run([&] { EXPECT_EQ(AddMonsterEncounter(c.monster, c.x, c.y, 0, 0), 1); });
        EXPECT_EQ(CountSquaresOf(0), c.squares) << c.monster << " at " << c.x << "," << c.y;
        EXPECT_EQ(GridAt(c.x, c.y), 0);
        EXPECT_EQ(EdgeBoxes(), c.boxes) << c.monster << " at " << c.x << "," << c.y;
    }
}

TEST_F(EncountersTest, TheFiftyFirstOfEveryKindIsRefusedWithItsBox) {
    Access(40, 40) = 1299;
    Put(40, 40, kBoatEvent, {{4, 1195}, {5, 300}});
    SetGameFlag(300, -1);
    MonsterEvent(41, 41, 1);
    const struct {
        const char* box;
        void (*add)();
    } kinds[] = {
        {"Encounter list full 4!", [] { AddMonsterEncounter(1, 45, 45, 0, 0); }},
        {"Encounter list full 5!", [] { SpawnMonsterAt(41, 41); }},
        {"Encounter list full 2!", [] { AddPushEncounter(1, 300, 42, 42); }},
        {"Encounter list full 1!", [] { AddBoatEncounter(2, 1195, 40, 40); }},
    };
    for (int16_t n = 0; n < kEncounterCount; ++n) ASSERT_EQ(AddMonsterEncounter(1, n, 0, 0, 0), 1);
    for (const auto& k : kinds) {
        TapKey(13);
        Run(k.add);
        EXPECT_EQ(Shown(k.box), 1u);
        EXPECT_EQ(EncounterCount(), kEncounterCount);
        for (int x = 40; x <= 45; ++x) EXPECT_EQ(GridAt(x, x), -1);
    }
}

TEST_F(EncountersTest, NothingIsPutOnAHeldSquareOrOffTheMap) {
    ASSERT_EQ(AddMonsterEncounter(2, 10, 10, 1, 0), 1);  // two wide: (10, 10) and (11, 10)
    EXPECT_EQ(AddMonsterEncounter(1, 11, 10, 0, 0), 0);
    EXPECT_EQ(AddMonsterEncounter(1, -1, 10, 0, 0), 0);
    EXPECT_EQ(AddMonsterEncounter(1, 10, 50, 0, 0), 0);
    AddPushEncounter(1, 300, 10, 10);
    // Footprints keep off squares that are taken.
    ASSERT_EQ(AddMonsterEncounter(2, 9, 10, 0, 0), 1);
    ASSERT_EQ(AddMonsterEncounter(3, 9, 9, 0, 0), 1);
    EXPECT_EQ(EncounterCount(), 3);
    EXPECT_EQ(CountSquaresOf(0), 2);
    EXPECT_EQ(CountSquaresOf(1), 1);  // (10, 10) is the first one's
    EXPECT_EQ(CountSquaresOf(2), 2);  // (9, 9) and (10, 9) are free; (9, 10) and (10, 10) are not
    EXPECT_EQ(GridAt(10, 10), 0);
    const Encounter& e = GameState.EncounterList[0];
    EXPECT_EQ(e.Kind, kMonsterKind);
    EXPECT_EQ(e.Facing, 3);
    EXPECT_EQ(e.Hp, 10);
    EXPECT_EQ(e.HpMax, 10);
    EXPECT_EQ(e.KillFlag, -1);
    EXPECT_EQ(e.DisguiseItem, -1);
    EXPECT_EQ(e.X, -1);
}

TEST_F(EncountersTest, LevelEntryBuildsTheListFromTheLevelsEvents) {
    MonsterEvent(5, 5, 1).Word[9] = 1;
    Put(6, 6, kMonsterEvent, {{4, 1}, {5, 200}});  // status flag 200 is 0: dead
    MonsterEvent(7, 7, 1).Word[1] = 201;  // condition flag 201 > 0 is false
    // Dormant while flag 202 == 1: shown as monster 1, with the footprint of monster 2.
    MonsterEvent(8, 8, 2);
    EventAt(8, 8)->Word[10] = 202;
    EventAt(8, 8)->Word[11] = 5;
    EventAt(8, 8)->Word[12] = 1;
    EventAt(8, 8)->Word[14] = 1;
    EventAt(8, 8)->Word[15] = 77;
    SetGameFlag(202, 1);
    Put(12, 12, kPushEvent, {{1, 640}});
    Access(14, 14) = 1299;
    Put(14, 14, kBoatEvent, {{4, 1181}, {5, 300}});
    SetGameFlag(300, -1);
    Put(15, 15, kBoatEvent, {{4, 1181}, {5, 310}});  // on land: no boat
    SetGameFlag(310, -1);
    GameState.DamageFloor[3] = 1165;
    GameState.DamageFloorTimers[7] = {1, 2, 30};
    AddMonsterEncounter(1, 30, 30, 0, 0);  // a summoned monster does not survive the entry

    PopulateEncounters();
    EXPECT_EQ(EncounterCount(), 4);
    const Encounter* list = GameState.EncounterList;
    EXPECT_EQ(list[0].Monster, 1);
    EXPECT_EQ(std::tuple(list[0].X, list[0].Y, list[0].Facing, list[0].KillFlag), std::tuple(5, 5, 3, 105));
    EXPECT_EQ(list[1].Monster, 1);
    EXPECT_EQ(CountSquaresOf(1), 2);
    EXPECT_EQ(GridAt(9, 8), 1);
    EXPECT_EQ(list[1].DisguiseItem, 77);
    EXPECT_EQ(std::tuple(list[2].Kind, list[2].Extra, list[2].Monster, list[2].X), std::tuple(1, 640, -1, -1));
    EXPECT_EQ(GridAt(12, 12), 2);
    EXPECT_EQ(std::tuple(list[3].Kind, list[3].Extra, list[3].X, list[3].Y), std::tuple(2, 1181, 14, 14));
    EXPECT_EQ(std::tuple(GameFlag(300), GameFlag(301), GameFlag(302)), std::tuple(1181, 14, 14));
    EXPECT_EQ(GridAt(30, 30), -1);
    EXPECT_EQ(GameState.DamageFloor[3], -1);
    EXPECT_EQ(GameState.DamageFloorTimers[7].X, -1);
    EXPECT_EQ(GameState.DamageFloorTimers[7].Turns, -1);
}

TEST_F(EncountersTest, ABoatComesBackWhereItsFlagsRememberIt) {
    Access(14, 14) = 1299;
    Put(14, 14, kBoatEvent, {{4, 1181}, {5, 300}});
    const struct {
        int16_t remembered[3];
        int16_t x, y;
    } cases[] = {
        {{1799, 20, 21}, 20, 21},
        {{1799, 60, 21}, 14, 14},  // a square off the map falls back to the event's
        {{1799, 20, -3}, 14, 14},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i) SetGameFlag(300 + i, c.remembered[i]);
        PopulateEncounters();
        EXPECT_EQ(GridAt(c.x, c.y), 0) << c.x << "," << c.y;
        EXPECT_EQ(CountSquaresOf(0), 1);
        EXPECT_EQ(GameState.EncounterList[0].Extra, 1799);
        EXPECT_EQ(IsBoatAt(14, 14), 1);
        EXPECT_EQ(IsBoatAt(c.x + 1, c.y), 0);
    }
}

TEST_F(EncountersTest, AGroupSpawnsOnceAndASpawnEventSearchesItsWholeWindow) {
    // Group 7: flag 7 must be at least 3.
    for (int16_t x : {10, 20}) MonsterEvent(x, x, 1).Word[1] = 7;
    EventAt(10, 10)->Word[2] = 2;
    EventAt(10, 10)->Word[3] = 3;
    EventAt(20, 20)->Word[2] = 2;
    EventAt(20, 20)->Word[3] = 3;
    MonsterEvent(30, 30, 1).Word[1] = 8;
    Access(31, 31) = 1299;
    Put(31, 31, kBoatEvent, {{1, 7}, {2, 2}, {3, 3}, {4, 1195}, {5, 300}});
    SetGameFlag(300, -1);
    SetGameFlag(7, 2);
    SpawnMonstersOfGroup(7);
    EXPECT_EQ(EncounterCount(), 0);
    SetGameFlag(7, 3);
    SpawnMonstersOfGroup(7);
    SpawnMonstersOfGroup(7);
    EXPECT_EQ(EncounterCount(), 3);
    EXPECT_EQ(IsFlagMonsterAlive(110), 1);
    EXPECT_EQ(IsFlagMonsterAlive(130), 0);
    EXPECT_EQ(IsBoatAt(31, 31), 1);
}

TEST_F(EncountersTest, ASpawnEventSearchesItsWholeWindowUpToTheEdge) {
    // Group 9, whose own condition (flag 9 > 0) is false: a spawn does not test it.
    for (int16_t x : {49, 37, 36}) MonsterEvent(x, x, 1).Word[1] = 9;
    Put(45, 45, kSpawnEvent, {{6, 9}});
    RunSpawnEvent(45, 45);
    EXPECT_EQ(std::tuple(GridAt(49, 49), GridAt(37, 37), GridAt(36, 36)), std::tuple(1, 0, -1));
}

TEST_F(EncountersTest, ASummonDuringABattleCountsOnlyWhileMonstersAreLeft) {
    const struct {
        int16_t before, counted, after;
    } cases[] = {{2, 1, 3}, {2, 0, 2}, {0, 1, 0}, {-1, 1, -1}};
    int16_t x = 0;
    for (const auto& c : cases) {
        WildCombatMonsters = c.before;
        ASSERT_EQ(AddMonsterEncounter(1, x++, 5, 0, c.counted), 1);
        EXPECT_EQ(WildCombatMonsters, c.after);
    }
}

}  // namespace
