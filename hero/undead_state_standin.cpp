#include "data/game_state.h"
#include "undead_state.h"

void ApplyUndeadState() { GameState.HeroIsUndead = 1; }
void ClearUndeadState() { GameState.HeroIsUndead = 0; }
