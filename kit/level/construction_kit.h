// The construction kit: the level editor's home screen and every kit editor.
#pragma once

#include <cstdint>

// The level the kit offers to reload when it starts; 0 none. Kept from one run of the kit
// to the next.
extern int16_t KitPreviousLevel;

// Returns to the title, which repaints its menu.
void RunConstructionKit();
// The help on the "Wilderness lvl?" box: a panel at (x, y) shown until the right mouse
// button is up.
void ShowKitOptionHelp(int16_t x, int16_t y, int16_t topic);
