// The game state block. Placeholder until the save file layout is built: only the fields
// the screen toolkit reads.
#pragma once

#include <cstdint>

struct GameStateRecord {
    int16_t CurrentTune;  // -1 none
    int16_t HeroX;
    int16_t HeroY;
};

extern GameStateRecord GameState;
