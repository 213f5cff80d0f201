// The shop.
#pragma once

#include <cstdint>

void RunShopEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The shop screen of the SHOP EVENT on (x, y).
void RunShop(int16_t x, int16_t y);
