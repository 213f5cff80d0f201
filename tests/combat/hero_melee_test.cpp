// The hero's blows: the roll against the monster's skill, backstab, slaying, critical and DR in
// that order, elements against resists, the ghost rules, beast form and life drain.
#include "combat/hero_melee.h"

#include "tests/combat/combat_test.h"

namespace {

class HeroMeleeTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        MonsterRecord& m = Monster(1);
        m.MonsterMeleeSkill = -40;  // every blow hits
        m.MonsterHitPoints = 100;
        m.MonsterXpAward = 12;
        e = Place(1, 26, 25);
        weapon = &Item(100, 2, 0, "Sword");
        weapon->ItemDamage[2] = 5;
        Wear(kWeaponSlot, 1, 100);
    }
    int32_t Blow() {
        int32_t killed = 0;
        Run([&] { killed = MeleeAttackWeapon(26, 25); });
        return killed;
    }
    int16_t Lost() { return int16_t(100 - Enc(e).Hp); }
    int16_t e = -1;
    ItemRecord* weapon = nullptr;
};

TEST_F(HeroMeleeTest, TheRollAgainstTheMonstersSkill) {
    struct Case {
        int16_t combat, skill, penalty, roll, shrunk;
        bool hits;
    };
    // Combat 10 against skill 10 needs 10; a penalty of 3 strikes as if the skill were 3 lower;
    // a 20 hits whatever the need, but never while shrunk.
    for (const Case c : {Case{10, 10, 0, 9, 0, false}, Case{10, 10, 0, 10, 0, true}, Case{7, 10, 3, 10, 0, true},
                         Case{7, 10, 3, 9, 0, false}, Case{0, 15, 0, 20, 0, true}, Case{0, 15, 0, 20, 1, false},
                         Case{30, 0, 0, 2, 1, false}}) {
        GameState.Stats[kCombat] = c.combat;
        MonsterTable[1].MonsterMeleeSkill = c.skill;
        Enc(e).AttackPenalty = c.penalty;
        GameState.Shrunk = c.shrunk;
        host.texts.clear();
        SeedWhere([&] { return D(20) == c.roll; });
        Blow();
        EXPECT_EQ(TextShown(host, "You missed!"), !c.hits) << c.combat << " " << c.skill << " " << c.roll;
    }
}

TEST_F(HeroMeleeTest, OnlyTheFirstBlowOfAHiddenHeroIsABackstab) {
    Item(101, 2, 0, "Dagger").ItemDamage[2] = 5;
    Wear(kOffhandSlot, 2, 101);
    GameState.Hidden = 1;
    Blow();
    EXPECT_EQ(Lost(), 10);
    EXPECT_TRUE(TextShown(host, "A backstab hit!"));
    EXPECT_EQ(GameState.Hidden, 0u);
    Run([&] { MeleeAttackDual(26, 25); });
    EXPECT_EQ(Lost(), 15);
}

TEST_F(HeroMeleeTest, SlayThenCriticalThenDamageReduction) {
    weapon->ItemSlayType = 10;
    MonsterTable[1].MonsterDr = 6;
    GameState.Skills[kCriticalHit] = 1;
    SkillBonus.CriticalChance[1] = 100;
    SkillBonus.CriticalDamage[1] = 4;
    Blow();
    EXPECT_EQ(Lost(), 5 * 3 + 4 - 6);
    EXPECT_TRUE(TextShown(host, "A critical hit!"));
    EXPECT_TRUE(TextShown(host, "You slay the Orc"));
    EXPECT_TRUE(TextShown(host, "for 13 points of damage!"));
}

TEST_F(HeroMeleeTest, AnElementAgainstTheMonstersResist) {
    weapon->ItemElement = 1;
    weapon->ItemElementDamage[2] = 3;
    weapon->ItemDamage[2] = 1;
    for (auto [resist, lost] : {std::pair{-1, 1 + 6}, std::pair{5, 1}}) {
        MonsterTable[1].MonsterResists[0] = int16_t(resist);
        Enc(e).Hp = 100;
        Blow();
        EXPECT_EQ(Lost(), lost) << resist;
    }
    EXPECT_TRUE(TextShown(host, "plus 6 points of Acid"));
    EXPECT_TRUE(TextShown(host, "plus 0 points of Acid"));
    EXPECT_TRUE(TextShown(host, "for 1 points of damage"));
}

TEST_F(HeroMeleeTest, TheGhostRules) {
    weapon->ItemGhostTouch = 1;  // a ghost-touch weapon does not hurt an ordinary monster
    Blow();
    EXPECT_EQ(Lost(), 0);
    EXPECT_TRUE(TextShown(host, "for 0 points of damage!"));

    weapon->ItemGhostTouch = 0;
    MonsterTable[1].MonsterNeedsGhostText = 1;
    GameState.Skills[kCriticalHit] = 1;
    SkillBonus.CriticalChance[1] = 100;
    Blow();  // no text here: nothing, and no critical tried
    EXPECT_EQ(Lost(), 0);
    EXPECT_FALSE(TextShown(host, "A critical hit!"));

    EventRecord& ghost = Event(26, 25, 1279);
    ghost.Word[1] = 1;  // while the item is worn
    ghost.Word[2] = 100;
    Blow();
    EXPECT_EQ(Lost(), 5);
}

TEST_F(HeroMeleeTest, ABeastBlowKillsWhenTheHitPointsPassZero) {
    GameState.HeroForm = 3;
    GameState.FormDefence = 40;
    GameState.FormDamage[2] = 5;
    Enc(e).Hp = 3;
    int32_t killed = 0;
    Run([&] { killed = MeleeAttackInForm(26, 25); });
    EXPECT_EQ(killed, 1);
    EXPECT_EQ(At(26, 25), -1);
    EXPECT_TRUE(TextShown(host, "Orc slain!"));
    EXPECT_TRUE(TextShown(host, "<You gain 12 Xp!>"));
}

TEST_F(HeroMeleeTest, LifeDrainHealsFromThePhysicalPartUpToTheMaximum) {
    weapon->ItemDamage[2] = 10;
    weapon->ItemElement = 4;
    weapon->ItemElementDamage[2] = 20;
    GameState.LifeDrain[1] = 5;
    SkillBonus.LifeDrainPercent[0] = 50;
    GameState.HitPoints = 90;
    Blow();
    EXPECT_EQ(GameState.HitPoints, 95);
    Blow();
    EXPECT_EQ(GameState.HitPoints, 100);
}

TEST_F(HeroMeleeTest, BareHandsEndHidingButNotInvisibility) {
    GameState.EquipSlots[kWeaponSlot] = -1;
    GameState.Stats[kStrength] = 10;
    GameState.Hidden = 1;
    GameState.InvisibleTurns = 4;
    Run([&] { MeleeAttackBareHanded(26, 25); });
    EXPECT_GE(Lost(), 11);
    EXPECT_LE(Lost(), 13);
    EXPECT_EQ(GameState.Hidden, 0u);
    EXPECT_EQ(GameState.InvisibleTurns, 4);
    EXPECT_FALSE(TextShown(host, "A backstab hit!"));
}

}  // namespace
