#include "shop.h"

void RunShop(int16_t, int16_t) {}
