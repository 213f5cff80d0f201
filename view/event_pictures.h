// The pictures of the events on the map view.
#pragma once

#include <cstdint>

// Draws the picture of the event on map square (x, y) at the window cell (col, row), whose
// top-left pixel is (screenX, screenY).
void DrawCellEvent(int16_t col, int16_t row, int16_t x, int16_t y, int16_t screenX, int16_t screenY);
