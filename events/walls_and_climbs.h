// Cracked walls and climbs.
#pragma once

#include <cstdint>

void RunCrackEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunClimbEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// Moves the hero two squares in the step's direction on the same level; 1 when he moved.
int ClimbOver(int16_t dx, int16_t dy);
