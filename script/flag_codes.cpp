// The four codes that work on flags directly: SFL, SFF, TAL and IFL. Flag 0 is an ordinary
// flag to all of them.
#include "adventure/encounters.h"
#include "data/game_state.h"
#include "flags.h"
#include "script_codes.h"

void SetFlagCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    AssignFlag(op[0], op[1], op[2]);
    SpawnMonstersOfGroup(op[0]);
}

void SetFlagFromFlagCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    AssignFlag(op[0], op[1], GameFlag(op[2]));
    SpawnMonstersOfGroup(op[0]);
}

void TallyFlagCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    if (CompareFlag(op[0], op[1], op[2])) AssignFlag(op[3], 1, 1);
}

void IfFlagCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    if (CompareFlag(op[0], op[1], op[2])) JumpToMark(run, op[3]);
}
