#include "combat/monster_turn.h"
#include "tests/support/global_state.h"

void KeepCombatState() {
    KeepInitial(StrikingEncounter);
    KeepInitial(MonsterTurnList);
}
