// The 13 x 13 window of the level around the hero.
#pragma once

#include <cstdint>

// 1 where the window square [column][row] is seen this frame; rebuilt by every map-view redraw.
extern int16_t SightGrid[13][13];

// The window's top-left map square: the hero's square minus 6 on each axis, clamped to 0..37.
void ComputeViewOrigin(int16_t& x, int16_t& y);
