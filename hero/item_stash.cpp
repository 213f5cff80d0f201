#include "hero/item_stash.h"

#include <algorithm>

#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "script/message_window.h"

uint32_t CursorFromStash = 0;

namespace {

constexpr int16_t kStashGoldLimit = INT16_MAX;
constexpr int16_t kEquippedPile = 0, kBackpackPile = 1, kBagPile = 2;
constexpr int16_t kPileX = 20, kGridX = 340, kCellsY = 108;

ItemGrid Pile(int16_t pile) { return ItemGrid(GameState.StashPiles[pile], kGridCells); }

// The first free area (rows top to bottom, each left to right) that takes the instance.
bool PlaceFirstFree(ItemGrid grid, int16_t instance) {
    return PlaceInstanceFirstFree(grid, instance, InstanceItem(instance));
}

// Moves every item of a carried grid into its pile: where it lay when that place is free in
// the pile (an empty pile becomes a copy), else the pile's first free area. An item that finds
// no room stays where it is, so a second strip never writes over what the first one stored.
void StashGrid(ItemGrid from, ItemGrid pile) {
    for (int16_t row = 0; row < 9; ++row)
        for (int16_t col = 0; col < 9; ++col) {
            const int16_t instance = AnchoredInstance(from, col, row);
            if (instance == kNone) continue;
            int16_t w, h;
            GetItemCells(InstanceItem(instance), w, h);
            const bool placed = GridAreaFree(pile, col, row, w, h) ? (MarkGridArea(pile, instance, col, row, w, h), true)
                                                                     : PlaceFirstFree(pile, instance);
            if (placed) std::replace(from.begin(), from.end(), instance, kNone);
        }
}

int16_t CellAt(int16_t x0, int16_t& col, int16_t& row, int16_t button, uint32_t wait) {
    for (col = 0; col < 9; ++col)
        for (row = 0; row < 9; ++row)
            if (AreaClicked(int16_t(x0 + 1 + 31 * col), int16_t(kCellsY + 31 * row), 30, 30, 0, button, wait, 0))
                return 1;
    return 0;
}

}  // namespace

int StashEquippedItem(int16_t slot) {
    int16_t& worn = GameState.EquipSlots[slot];
    if (!WornInstance(slot)) {
        worn = kNone;
        return 1;
    }
    if (!PlaceFirstFree(Pile(kEquippedPile), worn)) return 0;
    worn = kNone;
    return 1;
}

void StripAllItems() {
    GameStateRecord& g = GameState;
    g.ItemsStripped = 1;
    for (int16_t slot = 0; slot < kEquipSlotCount; ++slot)
        if (!StashEquippedItem(slot)) ShowMessage(50, 50, "cant dump slot item", "");
    StashGrid(BackpackGrid(), Pile(kBackpackPile));
    if (g.HasBagOfHolding) StashGrid(BagGrid(), Pile(kBagPile));
    g.StashFood = int16_t(std::min<int32_t>(g.StashFood + std::max<int16_t>(g.HeroFood, 0), kStashGoldLimit));
    g.HeroFood = int16_t(std::min<int16_t>(g.HeroFood, 0));
    // The stash keeps 16 bits of gold; what does not fit stays with the hero.
    const int32_t room = kStashGoldLimit - std::max<int16_t>(g.StashGold, 0);
    const int32_t moved = std::clamp<int32_t>(g.HeroGold, 0, room);
    g.StashGold = int16_t(std::max<int16_t>(g.StashGold, 0) + moved);
    g.HeroGold -= moved;
    RecalcHero();
    AppendMessageLine("<You are stripped of all your possessions!>", 91);
    AppendMessageLine("", 91);
}

void ReturnStrippedItems() {
    GameStateRecord& g = GameState;
    g.ItemsStripped = 0;
    g.HeroGold += g.StashGold;
    g.StashGold = 0;
    g.HeroFood = int16_t(std::min<int32_t>(g.HeroFood + g.StashFood, 10));
    g.StashFood = 0;
    RunRetrieveScreen();
}

