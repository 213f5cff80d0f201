// The tile sheet: the built-in tiles in number order, 280 to a page, picked by place.
#pragma once

#include <cstdint>

// Opens at the caller's page (0..8) and leaves the last page shown in it. The tile clicked,
// or current when cancelled.
int16_t PickTileFromSheet(int16_t current, int16_t& page);
void DrawTileSheetPage(int16_t page);
