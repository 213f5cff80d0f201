// Codes that change the hero's shape or health, win the game, move the hero, open a shop,
// and change the world: monsters summoned, changed or removed, the time loop, the reset.
#include <algorithm>

#include "adventure/encounters.h"
#include "adventure/rest.h"
#include "adventure/teleport.h"
#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "events/shop.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/message_boxes.h"
#include "script_codes.h"
#include "win_game.h"

namespace {

constexpr int16_t kLastingForm = 999;

bool ValidMonster(int16_t m) { return m >= 0 && m < kMonsterCount; }

void HealWounds() {
    GameState.HitPoints = GameState.HitPointsMax;
    GameState.Energy = GameState.EnergyMax;
    GameState.Exhausted = 0;
}

// 1 when the hero has a Prayer or Curse skill to refill.
bool RestoreCharges() {
    if (GameState.Skills[kPrayer] <= 0 && GameState.Skills[kCurseSkill] <= 0) return false;
    GameState.PrayerCharges = DailyCharges(GameState.Skills[kPrayer]);
    GameState.CurseCharges = DailyCharges(GameState.Skills[kCurseSkill]);
    return true;
}

void RemoveAfflictions() {
    GameStateRecord& g = GameState;
    g.Poisoned = g.Diseased = g.Exhausted = g.Drained = g.Clutz = g.Aged = g.Feebleminded = 0;
}

// The top-left square of an encounter's footprint: its first square in grid order.
bool EncounterAnchor(int16_t e, int16_t& x, int16_t& y) {
    for (int i = 0; i < kSquareCount; ++i) {
        if (GameState.MonsterGrid[i] != e) continue;
        x = int16_t(i / 50);
        y = int16_t(i % 50);
        return true;
    }
    return false;
}

// A monster encounter of monster `from` becomes monster `to` at full hit points, its
// footprint marked anew by the new monster's size.
void ChangeEncounter(int16_t e, int16_t from, int16_t to) {
    if (e < 0 || e >= kEncounterCount) return;
    Encounter& r = GameState.EncounterList[e];
    if (r.Kind != kMonsterKind || r.Monster != from) return;
    r.Monster = to;
    r.Hp = r.HpMax = MonsterTable[size_t(to)].MonsterHitPoints;
    int16_t x, y;
    if (!EncounterAnchor(e, x, y)) return;
    ClearEncounterSquares(e);
    MarkFootprint(x, y, PictureSizeClass(MonsterTable[size_t(to)].MonsterPicture), e);
}

void FreeQuestItems(ItemGrid grid) {
    for (int16_t& cell : grid) {
        const int16_t instance = cell;
        if (instance == kNone || ItemTypeOf(InstanceItem(instance)) != kQuestItem) continue;
        for (int16_t& other : grid)
            if (other == instance) other = kNone;
        ClearItemInstance(instance);
    }
}

}  // namespace

void ShapeshiftCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    GameStateRecord& g = GameState;
    switch (op[0]) {
        case 0:
        case 1:
        case 2:
            g.HeroForm = int16_t(op[0] + 2);
            g.FormTurns = kLastingForm;
            g.FormDefence = op[1];
            g.FormDR = op[2];
            g.FormDamage[0] = op[3];
            g.FormDamage[1] = 6;
            g.FormDamage[2] = 0;
            AppendReport("< You are transformed! >");
            break;
        case 3:
            g.Shrunk = 50;
            AppendReport("< You have been shrunk! >");
            break;
        case 4:
            g.HeroForm = g.FormTurns = g.FormDefence = g.FormDR = 0;
            std::fill(std::begin(g.FormDamage), std::end(g.FormDamage), int16_t{0});
            AppendReport("< You are restored to your human form! >");
            break;
        default:
            AppendRedBlank();
            AppendRedBlank();
            break;
    }
}

void HealCode(ScriptRun& run) {
    switch (LineOperands(run)[0]) {
        case 0:
            HealWounds();
            AppendReport("<You have been healed!>");
            break;
        case 1: AppendReport(RestoreCharges() ? "<Skill charges restored!>" : "<Nothing happens!>"); break;
        case 2:
            RemoveAfflictions();
            RecalcHero();
            AppendReport("<All afflictions removed!>");
            break;
        case 3:
            // The afflictions go first, so that the wounds heal up to the cured hero's maximum.
            RemoveAfflictions();
            RecalcHero();
            HealWounds();
            RestoreCharges();
            AppendReport("<You are cured of all ailments!>");
            break;
        case 4:
            RestRecover(1, 1);
            AppendRedBlank();
            AppendRedBlank();
            break;
        default: break;
    }
}

void WinCode(ScriptRun& run) {
    WinGame(run.line, run.script);
    run.leave = true;
}

void TeleportCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    if (op[0] >= 0 && op[0] < kLevelCount && OnMap(op[2], op[3])) {
        // The level's scripts may be gone after this: nothing of the run is read again.
        TeleportHero(op[0], op[1], op[2], op[3], 0);
    } else {
        ShowMessage(50, 50, "Error! Teleport target is", "outside the world!");
    }
    run.leave = true;
}

void AccessShopCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const EventRecord* e = OnMap(op[0], op[1]) ? EventGrid[size_t(op[0] * 50 + op[1])].get() : nullptr;
    if (e && e->Word[0] == kShopEvent) {
        RunShop(op[0], op[1]);
        PlayerAnswered(run);
    } else {
        ShowMessage(60, 60, "Error! No shop at", "designated coordinates!");
    }
}

void SummonMonsterCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    if (ValidMonster(op[0]) && OnMap(op[1], op[2])) AddMonsterEncounter(op[0], op[1], op[2], op[3], 1);
}

void ChangeMonsterCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t from = op[0], to = op[1];
    if (from == to || !ValidMonster(from) || !ValidMonster(to)) return;
    if (op[2] == 0) {
        for (int16_t e = 0; e < kEncounterCount; ++e) ChangeEncounter(e, from, to);
        return;
    }
    for (int i = 0; i < kSquareCount; ++i)
        if (CurrentLevel.AccessLayer[i] == kGemloreAccess) ChangeEncounter(GameState.MonsterGrid[i], from, to);
}

void RemoveMonsterCode(ScriptRun& run) {
    const int16_t flag = LineOperands(run)[0];
    for (int16_t e = 0; e < kEncounterCount; ++e) {
        const Encounter& r = GameState.EncounterList[e];
        if (r.Kind == -1 || r.KillFlag != flag) continue;
        // Every square of the level, not only those in view: a stale square would name the
        // slot once it is reused.
        ClearEncounterSquares(e);
        ClearMonster(e);
        return;
    }
}

void SetTimeLoopCode(ScriptRun& run) { GameState.TimeLoopCountdown = LineOperands(run)[0]; }

void ResetGameWorldCode(ScriptRun&) {
    GameStateRecord& g = GameState;
    for (int flag = 0; flag < kGameFlagCount; ++flag) SetGameFlag(flag, -1);
    FreeQuestItems(BackpackGrid());
    if (g.HasBagOfHolding) FreeQuestItems(BagGrid());
    std::fill(std::begin(g.QuestStates), std::end(g.QuestStates), int16_t{0});
    std::fill(std::begin(g.ActiveQuests), std::end(g.ActiveQuests), int16_t{-1});
    std::fill(std::begin(g.Awards), std::end(g.Awards), int16_t{-1});
    g.ActiveQuestCount = g.AwardCount = 0;
    std::fill(std::begin(g.Beacon), std::end(g.Beacon), int16_t{-1});
}