void DrawRetrieveScreen(int16_t grid, int16_t pile, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    const Rect frame{339, 107, 339 + 9 * 31 + 2, 107 + 9 * 31 + 2};
    BltFast(BackSurface, 19, 107, HeroScreenPicture, frame, kBltOpaque);
    BltFast(BackSurface, 339, 107, HeroScreenPicture, frame, kBltOpaque);
    for (int16_t x0 : {kPileX, kGridX}) DrawEmptyCells(x0, kCellsY, 9, 9);
    for (int16_t i = 0; i < 4; ++i)
        BltFast(BackSurface, 23 + 32 * (i % 2), 20 + 32 * (i / 2), WallTiles[size_t(1323 + i)], TileRect, kBltKeyed);
    DrawTabRow(20, 87, 3, pile, {"Retrieve 1", "Retrieve 2", "Retrieve 3"}, 4);
    if (GameState.HasBagOfHolding)
        DrawTabRow(339, 87, 2, grid, {"Backpack", "Bag of Holding"}, 6);
    else
        DrawTabRow(339, 87, 1, grid, {"Backpack"}, 6);
    DrawGridItems(Pile(pile), kPileX, kCellsY);
    DrawGridItems(grid == 0 ? BackpackGrid() : BagGrid(), kGridX, kCellsY);
    if (CursorItem != kNone) DrawInstance(CursorItem, int16_t(CursorPos.x), int16_t(CursorPos.y));
    DrawButton(500, 440, 5, "Done");
    if (flip) Flip();
}

void RunRetrieveScreen() {
    Screen screen("retrieve");
    int16_t pile = 0, grid = 0;
    CursorItem = kNone;
    const auto draw = [&] { DrawRetrieveScreen(grid, pile, 1); };
    draw();
    for (int16_t key : {37, 38, 39, 40, 100, 102, 104, 98}) WaitUntilUp(key);
    for (;;) {
        LoopPass(screen, draw);
        if (CursorItem != kNone) draw();
        bool changed = true;
        int16_t col, row;
        const ItemGrid shown = grid == 0 ? BackpackGrid() : BagGrid();
        if (ButtonClicked(20, 88, 8, '1', 0, 1, 1)) {
            pile = 0;
        } else if (ButtonClicked(100, 88, 8, '2', 0, 1, 1)) {
            pile = 1;
        } else if (ButtonClicked(180, 88, 8, '3', 0, 1, 1)) {
            pile = 2;
        } else if (TabPressed(1)) {
            pile = int16_t((pile + 1) % 3);
        } else if (ButtonClicked(340, 88, 12, 0, 0, 1, 1)) {
            grid = 0;
        } else if (GameState.HasBagOfHolding && ButtonClicked(460, 88, 12, 0, 0, 1, 1)) {
            grid = 1;
        } else if (CellAt(kPileX, col, row, 1, 1) || CellAt(kGridX, col, row, 1, 1)) {
            const bool toPile = CursorPos.x < kGridX;
            const ItemGrid target = toPile ? Pile(pile) : shown;
            const int16_t cell = target[col * 9 + row];
            if (CursorItem == kNone) {
                if (cell != kNone) {
                    CursorItem = cell;
                    std::replace(target.begin(), target.end(), cell, kNone);
                    CursorFromStash = toPile ? 1 : 0;
                    PlaySoundEffect("WaterWalk");
                }
            } else {
                int16_t w, h;
                GetItemCells(InstanceItem(CursorItem), w, h);
                if ((!toPile || CursorFromStash == 1) && GridAreaFree(target, col, row, w, h)) {
                    MarkGridArea(target, CursorItem, col, row, w, h);
                    CursorItem = kNone;
                    PlaySoundEffect("WaterWalk");
                } else {
                    PlaySoundEffect("No");
                }
            }
        } else if (CellAt(kPileX, col, row, 2, 0) || CellAt(kGridX, col, row, 2, 0)) {
            const int16_t cell = (CursorPos.x < kGridX ? Pile(pile) : shown)[col * 9 + row];
            if (cell != kNone) {
                DrawRetrieveScreen(grid, pile, 0);
                InspectBackpackItem(cell);
            }
        } else if (CursorItem == kNone && ButtonClicked(500, 440, 10, 'D', 27, 1, 1)) {
            return;
        } else {
            changed = false;
        }
        if (changed) draw();
    }
}
