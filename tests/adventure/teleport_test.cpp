// Teleports and edge exits: loading the level and its encounters, solid squares, the hunger
// count, closed edges, flag conditions, wrapping, the battle's exit 999 and missing levels.
#include <tuple>

#include "adventure/teleport.h"
#include "data/square_kinds.h"
#include "tests/adventure/adventure_test.h"

namespace {

class TeleportTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        // Level 2: a monster at (5, 5); level 3: a wilderness.
        Put(5, 5, kMonsterEvent, {{4, 1}, {5, 100}});
        SetGameFlag(100, -1);
        ASSERT_EQ(SaveLevel(2, 0), 1u);
        NewLevel(1327);
        CurrentLevel.WildernessLevel = 1;
        ASSERT_EQ(SaveLevel(3, 0), 1u);
        // Level 1, the current one: a wounded monster at (30, 30).
        NewLevel(1327);
        ASSERT_EQ(SaveLevel(1, 0), 1u);
        AddMonsterEncounter(1, 30, 30, 0, 0);
        GameState.EncounterList[0].Hp = 3;
    }
    static std::tuple<int16_t, int16_t, int16_t> Place() {
        return {GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY};
    }
    static bool WoundedMonsterStays() { return GridAt(30, 30) == 0 && GameState.EncounterList[0].Hp == 3; }
};

TEST_F(TeleportTest, TeleportsLoadOnlyAnotherLevel) {
    TeleportHero(1, 7, 10, 11, 0);
    EXPECT_EQ(Place(), std::tuple(1, 10, 11));
    EXPECT_TRUE(WoundedMonsterStays());

    TeleportHero(1, 0, 50, 11, 0);  // off the map: nothing
    TeleportHero(1, 0, 10, -1, 0);
    EXPECT_EQ(Place(), std::tuple(1, 10, 11));

    TapKey(13);
    Run([] { TeleportHero(9, 0, 12, 12, 0); });
    EXPECT_EQ(Shown("  Level does not exist!"), 1u);
    EXPECT_EQ(Place(), std::tuple(1, 10, 11));
    EXPECT_TRUE(WoundedMonsterStays());

    GameState.FoodStepCounter = 4;
    TeleportHero(2, 0, 12, 13, 0);
    EXPECT_EQ(Place(), std::tuple(2, 12, 13));
    EXPECT_EQ(GridAt(5, 5), 0);
    EXPECT_EQ(GridAt(30, 30), -1);
    EXPECT_EQ(GameState.FoodStepCounter, 4);

    TeleportHero(3, 0, 12, 13, 0);  // into the wilderness: ten steps to the next meal
    EXPECT_EQ(GameState.FoodStepCounter, 10);
    GameState.FoodStepCounter = 4;
    TeleportHero(3, 0, 14, 13, 0);  // within it: kept
    EXPECT_EQ(GameState.FoodStepCounter, 4);
}

TEST_F(TeleportTest, ASolidTargetKillsUnlessUnchecked) {
    for (int16_t access : {kFalconAccess, kSolidAccess}) {
        Access(10, 10) = access;
        GameState.HitPoints = 20;
        TeleportHero(1, 0, 10, 10, 1);
        EXPECT_EQ(GameState.HitPoints, 20);
        TapKey(13);
        Run([] { TeleportHero(1, 0, 10, 10, 0); });
        EXPECT_EQ(GameState.HitPoints, 0);
    }
    EXPECT_EQ(Shown("You have teleported into"), 2u);
    EXPECT_EQ(Shown("a solid space!"), 2u);
}

