#include "adventure/encounters.h"
#include "monster_death.h"

void KillMonster(int16_t x, int16_t y, int16_t e, int16_t& firstX, int16_t& firstY) {
    if (e < 0 || e >= kEncounterCount) return;
    if (firstX == -1) {
        firstX = x;
        firstY = y;
    }
    ClearEncounterSquares(e);
    ClearMonster(e);
}
