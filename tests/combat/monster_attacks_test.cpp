// Monster blows and missiles on the hero: the d20 against his defence, the reductions and their
// minimum of 1, thorns, nemesis damage, afflictions, the teleporting blow and the reports.
#include "combat/monster_attacks.h"

#include <functional>
#include <vector>

#include "tests/combat/combat_test.h"

namespace {

class MonsterAttackTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        MonsterRecord& m = Monster(1);
        m.MonsterMeleeSkill = m.MonsterMissileSkill = 40;  // hits whatever the roll
        e = Place(1, 26, 25);
    }
    MonsterRecord& M() { return MonsterTable[1]; }
    void Strike() { Run([&] { MonsterMeleeAttack(26, 25, e, 1); }); }
    int16_t e = -1;
};

TEST_F(MonsterAttackTest, TheRollAgainstTheHerosCombat) {
    struct Case {
        int16_t skill, combat, penalty, roll;
        bool hits;
    };
    // Skill 12 against Combat 8 needs 6, with AttackPenalty 4 a 10; 18 and above always hit.
    for (const Case c : {Case{12, 8, 0, 5, false}, Case{12, 8, 0, 6, true}, Case{12, 8, 4, 9, false},
                         Case{12, 8, 4, 10, true}, Case{0, 17, 0, 17, false}, Case{0, 17, 0, 18, true}}) {
        M().MonsterMeleeSkill = c.skill;
        GameState.Stats[kCombat] = c.combat;
        Enc(e).AttackPenalty = c.penalty;
        host.texts.clear();
        SeedWhere([&] { return D(20) == c.roll; });
        Strike();
        EXPECT_EQ(TextShown(host, "The Orc hits you"), c.hits) << c.skill << " " << c.penalty << " " << c.roll;
        EXPECT_EQ(TextShown(host, "The Orc misses!"), !c.hits);
    }
}

TEST_F(MonsterAttackTest, ReductionsLeaveAtLeastOnePoint) {
    struct Case {
        int16_t blow, weaken, dr, acid, acidResist;
        int16_t lost;
    };
    const Case cases[] = {
        {5, 10, 0, 0, 0, 4},  // a tenth of 5 still takes 1
        {7, 50, 0, 0, 0, 4},  // half of 7 takes 3
        {3, 0, 10, 0, 0, 1},  // DR never takes the last point
        {3, 0, 10, 2, 5, 2},  // nor the acid resist the acid's
    };
    for (const Case& c : cases) {
        M().MonsterDamage[2] = c.blow;
        M().MonsterElement = c.acid ? 1 : 0;
        M().MonsterElementDamage[2] = c.acid;
        Enc(e).WeakenPercent = c.weaken;
        GameState.DamageReduction = c.dr;
        GameState.Resists[0] = c.acidResist;
        GameState.HitPoints = 100;
        Strike();
        EXPECT_EQ(100 - GameState.HitPoints, c.lost) << c.blow << " " << c.weaken;
    }
    EXPECT_TRUE(TextShown(host, "plus 1 point of Acid"));
    EXPECT_TRUE(TextShown(host, "for 1 point of damage"));
    EXPECT_TRUE(TextShown(host, "for 4 points of damage."));
}

TEST_F(MonsterAttackTest, VengeanceNeverTakesTheAttackersLastHitPoint) {
    GameState.ActiveAura = 4;
    GameState.Skills[kAuras] = 3;
    SkillBonus.AuraValues[4] = 1;
    M().MonsterDamage[2] = 1;
    Strike();
    EXPECT_EQ(Enc(e).Hp, 19);  // 3 x 1 / 2
    Enc(e).Hp = 1;
    Strike();
    EXPECT_EQ(Enc(e).Hp, 1);
}

TEST_F(MonsterAttackTest, TheDragonStoneHurtsEveryDragonThatStrikes) {
    M().MonsterType = 6;
    M().MonsterDamage[2] = 1;
    GameState.NemesisStones[1] = 1;
    GameState.HeroLevel = 5;
    Enc(e).Hp = 9;
    Strike();
    EXPECT_EQ(Enc(e).Hp, 4);
    EXPECT_TRUE(TextShown(host, "5 points of nemesis"));
    EXPECT_TRUE(TextShown(host, "damage!"));
    Strike();
    EXPECT_EQ(Enc(e).Kind, -1);
    EXPECT_TRUE(TextShown(host, "damage, slaying it!"));

    e = Place(1, 26, 25);
    M().MonsterWandImmune = 1;
    Strike();
    EXPECT_EQ(Enc(e).Hp, 20);
    EXPECT_TRUE(TextShown(host, "immune to Nemesis damage!"));
}

