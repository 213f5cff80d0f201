// Close door, disarm and dig: actions aimed at a neighbouring square.
#pragma once

#include <cstdint>

// 1 when the TRAP EVENT on (x, y) is armed and the hero has spotted it; no side effect.
int TrapSpotted(int16_t x, int16_t y);
// Mode 0 close door, 1 disarm trap, 2 dig: the prompt, a direction or leave, the act.
void DirectionAction(int16_t mode);
