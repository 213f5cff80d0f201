// Line of sight: the rays, what blocks them, the wall corners and the automap marks.
#include "view/sight.h"

#include <set>
#include <utility>

#include "adventure/wilderness.h"
#include "tests/view/view_test.h"

namespace {

class SightTest : public ViewTest {
protected:
    void Look() {
        ComputeViewOrigin(ox, oy);
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{0});
        UpdateSight(ox, oy);
    }
    bool Seen(int x, int y) const { return SightGrid[x - ox][y - oy] == 1; }
    int CountSeen() const {
        int n = 0;
        for (auto& column : SightGrid) n += int(std::count(std::begin(column), std::end(column), 1));
        return n;
    }
    int16_t ox = 0, oy = 0;
};

TEST_F(SightTest, OriginsAndRadii) {
    const struct {
        int16_t hx, hy, ox, oy;
    } origins[] = {{0, 0, 0, 0}, {49, 49, 37, 37}, {20, 3, 14, 0}};
    for (const auto& o : origins) {
        GameState.HeroX = o.hx;
        GameState.HeroY = o.hy;
        int16_t x, y;
        ComputeViewOrigin(x, y);
        EXPECT_EQ(std::pair(x, y), std::pair(o.ox, o.oy)) << o.hx << "," << o.hy;
    }
    GameState.HeroX = GameState.HeroY = 20;
    const std::pair<int16_t, int16_t> radii[] = {{0, 12}, {1, 3}, {2, 1}, {7, 12}};
    for (auto [distance, radius] : radii) {
        CurrentLevel.ViewDistance = distance;
        EXPECT_EQ(SightRadius(), radius) << distance;
    }

    // Short sight: the hero and the eight around him; medium: the 7 x 7 square.
    CurrentLevel.ViewDistance = 2;
    Look();
    EXPECT_EQ(CountSeen(), 9);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) EXPECT_TRUE(Seen(20 + dx, 20 + dy));
    CurrentLevel.ViewDistance = 1;
    Look();
    EXPECT_EQ(CountSeen(), 49);
    EXPECT_TRUE(Seen(23, 17));
    EXPECT_FALSE(Seen(24, 20));
}

