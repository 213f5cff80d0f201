// The monsters' powers: blasts around the hero, powers that need the hero beside them or food to
// steal, charges drained, the psionic blast against the Mind save, summoning and antimagic.
#include "combat/monster_powers.h"

#include <tuple>

#include "adventure/wilderness.h"
#include "tests/combat/combat_test.h"

namespace {

class MonsterPowerTest : public CombatTest {
protected:
    MonsterRecord& Caster(int16_t power, int16_t bonus = 0) {
        MonsterRecord& m = Monster(1);
        m.MonsterPower = power;
        m.MonsterMissileDamage[2] = bonus;
        return m;
    }
    uint32_t Use(int16_t e, int16_t x, int16_t y) {
        uint32_t used = 0;
        Run([&] { used = UseMonsterPower(1, x, y, e, int16_t(IsAdjacent(x, y))); });
        return used;
    }
    static bool IsAdjacent(int16_t x, int16_t y) {
        return std::abs(x - GameState.HeroX) + std::abs(y - GameState.HeroY) == 1;
    }
    int Encounters() const {
        return int(std::count_if(std::begin(GameState.EncounterList), std::end(GameState.EncounterList),
                                 [](const Encounter& r) { return r.Kind != -1; }));
    }
};

TEST_F(MonsterPowerTest, ABlastHurtsTheHeroAndTheMonstersAroundHim) {
    Caster(4, 6);
    Monster(2);
    const int16_t e = Place(1, 20, 25);
    const int16_t neighbour = Place(2, 26, 25);
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_EQ(GameState.HitPoints, 94);
    EXPECT_EQ(Enc(neighbour).Hp, 14);
    EXPECT_EQ(Enc(e).Hp, 20);
    EXPECT_TRUE(TextShown(host, "Fire Blast...."));
}

TEST_F(MonsterPowerTest, PowersThatFindNothingToDoAreKept) {
    Caster(6, 3);  // a suicide bomber away from the hero
    const int16_t bomber = Place(1, 20, 25);
    EXPECT_EQ(Use(bomber, 20, 25), 0u);
    EXPECT_EQ(GameState.HitPoints, 100);

    Caster(9);  // a thief beside a hero without food
    GameState.HeroFood = 0;
    ClearMonster(bomber);
    GameState.MonsterGrid[20 * 50 + 25] = -1;
    const int16_t thief = Place(1, 24, 25);
    EXPECT_EQ(Use(thief, 24, 25), 0u);
    GameState.HeroFood = 5;
    host.Wait(10).Tap(13);
    EXPECT_EQ(Use(thief, 24, 25), 1u);
    EXPECT_GE(GameState.HeroFood, 2);
    EXPECT_LE(GameState.HeroFood, 4);
    EXPECT_TRUE(TextShown(host, "       was stolen!"));
}

TEST_F(MonsterPowerTest, TheBomberBesideTheHeroBlastsAndDies) {
    Caster(6, 3).MonsterElement = 4;
    GameState.Resists[3] = 1;
    const int16_t e = Place(1, 24, 25);
    EXPECT_EQ(Use(e, 24, 25), 1u);
    EXPECT_EQ(GameState.HitPoints, 98);
    EXPECT_EQ(Enc(e).Kind, -1);
    EXPECT_EQ(At(24, 25), -1);
}

TEST_F(MonsterPowerTest, DrainingABeastSpendsThePowerForNothing) {
    Caster(5);
    const int16_t e = Place(1, 20, 25);
    GameState.PrayerCharges = GameState.CurseCharges = 3;
    GameState.HeroForm = 4;
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_EQ(GameState.PrayerCharges, 3);
    GameState.HeroForm = 0;
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_EQ(GameState.PrayerCharges, 0);
    EXPECT_EQ(GameState.CurseCharges, 0);
}

TEST_F(MonsterPowerTest, ThePsionicBlastLessAFifthOfTheMindSave) {
    GameState.Saves[0] = 40;
    for (auto [roll, lost] : {std::pair{20, 12}, std::pair{5, 1}}) {
        Caster(7, int16_t(roll));
        ClearMonster(0);
        const int16_t e = Place(1, 20, 25);
        GameState.HitPoints = 100;
        Use(e, 20, 25);
        EXPECT_EQ(GameState.HitPoints, 100 - lost) << roll;
    }
}

TEST_F(MonsterPowerTest, ASurroundedSummonerSpendsItsPowerOnNobody) {
    Caster(8).MonsterSummonId = 2;
    Monster(2);
    const int16_t e = Place(1, 20, 25);
    for (int16_t x = 19; x <= 21; ++x)
        for (int16_t y = 24; y <= 26; ++y)
            if (x != 20 || y != 25) CurrentLevel.AccessLayer[x * 50 + y] = 1298;
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_EQ(Encounters(), 1);

    for (int16_t& access : CurrentLevel.AccessLayer) access = 1295;
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_GT(Encounters(), 1);
    EXPECT_LE(Encounters(), 4);
}

TEST_F(MonsterPowerTest, ASummonerPlacesItsAlliesOnFreeSquaresAroundIt) {
    // Around the summoner at (20, 25) only (21, 24), (19, 25) and (20, 26) are free: the others
    // hold a wall, an event, the hero, another monster, or an access other than free.
    Caster(8).MonsterSummonId = 2;
    Monster(2).MonsterHitPoints = 17;
    Monster(3);
    const int16_t e = Place(1, 20, 25);
    CurrentLevel.AccessLayer[19 * 50 + 24] = 1298;
    Event(20, 24, 1226);
    GameState.HeroX = 21;
    Place(3, 19, 26);
    CurrentLevel.AccessLayer[21 * 50 + 26] = 1296;
    WildCombatMonsters = 2;
    SeedRandom(1);
    EXPECT_EQ(Use(e, 20, 25), 1u);
    EXPECT_TRUE(TextShown(host, "Summoning...."));
    int summoned = 0;
    for (int16_t x = 19; x <= 21; ++x)
        for (int16_t y = 24; y <= 26; ++y) {
            const int16_t s = At(x, y);
            if (s == -1 || s == e || Enc(s).Monster != 2) continue;
            ++summoned;
            const bool free = (x == 21 && y == 24) || (x == 19 && y == 25) || (x == 20 && y == 26);
            EXPECT_TRUE(free) << x << "," << y;
            EXPECT_EQ(std::tuple(Enc(s).Kind, Enc(s).Hp), std::tuple(int16_t{3}, int16_t{17})) << x << "," << y;
        }
    EXPECT_GE(summoned, 1);
    EXPECT_LE(summoned, 3);
    EXPECT_EQ(Encounters(), 2 + summoned);
    EXPECT_EQ(WildCombatMonsters, 2 + summoned);  // the battle counts its new foes
}

TEST_F(MonsterPowerTest, ASummonNeedsItsWholeFootprintFree) {
    Monster(2, 1356);
    EXPECT_TRUE(FindSummonCell(2, 10, 10));
    GameState.MonsterGrid[12 * 50 + 12] = 7;
    EXPECT_FALSE(FindSummonCell(2, 10, 10));
    GameState.MonsterGrid[12 * 50 + 12] = -1;
    Event(11, 10, 1277);
    EXPECT_FALSE(FindSummonCell(2, 10, 10));
    EXPECT_FALSE(FindSummonCell(2, 24, 23));  // the hero on its last square
    EXPECT_FALSE(FindSummonCell(2, 48, 10));
}

TEST_F(MonsterPowerTest, AntimagicStopsPowersInZonesThreeAndFourOnly) {
    Caster(5);
    const int16_t e = Place(1, 20, 25);
    CurrentLevel.ZoneConditions[3] = 6;
    CurrentLevel.ZoneConditions[5] = 6;
    CurrentLevel.ZoneConditionOffFlag[0] = -1;  // no flag lifts it
    CurrentLevel.ZoneLayer[20 * 50 + 25] = 3;
    EXPECT_EQ(Use(e, 20, 25), 0u);
    CurrentLevel.ZoneLayer[20 * 50 + 25] = 5;
    EXPECT_EQ(Use(e, 20, 25), 1u);
}

}  // namespace
