// Pits and shafts.
#pragma once

#include <cstdint>

void RunPitTrap(int16_t count, int16_t sides, int16_t bonus, int16_t isTrap);
void RunShaft(int16_t x, int16_t y, int16_t result);
