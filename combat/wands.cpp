#include "wands.h"

#include <array>

#include "combat/monster_lookup.h"
#include "combat/spell_area.h"
#include "combat/spell_cursor.h"
#include "data/level.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "hero/item_use.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFlowersSpell = 4;
constexpr int16_t kDormantMonster = 56;

// How a wand aims: a one-square or 3 x 3 spell cursor, or the power cursor over any square.
enum Aim : uint8_t { kOneSquare, kThreeByThree, kAnySquare };
// What it does with the chosen square.
enum Effect : uint8_t { kDamage, kNoDamage, kCurseByX, kDormant, kFlowers, kQuestItem };

struct WandPower {
    int16_t item;
    Aim aim;
    int16_t kind;
    Effect effect;
    int16_t sides;  // of the X dice of a damage wand
};
constexpr WandPower kWandPowers[] = {
    {261, kThreeByThree, kAcidSpell, kDamage, 6},
    {262, kThreeByThree, kColdSpell, kDamage, 6},
    {263, kOneSquare, kElectSpell, kDamage, 8},
    {264, kThreeByThree, kFireSpell, kDamage, 6},
    {265, kOneSquare, kPhysicalSpell, kDamage, 6},
    {266, kAnySquare, kLilySpell, kNoDamage, 0},
    {267, kThreeByThree, kIncompetenceSpell, kCurseByX, 0},
    {268, kOneSquare, kHoldSpell, kNoDamage, 0},
    {269, kOneSquare, 0, kDormant, 0},
    {270, kOneSquare, 0, kFlowers, 0},
    {290, kOneSquare, 0, kQuestItem, 0},
    {297, kOneSquare, kFrogSpell, kNoDamage, 0},
};

const WandPower* WandPowerOf(int16_t item) {
    for (const WandPower& w : kWandPowers)
        if (w.item == item) return &w;
    return nullptr;
}

int16_t OverchargeBonus() {
    const GameStateRecord& g = GameState;
    return g.ActiveAura == kOverchargeAura ? int16_t(g.Skills[kAuras] * SkillBonus.AuraValues[kOverchargeAura]) : 0;
}

// Aims the wand's power and applies it; 1 when a square was chosen.
int RunWandPower(int16_t item, int16_t x, int16_t y) {
    const WandPower* w = WandPowerOf(item);
    if (!w) return 0;
    std::array<char, kItemNameSize> title{};
    ItemDisplayName(item, x, y, 0, title);
    int16_t vx = 6, vy = 6;
    const uint32_t chosen = w->aim == kAnySquare ? TargetMonsterPower(vx, vy, item)
                                                 : TargetSpell(w->aim == kThreeByThree ? 1 : 0, vx, vy, title.data());
    if (!chosen) return 0;
    const int16_t area = w->aim == kThreeByThree ? 1 : 0;
    switch (w->effect) {
        case kDamage: SpellArea(vx, vy, area, w->kind, x, w->sides, OverchargeBonus(), 0, 1, 1, -1); break;
        case kNoDamage: SpellArea(vx, vy, area, w->kind, 0, 0, 0, 0, 1, 1, -1); break;
        case kCurseByX: SpellArea(vx, vy, area, w->kind, 0, 0, 0, 0, 1, 1, x); break;
        case kDormant: WandMakeDormant(vx, vy, x); break;
        case kFlowers: WandFlowers(vx, vy); break;
        case kQuestItem: WandQuestItem(vx, vy, x); break;
    }
    return 1;
}

// The map square of a window square.
void MapSquare(int16_t viewX, int16_t viewY, int16_t& mx, int16_t& my) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    mx = int16_t(originX + viewX);
    my = int16_t(originY + viewY);
}

// The wand's mark on the square, its sound and the pause.
void ShowWandMark(int16_t viewX, int16_t viewY, uint32_t pauseMs) {
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    BltFast(BackSurface, viewX * 32 + 15, viewY * 32 + 15, WallTiles[1322], TileRect, kBltKeyed);
    Flip();
    PlaySoundEffect("Pray");
    Delay(pauseMs);
}

}  // namespace

int UseWand() {
    ItemInstance* wand = InstanceAt(GameState.EquipSlots[kWandSlot]);
    if (!wand || wand->ItemNumber == kNone || wand->Y < 1) return 0;
    const int acted = RunWandPower(wand->ItemNumber, wand->X, wand->Y);
    if (acted) --wand->Y;
    return acted;
}

int UsePowerOnMonster() {
    ItemInstance* wand = InstanceAt(CursorItem);
    if (!wand || wand->ItemNumber == kNone) return 0;
    if (wand->Y < 1) {
        PlaySoundEffect("No");
        return 0;
    }
    const int16_t item = wand->ItemNumber;
    const int acted = RunWandPower(item, wand->X, wand->Y);
    if (acted) {
        // The instance itself goes back, so the wand is never lost to loot that filled the pack.
        --wand->Y;
        ReturnCursorItemToPack(item);
    }
    return acted;
}

int WandMakeDormant(int16_t viewX, int16_t viewY, int16_t monsterNumber) {
    int16_t mx, my;
    MapSquare(viewX, viewY, mx, my);
    const int16_t e = EncounterIndexAt(mx, my);
    Encounter* r = EncounterOf(e);
    if (!r || r->Kind != kMonsterKind || r->Monster != monsterNumber) return 0;
    if (r->DormantFlag < 1) {
        ShowMessage(50, 50, "Dormant Flag on this", "monster not set!!!");
        return 0;
    }
    SetGameFlag(r->DormantFlag, r->DormantValue);
    r->Monster = kDormantMonster;
    RemarkFootprint(mx, my, e);
    ShowWandMark(viewX, viewY, 1000);
    return 1;
}

int WandQuestItem(int16_t viewX, int16_t viewY, int16_t monsterNumber) {
    int16_t mx, my;
    MapSquare(viewX, viewY, mx, my);
    const EventRecord* ev = EventAt(mx, my);
    if (ev && ev->Word[0] == kUseItemEvent && GameFlag(ev->Word[6]) == 239) {
        SetGameFlag(ev->Word[6], 238);
        ShowWandMark(viewX, viewY, 1000);
    }
    return WandMakeDormant(viewX, viewY, monsterNumber);
}

int WandFlowers(int16_t viewX, int16_t viewY) {
    int16_t mx, my;
    MapSquare(viewX, viewY, mx, my);
    const EventRecord* ev = EventAt(mx, my);
    int changed = 0;
    if (ev && ev->Word[0] == kUseSpellEvent && ev->Word[3] == kFlowersSpell) {
        SetGameFlag(ev->Word[4], int16_t(uint16_t(GameFlag(ev->Word[4])) + 1));
        SetGameFlag(ev->Word[5], 1);
        changed = 1;
    }
    ShowWandMark(viewX, viewY, 500);
    return changed;
}
