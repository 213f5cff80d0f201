// The monsters, push objects, boats and barriers drawn over the map view.
#pragma once

#include <cstdint>

// The encounters of the 13 x 13 area whose top-left square is (originX, originY).
void DrawMonsterLayer(int16_t originX, int16_t originY, int16_t viewMode, int16_t targetX, int16_t targetY);
// The frame around the 416 x 416 view.
void DrawViewFrame();
