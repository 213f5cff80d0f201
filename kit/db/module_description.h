// A module's description card.
#pragma once

#include <cstdint>

// The description of module record 0..49 with its top-left corner at (x, y).
void DrawModuleDescription(int16_t x, int16_t y, int16_t module);
