// Item sizes in cells, the 9 x 9 grids (backpack, bag of holding, vaults, stash piles), and
// making new instances.
#pragma once

#include <cstdint>
#include <span>

#include "hero/item_instances.h"

// The size class of an item picture; a picture outside the table is class 0 (1 x 1).
int16_t ItemSizeClass(int32_t picture);
// Cells (w x h) of an item number; 1 x 1 for a number outside the item table.
void GetItemCells(int16_t item, int16_t& w, int16_t& h);

// 1 when the w x h area anchored at (col, row) lies inside a grid of columns x rows cells
// (cell = column * rows + row) and every cell is -1.
int AreaFreeIn(std::span<const int16_t> cells, int16_t columns, int16_t rows, int16_t col, int16_t row, int16_t w,
               int16_t h);
// The same for a 9 x 9 grid.
int GridAreaFree(ItemGrid grid, int16_t col, int16_t row, int16_t w, int16_t h);
int BackpackAreaFree(int16_t col, int16_t row, int16_t w, int16_t h);
int BagAreaFree(int16_t col, int16_t row, int16_t w, int16_t h);

// Takes the lowest free instance for a new item; -1 (after the "Slot overflow" box) when all
// are in use, or when the item number is outside the item table.
int16_t CreateItemInstance(int16_t item, int16_t x, int16_t y);

// The instance whose item has its top-left cell at (col, row); -1 for an empty cell and for a
// cell inside an item.
int16_t AnchoredInstance(ItemGrid grid, int16_t col, int16_t row);

// Creates an instance and marks the area (tested by the caller) with it; 0 when no instance
// was free, and then no cell is marked.
int PlaceInGrid(ItemGrid grid, int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h);
int PlaceInBackpack(int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h);
int PlaceInBag(int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h);

// The first anchor of a free w x h area, rows top to bottom, each left to right; 0 when none.
int FindFreeArea(ItemGrid grid, int16_t w, int16_t h, int16_t& col, int16_t& row);
// Writes the instance into the w x h cells anchored at (col, row) that lie inside the grid.
void MarkGridArea(ItemGrid grid, int16_t instance, int16_t col, int16_t row, int16_t w, int16_t h);
// Puts an existing instance, sized as the item, at the first free anchor (as FindFreeArea); 0 when none.
int PlaceInstanceFirstFree(ItemGrid grid, int16_t instance, int16_t item);

// Places the item at the first free anchor, rows top to bottom, each left to right: 1 placed,
// 0 no free area, -1 an area was free but no instance.
int AutoPlaceInGrid(ItemGrid grid, int16_t item, int16_t x, int16_t y);
int AddToBag(int16_t item, int16_t x, int16_t y);
