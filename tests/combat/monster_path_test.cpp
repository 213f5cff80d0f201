// The path search and its first step, the obstacle rules, the events that bar monsters, the
// random step without a path, and moves that leave no stale squares.
#include "combat/monster_path.h"

#include "data/square_kinds.h"
#include "tests/combat/combat_test.h"

namespace {

class MonsterPathTest : public CombatTest {
protected:
    // A wall of access 1298 down column x of the window, but for the gap rows.
    static void WallColumn(int16_t x, std::initializer_list<int16_t> gaps = {}) {
        for (int16_t y = 19; y <= 31; ++y)
            if (std::find(gaps.begin(), gaps.end(), y) == gaps.end()) CurrentLevel.AccessLayer[x * 50 + y] = 1298;
    }
    // The obstacle rules' answer for window cell (7, 6), map square (26, 25), beside the hero.
    static bool Blocked(int16_t e) {
        PathGrid grid;
        for (auto& column : grid) std::fill(std::begin(column), std::end(column), kPathFree);
        BuildMonsterObstacleGrid(grid, e, 19, 19);
        return grid[7][6] == kPathBlocked;
    }
};

TEST_F(MonsterPathTest, TheFirstStepOfAShortestPath) {
    struct Case {
        int16_t x, y, stepX, stepY;
    };
    // Open ground; two left and two up steps right first: the walk back from the hero takes up
    // before the other directions, so the path's vertical part lies at the hero's end.
    for (const Case c : {Case{20, 25, 21, 25}, Case{23, 23, 24, 23}}) {
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        Monster(1);
        ClearMonster(0);
        const int16_t e = Place(1, c.x, c.y);
        FindMonsterPath(c.x, c.y, e);
        EXPECT_EQ(At(c.stepX, c.stepY), e) << c.x << "," << c.y;
        EXPECT_EQ(At(c.x, c.y), -1) << c.x << "," << c.y;
    }
}

TEST_F(MonsterPathTest, OnlyADoorOpenerPathsThroughAClosedDoorAndLeavesItOpen) {
    WallColumn(22, {25});
    EventRecord& door = Event(22, 25, kSimpleDoorEvent);
    for (uint32_t opens : {0u, 1u}) {
        Monster(1).MonsterOpensDoors = opens;
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        ClearMonster(0);
        const int16_t e = Place(1, 21, 25);
        SeedWhere([] { return (Random15() & 3) == 3; });  // a random step goes left, away from the door
        FindMonsterPath(21, 25, e);
        EXPECT_EQ(At(22, 25) == e, opens == 1);
        EXPECT_EQ(door.Word[2], opens ? 1 : 0);
    }
}

TEST_F(MonsterPathTest, ATwoByTwoFindsNoGapOneSquareWide) {
    WallColumn(22, {25});
    Monster(1, 1236);
    Monster(2);
    const int16_t big = Place(1, 20, 22);
    const int16_t small = Place(2, 21, 27);
    SeedWhere([] { return (Random15() & 3) == 2; });  // a random step right, into the wall
    FindMonsterPath(20, 22, big);
    EXPECT_EQ(At(20, 22), big);
    FindMonsterPath(21, 27, small);
    EXPECT_EQ(At(21, 26), small);  // toward the gap
}

TEST_F(MonsterPathTest, AFootprintMustLieInsideTheWindow) {
    PathGrid grid;
    for (auto& column : grid) std::fill(std::begin(column), std::end(column), kPathFree);
    EXPECT_EQ(CanMonsterStand(grid, 0, 10, 10, 9), 1u);
    EXPECT_EQ(CanMonsterStand(grid, 0, 11, 10, 9), 0u);
    EXPECT_EQ(CanMonsterStand(grid, 0, 10, 11, 9), 0u);
    grid[11][11] = kPathHero;  // the hero may stand under a footprint cell other than the anchor
    EXPECT_EQ(CanMonsterStand(grid, 0, 10, 10, 6), 1u);
    grid[11][11] = kPathBlocked;
    EXPECT_EQ(CanMonsterStand(grid, 0, 10, 10, 6), 0u);
}

TEST_F(MonsterPathTest, TheObstacleRulesByAccessAndMonster) {
    enum Gift : uint32_t { kNone = 0, kWalls = 1, kWater = 2, kFlies = 4 };
    struct Case {
        int16_t access;
        uint32_t gifts;
        int16_t lilyFlag;  // -2 no bridge
        bool blocked;
    };
    const Case cases[] = {
        {1295, kNone, -2, false},  {1298, kNone, -2, true},   {1298, kWalls, -2, false}, {1312, kWalls, -2, true},
        {1299, kNone, -2, true},   {1299, kWater, -2, false}, {1295, kWater, -2, true},  {1300, kNone, -2, false},
        {1292, kNone, -2, true},   {1292, kFlies, -2, false}, {1299, kNone, 0, true},    {1299, kNone, 1, false},
    };
    for (const Case& c : cases) {
        MonsterRecord& m = Monster(1);
        m.MonsterWalksThroughWalls = c.gifts & kWalls ? 1 : 0;
        m.MonsterWaterWalk = c.gifts & kWater ? 1 : 0;
        m.MonsterFlies = c.gifts & kFlies ? 1 : 0;
        ClearMonster(0);
        const int16_t e = Place(1, 30, 30);
        CurrentLevel.AccessLayer[26 * 50 + 25] = c.access;
        EventGrid[26 * 50 + 25].reset();
        if (c.lilyFlag != -2) {
            EventRecord& bridge = Event(26, 25, 1270);
            bridge.Word[1] = 2;
            bridge.Word[6] = 700;
            SetGameFlag(700, c.lilyFlag);
        }
        EXPECT_EQ(Blocked(e), c.blocked) << c.access << " gifts " << c.gifts << " lily " << c.lilyFlag;
    }
}

TEST_F(MonsterPathTest, WhichEventsBarAMonster) {
    struct Case {
        int16_t type;
        std::array<int16_t, 9> words;  // words 1..8
        int16_t flag, flagValue;
        uint32_t opensDoors, throughWalls;
        uint32_t barred;
    };
    const Case cases[] = {
        {1242, {}, 0, 0, 0, 0, 1},                          // a chest always
        {1277, {}, 0, 0, 0, 0, 0},                          // a beam never
        {1261, {0, 50, 5, 1}, 50, 1, 0, 0, 1},              // a toggle wall while its condition holds
        {1261, {0, 50, 5, 1}, 50, 1, 0, 1, 0},              // ... unless the monster walks through walls
        {1233, {0, 0, 0}, 0, 0, 1, 0, 0},                   // a closed simple door the monster opens
        {1233, {0, 0, 0, 50, 5, 1}, 50, 1, 1, 0, 1},        // ... unless its condition locks it
        {1234, {0, 0, 0, 0, 0, 0, 0, 50}, 50, 2, 1, 0, 0},  // complex door 2: openers pass
        {1234, {0, 0, 0, 0, 0, 0, 0, 50}, 50, 2, 0, 0, 1},
        {1246, {0, 50, 5, 1}, 50, 0, 0, 0, 0},              // a script whose condition fails
        {1266, {0, 0, 0, 50}, 50, 0, 0, 0, 1},              // a crack until broken
        {1281, {0, 50, 5, 1, 0, 2, 0, 0}, 50, 0, 0, 0, 0},  // alt tile, condition false: word 7
    };
    for (const Case& c : cases) {
        MonsterRecord& m = Monster(1);
        m.MonsterOpensDoors = c.opensDoors;
        m.MonsterWalksThroughWalls = c.throughWalls;
        ClearMonster(0);
        const int16_t e = Place(1, 30, 30);
        EventRecord& ev = Event(26, 25, c.type);
        for (size_t w = 1; w < c.words.size(); ++w) ev.Word[w] = c.words[w];
        SetGameFlag(c.flag, c.flagValue);
        EXPECT_EQ(IsEventBlockingMonster(26, 25, e), c.barred) << c.type << " flag " << c.flagValue;
        SetGameFlag(c.flag, 0);
    }
    EXPECT_EQ(IsEventBlockingMonster(26, 26, 0), 0u);  // no event, no bar
}

TEST_F(MonsterPathTest, WithoutAPathOneRandomDirectionIsTried) {
    for (auto [x, y] : {std::pair{24, 25}, std::pair{26, 25}, std::pair{25, 24}, std::pair{25, 26}})
        CurrentLevel.AccessLayer[x * 50 + y] = 1298;
    CurrentLevel.AccessLayer[19 * 50 + 25] = 1298;
    Monster(1);
    const int16_t e = Place(1, 20, 25);
    SeedWhere([] { return (Random15() & 3) == 3; });  // left, into the wall
    FindMonsterPath(20, 25, e);
    EXPECT_EQ(At(20, 25), e);
    SeedWhere([] { return (Random15() & 3) == 1; });  // down
    FindMonsterPath(20, 25, e);
    EXPECT_EQ(At(20, 26), e);
}

TEST_F(MonsterPathTest, AMonsterOnASquareItCannotStandOnStillSteps) {
    // A water walker put on dry land: its own cell is blocked, and the walk back still ends.
    for (int16_t& access : CurrentLevel.AccessLayer) access = 1299;
    CurrentLevel.AccessLayer[20 * 50 + 25] = 1295;
    Monster(1).MonsterWaterWalk = 1;
    const int16_t e = Place(1, 20, 25);
    FindMonsterPath(20, 25, e);
    EXPECT_EQ(At(21, 25), e);
}

TEST_F(MonsterPathTest, AMoveClearsEverySquareTheEncounterHolds) {
    // A dormant substitute of one square standing on the 2 x 2 footprint of its first monster.
    Monster(1, 1236);
    Monster(2);
    const int16_t e = Place(1, 20, 20);
    Enc(e).Monster = 2;
    MoveMonster(20, 20, 19, 20, 0, e);
    EXPECT_EQ(std::count(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), e), 1);
    EXPECT_EQ(At(19, 20), e);
    EXPECT_EQ(Enc(e).Facing, 0);
    MoveMonster(19, 20, 20, 20, 0, e);
    EXPECT_EQ(Enc(e).Facing, 3);
}

}  // namespace
