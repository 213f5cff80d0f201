// The picker that takes one item out of the backpack or the bag of holding for an event.
#include <cstdint>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/item_use_events.h"
#include "events/tile_pictures.h"
#include "hero/carried_items.h"
#include "hero/equipment.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kEmptyCellTile = 1308;
constexpr int16_t kTab = 9, kLeftAlt = 164;
constexpr int16_t kUntakeableItem = 101;
constexpr int16_t kFirstLens = 117, kLastLens = 119;
// The part of the hero screen's picture behind a 9 x 9 grid.
constexpr Rect kGridBackground{339, 107, 619, 387};

enum PickerPage : int16_t { kBackpackPage, kBagPage };

ItemGrid PickerGrid(int16_t page) { return page == kBagPage ? BagGrid() : BackpackGrid(); }

int16_t CellX(int16_t col) { return int16_t(181 + 31 * col); }
int16_t CellY(int16_t row) { return int16_t(74 + 31 * row); }

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
    for (int16_t col = 0; col < 9; ++col)
        for (int16_t row = 0; row < 9; ++row) DrawTilePicture(kEmptyCellTile, CellX(col), CellY(row));
    DrawGridInstances(PickerGrid(page), 9, 180, 74);
    Flip();
}

}  // namespace

void DrawGridInstances(std::span<const int16_t> grid, int16_t rows, int16_t x, int16_t y) {
    const int16_t cols = int16_t(grid.size() / size_t(rows));
    auto at = [&](int16_t col, int16_t row) { return grid[size_t(col * rows + row)]; };
    for (int16_t row = 0; row < rows; ++row)
        for (int16_t col = 0; col < cols; ++col) {
            const int16_t instance = at(col, row);
            if (instance == kNone) continue;
            if ((col > 0 && at(int16_t(col - 1), row) == instance) || (row > 0 && at(col, int16_t(row - 1)) == instance))
                continue;
            DrawInstance(instance, int16_t(x + 31 * col), int16_t(y + 31 * row));
        }
}

int PickBackpackItem(int16_t itemFlag, int16_t xFlag, int16_t yFlag, int16_t rule, int16_t item, int& cancelled) {
    cancelled = 0;
    int16_t page = kBackpackPage;
    auto draw = [&] { DrawItemPicker(page); };
    draw();
    for (;;) {
        LoopPass("item picker", draw);
        if (GameState.HasBagOfHolding) {
            int16_t chosen = -1;
            if (ButtonClicked(180, 53, 12, 0, 0, 1, 1)) chosen = kBackpackPage;
            if (ButtonClicked(300, 53, 12, 0, 0, 1, 1)) chosen = kBagPage;
            if (!SurfacesLost && !KeyDown(kLeftAlt) && KeyPressed(kTab, 1, 0, 1))
                chosen = page == kBagPage ? kBackpackPage : kBagPage;
            if (chosen >= 0) {
                page = chosen;
                draw();
            }
        }
        const ItemGrid grid = PickerGrid(page);
        for (int16_t col = 0; col < 9; ++col)
            for (int16_t row = 0; row < 9; ++row) {
                const int16_t instance = grid[size_t(col * 9 + row)];
                if (instance == kNone) continue;
                if (AreaClicked(CellX(col), CellY(row), 30, 30, 0, 1, 1, 0)) {
                    const ItemInstance* i = InstanceAt(instance);
                    if (i && PassesRule(rule, i->ItemNumber, item)) {
                        SetGameFlag(itemFlag, i->ItemNumber);
                        SetGameFlag(xFlag, i->X);
                        SetGameFlag(yFlag, i->Y);
                        for (int16_t& cell : grid)
                            if (cell == instance) cell = kNone;
                        ClearItemInstance(instance);
                        return 1;
                    }
                    PlaySoundEffect("No");
                }
                if (AreaClicked(CellX(col), CellY(row), 30, 30, 0, 2, 0, 0)) {
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
