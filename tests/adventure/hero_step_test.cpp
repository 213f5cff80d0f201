// The hero's step: access tiles, forms, water, the zone-1 passage, bridges, boats, every kind
// of encounter on the target, damaging floors and the flight from a battle.
#include <tuple>

#include "adventure/hero_step.h"
#include "adventure/wilderness.h"
#include "data/square_kinds.h"
#include "tests/adventure/adventure_test.h"

namespace {

class HeroStepTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        Options.WalkSound = 1;
    }
    // A step right from (25, 25) onto (26, 25): (may enter, turn taken).
    std::pair<int, int16_t> StepRight() {
        int16_t turn = -1;
        int pass = -1;
        Run([&] { pass = TryStep(26, 25, 1, 0, turn); });
        return {pass, turn};
    }
};

TEST_F(HeroStepTest, AccessTilesFormsAndWater) {
    const struct {
        int16_t access, form, waterWalk;
        int pass;
        const char* sound;
    } cases[] = {
        {1295, 0, 0, 1, "Walk"},  {1296, 0, 0, 1, "Walk"},      {1292, 0, 0, 1, "Walk"},
        {1294, 0, 0, 1, "Walk"},  {1297, 0, 0, 0, nullptr},     {1297, 2, 0, 1, "Walk"},
        {1298, 2, 0, 0, nullptr}, {1299, 0, 0, 0, nullptr},     {1299, 0, 3, 1, "WaterWalk"},
        {1299, 2, 0, 1, "WaterWalk"}, {1300, 0, 0, 1, "Walk"},  {1312, 0, 0, 1, "Walk"},
        {1530, 0, 0, 1, "Walk"},  {1979, 0, 0, 1, "Walk"},      {1959, 0, 0, 1, "Walk"},
        {1313, 0, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        Access(26, 25) = c.access;
        GameState.HeroForm = c.form;
        GameState.WaterWalkTurns = c.waterWalk;
        host.effects.clear();
        const uint64_t start = host.NowMs();
        const auto [pass, turn] = StepRight();
        EXPECT_EQ(pass, c.pass) << c.access << " form " << c.form;
        EXPECT_EQ(turn, c.pass) << c.access;
        if (c.sound) EXPECT_EQ(host.effects, std::vector<std::string>{c.sound}) << c.access;
        else EXPECT_GE(host.NowMs() - start, 150u) << c.access;  // a refused step pauses
        EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(25, 25));  // never moved here
    }
}

TEST_F(HeroStepTest, TheZoneOnePassageOpensSolidSquares) {
    Access(26, 25) = 1298;
    CurrentLevel.ZoneLayer[26 * 50 + 25] = 1;
    CurrentLevel.ZoneSuppressFlag[1] = 50;
    CurrentLevel.ZoneSuppressValue[1] = 2;
    SetGameFlag(50, 1);
    EXPECT_EQ(StepRight().first, 0);
    SetGameFlag(50, 2);
    EXPECT_EQ(StepRight().first, 1);
    CurrentLevel.ZoneSuppressFlag[1] = -1;
    EXPECT_EQ(StepRight().first, 0);
}

TEST_F(HeroStepTest, EveryEncounterOnTheTargetCostsATurn) {
    // A push object against a wall does not move and the hero stays.
    AddPushEncounter(1, 640, 26, 25);
    Access(27, 25) = 1298;
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{1}));

    // A fearsome monster: with a failed Mind save the hero quakes.
    PopulateEncounters();
    MonsterTable[1].MonsterFearInducing = 1;
    AddMonsterEncounter(1, 26, 25, 0, 0);
    GameState.Fear = 1;
    GameState.Saves[0] = 0;
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{1}));
    EXPECT_EQ(Shown("You quake in fear!"), 1u);

    // A monster on a burning floor hurts the hero who bumps it; the Falcon never.
    GameState.DamageFloor[26 * 50 + 25] = 1165;
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{1}));
    EXPECT_EQ(GameState.HitPoints, 17);
    GameState.HeroForm = 2;
    StepRight();
    EXPECT_EQ(GameState.HitPoints, 17);
    GameState.HeroForm = 0;
    GameState.DamageFloor[26 * 50 + 25] = 1167;
    StepRight();
    EXPECT_EQ(GameState.HitPoints, 16);

    // A maw is always entered.
    Access(26, 25) = 1959;
    EXPECT_EQ(StepRight(), std::pair(1, int16_t{1}));
}

