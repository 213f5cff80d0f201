// Using an item from the hero screen.
#pragma once

#include <cstdint>

// The item number being used from the backpack; -1 none.
extern int16_t ItemInUse;

// Uses the instance on the cursor; 1 when the hero screen is to close.
int UseItem(int16_t page);
