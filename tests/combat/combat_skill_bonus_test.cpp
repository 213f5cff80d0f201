// The to-hit bonus by kind of attack, the off-hand penalty, the column index held to 0..20,
// and the report of a negative skill.
#include "combat/combat_skill_bonus.h"

#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"

namespace {

class CombatSkillBonusTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        for (int16_t v = 0; v <= 20; ++v) {
            SkillBonus.ArmsmasterHitBonus[v] = static_cast<int16_t>(100 + v);
            SkillBonus.TargeteerHitBonus[v] = static_cast<int16_t>(200 + v);
            SkillBonus.OffhandHitPenalty[v] = static_cast<int16_t>(10 + v);
        }
    }
    int16_t* Skills = GameState.Skills;
};

TEST_F(CombatSkillBonusTest, ByKindOfAttack) {
    Skills[0] = 3;    // Armsmaster
    Skills[11] = 5;   // Targeteer
    Skills[5] = 2;    // Dual Weapons
    EXPECT_EQ(CombatSkillBonus(0, 7, 0), 103);
    EXPECT_EQ(CombatSkillBonus(1, 7, 0), 0);
    EXPECT_EQ(CombatSkillBonus(2, 7, 0), 205);
    EXPECT_EQ(CombatSkillBonus(0, 7, 1), 103 - 12);
    EXPECT_EQ(CombatSkillBonus(1, 7, 1), -12);
    Skills[0] = 0;  // no skill, no bonus: entry 0 is not read
    EXPECT_EQ(CombatSkillBonus(0, 7, 0), 0);
    Skills[5] = 0;  // the off-hand penalty is read at 0 too
    EXPECT_EQ(CombatSkillBonus(0, 7, 1), -10);

    Skills[0] = 23;  // past 20, as a belt and the Gemlore armour can lift a skill: the last entry
    Skills[11] = 400;
    Skills[5] = 21;
    EXPECT_EQ(CombatSkillBonus(0, 0, 1), 120 - 30);
    EXPECT_EQ(CombatSkillBonus(2, 0, 0), 220);
}

TEST_F(CombatSkillBonusTest, ANegativeSkillIsReported) {
    Skills[0] = -2;
    host.Tap(13);
    Run([] { EXPECT_EQ(CombatSkillBonus(0, 0, 0), 0); });
    EXPECT_TRUE(TextShown(host, "Invalid skill ref 1"));
    Skills[5] = -1;
    host.Tap(13);
    Run([] { EXPECT_EQ(CombatSkillBonus(2, 0, 1), -10); });
    EXPECT_TRUE(TextShown(host, "Invalid skill ref 3"));
    EXPECT_TRUE(host.ScriptDone());
}

}  // namespace
