// The one way every part of the game hands the hero an item, gold or food.
#pragma once

#include <cstdint>

// 1 when the hero took it; 0 when there was no room (or no free instance), and then nothing
// changed. Item 231 adds Y gold, 232 adds Y food (at most 10), gems 20..28 go to the gem bag
// unless noGembag (no room when its count is full); anything else to the first free place of
// the backpack, then of the bag.
int GiveItem(int16_t item, int16_t x, int16_t y, int16_t noGembag);
