#include "hero/item_grids.h"

#include <string>

#include "platform/message_boxes.h"
#include "hero/item_types.h"

namespace {

struct SizeClass {
    int16_t w, h;
};
constexpr SizeClass kSizeClasses[] = {{1, 1}, {2, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 6}, {2, 2}, {2, 4}, {2, 3}};

struct PictureRange {
    int16_t first, last, sizeClass;
};
constexpr PictureRange kPictureRanges[] = {
    {234, 246, 1}, {247, 324, 2}, {325, 350, 3}, {351, 376, 4}, {377, 402, 5},
    {403, 428, 6}, {429, 441, 7}, {442, 454, 8}, {643, 655, 6},
};

}  // namespace

int16_t ItemSizeClass(int32_t picture) {
    for (const PictureRange& r : kPictureRanges)
        if (picture >= r.first && picture <= r.last) return r.sizeClass;
    return 0;
}

void GetItemCells(int16_t item, int16_t& w, int16_t& h) {
    const ItemRecord* r = ItemRecordOf(item);
    const SizeClass c = kSizeClasses[r ? ItemSizeClass(r->ItemPicture) : 0];
    w = c.w;
    h = c.h;
}

int AreaFreeIn(std::span<const int16_t> cells, int16_t columns, int16_t rows, int16_t col, int16_t row, int16_t w,
               int16_t h) {
    if (col < 0 || row < 0 || w < 1 || h < 1 || col + w > columns || row + h > rows) return 0;
    for (int c = col; c < col + w; ++c)
        for (int r = row; r < row + h; ++r)
            if (cells[size_t(c * rows + r)] != kNone) return 0;
    return 1;
}

int GridAreaFree(ItemGrid grid, int16_t col, int16_t row, int16_t w, int16_t h) {
    return AreaFreeIn(grid, 9, 9, col, row, w, h);
}

int BackpackAreaFree(int16_t col, int16_t row, int16_t w, int16_t h) {
    return GridAreaFree(BackpackGrid(), col, row, w, h);
}

int BagAreaFree(int16_t col, int16_t row, int16_t w, int16_t h) { return GridAreaFree(BagGrid(), col, row, w, h); }

int16_t AnchoredInstance(ItemGrid grid, int16_t col, int16_t row) {
    if (col < 0 || col > 8 || row < 0 || row > 8) return kNone;
    const int16_t instance = grid[col * 9 + row];
    if (col > 0 && grid[(col - 1) * 9 + row] == instance) return kNone;
    if (row > 0 && grid[col * 9 + row - 1] == instance) return kNone;
    return instance;
}

int16_t CreateItemInstance(int16_t item, int16_t x, int16_t y) {
    if (!ItemRecordOf(item)) return kNone;
    const int16_t type = ItemTypeOf(item);
    for (int16_t n = 0; n < kInstanceCount; ++n) {
        ItemInstance& inst = GameState.ItemInstances[n];
        if (inst.ItemNumber != kNone) continue;
        inst.ItemNumber = item;
        inst.X = x;
        inst.Y = y;
        inst.CurseKnown = type == kLoadstone ? 1 : 0;
        // Only the six stones have a counter; another item of the type is an ordinary item.
        if (type == kNemesisStone && item >= kFirstNemesisStone && item <= kLastNemesisStone)
            ++GameState.NemesisStones[item - kFirstNemesisStone];
        return n;
    }
    ShowMessage(50, 50, "Slot overflow", std::to_string(kInstanceCount));
    return kNone;
}

int PlaceInGrid(ItemGrid grid, int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h) {
    const int16_t n = CreateItemInstance(item, x, y);
    if (n == kNone) return 0;
    MarkGridArea(grid, n, col, row, w, h);
    return 1;
}

int PlaceInBackpack(int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h) {
    return PlaceInGrid(BackpackGrid(), item, x, y, col, row, w, h);
}

int PlaceInBag(int16_t item, int16_t x, int16_t y, int16_t col, int16_t row, int16_t w, int16_t h) {
    return PlaceInGrid(BagGrid(), item, x, y, col, row, w, h);
}

int FindFreeArea(ItemGrid grid, int16_t w, int16_t h, int16_t& col, int16_t& row) {
    for (row = 0; row < 9; ++row)
        for (col = 0; col < 9; ++col)
            if (GridAreaFree(grid, col, row, w, h)) return 1;
    return 0;
}

void MarkGridArea(ItemGrid grid, int16_t instance, int16_t col, int16_t row, int16_t w, int16_t h) {
    for (int c = col; c < col + w && c < 9; ++c)
        for (int r = row; r < row + h && r < 9; ++r)
            if (c >= 0 && r >= 0) grid[c * 9 + r] = instance;
}

int PlaceInstanceFirstFree(ItemGrid grid, int16_t instance, int16_t item) {
    int16_t w, h, col, row;
    GetItemCells(item, w, h);
    if (!FindFreeArea(grid, w, h, col, row)) return 0;
    MarkGridArea(grid, instance, col, row, w, h);
    return 1;
}

int AutoPlaceInGrid(ItemGrid grid, int16_t item, int16_t x, int16_t y) {
    int16_t w, h, col, row;
    GetItemCells(item, w, h);
    if (!FindFreeArea(grid, w, h, col, row)) return 0;
    return PlaceInGrid(grid, item, x, y, col, row, w, h) ? 1 : -1;
}

int AddToBag(int16_t item, int16_t x, int16_t y) { return AutoPlaceInGrid(BagGrid(), item, x, y) > 0 ? 1 : 0; }
