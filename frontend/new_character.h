// New Character from the title: a new game state, the four creation pages, the first save.
#pragma once

#include <cstdint>

// 1 when a hero was created and saved (the title then enters the adventure), else 0.
uint32_t NewCharacter();
// 1 created and saved on its start level, 0 cancelled or not possible.
uint32_t CreateCharacter();
// The whole game state to its new-game values.
void ResetGameState();
// The created hero's derived values, first items, start position and starting quest.
void SetStartingValues();
