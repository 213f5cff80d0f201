#include "ranged_attack.h"

#include <algorithm>
#include <cstdlib>

#include "adventure/hero_step.h"
#include "combat/combat_skill_bonus.h"
#include "combat/hero_melee.h"
#include "combat/missile_flight.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "data/skill_bonus.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/source_rects.h"
#include "script/flags.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kTargetMarkerTile = 1316;
constexpr int16_t kNeverHittingBow = 357;

size_t TargetCount(const TargetList& targets) {
    return size_t(std::find_if(targets.begin(), targets.end(), [](const RangedTarget& t) { return t.x == -1; }) -
                  targets.begin());
}

// Plain arrows and bolts add Strength against DR; elemental ones turn the damage into their
// element; anything else changes nothing.
int16_t AmmunitionElement(int16_t ammunition) {
    if (ammunition >= 252 && ammunition <= 255) return int16_t(ammunition - 252);
    if (ammunition >= 257 && ammunition <= 260) return int16_t(ammunition - 257);
    return -1;
}

void SpendAmmunition() {
    ItemInstance* ammunition = InstanceAt(GameState.EquipSlots[kAmmunitionSlot]);
    if (!ammunition) return;
    if (--ammunition->Y < 1) {
        ammunition->ItemNumber = -1;
        ammunition->X = ammunition->Y = 0;
        GameState.EquipSlots[kAmmunitionSlot] = -1;
    }
}

}  // namespace

int16_t TargetDistance(int16_t x, int16_t y) {
    return int16_t(std::abs(x - GameState.HeroX) + std::abs(y - GameState.HeroY));
}

void SortTargetsByDistance(TargetList& targets) {
    std::stable_sort(targets.begin(), targets.end(), [](const RangedTarget& a, const RangedTarget& b) {
        const auto key = [](const RangedTarget& t) { return t.distance == -1 ? 999 : t.distance; };
        return key(a) < key(b);
    });
}

int32_t RunRangedCombat() {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    TargetList targets;
    targets.fill({-1, -1, -1});
    size_t count = 0;
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t e = EncounterIndexAt(x, y);
            if (!LiveMonsterOf(e) || SightGrid[i][j] != 1 || IsDormant(GameState.EncounterList[e])) continue;
            targets[count++] = {x, y, TargetDistance(x, y)};
        }
    if (count == 0) return 0;
    SortTargetsByDistance(targets);
    int32_t fired = 0;
    ChooseTarget(targets, originX, originY, fired);
    // The shot took its aim from hiding or invisibility, and ended both.
    if (fired) RecalcHero();
    return fired;
}

void DrawTargetScreen(int16_t index, const TargetList& targets, int16_t originX, int16_t originY) {
    const RangedTarget& t = targets[size_t(index)];
    DrawPlayScreen(0, 1, 3, -1, -1, 0);
    if (const MonsterRecord* m = LiveMonsterOf(EncounterIndexAt(t.x, t.y)))
        DrawSmallText(475, 120, "Target: " + MonsterNameText(*m), kSmallBlue);
    DrawSmallText(475, 150, "(T)arget next", kSmallBlack);
    DrawSmallText(475, 165, "(S)hoot", kSmallBlack);
    DrawSmallText(475, 180, "(C)ancel", kSmallBlack);
    BltFast(BackSurface, (t.x - originX) * 32 + 15, (t.y - originY) * 32 + 15, WallTiles[kTargetMarkerTile], TileRect,
            kBltKeyed);
    Flip();
}

int16_t ChooseTarget(const TargetList& targets, int16_t originX, int16_t originY, int32_t& fired) {
    const size_t count = TargetCount(targets);
    if (count == 0) return -1;
    Screen screen("target");
    int16_t index = 0;
    const auto draw = [&] { DrawTargetScreen(index, targets, originX, originY); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (KeyPressed('T', 1, 0, 1)) {
            index = int16_t((size_t(index) + 1) % count);
            draw();
        }
        // Without ammunition there is nothing to shoot.
        if (GameState.EquipSlots[kAmmunitionSlot] != -1 && KeyPressed('S', 1, 0, 0)) {
            const RangedTarget& t = targets[size_t(index)];
            AnimateMissile(GameState.HeroX, GameState.HeroY, t.x, t.y, 1, 0, -1);
            ShootAtTarget(t.x, t.y);
            fired = 1;
            return index;
        }
        if (ButtonClicked(495, 345, 8, 'C', 27, 1, 1)) return -1;
    }
}

