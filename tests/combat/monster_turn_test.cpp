// Which monsters act and how: the anchor, sight and noticing, hiding found out, passivity,
// the power kept when it cannot apply, melee before missiles and moves, and barriers struck.
#include "combat/monster_turn.h"

#include "combat/monster_path.h"
#include "tests/combat/combat_test.h"

namespace {

class MonsterTurnTest : public CombatTest {};

// The squares that hold encounter e.
int SquaresOf(int16_t e) { return int(std::count(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), e)); }

TEST_F(MonsterTurnTest, ATwoByTwoActsOnceFromItsAnchor) {
    Monster(1, 1236).MonsterSpeed = 2;
    const int16_t e = Place(1, 20, 25);
    RunMonsterTurns(1);
    EXPECT_EQ(MonsterTurnList[0].x, 20);
    EXPECT_EQ(MonsterTurnList[0].y, 25);
    EXPECT_EQ(MonsterTurnList[1].x, -1);
    EXPECT_EQ(At(21, 25), e);  // one step right, not two
    EXPECT_EQ(At(22, 26), e);
    EXPECT_EQ(At(20, 25), -1);
    EXPECT_EQ(SquaresOf(e), 4);
}

TEST_F(MonsterTurnTest, AnUnseenMonsterActsOnlyOnceItHasNoticedTheHero) {
    MonsterRecord& m = Monster(1);
    m.MonsterMeleeSkill = 30;
    m.MonsterDamage[0] = m.MonsterDamage[1] = 1;
    const int16_t e = Place(1, 26, 25);
    SightGrid[7][6] = 0;
    RunMonsterTurns(0);
    EXPECT_EQ(GameState.HitPoints, 100);
    EXPECT_EQ(Enc(e).Active, 0u);
    EXPECT_TRUE(host.texts.empty());

    Enc(e).Active = 1;
    RunMonsterTurns(0);
    EXPECT_EQ(GameState.HitPoints, 99);
    EXPECT_TRUE(TextShown(host, "The Orc hits you"));
}

TEST_F(MonsterTurnTest, AHiddenHeroIsFoundOutByAnAwarenessAtLeastHisStealth) {
    struct Case {
        int16_t stealth, awareness;
        uint32_t stillHidden;
    };
    for (const Case c : {Case{5, 5, 0}, Case{6, 5, 1}}) {
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        Monster(1).MonsterAwareness = c.awareness;
        Place(1, 20, 20);
        GameState.Hidden = 1;
        GameState.Skills[kStealth] = c.stealth;
        RunMonsterTurns(0);
        EXPECT_EQ(GameState.Hidden, c.stillHidden) << c.stealth;
        EXPECT_EQ(MonsterTurnList[0].x, c.stillHidden ? -1 : 20) << c.stealth;
    }
}

TEST_F(MonsterTurnTest, ADormantMonsterEndsTheHidingButDoesNotAct) {
    MonsterRecord& m = Monster(1);
    m.MonsterAwareness = 5;
    m.MonsterMeleeSkill = 30;
    m.MonsterDamage[0] = m.MonsterDamage[1] = 1;
    const int16_t e = Place(1, 26, 25);
    Enc(e).DormantFlag = 100;
    Enc(e).DormantOp = 5;
    Enc(e).DormantValue = 1;
    SetGameFlag(100, 1);
    GameState.Hidden = 1;
    GameState.Skills[kStealth] = 3;
    RunMonsterTurns(0);
    EXPECT_EQ(GameState.Hidden, 0u);
    EXPECT_TRUE(host.texts.empty());  // no blow
    EXPECT_EQ(MonsterTurnList[0].x, 26);
}

TEST_F(MonsterTurnTest, ForcedTurnsMoveEverySpeedFromSlowToFast) {
    for (int16_t speed = 0; speed <= 4; ++speed) {
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        Monster(1).MonsterSpeed = speed;
        const int16_t e = Place(1, 20, 25);
        RunMonsterTurns(1);
        EXPECT_EQ(At(21, 25) == e, speed >= 1 && speed <= 3) << speed;
    }
}

