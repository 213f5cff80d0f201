// What follows every hero action: step events, timers, zone effects, the monsters' turn.
#pragma once

#include <cstdint>

// After a hero action; (dx, dy) the step just made, (0, 0) for a turn without moving.
void FinishStep(int16_t dx, int16_t dy);
