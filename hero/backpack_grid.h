// Moving items between the cursor and the backpack and bag grids of the hero screen.
#pragma once

#include <cstdint>

// One pass of mouse handling over the grid's 81 cells; page is the hero screen page shown.
void HandleBackpackGrid(int16_t page);
void HandleBagGrid(int16_t page);
// The cursor item with its top-left cell at (col, row); a gem dropped on a gem bag goes into it.
void DropInBackpack(int16_t col, int16_t row);
// redraw: the bag page is shown again after a placement.
void DropInBag(int16_t col, int16_t row, int16_t redraw);
void PickUpFromBackpack(int16_t col, int16_t row);
void PickUpFromBag(int16_t col, int16_t row);
