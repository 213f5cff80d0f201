#include "data/game_state.h"
#include "monster_attacks.h"

void ClampHitPoints() {
    if (GameState.HitPoints > GameState.HitPointsMax) GameState.HitPoints = GameState.HitPointsMax;
}
int16_t CountLuckCharms() { return 0; }
