// The shop.
#pragma once

#include <cstdint>

// The shop screen of the SHOP EVENT on (x, y).
void RunShop(int16_t x, int16_t y);
