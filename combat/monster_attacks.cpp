#include "monster_attacks.h"

#include <algorithm>
#include <string>

#include "adventure/teleport.h"
#include "combat/combat_report.h"
#include "combat/combat_skill_bonus.h"
#include "combat/missile_flight.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "combat/monster_turn.h"
#include "data/skill_bonus.h"
#include "events/saving_throws.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "view/hud.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kTeleportPower = 11;
constexpr int16_t kPoisonMissile = 6;
enum SaveIndex : int { kMindSave, kBodySave };

struct AfflictionRule {
    int16_t number;
    int save;
    uint32_t GameStateRecord::*condition;
    const char* line;  // the report's line; null for none
};
constexpr AfflictionRule kAfflictions[] = {
    {1, kBodySave, &GameStateRecord::Poisoned, "You have been poisoned!"},
    {2, kBodySave, &GameStateRecord::Diseased, "You contract a disease!"},
    {3, kMindSave, &GameStateRecord::Cursed, "You have been cursed!"},
    {4, kBodySave, &GameStateRecord::Drained, "You have been drained!"},
    {5, kBodySave, &GameStateRecord::Petrified, "You have been petrified!"},
    {6, kMindSave, &GameStateRecord::Paralysed, "You have been paralysed!"},
    {7, kMindSave, &GameStateRecord::Feebleminded, "Your are Feebleminded!"},
    {8, kBodySave, &GameStateRecord::Aged, "Your are aged 30 years!"},
    {9, kBodySave, &GameStateRecord::Clutz, nullptr},
    {10, kBodySave, &GameStateRecord::HeroIsUndead, "You contract undeath!"},
};

const AfflictionRule* AfflictionOf(int16_t number) {
    for (const AfflictionRule& a : kAfflictions)
        if (a.number == number) return &a;
    return nullptr;
}

bool IsImmune(int16_t affliction) {
    switch (affliction) {
        case 1: return GameState.PoisonImmune != 0;
        case 5: return GameState.PetrifyImmune != 0 || GameState.Tattoos[5] != 0;
        case 6: return GameState.ParalysisImmune != 0;
        default: return false;
    }
}

