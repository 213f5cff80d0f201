// The campaign's world-map pages (title button World Map, and the map screen of play).
#pragma once

#include <cstdint>

// The number of the last page, 0..2; a campaign setting outside that range has one page.
int16_t LastWorldMapPage();
void ShowWorldMap();
void DrawWorldMapPage(int16_t page, uint32_t flip);
