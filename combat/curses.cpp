#include "curses.h"

#include <algorithm>

#include "combat/gemlore.h"
#include "combat/spell_area.h"
#include "combat/spell_cursor.h"
#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/derived_stats.h"
#include "platform/sound.h"

namespace {

int16_t CurseSkill() { return GameState.Skills[kCurseSkill]; }
int16_t AtCurse(const SkillColumn& column) { return SkillColumnValue(column, CurseSkill()); }

void PayCurse() {
    --GameState.CurseCharges;
    GameState.HitPoints = int16_t(GameState.HitPoints - CurseSkill());
}

// No damage: every monster of the area takes the curse's value for the hero's Curse skill.
int AreaCurse(int16_t kind, const char* title, int16_t payCost) {
    int16_t x = 6, y = 6;
    if (!TargetSpell(2, x, y, title)) return 0;
    if (payCost) PayCurse();
    SpellArea(x, y, 2, kind, 0, 0, 0, 0, 0, 1, -1);
    return 1;
}

}  // namespace

int CurseOfIncompetence(int16_t payCost) { return AreaCurse(kIncompetenceSpell, "Curse of Incompetence:", payCost); }
int CurseOfVulnerability(int16_t payCost) { return AreaCurse(kVulnerabilitySpell, "Curse of Vulnerability:", payCost); }
int CurseOfWeakness(int16_t payCost) { return AreaCurse(kWeaknessSpell, "Curse of Weakness:", payCost); }

int CurseLifeDrain() {
    GameState.SidePanelMode = 1;
    GameState.LifeDrain[0] = AtCurse(SkillBonus.LifeDrainPercent);
    GameState.LifeDrain[1] = AtCurse(SkillBonus.LifeDrainDuration);
    PowerUpEffect(1500, 13, "Curse");
    PayCurse();
    return 1;
}

int CastEarthMaw() {
    PlaySoundEffect("Click");
    int16_t x = 6, y = 6;
    if (!TargetSpell(0, x, y, "Earth Maw:")) return 0;
    SpellDice dice = SpellDiceOf(AtCurse(SkillBonus.EarthMawMaxDamage));
    AddEvocationBonus(dice.bonus);
    SpellArea(x, y, 0, kPhysicalSpell, dice.count, dice.sides, dice.bonus, 0, 0, 0, -1);
    PayCurse();
    GameState.HitPoints = std::max<int16_t>(GameState.HitPoints, 1);
    return 1;
}
