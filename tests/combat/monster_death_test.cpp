// A kill: the flags it sets, the death item by its type, experience, the battle count, the
// squares it frees and what it leaves on them, and the explosions of a large monster.
#include "combat/monster_death.h"

#include "adventure/hero_step.h"
#include "adventure/wilderness.h"
#include "tests/combat/combat_test.h"

namespace {

class MonsterDeathTest : public CombatTest {
protected:
    int16_t Kill(int16_t e, int16_t x, int16_t y) {
        int16_t firstX = -1, firstY = -1;
        Run([&] { KillMonster(x, y, e, firstX, firstY); });
        return firstX;
    }
};

TEST_F(MonsterDeathTest, TheKillIsRememberedAndRewarded) {
    Monster(1).MonsterXpAward = 40;
    const int16_t e = Place(1, 20, 20);
    Enc(e).KillFlag = 100;
    Enc(e).KilledSetFlag = 200;
    Enc(e).KilledSetOp = 1;
    Enc(e).KilledSetValue = 3;
    SetGameFlag(100, -1);
    SetGameFlag(200, 5);
    EXPECT_EQ(Kill(e, 20, 20), 20);
    EXPECT_EQ(GameFlag(100), 0);
    EXPECT_EQ(GameFlag(200), 8);
    EXPECT_EQ(GameState.HeroXp, 40);
    EXPECT_EQ(Enc(e).Kind, -1);
    EXPECT_EQ(At(20, 20), -1);

    EXPECT_EQ(Kill(e, 20, 20), -1);  // a free encounter does not die again
    EXPECT_EQ(GameState.HeroXp, 40);
}

TEST_F(MonsterDeathTest, TheDeathItemByItsType) {
    struct Case {
        int16_t item, type, charges, food;
        int16_t wantFood;
        int32_t wantGold;
        uint32_t wantPending;
        bool inBackpack, onKeyring;
    };
    const Case cases[] = {
        {40, 26, 0, 0, 0, 0, 1, false, true},    // a key goes to the keyring
        {50, 30, 4, 8, 10, 0, 1, false, false},  // food is eaten up to 10
        {50, 30, 4, 10, 10, 0, 1, true, false},  // at 10 it is carried instead
        {176, 30, 4, 0, 0, 0, 1, true, false},   // these two foods are always carried
        {60, 29, 25, 0, 0, 25, 1, false, false}, // coins
        {70, 5, 0, 0, 0, 0, 1, true, false},
        {900, 5, 0, 0, 0, 0, 0, false, false},   // outside the item table: nothing
        {-1, 5, 0, 0, 0, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        for (ItemInstance& i : GameState.ItemInstances) i = {-1, -1, -1, 0, 0};
        Fill(GameState.Backpack);
        for (int16_t& k : GameState.Keyring) k = -1;
        GameState.HeroGold = 0;
        ScavengePending = 0;
        ScavengedItem[0] = -1;
        ClearMonster(0);
        if (c.item >= 0 && c.item < kItemCount) Item(c.item, c.type);
        MonsterRecord& m = Monster(1);
        m.MonsterDeathItem[0] = c.item;
        m.MonsterDeathItem[2] = c.charges;
        GameState.HeroFood = c.food;
        const int16_t e = Place(1, 20, 20);
        Kill(e, 20, 20);
        EXPECT_EQ(GameState.HeroFood, c.wantFood) << c.item;
        EXPECT_EQ(GameState.HeroGold, c.wantGold) << c.item;
        EXPECT_EQ(ScavengePending, c.wantPending) << c.item;
        EXPECT_EQ(GameState.Backpack[0][0] != -1, c.inBackpack) << c.item;
        EXPECT_EQ(GameState.Keyring[0], c.onKeyring ? c.item : -1) << c.item;
        EXPECT_EQ(ScavengedItem[0], c.wantPending || c.inBackpack ? c.item : -1) << c.item;
    }
}

TEST_F(MonsterDeathTest, OnlyARunningBattleCountsItsMonstersDown) {
    for (int16_t before : {-1, 0, 3}) {
        Monster(1);
        ClearMonster(0);
        const int16_t e = Place(1, 20, 20);
        WildCombatMonsters = before;
        Kill(e, 20, 20);
        EXPECT_EQ(WildCombatMonsters, before > 0 ? before - 1 : before);
    }
}

TEST_F(MonsterDeathTest, ATwoByTwoExplodesOncePerSquareAroundItsAnchor) {
    MonsterRecord& bomb = Monster(1, 1236);
    bomb.MonsterOnDeath = 2;
    bomb.MonsterMissileDamage[2] = 5;
    Monster(2).MonsterHitPoints = 100;
    const int16_t e = Place(1, 26, 24);
    const int16_t other = Place(2, 27, 23);
    Kill(e, 26, 24);
    EXPECT_EQ(GameState.HitPoints, 100 - 4 * 5);
    EXPECT_EQ(Enc(other).Hp, 100 - 4 * 5);
    EXPECT_EQ(CountTexts("You have been slain!"), 0);
}

TEST_F(MonsterDeathTest, ASplatOnlyOnFreeAccessAndAnAcidPoolWithItsTimer) {
    MonsterRecord& wide = Monster(1, 1008);
    wide.MonsterOnDeath = 0;
    CurrentLevel.AccessLayer[21 * 50 + 20] = 1299;
    Kill(Place(1, 20, 20), 20, 20);
    EXPECT_GE(GameState.DamageFloor[20 * 50 + 20], 1160);
    EXPECT_LE(GameState.DamageFloor[20 * 50 + 20], 1164);
    EXPECT_EQ(GameState.DamageFloor[21 * 50 + 20], -1);

    wide.MonsterOnDeath = 7;  // 3 and above: acid
    Kill(Place(1, 30, 30), 30, 30);
    EXPECT_EQ(GameState.DamageFloor[31 * 50 + 30], 1165);
    EXPECT_EQ(GameState.DamageFloorTimers[0].X, 30);
    EXPECT_EQ(GameState.DamageFloorTimers[1].X, 31);
    EXPECT_EQ(GameState.DamageFloorTimers[1].Turns, 30);
}

}  // namespace