TEST_F(TeleportTest, EdgeExits) {
    // Edge 0 north, 1 south, 2 east, 3 west; flag 60 chooses the other level while it is 1.
    const struct {
        int16_t edge, heroX, heroY, heroAccess;
        int16_t exit, alt, flagValue, exitX, exitY;
        std::tuple<int16_t, int16_t, int16_t> place;
        int result;
    } cases[] = {
        {0, 20, 0, kBorderAccess, 2, 3, 0, -1, -1, {2, 20, 49}, 0},
        {1, 20, 49, kBorderAccess, 2, 3, 1, -1, -1, {3, 20, 0}, 0},
        {2, 49, 20, kBorderAccess, 2, 3, 0, -1, 33, {2, 0, 20}, 0},
        {3, 0, 20, kBorderAccess, 2, 3, 0, 7, 8, {2, 7, 8}, 0},
        {3, 0, 20, kFreeAccess, 2, 3, 0, -1, -1, {1, 0, 20}, 0},   // no border square: nothing
        {0, 20, 0, kBorderAccess, -1, 3, 0, -1, -1, {1, 20, 0}, 0},  // no exit: nothing reloaded
        {0, 20, 0, kBorderAccess, 999, 3, 0, -1, -1, {1, 20, 0}, 1},  // the battle's flight
        {0, 20, 0, kBorderAccess, 2, 999, 1, -1, -1, {1, 20, 0}, 1},
        {0, 20, 0, kBorderAccess, 2, 3, 0, 7, 50, {1, 20, 0}, 0},  // a target square off the map
    };
    for (const auto& c : cases) {
        TeleportHero(1, 0, 25, 25, 0);
        NewLevel(1327);
        PopulateEncounters();
        AddMonsterEncounter(1, 30, 30, 0, 0);
        GameState.EncounterList[0].Hp = 3;
        GameState.HeroX = c.heroX;
        GameState.HeroY = c.heroY;
        Access(c.heroX, c.heroY) = c.heroAccess;
        CurrentLevel.ExitLevel[c.edge] = c.exit;
        CurrentLevel.AltExitLevel[c.edge] = c.alt;
        CurrentLevel.ExitFlag[c.edge] = 60;
        CurrentLevel.ExitFlagOp[c.edge] = 5;
        CurrentLevel.ExitFlagValue[c.edge] = 1;
        CurrentLevel.ExitX[c.edge] = c.exitX;
        CurrentLevel.ExitY[c.edge] = c.exitY;
        SetGameFlag(60, c.flagValue);
        GameState.Facing = 9;
        int result = -1;
        Run([&] { result = ExitLevelAtEdge(c.edge); });
        EXPECT_EQ(result, c.result) << c.edge << " to " << c.exit;
        EXPECT_EQ(Place(), c.place) << c.edge << " to " << c.exit;
        if (std::get<0>(c.place) == 1) {
            EXPECT_TRUE(WoundedMonsterStays());
            EXPECT_EQ(GameState.Facing, 9);
        } else {
            EXPECT_EQ(GameState.Facing, c.edge);
        }
    }
}

TEST_F(TeleportTest, AClosedEdgeSaysSoAndReloadsNothing) {
    GameState.HeroY = 0;
    CurrentLevel.ExitLevel[0] = 0;
    TapKey(13);
    Run([] { EXPECT_EQ(ExitLevelAtEdge(0), 0); });
    EXPECT_EQ(Shown("  There is no reason to"), 1u);
    EXPECT_EQ(Shown("travel in that direction!"), 1u);
    EXPECT_EQ(Place(), std::tuple(1, 25, 0));
    EXPECT_TRUE(WoundedMonsterStays());
}

TEST_F(TeleportTest, AMissingExitLevelLeavesTheHeroWhereHeWas) {
    GameState.HeroY = 0;
    Access(25, 0) = kBorderAccess;
    CurrentLevel.ExitLevel[0] = 12;
    TapKey(13);
    Run([] { ExitLevelAtEdge(0); });
    EXPECT_EQ(Shown("  Level does not exist!"), 1u);
    EXPECT_EQ(Place(), std::tuple(1, 25, 0));
    EXPECT_TRUE(WoundedMonsterStays());
}

}  // namespace
