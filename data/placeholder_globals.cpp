#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"

OptionsRecord Options{50, 2, 1, 0, 3, 0, 0, 0};
LevelRecord CurrentLevel{};
GameStateRecord GameState{-1, 0, 0};