TEST_F(SightTest, RayStepsAlongTheLongerAxisAndTiesAlongY) {
    CastSightRay(12, 5, 5, 9, 7, 0, 0);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            if (SightGrid[i][j]) seen.insert({i, j});
    const std::set<std::pair<int, int>> expected = {{5, 5}, {6, 5}, {7, 5}, {7, 6}, {8, 6}, {8, 7}, {9, 7}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(GameState.AutomapSeen[0][8 * 50 + 6], 'R');
}

TEST_F(SightTest, WhatBlocksAndWhatLetsSightThrough) {
    const int16_t flag = 300;
    struct Case {
        const char* what;
        int16_t access;
        int16_t type;  // 0 no event
        std::initializer_list<std::pair<int, int16_t>> words;
        int16_t flagValue;
        bool blocks;
    };
    const Case cases[] = {
        {"solid wall", 1298, 0, {}, 0, true},
        {"1301", 1301, 0, {}, 0, true},
        {"see-through wall", 1297, 0, {}, 0, false},
        {"walk-through darkness", 1979, 0, {}, 0, true},
        {"border exit, no battle", 1294, 0, {}, 0, false},
        {"shut door", 1295, 1233, {{1, 0}, {2, 0}}, 0, true},
        {"open door", 1295, 1233, {{1, 0}, {2, 1}}, 0, false},
        {"shut door of kind 5", 1295, 1233, {{1, 5}}, 0, false},
        {"shut door of kind 8", 1295, 1233, {{1, 8}}, 0, false},
        {"complex door shut", 1295, 1234, {{7, flag}}, 2, true},
        {"complex door open", 1295, 1234, {{7, flag}}, 1, false},
        {"complex door with a window", 1295, 1234, {{7, flag}, {8, 1}}, 2, false},
        {"secret door not found", 1295, 1235, {{8, flag}}, 0, true},
        {"secret door found", 1295, 1235, {{8, flag}}, 1, false},
        {"toggle wall up", 1295, 1261, {{1, flag}, {2, 5}, {3, 1}}, 1, true},
        {"toggle wall down", 1295, 1261, {{1, flag}, {2, 5}, {3, 1}}, 0, false},
        {"toggle that lets light past", 1295, 1261, {{5, 1}}, 0, false},
        {"crack not broken", 1295, 1266, {{3, flag}}, -1, true},
        {"crack broken", 1295, 1266, {{3, flag}}, 1, false},
        {"alt tile shown solid", 1295, 1281, {{5, 3}}, 0, true},
        {"alt tile other solid", 1295, 1281, {{1, flag}, {2, 5}, {3, 1}, {7, 3}}, 0, true},
        {"bridge built over a wall", 1298, 1270, {{2, flag}, {3, 5}, {4, 1}}, 1, false},
        {"bridge not built", 1298, 1270, {{2, flag}, {3, 5}, {4, 1}}, 0, true},
        // An ice or lily bridge stands by its status flag; its empty condition is no matter.
        {"ice bridge frozen", 1298, 1270, {{1, 1}, {6, flag}}, 1, false},
        {"ice bridge not frozen", 1298, 1270, {{1, 1}, {6, flag}}, 0, true},
        {"lily bridge grown", 1298, 1270, {{1, 2}, {6, flag}}, 1, false},
        {"lily bridge not grown", 1298, 1270, {{1, 2}, {6, flag}}, -1, true},
        {"bridge of no known type", 1298, 1270, {{1, 3}, {6, flag}}, 1, true},
    };
    for (const Case& c : cases) {
        FreeLevelEventsAndScripts(0);
        SetAccess(22, 20, c.access);
        if (c.type) PutEvent(22, 20, c.type, c.words);
        GameState.GameFlags[flag] = c.flagValue;
        Look();
        EXPECT_TRUE(Seen(22, 20)) << c.what;
        EXPECT_EQ(!Seen(24, 20), c.blocks) << c.what;
    }
}

TEST_F(SightTest, BorderExitsBlockOnlyInBattleAndZonePassagesOpenByFlag) {
    SetAccess(22, 20, 1294);
    WildCombatMonsters = 3;
    Look();
    EXPECT_FALSE(Seen(24, 20));
    WildCombatMonsters = -1;

    SetAccess(22, 20, 1298);
    CurrentLevel.ZoneLayer[22 * 50 + 20] = 1;
    CurrentLevel.ZoneSuppressFlag[1] = 40;
    CurrentLevel.ZoneSuppressValue[1] = 2;
    GameState.GameFlags[40] = 2;
    Look();
    EXPECT_TRUE(Seen(24, 20));
    GameState.GameFlags[40] = 1;
    Look();
    EXPECT_FALSE(Seen(24, 20));
}

TEST_F(SightTest, WallCornerSeenWhenTwoNeighboursInAnLAreSeen) {
    // The hero in a corridor running east; a wall square diagonally ahead, behind a wall.
    for (int x = 14; x <= 26; ++x) {
        SetAccess(x, 19, 1298);
        SetAccess(x, 21, 1298);
    }
    SetAccess(23, 20, 1298);  // the corridor ends at 23
    SetAccess(24, 19, 1298);
    Look();
    EXPECT_TRUE(Seen(22, 19));
    EXPECT_FALSE(Seen(24, 20));
    EXPECT_FALSE(Seen(24, 19));  // neither neighbour pair is seen
    EXPECT_TRUE(Seen(23, 19) && Seen(23, 21));
}

TEST_F(SightTest, MarksStayOnTheAutomapAfterLeavingTheLevel) {
    GameState.CurrentLevelNumber = 7;
    Look();
    EXPECT_EQ(GameState.AutomapSeen[7][22 * 50 + 20], 'R');
    EXPECT_EQ(GameState.AutomapSeen[7][40 * 50 + 20], 'U');  // outside the window
    GameState.CurrentLevelNumber = 8;
    GameState.HeroX = 45;
    Look();
    EXPECT_EQ(GameState.AutomapSeen[7][22 * 50 + 20], 'R');
    EXPECT_EQ(GameState.AutomapSeen[8][22 * 50 + 20], 'U');
}

TEST_F(SightTest, HeroOffTheMapSeesNothingAndAsksNothing) {
    GameState.HeroX = 60;
    Look();
    EXPECT_EQ(CountSeen(), 0);
}

}  // namespace
