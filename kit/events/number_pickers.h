// The light pickers of the event dialogs: item, key item and monster numbers.
#pragma once

#include <cstdint>

// Opens at (x, y) showing `current` over the event dialog of type 1226 + typeOffset (none
// for -1); the shown monster on Select, `current` on Quit.
int16_t PickMonster(int16_t x, int16_t y, int16_t current, int16_t typeOffset);
