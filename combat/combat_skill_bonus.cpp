#include "combat/combat_skill_bonus.h"

#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "platform/message_boxes.h"
#include "hero/derived_stats.h"

namespace {

// A negative skill can only come from a damaged save; it is reported and gives no bonus.
int16_t CheckedSkill(int skill, const char* report) {
    const int16_t value = GameState.Skills[skill];
    if (value < 0) ShowMessage(50, 50, report, "");
    return value;
}

}  // namespace

int16_t CombatSkillBonus(int16_t kind, int16_t /*monsterType*/, int16_t offhand) {
    int32_t bonus = 0;
    if (kind == kArmedMelee) {
        const int16_t armsmaster = CheckedSkill(kArmsmaster, "Invalid skill ref 1");
        if (armsmaster > 0) bonus += SkillColumnValue(SkillBonus.ArmsmasterHitBonus, armsmaster);
    }
    if (kind == kRanged) {
        const int16_t targeteer = CheckedSkill(kTargeteer, "Invalid skill ref 2");
        if (targeteer > 0) bonus += SkillColumnValue(SkillBonus.TargeteerHitBonus, targeteer);
    }
    if (offhand) {
        const int16_t dual = CheckedSkill(kDualWeapons, "Invalid skill ref 3");
        bonus -= SkillColumnValue(SkillBonus.OffhandHitPenalty, dual);
    }
    return static_cast<int16_t>(bonus);
}
