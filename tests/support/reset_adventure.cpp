#include "adventure/hero_step.h"
#include "adventure/wilderness.h"
#include "tests/support/global_state.h"

void KeepAdventureState() {
    KeepInitial(ScavengePending);
    KeepInitial(ScavengedItem);
    KeepInitial(WildCombatMonsters);
}
