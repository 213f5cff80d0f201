#include "wilderness.h"

int16_t WildCombatMonsters = -1;

void LeaveBattleState() { WildCombatMonsters = -1; }