TEST_F(MonsterTurnTest, APowerThatCannotApplyIsKeptAndTheMonsterMoves) {
    MonsterRecord& m = Monster(1);
    m.MonsterPower = 9;  // steals food, only from next to the hero
    m.MonsterSpeed = 3;
    const int16_t e = Place(1, 20, 25);
    GameState.HeroFood = 5;
    SeedWhere([] { return Random15() % 100 + 1 <= 20; });
    RunMonsterTurns(1);
    EXPECT_EQ(Enc(e).PowerUsed, 0);
    EXPECT_EQ(GameState.HeroFood, 5);
    EXPECT_EQ(At(21, 25), e);
}

TEST_F(MonsterTurnTest, AMonsterSteppingOntoTheSquareOfOneKilledThisTurnActsOnce) {
    // Listed in this order: a bomber beside the hero, an orc above the victim, the victim in the
    // bomber's blast. The orc steps onto the victim's square and must not act again from there.
    MonsterRecord& bomber = Monster(1);
    bomber.MonsterPower = 6;
    bomber.MonsterMissileDamage[2] = 30;
    MonsterRecord& orc = Monster(2);
    orc.MonsterSpeed = 2;
    orc.MonsterMeleeSkill = 30;
    orc.MonsterDamage[0] = orc.MonsterDamage[1] = 1;
    Monster(3);
    Place(1, 24, 25);
    const int16_t walker = Place(2, 25, 23);
    const int16_t victim = Place(3, 25, 24);
    SeedWhere([] { return D(100) <= 20; });  // the bomber's power goes off
    Run([] { RunMonsterTurns(1); });
    EXPECT_EQ(Enc(victim).Kind, -1);
    EXPECT_EQ(MonsterTurnList[2].encounter, victim);
    EXPECT_EQ(At(25, 24), walker);
    EXPECT_EQ(GameState.HitPoints, 70);  // the blast, and no blow from the orc
    EXPECT_EQ(CountTexts("The Orc hits you"), 0);
}

TEST_F(MonsterTurnTest, ANonCombatantBesideTheHeroNeitherStrikesNorMoves) {
    Monster(1).MonsterSpeed = 3;
    const int16_t e = Place(1, 24, 25);
    RunMonsterTurns(1);
    EXPECT_EQ(At(24, 25), e);
    EXPECT_EQ(GameState.HitPoints, 100);
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(MonsterTurnTest, AThreeByThreeWithoutAPathStrikesEveryBarrierOfItsRing) {
    MonsterRecord& m = Monster(1, 1356);
    m.MonsterSpeed = 3;
    m.MonsterDamage[0] = m.MonsterDamage[1] = 1;
    const int16_t e = Place(1, 20, 20);
    std::vector<int16_t> ring;
    for (const RingSquare& s : FootprintRing(9)) ring.push_back(PlaceBarrier(int16_t(20 + s.dx), int16_t(20 + s.dy), 50));
    const int16_t corner = PlaceBarrier(19, 19, 50);
    RunMonsterTurns(1);
    for (int16_t b : ring) EXPECT_EQ(Enc(b).Hp, 49) << b;
    EXPECT_EQ(Enc(corner).Hp, 50);
    EXPECT_EQ(CountTexts("The Orc hits the"), 12);
    EXPECT_EQ(At(20, 20), e);
}

TEST_F(MonsterTurnTest, ABarrierStruckDownLeavesTheMapAndTheMonsterStays) {
    MonsterRecord& m = Monster(1);
    m.MonsterSpeed = 3;
    m.MonsterDamage[0] = m.MonsterDamage[1] = 1;
    for (auto [x, y] : {std::pair{19, 20}, std::pair{20, 19}, std::pair{20, 21}})
        CurrentLevel.AccessLayer[x * 50 + y] = 1298;
    const int16_t e = Place(1, 20, 20);
    const int16_t b = PlaceBarrier(21, 20, 1);
    RunMonsterTurns(1);
    EXPECT_EQ(At(21, 20), -1);
    EXPECT_EQ(Enc(b).Kind, -1);
    EXPECT_EQ(At(20, 20), e);
    EXPECT_TRUE(TextShown(host, "barrier for 1 point of"));
    EXPECT_EQ(host.effects.front(), "Crash");
}

}  // namespace
