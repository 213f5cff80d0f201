// An item's picture as the item editor shows it.
#pragma once

#include <cstdint>

// The picture of item `item` (0..713), cut to the size class of its picture word, keyed, with
// its top-left corner at (x, y). Nothing for a number outside the table.
void DrawItemPicture(int16_t item, int16_t x, int16_t y);
