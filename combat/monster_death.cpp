#include "monster_death.h"

#include <algorithm>
#include <span>

#include "adventure/hero_step.h"
#include "adventure/wilderness.h"
#include "combat/monster_lookup.h"
#include "combat/spell_area.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "events/keyring.h"
#include "hero/carried_items.h"
#include "hero/give_item.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "hero/level_advance.h"
#include "platform/display.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/source_rects.h"
#include "script/flags.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kStake = 287;
enum OnDeath : uint32_t { kBloodSplat, kDisappear, kExplodeFire, kAcidPool, kExplodeCold };

void GiveDeathItem(const int16_t (&deathItem)[3]) {
    const int16_t item = deathItem[0], power = deathItem[1], charges = deathItem[2];
    switch (ItemTypeOf(item)) {
        case -1: return;  // none, or a number outside the item table
        case kKey:
            AddKeyToKeyring(item);
            ScavengePending = 1;
            break;
        case kFood:
            if (item != 176 && item != 186 && GameState.HeroFood < 10) {
                GameState.HeroFood = int16_t(std::min<int32_t>(10, GameState.HeroFood + charges));
                ScavengePending = 1;
            } else {
                ScavengePending = GiveItem(item, power, charges, 0);
            }
            break;
        case kCoins:
            GameState.HeroGold += charges;
            ScavengePending = 1;
            break;
        default: ScavengePending = GiveItem(item, power, charges, 0); break;
    }
    ScavengedItem[0] = item;
    ScavengedItem[1] = power;
    ScavengedItem[2] = charges;
}

}  // namespace

void ClearMonster(int16_t e) {
    Encounter* r = EncounterOf(e);
    if (!r) return;
    *r = Encounter{};
    r->Kind = r->Extra = r->Monster = r->KillFlag = -1;
    r->KilledSetFlag = r->KilledSetOp = r->KilledSetValue = -1;
    r->DormantFlag = r->DormantOp = r->DormantValue = -1;
    r->DisguiseItem = r->X = r->Y = -1;
}

void KillMonster(int16_t x, int16_t y, int16_t e, int16_t& firstX, int16_t& firstY) {
    const Encounter* r = EncounterOf(e);
    if (!r || r->Kind != kMonsterKind) return;
    const int16_t monster = r->Monster;
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (r->KillFlag > 0) SetGameFlag(r->KillFlag, 0);
    if (r->KilledSetFlag > 0) ChangeFlag(r->KilledSetFlag, r->KilledSetOp, r->KilledSetValue);
    if (m) {
        GiveDeathItem(m->MonsterDeathItem);
        AwardMonsterXp(monster);
    }
    ClearMonster(e);
    ClearMonsterSquares(x, y, e, monster, firstX, firstY);
    // Only a running battle counts its monsters down; -1 means no battle.
    if (WildCombatMonsters > 0) --WildCombatMonsters;
    if (m && m->MonsterType == kVampire && HasItem(kStake)) {
        DrawPlayScreen(1, 1, 1, -1, -1, 0);
        ShowMessage(100, 100, "The vampire collapses. You", "stake its undead heart!");
    }
}

void ClearMonsterSquares(int16_t x, int16_t y, int16_t e, int16_t monster, int16_t& firstX, int16_t& firstY) {
    firstX = firstY = -1;
    const MonsterRecord* m = MonsterRecordOf(monster);
    const uint32_t onDeath = m ? m->MonsterOnDeath : uint32_t{kDisappear};
    ForEachSquareOfEncounter(x, y, e, [&](int16_t sx, int16_t sy) {
        if (firstX == -1) firstX = sx, firstY = sy;
        const int32_t square = sx * 50 + sy;
        GameState.MonsterGrid[square] = -1;
        switch (onDeath) {
            case kBloodSplat:
                if (CurrentLevel.AccessLayer[square] == kFreeAccess)
                    GameState.DamageFloor[square] = int16_t(1160 + Random15() % 5);
                break;
            case kDisappear: break;
            case kExplodeFire:
            case kExplodeCold: ExplodeOnDeath(x, y, monster); break;
            default:
                GameState.DamageFloor[square] = 1165;
                AddDamageFloorTimer(sx, sy, 30);
                break;
        }
    });
}

void DrawKillSplash(int16_t monster, int16_t firstX, int16_t firstY) {
    if (firstX < 0 || firstY < 0) return;
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    int32_t px = (firstX - originX) * 32 + 15, py = (firstY - originY) * 32 + 15;
    struct Piece {
        int16_t tile;
        int8_t column, row;
    };
    static constexpr Piece kOne[] = {{1317, 0, 0}};
    static constexpr Piece kWide[] = {{1832, 0, 0}, {1833, 1, 0}};
    static constexpr Piece kTall[] = {{1794, 0, 0}, {1814, 0, 1}};
    static constexpr Piece kHuge[] = {{1792, 0, 0}, {1793, 1, 0}, {1812, 0, 1}, {1813, 1, 1}};
    std::span<const Piece> pieces = kOne;
    switch (MonsterSizeClass(monster)) {
        case 1: pieces = kWide; break;
        case 2: pieces = kTall; break;
        case 6: pieces = kHuge; break;
        case 9:
            // The 2 x 2 splash centred on the 3 x 3 footprint.
            pieces = kHuge;
            px += 15;
            py += 15;
            break;
        default: break;
    }
    for (const Piece& p : pieces)
        BltFast(BackSurface, px + 32 * p.column, py + 32 * p.row, WallTiles[size_t(p.tile)], TileRect, kBltKeyed);
}

void AddDamageFloorTimer(int16_t x, int16_t y, int16_t turns) {
    for (DamageFloorTimer& t : GameState.DamageFloorTimers)
        if (t.X == -1) {
            t = {x, y, turns};
            return;
        }
}

void AwardMonsterXp(int16_t monster) {
    if (const MonsterRecord* m = MonsterRecordOf(monster)) AddXp(m->MonsterXpAward);
}

void ExplodeOnDeath(int16_t x, int16_t y, int16_t monster) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m) return;
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const int16_t kind = m->MonsterOnDeath == kExplodeFire ? kFireSpell : kColdSpell;
    SpellArea(int16_t(x - 1 - originX), int16_t(y - 1 - originY), 1, kind, m->MonsterMissileDamage[0],
              m->MonsterMissileDamage[1], m->MonsterMissileDamage[2], 0, 1, 0, -1);
}
