// The hero screen.
#pragma once

#include <cstdint>

// Page 0 statistics, 2 or 3 backpack.
void RunHeroScreen(int16_t page);
