// Modal entry of a signed number of at most five digits, drawn straight onto FrontSurface.
#pragma once

#include <cstdint>

// Reads digits until Enter; the value is clamped to max, then to min. No mouse, no Esc.
int16_t EnterNumber(int16_t x, int16_t y, int16_t widthPieces, int16_t min, int32_t max);
