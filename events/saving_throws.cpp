#include "events/saving_throws.h"

#include "data/game_state.h"
#include "platform/random.h"

int RollMindSave() { return 1 + Random15() % 100 <= GameState.Saves[0] ? 1 : 0; }
int RollBodySave() { return 1 + Random15() % 100 <= GameState.Saves[1] ? 1 : 0; }
