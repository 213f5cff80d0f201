// Codes through which a character takes from the hero, buys from him in bulk, afflicts,
// hurts or kills him. Messages are red.
#include <algorithm>
#include <array>
#include <string>

#include "combat/monster_attacks.h"
#include "data/game_state.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "hero/item_stash.h"
#include "hero/item_types.h"
#include "flags.h"
#include "message_window.h"
#include "platform/fonts.h"
#include "platform/dice.h"
#include "script_codes.h"

namespace {

constexpr int16_t kSilentItem = 246;

std::string Num(int32_t n) { return std::to_string(n); }

struct Affliction {
    uint32_t GameStateRecord::*condition;
    std::string_view message;
};
constexpr std::array<Affliction, 10> kAfflictions = {{
    {&GameStateRecord::Poisoned, "<You have been poisoned!>"},
    {&GameStateRecord::Diseased, "<You contract a disease!>"},
    {&GameStateRecord::Cursed, "<You have been cursed!>"},
    {&GameStateRecord::Drained, "<You have been drained!>"},
    {&GameStateRecord::Petrified, "<You have been turned to stone!>"},
    {&GameStateRecord::Paralysed, "<You have been paralysed!>"},
    {&GameStateRecord::Feebleminded, "<Your mind becomes dull and foggy!>"},
    {&GameStateRecord::Aged, "<You suddenly age many years!>"},
    {&GameStateRecord::Clutz, "<You now suffer extreme clumsiness!>"},
    {&GameStateRecord::HeroIsUndead, "<Your flesh withers and grays. Your pluse becomes still!>"},
}};

// The damage kinds: the reduction each is taken from and its word.
constexpr std::array<std::string_view, 5> kDamageWords = {"", "acid ", "cold ", "electrical ", "fire "};

int16_t DamageReductionOf(int16_t kind) {
    return kind == 0 ? GameState.DamageReduction : GameState.Resists[kind - 1];
}

// Takes an amount when there is enough of it: an empty line and the message, then the jump
// when a mark above 0 is given.
template <class T>
void TakeAmount(ScriptRun& run, T& store, std::string_view message) {
    const auto op = LineOperands(run);
    if (store < op[0]) return;
    store = T(store - op[0]);
    AppendRedBlank();
    AppendMessageLine(message, kSmallRed);
    if (op[1] > 0) JumpToMark(run, op[1]);
}

// The first worn instance of the item taken off and freed.
bool TakeWornItem(int16_t item) {
    for (int slot = 0; slot < kEquipSlotCount; ++slot) {
        if (WornItem(slot) != item) continue;
        ClearItemInstance(GameState.EquipSlots[slot]);
        GameState.EquipSlots[slot] = kNone;
        RecalcHero();
        return true;
    }
    return false;
}

bool TakeGem(int16_t item) {
    if (item < kFirstGem || item > kLastGem || GameState.GembagCounts[item - kFirstGem] <= 0) return false;
    --GameState.GembagCounts[item - kFirstGem];
    return true;
}

}  // namespace

void TakeGoldCode(ScriptRun& run) {
    const int16_t gold = LineOperands(run)[0];
    TakeAmount(run, GameState.HeroGold, "<Lost " + Num(gold) + (gold == 1 ? " gold piece!>" : " gold pieces!>"));
}

void SpendSkillPointsCode(ScriptRun& run) {
    TakeAmount(run, GameState.SkillPoints, "<Lost " + Num(LineOperands(run)[0]) + " skill point!>");
}

void TakeFoodCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    if (GameState.HeroFood < op[0]) return;
    GameState.HeroFood = int16_t(GameState.HeroFood - op[0]);
    JumpToMark(run, op[1]);
}

void RobCode(ScriptRun&) {
    GameState.HeroGold = 0;
    AppendReport("You have been robbed of all your wealth!");
}

void TakeItemCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t item = op[0];
    if (!ItemRecordOf(item)) return;
    const bool taken = (HasItem(item) && TakeItem(item)) || TakeWornItem(item) || TakeGem(item);
    if (!taken || item == kSilentItem) return;
    AppendReport((op[1] == 0 ? "<Item removed: " : "<Item discarded: ") + std::string(ItemRecordName(item)) + "!>");
}

void TakeAllItemsCode(ScriptRun&) { StripAllItems(); }

void ReturnItemsCode(ScriptRun&) { ReturnStrippedItems(); }

void BatchSellCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t item = op[0], price = op[1], tally = op[2];
    if (item <= 0 || !ItemRecordOf(item)) return;
    int16_t n = 0;
    while (TakeItem(item)) ++n;
    if (n > 0) {
        // In 32 bits: twenty sold at 5,000 pay 100,000.
        const int32_t gold = int32_t(n) * int32_t(price);
        GameState.HeroGold += gold;
        AppendRedBlank();
        AppendReport("< You sell " + Num(n) + " " + std::string(ItemRecordName(item)) + (n > 1 ? "s for " : " for ") +
                     Num(gold) + " gold pieces! >");
    }
    if (tally > 0) AssignFlag(tally, 1, n);
}

void AfflictionCode(ScriptRun& run) {
    const int16_t which = LineOperands(run)[0];
    if (which < 1 || which > int16_t(kAfflictions.size())) {
        AppendRedBlank();
        AppendRedBlank();
        return;
    }
    const Affliction& a = kAfflictions[size_t(which - 1)];
    GameState.*a.condition = 1;
    if (which == 4) GameState.ActiveAura = -1;
    RecalcHero();
    AppendReport(a.message);
}

void DamageCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t kind = op[0];
    if (kind < 0 || kind >= int16_t(kDamageWords.size())) return;
    const int16_t damage = int16_t(std::clamp<int32_t>(RollDice(op[1], op[2], op[3]) - DamageReductionOf(kind), 0, INT16_MAX));
    GameState.HitPoints = Wrap16(GameState.HitPoints - damage);
    ClampHitPoints();
    AppendRedBlank();
    AppendReport("< You take " + Num(damage) + (damage == 1 ? " point of " : " points of ") +
                 std::string(kDamageWords[size_t(kind)]) + "damage! >");
    if (GameState.HitPoints == 0) run.leave = true;
}

void KillCode(ScriptRun& run) {
    GameState.HitPoints = -1;
    run.leave = true;
}
