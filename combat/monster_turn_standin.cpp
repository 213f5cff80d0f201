#include "monster_turn.h"

int16_t StrikingEncounter = -1;

void RunMonsterTurns(int16_t) {}
