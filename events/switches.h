// Switches (levers, buttons, dials, valves, flames) and toggle walls.
#pragma once

#include <cstdint>

void RunSwitchEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The effect of a change of a switch of that kind from oldValue: the target flag set or undone,
// then the target's monsters woken. value is the step of the target (1).
void ApplySwitch(int16_t kind, int16_t stateFlag, int16_t oldValue, int16_t targetPosition, int16_t targetFlag,
                 int16_t op, int16_t value);
void RunToggleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
