// The map of the City of Durwich and its nine districts, reached from the map screen while
// the campaign enables it.
#pragma once

#include <cstdint>

// Runs until Back; nothing unless the campaign enables the city map.
void DurwichMap();
void DrawDurwichMap(uint32_t flip);
// The district's places with their squares, while the right button is held.
void ShowDurwichDistrict(int16_t district);