int16_t ToI16(int32_t v) { return int16_t(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }
int16_t AtLeastOne(int32_t v) { return int16_t(std::clamp<int32_t>(v, 1, INT16_MAX)); }

void LoseHitPoints(int32_t damage) {
    GameState.HitPoints = int16_t(std::max<int32_t>(INT16_MIN, GameState.HitPoints - damage));
    ClampHitPoints();
}

// The hero's defence against a monster: his Combat and, when armed, the Armsmaster hit bonus;
// in beast form the form's value.
int32_t HeroDefence(const MonsterRecord& m, bool onForm) {
    if (onForm) return GameState.FormDefence;
    return GameState.Stats[kCombat] + CombatSkillBonus(IsUnarmed() ? kUnarmedMelee : kArmedMelee, m.MonsterType, 0);
}

// The d20 against the hero: 18 and above always hit.
bool RollsHit(int32_t skill, int32_t defence) {
    const int32_t need = 10 - (skill - defence);
    const int32_t roll = Random15() % 20 + 1;
    return roll >= 18 || roll >= need;
}

int32_t AttackSkill(int16_t skill, const Encounter& r, bool onForm) {
    return skill - (!onForm && r.AttackPenalty > 0 ? r.AttackPenalty : 0);
}

void StrikeMelee(int16_t x, int16_t y, int16_t e, int16_t monster, bool onForm) {
    const MonsterRecord* mr = MonsterRecordOf(monster);
    Encounter* r = EncounterOf(e);
    if (!mr || !r) return;
    const MonsterRecord& m = *mr;
    if (!RollsHit(AttackSkill(m.MonsterMeleeSkill, *r, onForm), HeroDefence(m, onForm))) {
        PlaySoundEffect("Miss");
        ShowMonsterMiss(monster, e);
        CombatPause();
        return;
    }
    if (m.MonsterPower == kTeleportPower) {
        RunCurseJolt(monster, e);
        CombatPause();
        return;
    }
    int32_t damage = RollDice(m.MonsterDamage[0], m.MonsterDamage[1], m.MonsterDamage[2]);
    if (!onForm && r->WeakenPercent > 0) damage = ReduceByWeakness(ToI16(damage), e);
    damage = AtLeastOne(damage - (onForm ? GameState.FormDR : GameState.DamageReduction));
    const int16_t element = m.MonsterElement >= 1 && m.MonsterElement <= 4 ? m.MonsterElement : int16_t{0};
    int32_t elementDamage = 0;
    if (element > 0) {
        elementDamage = RollDice(m.MonsterElementDamage[0], m.MonsterElementDamage[1], m.MonsterElementDamage[2]);
        elementDamage = AtLeastOne(elementDamage - (onForm ? GameState.FormDR : GameState.Resists[element - 1]));
    }
    LoseHitPoints(damage);
    LoseHitPoints(elementDamage);

    int16_t affliction = 0, nemesis = -1, killed = 0;
    if (!onForm) {
        if (GameState.ActiveAura == kVengeanceAura) ApplyThornsAura(int16_t(damage), e);
        if (IsNemesisActive(m.MonsterType, monster)) {
            if (m.MonsterWandImmune == 1) {
                nemesis = 0;
            } else {
                nemesis = GameState.HeroLevel;
                r->Hp = int16_t(std::max(0, r->Hp - GameState.HeroLevel));
                if (r->Hp == 0) {
                    int16_t firstX = -1, firstY = -1;
                    KillMonster(x, y, e, firstX, firstY);
                    killed = 1;
                }
            }
        }
        if (m.MonsterAffliction > 0) affliction = ApplyMonsterAffliction(monster);
    }
    PlaySoundEffect("Hit");
    ShowMonsterHit(monster, int16_t(damage), element, int16_t(elementDamage), affliction, nemesis, killed, e);
    CombatPause();
}

void Shoot(int16_t x, int16_t y, int16_t e, int16_t monster, bool onForm) {
    const MonsterRecord* mr = MonsterRecordOf(monster);
    Encounter* r = EncounterOf(e);
    if (!mr || !r) return;
    const MonsterRecord& m = *mr;
    const int16_t type = m.MonsterMissileType;
    const int16_t kind = type >= 1 && type <= 5 ? int16_t(type - 1) : type;
    const auto fly = [&] { AnimateMissile(x, y, GameState.HeroX, GameState.HeroY, 0, kind, monster); };
    if (!RollsHit(AttackSkill(m.MonsterMissileSkill, *r, onForm), HeroDefence(m, onForm))) {
        fly();
        PlaySoundEffect("Miss");
        ShowMonsterMiss(monster, e);
        CombatPause();
        return;
    }
    int32_t damage = RollDice(m.MonsterMissileDamage[0], m.MonsterMissileDamage[1], m.MonsterMissileDamage[2]);
    if (type >= 2 && type <= 5)
        damage -= GameState.Resists[type - 2];
    else
        damage -= onForm ? GameState.FormDR : GameState.DamageReduction;
    damage = AtLeastOne(damage);
    LoseHitPoints(damage);
    fly();
    int16_t affliction = 0;
    if (!onForm) {
        if (type == kPoisonMissile && !GameState.PoisonImmune && !RollBodySave()) {
            GameState.Poisoned = 1;
            RecalcHero();
            affliction = 1;
        }
        if (m.MonsterAffliction > 0) affliction = ApplyMonsterAffliction(monster);
    }
    PlaySoundEffect("Hit");
    ShowMonsterMissileHit(monster, type, int16_t(damage), affliction, e);
    CombatPause();
}

// The lines of a report go down from y in steps of 14 pixels; a gap is one empty line.
struct ReportLines {
    int16_t y;
    void Line(const std::string& text, int16_t colour = kSmallBlack) { y = DrawSideScrollText(465, y, text, colour, 14); }
    void Gap() { y = int16_t(y + 14); }
};

std::string Points(int16_t n, const char* one, const char* many) { return std::to_string(n) + (n == 1 ? one : many); }

void BeginReport(int16_t e) {
    StrikingEncounter = e;
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
}

void EndReport() {
    Flip();
    StrikingEncounter = -1;
}

}  // namespace

void MonsterMeleeAttack(int16_t x, int16_t y, int16_t e, int16_t monster) { StrikeMelee(x, y, e, monster, false); }
void MonsterMeleeOnForm(int16_t x, int16_t y, int16_t e, int16_t monster) { StrikeMelee(x, y, e, monster, true); }
void MonsterMissileAttack(int16_t x, int16_t y, int16_t e, int16_t monster) { Shoot(x, y, e, monster, false); }
void MonsterMissileOnForm(int16_t x, int16_t y, int16_t e, int16_t monster) { Shoot(x, y, e, monster, true); }

int16_t ReduceByWeakness(int16_t damage, int16_t e) {
    const Encounter* r = EncounterOf(e);
    if (!r) return damage;
    return int16_t(damage - std::max<int32_t>(1, int32_t(damage) * r->WeakenPercent / 100));
}

void ApplyThornsAura(int16_t, int16_t e) {
    Encounter* r = EncounterOf(e);
    if (!r || r->Hp <= 1) return;
    const int32_t loss = std::max<int32_t>(1, GameState.Skills[kAuras] * SkillBonus.AuraValues[kVengeanceAura] / 2);
    r->Hp = int16_t(std::max<int32_t>(1, r->Hp - loss));
}

