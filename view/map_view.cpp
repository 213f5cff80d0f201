#include "map_view.h"

#include <algorithm>

#include "data/game_state.h"

int16_t SightGrid[13][13];

void ComputeViewOrigin(int16_t& x, int16_t& y) {
    x = int16_t(std::clamp(GameState.HeroX - 6, 0, 37));
    y = int16_t(std::clamp(GameState.HeroY - 6, 0, 37));
}
