#include "spell_area.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "adventure/encounters.h"
#include "adventure/hero_step.h"
#include "combat/hero_melee.h"
#include "combat/monster_attacks.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFrogMonster = 196;

struct BlastLook {
    int16_t tile;
    std::string_view sound;
    uint32_t pauseMs;
};
// By kind -1..3; every other kind looks like a curse.
constexpr BlastLook kBlastLooks[] = {
    {1317, "Hit", 1250}, {1318, "Acid", 1250}, {1319, "Cold", 1950}, {1320, "Elect", 1550}, {1321, "Fire", 1550},
};
constexpr BlastLook kCurseLook{1322, "Curse", 1500};

const BlastLook& LookOf(int16_t kind) {
    return kind >= -1 && kind <= 3 ? kBlastLooks[kind + 1] : kCurseLook;
}

const EventRecord* EventOn(int16_t x, int16_t y) {
    return x >= 0 && x <= 49 && y >= 0 && y <= 49 ? EventGrid[size_t(x * 50 + y)].get() : nullptr;
}

// Sets the status flag of a bridge of that type on the square.
void OpenBridge(int16_t mx, int16_t my, int16_t bridgeType) {
    const EventRecord* ev = EventOn(mx, my);
    if (ev && ev->Word[0] == kBridgeEvent && ev->Word[1] == bridgeType) SetGameFlag(ev->Word[6], 1);
}

bool IsOneOf(int16_t type, std::initializer_list<int16_t> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

int16_t CurseColumn(int table) { return SkillColumnValue(SkillBonus.CurseTables[table], GameState.Skills[kCurseSkill]); }

void ShowWandImmunity() {
    DrawPlayScreen(1, 1, 2, -1, -1, 0);
    PlaySoundEffect("no");
    ShowMessage(50, 50, " Monster is immune to", " the effects of this wand!");
}

// The encounter becomes the frog, on the footprint of the frog's class from its anchor.
void TurnIntoFrog(int16_t mx, int16_t my, int16_t e) {
    Encounter& r = GameState.EncounterList[e];
    r.Monster = kFrogMonster;
    r.Hp = r.HpMax = MonsterTable[kFrogMonster].MonsterHitPoints;
    r.AttackPenalty = r.WeakenPercent = r.Silenced = r.DefencePenalty = r.Paralysed = 0;
    RemarkFootprint(mx, my, e);
}

void ApplyStatus(int16_t mx, int16_t my, int16_t e, const MonsterRecord& m, int16_t kind, int16_t curseValue) {
    Encounter& r = GameState.EncounterList[e];
    switch (kind) {
        case kIncompetenceSpell: r.AttackPenalty = curseValue == -1 ? CurseColumn(0) : curseValue; break;
        case kWeaknessSpell: r.WeakenPercent = CurseColumn(2); break;
        case kSilenceSpell: r.Silenced = 1; break;
        case kVulnerabilitySpell: r.DefencePenalty = CurseColumn(1); break;
        case kHoldSpell:
            if (IsOneOf(m.MonsterType, {kConstruct, kPlant, kRobot, kEtherealUndead})) break;
            if (m.MonsterWandImmune)
                ShowWandImmunity();
            else
                r.Paralysed = 1;
            break;
        case kDeathSpell:
            if (IsOneOf(m.MonsterType, {kConstruct, kRobot, kCadaverousUndead, kEtherealUndead}) ||
                m.MonsterWandImmune == 1) {
                ShowMessage(90, 90, "", "   Immune to Deathspell!");
            } else {
                Delay(400);
                int16_t firstX = -1, firstY = -1;
                KillMonster(mx, my, e, firstX, firstY);
            }
            break;
        case kFrogSpell:
            if (!IsOneOf(m.MonsterType, {0, 1, 2, 3, 6, 8, 9, 10, 11, 12})) break;
            if (m.MonsterWandImmune)
                ShowWandImmunity();
            else
                TurnIntoFrog(mx, my, e);
            break;
        case kDeconstructSpell:
            if (m.MonsterType == kConstruct || m.MonsterType == kRobot) r.Hp = 5;
            break;
        default: break;
    }
}

}  // namespace

