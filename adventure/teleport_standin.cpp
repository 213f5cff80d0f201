#include "data/game_state.h"
#include "data/level.h"
#include "encounters.h"
#include "teleport.h"

void TeleportHero(int16_t level, int16_t, int16_t x, int16_t y, int16_t) {
    if (x < 0 || x > 49 || y < 0 || y > 49) return;
    if (level != GameState.CurrentLevelNumber) {
        if (!LoadLevel(level, 0, 0)) return;
        GameState.CurrentLevelNumber = level;
        PopulateEncounters();
    }
    GameState.HeroX = x;
    GameState.HeroY = y;
}
