#include "monster_turn.h"

#include <string>

#include "combat/combat_report.h"
#include "combat/monster_attacks.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "combat/monster_path.h"
#include "combat/monster_powers.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/map_view.h"
#include "view/hud.h"
#include "view/play_screen.h"

int16_t StrikingEncounter = -1;
TurnEntry MonsterTurnList[50];

namespace {

// The hero goes unnoticed by a monster that cannot see through his hiding or invisibility.
bool NoticesHero(const MonsterRecord& m) {
    if (GameState.Hidden && m.MonsterAwareness < GameState.Skills[kStealth]) return false;
    if (GameState.InvisibleTurns > 0 && !m.MonsterDetectsInvisible) return false;
    return true;
}

bool IsAnchor(int16_t x, int16_t y, int16_t e) {
    const auto holds = [e](int32_t sx, int32_t sy) {
        return sx >= 0 && sy >= 0 && GameState.MonsterGrid[sx * 50 + sy] == e;
    };
    return !holds(x - 1, y) && !holds(x, y - 1) && !holds(x - 1, y - 1);
}

// Every passive test is made, in order: the last one ends the hero's hiding even for a monster
// already passive.
bool IsPassive(const Encounter& r, const MonsterRecord& m) {
    bool passive = false;
    if (IsDormant(r)) passive = true;
    if (r.DisguiseItem > 0 && IsItemEquipped(r.DisguiseItem)) passive = true;
    if ((r.Monster == 83 || r.Monster == 84) && IsItemEquipped(555) && r.Hp == r.HpMax) passive = true;
    if (r.Paralysed > 0) passive = true;
    if (GameState.InvisibleTurns > 0 && !m.MonsterDetectsInvisible) passive = true;
    if (GameState.Hidden) {
        if (m.MonsterAwareness < GameState.Skills[kStealth]) {
            passive = true;
        } else {
            GameState.Hidden = 0;
            RecalcHero();
        }
    }
    return passive;
}

}  // namespace

uint32_t IsWindowCellVisible(int16_t i, int16_t j) {
    return i >= 0 && i <= 12 && j >= 0 && j <= 12 && SightGrid[i][j] == 1 ? 1 : 0;
}

void RunMonsterTurns(uint32_t force) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    for (TurnEntry& entry : MonsterTurnList) entry = {-1, -1, -1};
    size_t count = 0;
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t e = EncounterIndexAt(x, y);
            const MonsterRecord* m = LiveMonsterOf(e);
            if (!m || !IsAnchor(x, y, e)) continue;
            Encounter& r = GameState.EncounterList[e];
            if (!IsWindowCellVisible(i, j) && !r.Active) continue;
            if (!NoticesHero(*m)) continue;
            r.Active = 1;
            if (count < std::size(MonsterTurnList)) MonsterTurnList[count++] = {x, y, e};
        }
    // Each entry is read again: earlier monsters may have moved or died, and one that stepped
    // onto the square of a monster killed this turn has had its turn already.
    for (const TurnEntry& entry : MonsterTurnList) {
        if (entry.x == -1) break;
        const int16_t e = EncounterIndexAt(entry.x, entry.y);
        if (e >= 0 && e == entry.encounter) MonsterAct(entry.x, entry.y, e, force);
    }
}

void MonsterAct(int16_t x, int16_t y, int16_t e, uint32_t force) {
    const LiveMonster target = LiveMonsterIn(e);
    if (!target) return;
    const MonsterRecord& m = *target.record;
    Encounter& r = *target.encounter;
    const int16_t monster = r.Monster;
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const bool visible = IsWindowCellVisible(int16_t(x - originX), int16_t(y - originY));
    if (IsPassive(r, m)) return;
    const int16_t adjacent = IsMonsterAdjacent(monster, x, y);
    if (visible && r.Silenced == 0 && TryMonsterPower(monster, x, y, e, adjacent)) return;
    if (adjacent) {
        if (m.MonsterMeleeSkill != 0) {
            if (GameState.HeroForm == 0)
                MonsterMeleeAttack(x, y, e, monster);
            else
                MonsterMeleeOnForm(x, y, e, monster);
        }
        return;
    }
    bool shoot = visible && m.MonsterMissileType >= 1;
    // The roll is drawn whether or not the monster could shoot.
    if (Random15() % 10 > 4) shoot = false;
    if (shoot) {
        if (GameState.HeroForm == 0)
            MonsterMissileAttack(x, y, e, monster);
        else
            MonsterMissileOnForm(x, y, e, monster);
        return;
    }
    MaybeMoveMonster(monster, x, y, e, force);
}

uint32_t TryMonsterPower(int16_t monster, int16_t x, int16_t y, int16_t e, int16_t adjacent) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    Encounter* r = EncounterOf(e);
    if (!m || !r || m->MonsterPower < 1 || r->PowerUsed) return 0;
    if (Random15() % 100 + 1 > 20) return 0;
    if (!UseMonsterPower(monster, x, y, e, adjacent)) return 0;
    // A suicide bomber's slot is free by now and stays in the free state.
    if (r->Kind == kMonsterKind) r->PowerUsed = 1;
    return 1;
}

void MaybeMoveMonster(int16_t monster, int16_t x, int16_t y, int16_t e, uint32_t force) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m || m->MonsterSpeed <= 0) return;
    int32_t roll = Random15() % 100 + 1;
    if (force) roll = 0;
    // Slow, Normal and Fast move on rolls below 70, 80 and 90; other speeds never.
    static constexpr int32_t kBelow[] = {70, 80, 90};
    if (m->MonsterSpeed > 3 || roll >= kBelow[m->MonsterSpeed - 1]) return;
    FindMonsterPath(x, y, e);
}

uint32_t AttackAdjacentBarriers(int16_t x, int16_t y, int16_t e, int16_t monster) {
    uint32_t struck = 0;
    for (const RingSquare& s : FootprintRing(MonsterSizeClass(monster))) {
        const int16_t bx = int16_t(x + s.dx), by = int16_t(y + s.dy);
        const Encounter* b = EncounterOf(EncounterIndexAt(bx, by));
        if (b && b->Kind == kBarrierKind) {
            AttackBarrier(bx, by, e, monster);
            struck = 1;
        }
    }
    return struck;
}

void AttackBarrier(int16_t bx, int16_t by, int16_t e, int16_t monster) {
    const int16_t b = EncounterIndexAt(bx, by);
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (b < 0 || !m) return;
    Encounter& barrier = GameState.EncounterList[b];
    const int16_t damage = RollDice(m->MonsterDamage[0], m->MonsterDamage[1], m->MonsterDamage[2]);
    barrier.Hp = int16_t(uint16_t(barrier.Hp) - uint16_t(damage));
    if (barrier.Hp <= 0) {
        ClearMonster(b);
        GameState.MonsterGrid[bx * 50 + by] = -1;
        PlaySoundEffect("Crash");
    } else {
        PlaySoundEffect("Hit");
    }
    StrikingEncounter = e;
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    const int16_t y = DrawSideScrollText(465, 120, TheMonsterName(*m) + " hits the", kSmallBlack, 14);
    DrawSmallText(465, y, "barrier for " + std::to_string(damage) + (damage == 1 ? " point of" : " points of"),
                  kSmallBlack);
    DrawSmallText(465, int16_t(y + 14), "damage!", kSmallBlack);
    Flip();
    StrikingEncounter = -1;
    CombatPause();
    FlushMoveKeys();
}