void SpellArea(int16_t x, int16_t y, int16_t areaMode, int16_t kind, int16_t count, int16_t sides, int16_t bonus,
               int16_t, int16_t hitsHero, int16_t viewMode, int16_t curseValue) {
    const int16_t size = areaMode == 2 ? 5 : areaMode == 1 ? 3 : 1;
    const auto inArea = [&](int16_t i, int16_t j) {
        return !(areaMode == 2 && (i == x || i == x + 4) && (j == y || j == y + 4));
    };
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    for (int16_t i = x; i < x + size; ++i)
        for (int16_t j = y; j < y + size; ++j) {
            const int16_t mx = int16_t(originX + i), my = int16_t(originY + j);
            if (!inArea(i, j) || mx < 0 || mx > 49 || my < 0 || my > 49) continue;
            const int16_t e = EncounterIndexAt(mx, my);
            if (LiveMonsterOf(e)) SpellHitsMonster(mx, my, e, kind, count, sides, bonus, curseValue);
            if (hitsHero && mx == GameState.HeroX && my == GameState.HeroY) SpellHitsHero(kind, count, sides, bonus);
            SpellTriggersEvents(mx, my, kind);
            if (kind == kColdSpell) {
                FreezeBridge(mx, my);
                MarkBridgeType(mx, my);
            }
            if (kind == kLilySpell) GrowLilyBridge(mx, my);
        }
    DrawPlayScreen(1, 1, viewMode ? 2 : 0, -1, -1, 0);
    const BlastLook& look = LookOf(kind);
    PlaySoundEffect(look.sound);
    for (int16_t i = x; i < x + size; ++i)
        for (int16_t j = y; j < y + size; ++j)
            if (inArea(i, j)) BltFast(BackSurface, i * 32 + 15, j * 32 + 15, WallTiles[look.tile], TileRect, kBltKeyed);
    Flip();
    Delay(look.pauseMs);
    if (ScavengePending) ScavengeCorpse();
}

void SpellHitsMonster(int16_t mx, int16_t my, int16_t e, int16_t kind, int16_t count, int16_t sides, int16_t bonus,
                      int16_t curseValue) {
    const LiveMonster target = LiveMonsterIn(e);
    if (!target) return;
    const MonsterRecord& m = *target.record;
    Encounter& r = *target.encounter;
    if ((count > 0 && sides > 0) || bonus > 0) {
        int32_t d = RollDice(count, sides, bonus);
        if (kind >= kAcidSpell && kind <= kFireSpell) {
            const int16_t resist = m.MonsterResists[kind];
            d = resist < 0 ? d * 2 : d - resist;
        } else {
            d -= m.MonsterDr;
        }
        d = std::max(0, d);
        if ((m.MonsterNeedsGhostText && !IsGhostTextActive(mx, my)) || m.MonsterSpellImmune) d = 0;
        r.Hp = int16_t(std::max<int32_t>(0, r.Hp - d));
        if (r.Hp == 0) {
            int16_t firstX = -1, firstY = -1;
            KillMonster(mx, my, e, firstX, firstY);
            return;
        }
    }
    if (!m.MonsterSpellImmune && kind > kFireSpell) ApplyStatus(mx, my, e, m, kind, curseValue);
}

void SpellHitsHero(int16_t kind, int16_t count, int16_t sides, int16_t bonus) {
    int32_t d = RollDice(count, sides, bonus);
    if (GameState.HeroForm != 0)
        d -= GameState.FormDR;
    else if (kind == kPhysicalSpell)
        d -= GameState.DamageReduction;
    else if (kind >= kAcidSpell && kind <= kFireSpell)
        d -= GameState.Resists[kind];
    GameState.HitPoints = int16_t(GameState.HitPoints - std::max(0, d));
    ClampHitPoints();
}

void SpellTriggersEvents(int16_t mx, int16_t my, int16_t kind) {
    const EventRecord* ev = EventOn(mx, my);
    if (!ev) return;
    if (ev->Word[0] == kUseSpellEvent && kind >= kAcidSpell && kind <= kFireSpell && ev->Word[3] == kind &&
        GameFlag(ev->Word[5]) == -1) {
        // The counter flag is also the group of monsters the spell calls.
        const int16_t group = ev->Word[4];
        SetGameFlag(group, int16_t(uint16_t(GameFlag(group)) + 1));
        SetGameFlag(ev->Word[5], 1);
        SpawnMonstersOfGroup(group);
    }
    if (ev->Word[0] == kSmokeSignalEvent) SetGameFlag(ev->Word[1], 1);
}

void FreezeBridge(int16_t mx, int16_t my) { OpenBridge(mx, my, 1); }

// A cold blast could also set the flag numbered by the bridge's type, but a type (0..2) names no
// flag of the bridge: nothing is set.
void MarkBridgeType(int16_t, int16_t) {}

void GrowLilyBridge(int16_t mx, int16_t my) { OpenBridge(mx, my, 2); }

void UseGem(int16_t g) {
    if (g >= 0 && g < 9 && GameState.GembagCounts[g] > 0) --GameState.GembagCounts[g];
}

void AddEvocationBonus(int16_t& damage) {
    if (GameState.ActiveAura == kEvocationAura)
        damage = int16_t(damage + GameState.Skills[kAuras] * SkillBonus.AuraValues[kEvocationAura]);
}

void DrawMenuRowNumber(int16_t x, int16_t y, int16_t row) {
    DrawSmallText(x, int16_t(y + 10), NumberText(row + 1), kSmallBlack);
    for (int dx : {15, 75, 135, 150})
        BltFast(BackSurface, x + dx, y, ItemPictures[246], ViewPieceRects[1], kBltKeyed);
}
