// Chests, prised gems and their traps.
#pragma once

#include <cstdint>

// The trap's result page (animated, then still), waiting for its button.
void DrawTrapResult(int16_t kind, int16_t avoided, int16_t saved, int16_t damage);
