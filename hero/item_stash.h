// The store where a script puts everything the hero owns (TAI) until another script or a
// retrieve event gives it back (RAI): the worn items, the backpack and the bag each in a pile
// of their own, the gold and the food.
#pragma once

#include <cstdint>

// 1 while the item on the cursor came from a pile: only such an item may go back into one.
extern uint32_t CursorFromStash;

// Strips the hero and says so in the script window.
void StripAllItems();
// Gives back the gold and food, then opens the retrieve screen.
void ReturnStrippedItems();
void RunRetrieveScreen();
// grid 0 the backpack, 1 the bag of holding; pile 0..2.
void DrawRetrieveScreen(int16_t grid, int16_t pile, int16_t flip);
// One worn item into the first free area of pile 0; 0 when none fits (it then stays worn).
int StashEquippedItem(int16_t slot);
