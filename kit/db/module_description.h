// A module's description card.
#pragma once

#include <cstdint>

// The card of module record 0..49 with its top-left corner at (x, y), into the back buffer
// without a flip; nothing for a record outside the table.
void DrawModuleDescription(int16_t x, int16_t y, int16_t module);
