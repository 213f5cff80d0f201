// The loot screens.
#pragma once

#include <cstdint>

// Up to six items (item -1 none) with their flags, powers and amounts; returns on "Done".
void RunLootScreen(int16_t x, int16_t y, const int16_t flags[6], const int16_t items[6], const int16_t powers[6],
                   const int16_t amounts[6]);