int32_t ShootAtTarget(int16_t x, int16_t y) {
    const LiveMonster target = LiveMonsterAt(x, y);
    if (!target) return 0;
    const MonsterRecord& m = *target.record;
    Encounter& r = *target.encounter;
    const int16_t monster = r.Monster;

    GameState.Hidden = 0;
    GameState.InvisibleTurns = 0;
    const int32_t attack = GameState.Stats[kCombat] + CombatSkillBonus(kRanged, m.MonsterType, 0);
    if (GameState.HeroX < x) GameState.FigureFacesRight = 1;
    if (GameState.HeroX > x) GameState.FigureFacesRight = 0;
    const int32_t defence = m.MonsterMeleeSkill - (r.AttackPenalty > 0 ? r.AttackPenalty : 0);
    const int32_t need = 10 - (attack - defence);
    const int16_t bowItem = WornItem(kBowSlot);
    int16_t roll = int16_t(Random15() % 20 + 1);
    if (bowItem == kNeverHittingBow) roll = -500;

    const ItemInstance* bow = WornInstance(kBowSlot);
    const ItemRecord* bowRecord = bow ? ItemRecordOf(bow->ItemNumber) : nullptr;
    if (!bowRecord) {
        ShowMessage(50, 50, "ERROR! Ranged ", "Range weapon missing!!");
        return 0;
    }
    const bool blocked = (m.MonsterGhostTouch != 0) != (bowRecord->ItemGhostTouch != 0);
    const ItemInstance* ammunition = WornInstance(kAmmunitionSlot);
    const int16_t ammunitionItem = ammunition ? ammunition->ItemNumber : int16_t{-1};

    int32_t killed = 0;
    if ((roll >= need || roll == 20) && !GameState.Shrunk) {
        const int16_t targeteer = GameState.Skills[kTargeteer];
        int32_t damage = RollDice(bowRecord->ItemDamage[0], bowRecord->ItemDamage[1], bowRecord->ItemDamage[2]) +
                         bow->X + (ammunition && ammunition->X > 0 ? ammunition->X : 0) +
                         (targeteer > 0 ? SkillColumnValue(SkillBonus.ArmsmasterDamage, targeteer) : 0);
        const bool slay = bowRecord->ItemSlayType > 0 && bowRecord->ItemSlayType == m.MonsterType;
        if (slay) damage *= 3;
        if (m.MonsterNeedsGhostText && !IsGhostTextActive(x, y)) damage = 0;
        int16_t dealt = int16_t(std::clamp<int32_t>(damage, INT16_MIN, INT16_MAX));
        uint32_t critical = 0;
        if (dealt > 1) critical = CriticalHitCheck(roll, dealt);
        damage = dealt;

        const int16_t element = AmmunitionElement(ammunitionItem);
        int32_t elementDamage = 0;
        if (ammunitionItem == 251 || ammunitionItem == 256) {
            damage += GameState.Stats[kStrength] - m.MonsterDr;
        } else if (element >= 0) {
            const int16_t resist = m.MonsterResists[element];
            elementDamage = resist < 0 ? damage * 2 : damage - resist;
            damage = 1;
        }
        damage = std::max(0, damage);
        elementDamage = std::max(0, elementDamage);
        if (blocked) damage = elementDamage = 0;
        r.Hp = int16_t(std::max<int32_t>(0, r.Hp - damage - elementDamage));
        int16_t firstX = -1, firstY = -1;
        killed = r.Hp == 0;
        if (killed) KillMonster(x, y, target.e, firstX, firstY);
        ReportMeleeHit(monster, int16_t(std::min<int32_t>(damage, INT16_MAX)), element,
                       int16_t(std::min<int32_t>(elementDamage, INT16_MAX)), int16_t(killed), slay,
                       int16_t(critical), x, y, 0, firstX, firstY, 0);
    } else {
        ReportMiss(0);
    }
    if (bowItem != kNeverHittingBow) SpendAmmunition();
    if (killed && ScavengePending) ScavengeCorpse();
    Delay(200);
    return killed;
}
