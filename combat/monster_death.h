// A monster's death: experience, loot, corpse and the freed encounter.
#pragma once

#include <cstdint>

// The monster of encounter e anchored at (x, y) dies; firstX and firstY (starting at -1)
// receive the first cleared square of its footprint.
void KillMonster(int16_t x, int16_t y, int16_t e, int16_t& firstX, int16_t& firstY);
// Frees one encounter record: kind and words -1, spell effects 0.
void ClearMonster(int16_t e);
