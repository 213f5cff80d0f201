// Text, sign and rune events.
#pragma once

#include <cstdint>

void RunStepTextEvent(int16_t x, int16_t y, int16_t shown, int16_t dx, int16_t dy);
