#include "hero/backpack_grid.h"

#include "hero/carried_items.h"
#include "hero/equipment.h"
#include "hero/give_item.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/input.h"
#include "platform/sound.h"

namespace {

// 1 when the cursor item was placed (or went into the gem bag).
bool DropInGrid(ItemGrid grid, int16_t col, int16_t row) {
    const int16_t item = InstanceItem(CursorItem);
    if (item == kNone) return false;
    // Only the gems the bag counts go into it; any other gemstone is dropped like any item.
    const bool countedGem = item >= kFirstGem && item <= kLastGem;
    if (countedGem && ItemTypeOf(item) == kGemstone && ItemTypeOf(InstanceItem(grid[col * 9 + row])) == kGemstoneBag) {
        // A full bag takes no more: the gem stays in hand.
        if (!GiveItem(item, 0, 0, 0)) {
            PlaySoundEffect("No");
            return false;
        }
        ClearItemInstance(CursorItem);
        CursorItem = kNone;
        PlaySoundEffect("Click");
        return true;
    }
    int16_t w, h;
    GetItemCells(item, w, h);
    if (!GridAreaFree(grid, col, row, w, h)) return false;
    MarkGridArea(grid, CursorItem, col, row, w, h);
    CursorItem = kNone;
    PlaySoundEffect("WaterWalk");
    return true;
}

void PickUpFromGrid(ItemGrid grid, int16_t col, int16_t row) {
    const int16_t instance = grid[col * 9 + row];
    if (instance == kNone) return;
    CursorItem = instance;
    for (int16_t& cell : grid)
        if (cell == instance) cell = kNone;
    PlaySoundEffect("WaterWalk");
}

template <class Drop, class PickUp>
void HandleGrid(ItemGrid grid, int16_t page, Drop drop, PickUp pickUp, void (*inspect)(int16_t)) {
    for (int16_t col = 0; col < 9; ++col)
        for (int16_t row = 0; row < 9; ++row) {
            const int16_t x = int16_t(341 + 31 * col), y = int16_t(108 + 31 * row);
            if (AreaClicked(x, y, 30, 30, 0, 1, 1, 0)) {
                if (CursorItem != kNone) {
                    drop(col, row);
                    DrawHeroScreen(page, 1);
                } else {
                    pickUp(col, row);
                }
            } else if (AreaClicked(x, y, 30, 30, 0, 2, 0, 1)) {
                const int16_t instance = grid[col * 9 + row];
                if (instance == kNone) continue;
                DrawHeroScreen(page, 0);
                inspect(instance);
                DrawHeroScreen(page, 1);
            }
        }
}

}  // namespace

void DropInBackpack(int16_t col, int16_t row) { DropInGrid(BackpackGrid(), col, row); }

void DropInBag(int16_t col, int16_t row, int16_t redraw) {
    if (DropInGrid(BagGrid(), col, row) && redraw) DrawHeroScreen(BagPage(), 1);
}

void PickUpFromBackpack(int16_t col, int16_t row) { PickUpFromGrid(BackpackGrid(), col, row); }
void PickUpFromBag(int16_t col, int16_t row) { PickUpFromGrid(BagGrid(), col, row); }

void HandleBackpackGrid(int16_t page) {
    HandleGrid(BackpackGrid(), page, DropInBackpack, PickUpFromBackpack, InspectBackpackItem);
}

void HandleBagGrid(int16_t page) {
    HandleGrid(
        BagGrid(), page, [](int16_t c, int16_t r) { DropInBag(c, r, 0); }, PickUpFromBag, InspectBagItem);
}
