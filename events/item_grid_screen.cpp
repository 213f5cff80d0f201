#include "events/item_grid_screen.h"

#include <algorithm>

#include "hero/equipment.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"

namespace {

bool Refuses(const ItemGridView& grid, int16_t type) {
    return std::find(grid.refusedTypes.begin(), grid.refusedTypes.end(), type) != grid.refusedTypes.end();
}

}  // namespace

void GridPutDown(const ItemGridView& grid, int16_t col, int16_t row) {
    const int16_t item = InstanceItem(CursorItem);
    if (item == kNone) return;
    if (Refuses(grid, ItemTypeOf(item))) {
        PlaySoundEffect("No");
        return;
    }
    int16_t w, h;
    GetItemCells(item, w, h);
    if (!AreaFreeIn(grid.cells, grid.columns, grid.rows, col, row, w, h)) return;
    for (int16_t c = col; c < col + w; ++c)
        for (int16_t r = row; r < row + h; ++r) grid.Cell(c, r) = CursorItem;
    CursorItem = kNone;
    PlaySoundEffect("WaterWalk");
}

void GridPickUp(const ItemGridView& grid, int16_t col, int16_t row) {
    const int16_t instance = grid.Cell(col, row);
    if (instance == kNone) return;
    CursorItem = instance;
    std::replace(grid.cells.begin(), grid.cells.end(), instance, kNone);
    PlaySoundEffect("WaterWalk");
}

ItemGridView CarriedGridView(int16_t page, int16_t x, int16_t y) {
    return {.cells = page == 1 ? BagGrid() : BackpackGrid(),
            .x = x,
            .y = y,
            .drawX = int16_t(x - 1),
            .drawY = y};
}

int HoldingItem() { return CursorItem != kNone; }

int GridCellClicked(const ItemGridView& grid, int16_t col, int16_t row, int16_t button) {
    return AreaClicked(int16_t(grid.x + 31 * col), int16_t(grid.y + 31 * row), 30, 30, 0, button,
                       button == 1 ? 1 : 0, 0);
}

void DrawItemGrid(const ItemGridView& grid) {
    DrawEmptyCells(grid.drawX, grid.drawY, grid.columns, grid.rows);
    DrawGridItems(grid);
}

void DrawGridItems(const ItemGridView& grid) {
    for (int16_t col = 0; col < grid.columns; ++col)
        for (int16_t row = 0; row < grid.rows; ++row) {
            const int16_t instance = grid.Cell(col, row);
            if (instance == kNone) continue;
            if (col > 0 && grid.Cell(int16_t(col - 1), row) == instance) continue;
            if (row > 0 && grid.Cell(col, int16_t(row - 1)) == instance) continue;
            DrawInstance(instance, int16_t(grid.drawX + 31 * col), int16_t(grid.drawY + 31 * row));
        }
}

void DrawCursorItem() {
    if (CursorItem != kNone) DrawInstance(CursorItem, int16_t(CursorPos.x), int16_t(CursorPos.y));
}

void ShowAndKeepStill(StillScreen& still) {
    CopyRect(&still.picture, 0, 0, BackSurface, FullScreenRect, kBltOpaque);
    DrawCursorItem();
    Flip();
}

void ShowHeldItemOver(const StillScreen& still) {
    CopyRect(BackSurface, 0, 0, &still.picture, FullScreenRect, kBltOpaque);
    DrawCursorItem();
    Flip();
}

void DrawCarriedGridTabs(int16_t x, int16_t y, int16_t page) {
    if (GameState.HasBagOfHolding)
        DrawTabRow(x, y, 2, page, {"Backpack", "Bag of Holding"}, 6);
    else
        DrawTabRow(x, y, 1, 0, {"Backpack"}, 6);
}

int16_t CarriedGridTabClicked(int16_t x, int16_t y) {
    if (!GameState.HasBagOfHolding) return -1;
    for (int16_t page = 0; page < 2; ++page)
        if (ButtonClicked(int16_t(x + 120 * page), y, 12, 0, 0, 1, 1)) return page;
    return -1;
}

ItemGridView RightCarriedGrid(int16_t page) { return CarriedGridView(page, 341, 108); }

void RunItemExchange(const char* name, const ItemGridView& own, const std::function<void(int16_t page)>& drawScreen,
                     const std::function<bool()>& ownButtons) {
    Screen screen(name);
    int16_t page = 0;
    StillScreen still;
    const auto drawUnder = [&] { drawScreen(page); };
    const auto draw = [&] {
        drawUnder();
        ShowAndKeepStill(still);
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (HoldingItem()) ShowHeldItemOver(still);
        const int16_t tab = CarriedGridTabClicked(340, 88);
        if (tab >= 0) {
            page = tab;
        } else if (HandleGridClicks(own, drawUnder) || HandleGridClicks(RightCarriedGrid(page), drawUnder)) {
        } else if (ownButtons()) {
        } else if (ButtonClicked(500, 440, 10, 'D', kEsc, 1, 0)) {
            if (!HoldingItem()) return;
            PlaySoundEffect("No");
        } else {
            continue;
        }
        draw();
    }
}
