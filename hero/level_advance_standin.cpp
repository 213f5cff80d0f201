#include "data/game_state.h"
#include "level_advance.h"

void AddXp(int16_t n) { GameState.HeroXp += n; }
void RunLevelAdvance() {}
