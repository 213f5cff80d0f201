// Pushing objects over the level.
#pragma once

#include <cstdint>

// Pushes the object on (x, y) by (dx, dy); 1 when it moved.
int PushObject(int16_t x, int16_t y, int16_t dx, int16_t dy);
