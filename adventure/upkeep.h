// What follows every hero action: step events, timers, zone effects, the monsters' turn.
#pragma once

#include <cstdint>

// A pressure pad pressed this turn: "Click!" is shown over its square after the monsters' turn.
extern uint32_t PadClickPending;
extern int16_t PadClickX, PadClickY;

// After a hero action that cost a turn; (dx, dy) the step just made, (0, 0) for a turn
// without moving (no step-on or leave events then).
void FinishStep(int16_t dx, int16_t dy);
// One turn of every timed effect and of the damaging-floor timers.
void TickTimedEffects();
