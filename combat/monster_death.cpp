#include "monster_death.h"

#include "adventure/encounters.h"
#include "data/game_state.h"

void ClearMonster(int16_t e) {
    if (e < 0 || e >= kEncounterCount) return;
    Encounter& r = GameState.EncounterList[e];
    r = Encounter{};
    r.Kind = r.Extra = r.Monster = r.KillFlag = -1;
    r.KilledSetFlag = r.KilledSetOp = r.KilledSetValue = -1;
    r.DormantFlag = r.DormantOp = r.DormantValue = -1;
    r.DisguiseItem = r.X = r.Y = -1;
}
