// The inn and the aura choice.
#pragma once

#include <cstdint>

void RunInnEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The hero picks the aura he keeps active.
void ChooseAura();
