#include "data/game_state.h"
#include "monster_attacks.h"

void ClampHitPoints() {
    if (GameState.HitPoints < 1) GameState.HitPoints = 0;
}
int16_t CountLuckCharms() { return 0; }
