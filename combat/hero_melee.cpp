#include "hero_melee.h"

#include <algorithm>
#include <string>

#include "combat/combat_report.h"
#include "combat/combat_skill_bonus.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "data/level.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "hero/item_instances.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "view/hud.h"
#include "view/play_screen.h"

namespace {


// How the four blows differ.
struct MeleeRules {
    int slot;                // the weapon's slot; -1 bare hands or beast form
    bool form;               // FormDefence to hit, FormDamage dice
    bool offhand;            // the Dual Weapons penalties
    bool shrunkMisses;       // a shrunk hero never hits
    bool doublesBackstab;
    bool endsHidden, endsInvisibility;
    bool critical, lifeDrain;
    bool missingOnHitOnly;   // the missing-weapon box waits for a hit
    const char* missing1;
    const char* missing2;
};
constexpr MeleeRules kPrimaryBlow{kWeaponSlot, false, false, true, true, true, true, true, true,
                                  false, "ERROR! Primary ", "Attack weapon missing!!"};
constexpr MeleeRules kOffhandBlow{kOffhandSlot, false, true, true, true, true, true, true, true,
                                  true, "Error! Were is your weapon?", ""};
constexpr MeleeRules kBareBlow{-1, false, false, true, false, true, false, true, true, false, "", ""};
constexpr MeleeRules kFormBlow{-1, true, false, false, false, false, false, false, false, false, "", ""};

int32_t ArmsmasterDamage() {
    const int16_t skill = GameState.Skills[kArmsmaster];
    return skill > 0 ? SkillColumnValue(SkillBonus.ArmsmasterDamage, skill) : 0;
}

int16_t ClampToI16(int32_t v) { return int16_t(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }

int32_t Strike(int16_t x, int16_t y, const MeleeRules& rules) {
    const LiveMonster target = LiveMonsterAt(x, y);
    if (!target) return 0;
    const MonsterRecord& m = *target.record;
    Encounter& r = *target.encounter;
    const int16_t monster = r.Monster;

    const bool backstab = rules.doublesBackstab && (GameState.Hidden || GameState.InvisibleTurns > 0);
    if (rules.endsHidden) GameState.Hidden = 0;
    if (rules.endsInvisibility) GameState.InvisibleTurns = 0;

    int32_t attack = rules.form ? GameState.FormDefence
                                : GameState.Stats[kCombat] + CombatSkillBonus(rules.slot == -1 ? kUnarmedMelee
                                                                                               : kArmedMelee,
                                                                              m.MonsterType, rules.offhand);
    if (GameState.HeroX < x) GameState.FigureFacesRight = 1;
    if (GameState.HeroX > x) GameState.FigureFacesRight = 0;
    const int32_t defence = m.MonsterMeleeSkill - (r.AttackPenalty > 0 ? r.AttackPenalty : 0);
    const int32_t need = 10 - (attack - defence);
    const int16_t roll = int16_t(Random15() % 20 + 1);
    const bool hit = (roll >= need || roll == 20) && !(rules.shrunkMisses && GameState.Shrunk);

    const ItemInstance* weapon = rules.slot >= 0 ? WornInstance(rules.slot) : nullptr;
    const ItemRecord* weaponRecord = weapon ? ItemRecordOf(weapon->ItemNumber) : nullptr;
    if (rules.slot >= 0 && !weaponRecord && (hit || !rules.missingOnHitOnly)) {
        ShowMessage(50, 50, rules.missing1, rules.missing2);
        return 0;
    }
    // Ghost touch must match: a plain weapon cannot hurt a ghost-touch monster nor the reverse;
    // hands and beasts hurt no ghost-touch monster.
    const bool blocked = (m.MonsterGhostTouch != 0) != (weaponRecord && weaponRecord->ItemGhostTouch != 0);

    if (!hit) {
        ReportMiss(1);
        return 0;
    }

    int32_t damage;
    if (rules.form) {
        damage = RollDice(GameState.FormDamage[0], GameState.FormDamage[1], GameState.FormDamage[2]);
    } else if (weaponRecord) {
        damage = RollDice(weaponRecord->ItemDamage[0], weaponRecord->ItemDamage[1], weaponRecord->ItemDamage[2]) +
                 weapon->X + GameState.Stats[kStrength];
        if (rules.offhand) {
            int16_t reduced = ClampToI16(damage);
            ApplyOffhandPenalty(reduced);
            damage = reduced;
        }
        damage += ArmsmasterDamage();
    } else {
        damage = RollDice(1, 3, 0) + GameState.Stats[kStrength] + ArmsmasterDamage();
    }
    if (backstab) damage *= 2;
    const bool slay = weaponRecord && weaponRecord->ItemSlayType > 0 && weaponRecord->ItemSlayType == m.MonsterType;
    if (slay) damage *= 3;
    damage = std::max(1, damage);
    const bool ghostTextMissing = m.MonsterNeedsGhostText && !IsGhostTextActive(x, y);
    if (ghostTextMissing) damage = 0;

    int16_t dealt = ClampToI16(damage);
    uint32_t critical = 0;
    if (rules.critical && dealt > 1) critical = CriticalHitCheck(roll, dealt);
    const int32_t dr = std::max(0, m.MonsterDr - (r.DefencePenalty > 0 ? r.DefencePenalty : 0));
    damage = std::max(0, dealt - dr);

    int16_t element = -1;
    int32_t elementDamage = 0;
    if (weaponRecord && weaponRecord->ItemElement >= 1 && weaponRecord->ItemElement <= 4) {
        element = int16_t(weaponRecord->ItemElement - 1);
        elementDamage = RollDice(weaponRecord->ItemElementDamage[0], weaponRecord->ItemElementDamage[1],
                                 weaponRecord->ItemElementDamage[2]);
        const int16_t resist = m.MonsterResists[element];
        elementDamage = std::max(0, resist < 0 ? elementDamage * 2 : elementDamage - resist);
        if (ghostTextMissing) elementDamage = 0;
    }
    if (blocked) damage = elementDamage = 0;

    int32_t hp = r.Hp - damage;
    if (rules.lifeDrain && GameState.LifeDrain[1] > 0) ApplyLifeDrain(ClampToI16(damage));
    hp = std::max(0, hp - elementDamage);
    r.Hp = int16_t(hp);
    int16_t firstX = -1, firstY = -1;
    const bool killed = hp == 0;
    if (killed) KillMonster(x, y, target.e, firstX, firstY);
    ReportMeleeHit(monster, ClampToI16(damage), element, ClampToI16(elementDamage), killed, slay, int16_t(critical),
                   x, y, 1, firstX, firstY, backstab);
    return killed ? 1 : 0;
}

}  // namespace

int32_t MeleeAttackWeapon(int16_t x, int16_t y) { return Strike(x, y, kPrimaryBlow); }
int32_t MeleeAttackDual(int16_t x, int16_t y) { return Strike(x, y, kOffhandBlow); }
void MeleeAttackBareHanded(int16_t x, int16_t y) { Strike(x, y, kBareBlow); }
int32_t MeleeAttackInForm(int16_t x, int16_t y) { return Strike(x, y, kFormBlow); }

uint32_t CriticalHitCheck(int16_t, int16_t& damage) {
    const int16_t skill = GameState.Skills[kCriticalHit];
    if (skill < 1) return 0;
    if (Random15() % 100 + 1 > SkillColumnValue(SkillBonus.CriticalChance, skill)) return 0;
    damage = ClampToI16(damage + SkillColumnValue(SkillBonus.CriticalDamage, skill));
    return 1;
}

void ApplyLifeDrain(int16_t damage) {
    const int32_t healed =
        SkillColumnValue(SkillBonus.LifeDrainPercent, GameState.Skills[kCurseSkill]) * int32_t(damage) / 100;
    GameState.HitPoints = int16_t(std::min<int32_t>(GameState.HitPoints + healed, GameState.HitPointsMax));
}

uint32_t IsGhostTextActive(int16_t x, int16_t y) {
    if (x < 0 || x > 49 || y < 0 || y > 49) return 0;
    const EventRecord* ev = EventGrid[size_t(x * 50 + y)].get();
    if (!ev || ev->Word[0] != kGhostTextEvent) return 0;
    if (ev->Word[1] == 0) return HasItem(ev->Word[2]) ? 1 : 0;
    if (ev->Word[1] == 1) return IsItemEquipped(ev->Word[2]) ? 1 : 0;
    return 0;
}

void ApplyOffhandPenalty(int16_t& damage) {
    const int32_t penalty =
        int32_t(damage) * SkillColumnValue(SkillBonus.OffhandDamagePenalty, GameState.Skills[kDualWeapons]) / 100;
    damage = int16_t(std::max<int32_t>(0, damage - penalty));
}

void ReportMiss(int16_t viewMode) {
    PlaySoundEffect("Miss");
    DrawPlayScreen(0, 1, viewMode, -1, -1, 0);
    DrawSmallText(465, 120, "You missed!", kSmallBlack);
    Flip();
    CombatPause();
    FlushMoveKeys();
}

void ReportMeleeHit(int16_t monster, int16_t damage, int16_t element, int16_t elementDamage, int16_t killed,
                    int16_t slay, int16_t critical, int16_t, int16_t, int16_t viewMode, int16_t firstX,
                    int16_t firstY, int16_t backstab) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    DrawPlayScreen(0, 1, viewMode != 0 ? 1 : 0, -1, -1, 0);
    int16_t y = 105;
    const auto line = [&y](int16_t advance, const std::string& text, int16_t colour) {
        y = int16_t(DrawSideScrollText(465, int16_t(y + advance), text, colour, advance) - advance);
    };
    if (backstab) {
        line(15, "A backstab hit!", kSmallRed);
        y = int16_t(y + 15);
    }
    if (critical) {
        line(15, "A critical hit!", kSmallRed);
        y = int16_t(y + 15);
    }
    line(15, std::string(slay ? "You slay " : "You hit ") + (m->MonsterUnique ? "" : "the ") + MonsterNameText(*m),
         kSmallBlack);
    line(15,
         "for " + std::to_string(damage) +
             (element >= 0 && elementDamage > 0 ? " points of damage" : " points of damage!"),
         kSmallBlack);
    if (element >= 0) {
        line(15, "plus " + std::to_string(elementDamage) + " points of " + std::string(NameAt(ElementNames, element)),
             kSmallBlack);
        line(15, "damage!", kSmallBlack);
    }
    if (killed) {
        PlaySoundEffect("MonsterDie");
        line(30, MonsterNameText(*m) + " slain!", kSmallBlack);
        line(30, "<You gain " + std::to_string(m->MonsterXpAward) + " Xp!>", kSmallRed);
        DrawKillSplash(monster, firstX, firstY);
    } else {
        PlaySoundEffect("Hit");
    }
    Flip();
    CombatPause();
    FlushMoveKeys();
}
