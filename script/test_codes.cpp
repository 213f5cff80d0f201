// Codes that test the hero or the world, or roll a die, and jump to a mark when the test
// holds. A number outside its table makes the test false.
#include <algorithm>

#include "data/game_state.h"
#include "flags.h"
#include "hero/carried_items.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/random.h"
#include "script_codes.h"

namespace {

bool ValidItem(int16_t item) { return item >= 0 && item < kItemCount; }

void JumpIf(ScriptRun& run, bool holds, int16_t mark) {
    if (holds) JumpToMark(run, mark);
}

// One number drawn, whatever the size: 1..size, or 0 (no roll) for a size below 1.
int16_t Roll(int16_t size) {
    const int32_t drawn = Random15();
    return size >= 1 ? int16_t(drawn % size + 1) : int16_t{0};
}

// A roll compared with the other value; a die without sides never holds.
bool RollHolds(int16_t size, int16_t op, int16_t other) {
    const int16_t roll = Roll(size);
    return size >= 1 && CompareValues(roll, op, other);
}

int16_t CurrentStat(int16_t stat) { return stat >= 0 && stat < 7 ? GameState.Stats[stat] : int16_t{-1}; }
int16_t CurrentSkill(int16_t skill) { return skill >= 0 && skill < 12 ? GameState.Skills[skill] : int16_t{-1}; }

// Instances in the backpack and, when owned, the bag; gems add the gem bag's count.
int32_t CarriedCount(int16_t item) {
    int32_t n = CountCarriedInstances(item);
    if (item >= kFirstGem && item <= kLastGem) n += std::max<int16_t>(GameState.GembagCounts[item - kFirstGem], 0);
    return n;
}

}  // namespace

void IfLevelCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, GameState.HeroLevel >= op[0], op[1]);
}

void IfCarryingCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    // Operands 2 and 3 may be unused (-1 or 0); an item number past the table never matches.
    const bool valid = ValidItem(op[0]) && op[2] < kItemCount && op[3] < kItemCount;
    JumpIf(run, valid && HasItems(op[0], op[2], op[3]), op[1]);
}

void IfWearingCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, ValidItem(op[0]) && IsItemEquipped(op[0]), op[1]);
}

void IfSexCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, GameState.HeroSex == op[0], op[1]);
}

void IfQuestCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, op[0] >= 0 && op[0] < 200 && GameState.QuestStates[op[0]] == op[1], op[2]);
}

void IfStatCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, op[0] >= 0 && op[0] < 7 && CurrentStat(op[0]) >= op[1], op[2]);
}

void IfSkillCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, op[0] >= 0 && op[0] < 12 && std::max<int16_t>(CurrentSkill(op[0]), 0) >= op[1], op[2]);
}

void IfGoldCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, GameState.HeroGold >= op[0], op[1]);
}

void IfPortalActiveCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, op[0] >= 0 && op[0] < 5 && GameState.PentaActive[op[0]] == 1, op[1]);
}

void CarryCountCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, ValidItem(op[1]) && CarriedCount(op[1]) >= op[0], op[2]);
}

void RollD5Code(ScriptRun& run) {
    const auto marks = LineOperands(run);
    const int16_t mark = marks[size_t(Roll(5) - 1)];
    if (mark != -1) JumpToMark(run, mark);
}

void IfRollCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    JumpIf(run, RollHolds(op[0], op[1], op[2]), op[3]);
}

void RollStatCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const bool holds = RollHolds(op[0], op[1], CurrentStat(op[2]));
    JumpIf(run, holds && op[2] >= 0 && op[2] < 7, op[3]);
}

void RollSkillCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const bool holds = RollHolds(op[0], op[1], CurrentSkill(op[2]));
    JumpIf(run, holds && op[2] >= 0 && op[2] < 12, op[3]);
}