TEST_F(MonsterAttackTest, AnAfflictionAndItsLine) {
    struct Case {
        int16_t affliction;
        uint32_t GameStateRecord::*condition;
        const char* line;
    };
    const Case cases[] = {
        {6, &GameStateRecord::Paralysed, "You have been paralysed!"},
        {9, &GameStateRecord::Clutz, nullptr},
    };
    for (const Case& c : cases) {
        M().MonsterAffliction = c.affliction;
        GameState.*(c.condition) = 0;
        host.texts.clear();
        SeedWhere([] { return D(20) && Random15() % 100 >= 75; });  // the roll, then one hit in four
        Strike();
        EXPECT_EQ(GameState.*(c.condition), 1u) << c.affliction;
        const bool red = std::any_of(host.texts.begin(), host.texts.end(),
                                     [](const host::TextRecord& t) { return t.colour == kSmallRed; });
        EXPECT_EQ(red, c.line != nullptr) << c.affliction;
        if (c.line) { EXPECT_TRUE(TextShown(host, c.line)); }
    }
    M().MonsterAffliction = 1;
    GameState.PoisonImmune = 1;
    GameState.Poisoned = 0;
    SeedWhere([] { return Random15() % 100 >= 75; });
    EXPECT_EQ(ApplyMonsterAffliction(1), 0);
    EXPECT_EQ(GameState.Poisoned, 0u);
}

TEST_F(MonsterAttackTest, ATeleportingBlowMovesTheHeroAndWoundsNot) {
    M().MonsterPower = 11;
    M().MonsterDamage[2] = 5;
    M().MonsterPowerTarget[0] = 10;
    M().MonsterPowerTarget[1] = 12;
    host.Wait(10).Tap(13);
    Strike();
    EXPECT_EQ(GameState.HeroX, 10);
    EXPECT_EQ(GameState.HeroY, 12);
    EXPECT_EQ(GameState.HitPoints, 100);
}

TEST_F(MonsterAttackTest, MissilesTakeResistOrDamageReduction) {
    struct Case {
        int16_t type, damage, dr, resist;
        int16_t lost;
        const char* line;
    };
    const Case cases[] = {
        {1, 6, 2, 9, 4, "for 4 points of damage!"},
        {3, 6, 9, 2, 4, "for 4 points of Cold"},
        {7, 6, 2, 9, 4, "for 4 points of damage!"},  // a laser reads like an arrow
        {6, 1, 5, 0, -1, "for 1 points of damage!"},  // poisoned: the hero is recomputed
    };
    for (const Case& c : cases) {
        M().MonsterMissileType = c.type;
        M().MonsterMissileDamage[2] = c.damage;
        GameState.DamageReduction = c.dr;
        GameState.Resists[1] = c.resist;
        GameState.HitPoints = 100;
        Run([&] { MonsterMissileAttack(26, 25, e, 1); });
        if (c.lost >= 0) { EXPECT_EQ(100 - GameState.HitPoints, c.lost) << c.type; }
        EXPECT_TRUE(TextShown(host, c.line)) << c.type;
    }
    EXPECT_EQ(GameState.Poisoned, 1u);  // the poison missile, its body save failed
    EXPECT_TRUE(TextShown(host, "You have been poisoned!"));
}

TEST_F(MonsterAttackTest, TheLuckCharmsCarried) {
    for (int16_t item : {153, 154, 155}) Item(item, 42);
    GameState.ItemInstances[1] = {153, 0, 0, 0, 0};
    GameState.ItemInstances[2] = {153, 0, 0, 0, 0};
    GameState.ItemInstances[3] = {155, 0, 0, 0, 0};
    GameState.Backpack[0][0] = 1;
    GameState.Backpack[1][0] = 2;
    GameState.BagOfHolding[0][0] = 3;
    EXPECT_EQ(CountLuckCharms(), 1);
    GameState.HasBagOfHolding = 1;
    EXPECT_EQ(CountLuckCharms(), 2);
}

}  // namespace

namespace {

TEST_F(MonsterAttackTest, ALongNameStaysInsideTheSideScroll) {
    SetFieldText(M().MonsterName, "Barrow Champion");  // 15 letters, the most a name holds
    M().MonsterElement = 3;
    const std::function<void()> reports[] = {
        [&] { ShowMonsterHit(1, 7, 3, 4, 0, 0, 0, e); },
        [&] { ShowMonsterMissileHit(1, 3, 5, 1, e); },
        [&] { ShowMonsterMiss(1, e); },
    };
    for (const auto& report : reports) {
        host.texts.clear();
        report();
        std::vector<int32_t> rows;
        for (const host::TextRecord& t : host.texts) {
            if (t.x < 465 || t.y < 115) continue;  // the side panel's report
            EXPECT_LE(t.x + 6 * int32_t(t.text.size()), 618) << t.text;
            rows.push_back(t.y);
        }
        ASSERT_FALSE(rows.empty());
        EXPECT_TRUE(std::any_of(host.texts.begin(), host.texts.end(),
                                [](const host::TextRecord& t) { return t.text.rfind("The Barrow Champion", 0) == 0; }));
        // No two lines on one row.
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end());
    }
}

}  // namespace
