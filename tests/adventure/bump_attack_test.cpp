// The bump's choice of attack: the weapon, the off-hand weapon only after a blow that did not
// kill, bare hands, a beast's form, and no blow at all for a dormant or peaceful monster.
#include "adventure/hero_step.h"
#include "script/flags.h"
#include "tests/combat/combat_test.h"

namespace {

constexpr int16_t kSword = 100, kDagger = 101, kShield = 102, kNothing = -1;

class BumpAttackTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        Item(kSword, 0, 0, "Sword").ItemDamage[2] = 5;
        Item(kDagger, 2, 0, "Dagger").ItemDamage[2] = 7;
        Item(kShield, 4, 0, "Shield");
        GameState.FormDefence = 50;
        GameState.FormDamage[0] = GameState.FormDamage[1] = 1;
        GameState.FormDamage[2] = 8;
    }
};

TEST_F(BumpAttackTest, TheBumpChoosesItsAttacks) {
    const struct {
        const char* name;
        int16_t weapon, offhand, form, hp, melee;
        bool dormant;
        int lostMin, lostMax, blows;
        bool killed;
    } cases[] = {
        {"a sword", kSword, kNothing, 0, 30, -40, false, 5, 5, 1, false},
        {"a sword, then the dagger", kSword, kDagger, 0, 30, -40, false, 12, 12, 2, false},
        {"a sword that kills: no second blow", kSword, kDagger, 0, 5, -40, false, 5, 5, 1, true},
        {"the dagger alone in the off hand", kNothing, kDagger, 0, 30, -40, false, 7, 7, 1, false},
        {"a shield is no second weapon", kSword, kShield, 0, 30, -40, false, 5, 5, 1, false},
        {"bare hands", kNothing, kNothing, 0, 30, -40, false, 1, 3, 1, false},
        {"bare hands beside a shield", kNothing, kShield, 0, 30, -40, false, 1, 3, 1, false},
        {"a wolf bites, whatever it held", kSword, kDagger, 3, 30, -40, false, 9, 9, 1, false},
        {"a dormant monster is met", kSword, kNothing, 0, 30, -40, true, 0, 0, 0, false},
        {"a peaceful monster is met", kSword, kNothing, 0, 30, 0, false, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        MonsterRecord& m = Monster(1);
        m.MonsterHitPoints = c.hp;
        m.MonsterMeleeSkill = c.melee;
        const int16_t e = Place(1, 26, 25);
        if (c.dormant) {
            Enc(e).DormantFlag = 100;
            Enc(e).DormantOp = 5;
            Enc(e).DormantValue = 1;
            SetGameFlag(100, 1);
        }
        GameState.EquipSlots[kWeaponSlot] = GameState.EquipSlots[kOffhandSlot] = -1;
        if (c.weapon != kNothing) Wear(kWeaponSlot, 1, c.weapon);
        if (c.offhand != kNothing) Wear(kOffhandSlot, 2, c.offhand);
        GameState.HeroForm = c.form;
        GameState.Stats[kStrength] = 0;
        GameState.Stats[kCombat] = 10;
        host.texts.clear();
        Run([] { BumpAttack(26, 25); });
        EXPECT_EQ(CountTexts("You hit the Orc"), c.blows);
        EXPECT_EQ(Enc(e).Kind == -1, c.killed);
        if (!c.killed) {
            EXPECT_GE(c.hp - Enc(e).Hp, c.lostMin);
            EXPECT_LE(c.hp - Enc(e).Hp, c.lostMax);
        }
    }
}

}  // namespace
