// Pits and shafts.
#pragma once

#include <cstdint>

void RunPitShaftEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The top of the shaft on (x, y): climbed, flown or jumped down once spotted.
void RunShaft(int16_t x, int16_t y, int& result);
// Fall damage with its message: a pit trap (isTrap 1) or a jump.
void RunPitTrap(int16_t count, int16_t sides, int16_t bonus, int16_t isTrap);
// The failed climb's page, kind 1 with a rope, 2 without one, 3 too difficult.
void ShowClimbFailed(int16_t kind);