uint32_t IsNemesisActive(int16_t monsterType, int16_t) {
    int stone = -1;
    switch (monsterType) {
        case 9: stone = 0; break;   // Giant
        case 6: stone = 1; break;   // Dragon
        case 15: stone = 2; break;  // Slime
        case 5: stone = 4; break;   // Demon
        case 13: stone = 5; break;  // Plant
        default:
            if (monsterType >= 16) stone = 3;  // the undead and vampires
            break;
    }
    return stone >= 0 && GameState.NemesisStones[stone] >= 1 ? 1 : 0;
}

int16_t ApplyMonsterAffliction(int16_t monster) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m || Random15() % 100 < 75) return 0;
    const AfflictionRule* rule = AfflictionOf(m->MonsterAffliction);
    const int16_t save = GameState.Saves[rule ? rule->save : kBodySave];
    if (save >= Random15() % 100 + 1) return 0;
    int16_t given = 0;
    if (rule && !IsImmune(rule->number)) {
        GameState.*(rule->condition) = 1;
        if (rule->number == 4) GameState.ActiveAura = -1;
        given = rule->number;
    }
    RecalcHero();
    return given;
}

void RunCurseJolt(int16_t monster, int16_t e) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    StrikingEncounter = e;
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    PlaySoundEffect("curse");
    ShowMessage(50, 50, "A jolt on magical energy", "jolts your senses!");
    StrikingEncounter = -1;
    TeleportHero(GameState.CurrentLevelNumber, 0, m->MonsterPowerTarget[0], m->MonsterPowerTarget[1], 0);
}

void ClampHitPoints() {
    if (GameState.HitPoints < 1) GameState.HitPoints = 0;
}

void ShowMonsterHit(int16_t monster, int16_t damage, int16_t element, int16_t elementDamage, int16_t affliction,
                    int16_t nemesis, int16_t killed, int16_t e) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    BeginReport(e);
    ReportLines lines{120};
    lines.Line(TheMonsterName(*m) + " hits you");
    lines.Line("for " + Points(damage, " point of damage", " points of damage") + (element == 0 ? "." : ""));
    if (elementDamage != 0) {
        lines.Line("plus " + Points(elementDamage, " point of ", " points of ") +
                   std::string(NameAt(DamageTypeNames, element)));
        lines.Line("damage!");
    }
    if (GameState.HitPoints > 0) {
        const AfflictionRule* rule = AfflictionOf(affliction);
        if (rule && rule->line) {
            lines.Gap();
            lines.Line(rule->line, kSmallRed);
        }
        if (nemesis > 0) {
            lines.Gap();
            lines.Line(TheMonsterName(*m) + " takes", kSmallBlue);
            lines.Line(std::to_string(nemesis) + " points of nemesis", kSmallBlue);
            lines.Line(killed ? "damage, slaying it!" : "damage!", kSmallBlue);
        } else if (nemesis == 0) {
            lines.Gap();
            lines.Line(TheMonsterName(*m) + " is", kSmallBlue);
            lines.Line("immune to Nemesis damage!", kSmallBlue);
        }
    } else {
        lines.Gap();
        lines.Line("You have been slain!", kSmallRed);
    }
    EndReport();
}

void ShowMonsterMissileHit(int16_t monster, int16_t type, int16_t damage, int16_t affliction, int16_t e) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    BeginReport(e);
    // A line too long for the scroll goes on below and moves the rest down.
    int16_t y = DrawSideScrollText(465, 132, TheMonsterName(*m) + " hits you", kSmallBlack, 12);
    // Poison and laser missiles have no element of their own: their line reads like an arrow's.
    const std::string points = "for " + std::to_string(damage) + " points of";
    int16_t below = 0;
    if (type >= 2 && type <= 5) {
        y = DrawSideScrollText(465, y, points + " " + std::string(DamageTypeNames[size_t(type - 1)]), kSmallBlack, 12);
        below = int16_t(DrawSideScrollText(465, y, "damage!", kSmallBlack, 12) - 168);
    } else {
        below = int16_t(DrawSideScrollText(465, y, points + " damage!", kSmallBlack, 12) - 156);
    }
    if (GameState.HitPoints > 0) {
        const AfflictionRule* rule = affliction <= 6 ? AfflictionOf(affliction) : nullptr;
        if (rule) DrawSmallText(465, int16_t(180 + below), rule->line, kSmallRed);
    } else {
        DrawSmallText(465, int16_t(180 + below), "Your adventure ends here!", kSmallRed);
    }
    EndReport();
}

void ShowMonsterMiss(int16_t monster, int16_t e) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    BeginReport(e);
    DrawSideScrollText(465, 120, TheMonsterName(*m) + " misses!", kSmallBlack, 12);
    EndReport();
}

int16_t CountLuckCharms() { return int16_t(HasItem(153) + HasItem(154) + HasItem(155)); }
