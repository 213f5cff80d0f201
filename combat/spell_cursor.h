// Aiming a spell or power at the window.
#pragma once

#include <cstdint>

// The target screen; 1 with the chosen view square (0..12 each) in x and y, 0 when cancelled.
// x and y give the start square.
uint32_t TargetSpell(int16_t areaMode, int16_t& x, int16_t& y, const char* title);
uint32_t TargetMonsterPower(int16_t& x, int16_t& y, int16_t item);
