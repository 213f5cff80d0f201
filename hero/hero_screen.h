// The hero screen: statistics, skills, lore and the inventory, with its actions.
#pragma once

#include <cstdint>

// Opens on the page (0 Stats; the backpack page for the inventory) with an empty cursor and
// runs until Quit, a use of an item or the beacon that closes it, or a change of form.
void RunHeroScreen(int16_t page);
// Drops the cursor item for good, unless it may not be dropped or the player says no.
void DropItem();
// Teleports the hero to the beacon; 1 when he went.
int UseBeaconMarker();
// Where the beacon leads, while the right mouse button is held.
void ShowReturnAddress(int16_t x, int16_t y);
