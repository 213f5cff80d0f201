// From an event square to its handler.
#pragma once

#include <cstdint>

// The hero bumps into (x, y) coming by (dx, dy); 1 when he may enter, 0 when he stays.
int RunSquareEvent(int16_t x, int16_t y, int16_t dx, int16_t dy);
// The SCRIPT EVENTs of an NPC whose other squares the hero bumped; 1 when he may move on,
// 0 when a script ran.
int RunAdjacentScriptEvents(int16_t x, int16_t y, int16_t dx, int16_t dy);
