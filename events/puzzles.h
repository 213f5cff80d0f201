// Puzzles: devices with a screen of their own that open something when solved.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunPuzzleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