TEST_F(HeroStepTest, ABarrierIsDispelledOrLeft) {
    PopulateEncounters();
    AddPushEncounter(4, 0, 26, 25);
    TapKey('C');
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{1}));
    EXPECT_EQ(GridAt(26, 25), 0);
    EXPECT_EQ(Shown("Dispel barrier?"), 1u);
    host.effects.clear();
    ClickAt(490, 265);
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{1}));
    EXPECT_EQ(GridAt(26, 25), -1);
    EXPECT_EQ(GameState.EncounterList[0].Kind, -1);
    EXPECT_TRUE(Played("PowerUp"));
    EXPECT_TRUE(Played("Info"));
}

TEST_F(HeroStepTest, BoatsAreBoardedAndSailedButNotOntoABuiltBridge) {
    for (int x = 24; x <= 27; ++x) Access(x, 25) = 1299;
    Put(24, 25, kBoatEvent, {{4, 1195}, {5, 300}});
    SetGameFlag(300, -1);
    PopulateEncounters();
    AddBoatEncounter(2, 1195, 24, 25);
    ASSERT_EQ(GridAt(24, 25), 0);
    int16_t turn = 0;
    GameState.HeroX = 23;
    EXPECT_EQ(TryStep(24, 25, 1, 0, turn), 1);  // boarding
    GameState.HeroX = 24;
    EXPECT_EQ(TryStep(25, 25, 1, 0, turn), 1);  // sailing
    EXPECT_EQ(std::tuple(GridAt(24, 25), GridAt(25, 25)), std::tuple(-1, 0));
    EXPECT_EQ(GameState.EncounterList[0].Extra, 1181);
    EXPECT_EQ(std::tuple(GameFlag(300), GameFlag(301), GameFlag(302)), std::tuple(1181, 25, 25));
    GameState.HeroX = 25;
    Put(26, 25, kBridgeEvent);
    TryStep(26, 25, 1, 0, turn);  // onto the bridge, without the boat
    EXPECT_EQ(std::tuple(GridAt(25, 25), GridAt(26, 25)), std::tuple(0, -1));
}

TEST_F(HeroStepTest, AFlightFromTheRingEndsTheStep) {
    // A battle with no monster left, begun at (10, 10) of this level.
    WildCombatMonsters = 0;
    BattleReturnPlace[0] = 1;
    BattleReturnPlace[1] = BattleReturnPlace[2] = 10;
    Access(26, 25) = kBorderAccess;
    AddPushEncounter(4, 0, 26, 25);  // a barrier the step would otherwise meet
    TapKey('Y');
    EXPECT_EQ(StepRight(), std::pair(0, int16_t{0}));
    EXPECT_EQ(Shown("Victory! Leave area?"), 1u);
    EXPECT_EQ(Shown("Dispel barrier?"), 0u);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(10, 10));
    EXPECT_EQ(WildCombatMonsters, -1);
}

TEST_F(HeroStepTest, ScavengedLootIsNamedAndCleared) {
    Item(231, 29, 0, "Gold");
    Item(40, 1, 0, "Sword");
    const struct {
        int16_t item, x, y;
        const char* line;
    } cases[] = {{231, 0, 25, "   Gold (25)"}, {40, 0, 0, "   Sword"}};
    for (const auto& c : cases) {
        ScavengePending = 1;
        ScavengedItem[0] = c.item;
        ScavengedItem[1] = c.x;
        ScavengedItem[2] = c.y;
        TapKey(13);
        Run(ScavengeCorpse);
        EXPECT_EQ(Shown(c.line), 1u);
        EXPECT_EQ(ScavengePending, 0u);
        EXPECT_EQ(std::tuple(ScavengedItem[0], ScavengedItem[1], ScavengedItem[2]), std::tuple(-1, -1, -1));
    }
    EXPECT_EQ(Shown("   scavenged from corpse!"), 2u);
}

}  // namespace
