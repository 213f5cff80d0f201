// The picker that takes one item out of the backpack or the bag of holding for an event.
#include <algorithm>
#include <cstdint>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/item_grid_screen.h"
#include "events/item_use_events.h"
#include "hero/carried_items.h"
#include "hero/equipment.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kUntakeableItem = 101;
constexpr int16_t kFirstLens = 117, kLastLens = 119;
// The part of the hero screen's picture behind a 9 x 9 grid.
constexpr Rect kGridBackground{339, 107, 619, 387};

enum PickerPage : int16_t { kBackpackPage, kBagPage };

ItemGridView PickerGrid(int16_t page) { return CarriedGridView(page, 181, 74); }

// Whatever the rule, an event never swallows this item, the keyring or the gem bag.
bool NeverTaken(int16_t item) {
    const int16_t type = ItemTypeOf(item);
    return item == kUntakeableItem || type == kKeyringItem || type == kGemstoneBag;
}

bool PassesRule(int16_t rule, int16_t candidate, int16_t wanted) {
    if (!IsItemNumber(candidate) || NeverTaken(candidate)) return false;
    switch (rule) {
        case 0: return candidate == wanted;
        case 1: return ItemTypeOf(candidate) == ItemTypeOf(wanted);
        case 2: return true;
        case 3: return candidate >= kFirstLens && candidate <= kLastLens;
        default: return false;
    }
}

void DrawItemPicker(int16_t page) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 100, 10, BigScroll, BigScrollRect, kBltKeyed);
    BltFast(BackSurface, 180, 73, HeroScreenPicture, kGridBackground, kBltOpaque);
    DrawSmallText(180, 32, "Select an item from your Backpack :", kSmallBlack);
    if (GameState.HasBagOfHolding) DrawTabRow(180, 53, 2, page, {"Backpack", "Bag of Holding"}, 6);
    DrawButton(280, 375, 4, "Cancel");
    DrawEmptyCells(181, 74, 9, 9);
    DrawGridItems(PickerGrid(page));
    Flip();
}

}  // namespace

int PickBackpackItem(int16_t itemFlag, int16_t xFlag, int16_t yFlag, int16_t rule, int16_t item, int& cancelled) {
    Screen screen("item picker");
    cancelled = 0;
    int16_t page = kBackpackPage;
    auto draw = [&] { DrawItemPicker(page); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (GameState.HasBagOfHolding) {
            int16_t chosen = CarriedGridTabClicked(180, 53);
            if (TabPressed(1))
                chosen = page == kBagPage ? kBackpackPage : kBagPage;
            if (chosen >= 0) {
                page = chosen;
                draw();
            }
        }
        const ItemGridView grid = PickerGrid(page);
        for (int16_t col = 0; col < 9; ++col)
            for (int16_t row = 0; row < 9; ++row) {
                const int16_t instance = grid.Cell(col, row);
                if (instance == kNone) continue;
                if (GridCellClicked(grid, col, row, 1)) {
                    const ItemInstance* i = InstanceAt(instance);
                    if (i && PassesRule(rule, i->ItemNumber, item)) {
                        SetGameFlag(itemFlag, i->ItemNumber);
                        SetGameFlag(xFlag, i->X);
                        SetGameFlag(yFlag, i->Y);
                        std::replace(grid.cells.begin(), grid.cells.end(), instance, kNone);
                        ClearItemInstance(instance);
                        return 1;
                    }
                    PlaySoundEffect("No");
                }
                if (GridCellClicked(grid, col, row, 2)) {
                    InspectBackpackItem(instance);
                    draw();
                }
            }
        if (ButtonClicked(280, 375, 8, 'C', kEsc, 1, 1)) {
            cancelled = 1;
            return 0;
        }
    }
}
