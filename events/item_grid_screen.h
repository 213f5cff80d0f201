// The item grids of the drag-and-drop screens (vault, sell screen, forge): a grid is a view of
// its cells in the game state, with where they stand on the screen and what they refuse, and
// the operations on a cell are written once over that view.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "hero/equipment.h"
#include "platform/host/surface.h"

struct ItemGridView;

// The held item (CursorItem) with its top-left cell at (col, row): a refused type plays "No";
// when it fits inside the grid on empty cells it fills them, is no longer held, and "WaterWalk"
// plays; otherwise nothing happens.
void GridPutDown(const ItemGridView& grid, int16_t col, int16_t row);
// The item of the cell, all of its cells, onto the cursor ("WaterWalk"); nothing on an empty cell.
void GridPickUp(const ItemGridView& grid, int16_t col, int16_t row);

struct ItemGridView {
    std::span<int16_t> cells;  // instance numbers, -1 empty; cell = column * rows + row
    int16_t columns = 9, rows = 9;
    int16_t x = 0, y = 0;          // the click area of cell (0, 0); cells are 30 x 30, 31 apart
    int16_t drawX = 0, drawY = 0;  // where cell (0, 0)'s tile and picture are drawn
    std::span<const int16_t> refusedTypes = {};  // item types never put down here
    // What a click does; a grid that belongs to another screen may bring its own.
    void (*putDown)(const ItemGridView&, int16_t col, int16_t row) = GridPutDown;
    void (*pickUp)(const ItemGridView&, int16_t col, int16_t row) = GridPickUp;
    // Right-click information over what the caller drew: the key list, the gem bag window or
    // the item panel at (100, 120), held until the right button is released.
    void (*inspect)(int16_t instance) = InspectStoredItem;

    int16_t& Cell(int16_t col, int16_t row) const { return cells[size_t(col * rows + row)]; }
};

// The keyring and the gem bag stay out of the stores.
inline constexpr int16_t kStoreRefusedTypes[] = {11, 52};

// The backpack (page 0) or the bag of holding (page 1), cell (0, 0) clicked at (x, y) and drawn
// one pixel to its left, with the plain operations.
ItemGridView CarriedGridView(int16_t page, int16_t x, int16_t y);

int HoldingItem();
// Cell (col, row) under the mouse with the button down (1 left, waited for; 2 right).
int GridCellClicked(const ItemGridView& grid, int16_t col, int16_t row, int16_t button);

// One pass of mouse tests over the cells: a left click puts the held item down or picks one up;
// a right click on an item draws the screen (drawScreen, no flip) and inspects it. Returns 1
// when anything happened, so that the caller redraws.
template <class Draw>
int HandleGridClicks(const ItemGridView& grid, Draw&& drawScreen) {
    for (int16_t col = 0; col < grid.columns; ++col)
        for (int16_t row = 0; row < grid.rows; ++row) {
            if (GridCellClicked(grid, col, row, 1)) {
                if (HoldingItem())
                    grid.putDown(grid, col, row);
                else
                    grid.pickUp(grid, col, row);
                return 1;
            }
            const int16_t instance = grid.Cell(col, row);
            if (instance >= 0 && GridCellClicked(grid, col, row, 2)) {
                drawScreen();
                grid.inspect(instance);
                return 1;
            }
        }
    return 0;
}

// Empty-cell tiles over the grid and each item once, at its top-left cell; no flip.
void DrawItemGrid(const ItemGridView& grid);
// The items at the grid's drawing origin, for screens whose tiles (DrawEmptyCells) stand apart
// from the pictures.
void DrawGridItems(const ItemGridView& grid);
// The held item at the mouse.
void DrawCursorItem();

// While an item is held the screen is shown again in every pass, so that the item follows the
// mouse: the rest of the screen is composed once (after each change) and kept, and a pass only
// lays it down again under the item.
struct StillScreen {
    Surface picture{640, 480};
};
// Keeps what the back buffer holds now, then draws the held item and flips.
void ShowAndKeepStill(StillScreen& still);
// The kept screen with the held item at the mouse, flipped.
void ShowHeldItemOver(const StillScreen& still);

// "Backpack", and "Bag of Holding" when the bag is owned: tabs of 6 pieces from (x, y).
void DrawCarriedGridTabs(int16_t x, int16_t y, int16_t page);
// The page whose tab was clicked this pass, the first tab's area at (x, y) and the second's
// 120 pixels to its right, or -1; nothing to choose without the bag.
int16_t CarriedGridTabClicked(int16_t x, int16_t y);

// The screens that trade between a grid of their own and the carried grids on the right (vault,
// forge): the carried grid of a page there, with its tabs at (340, 88).
ItemGridView RightCarriedGrid(int16_t page);
// Their loop: drawScreen(page) draws the screen without a flip; ownButtons() tests the screen's
// own buttons and returns true when one acted. Done (500, 440) closes only while nothing is
// held, so that no item is lost.
void RunItemExchange(const char* screen, const ItemGridView& own, const std::function<void(int16_t page)>& drawScreen,
                     const std::function<bool()>& ownButtons = [] { return false; });
