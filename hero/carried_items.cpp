#include "hero/carried_items.h"

#include <bitset>

#include "hero/give_item.h"
#include "hero/item_grids.h"
#include "hero/item_types.h"

namespace {

constexpr int16_t kParasite = 182, kParasiteBrood = 183;
constexpr int16_t kBroodSize = 25;

// The grids the hero carries, in scan order.
template <class F>
void ForEachCarriedGrid(F&& f) {
    f(BackpackGrid());
    if (GameState.HasBagOfHolding) f(BagGrid());
}

// A cell whose instance is free (or out of the table) holds no item, not an item numbered -1.
bool CellHolds(int16_t cell, int16_t item) { return item != kNone && cell != kNone && InstanceItem(cell) == item; }

// The last matching cell's instance of one grid, or -1.
int16_t LastMatch(ItemGrid grid, int16_t item, int16_t skip1, int16_t skip2) {
    int16_t found = kNone;
    for (int16_t cell : grid)
        if (cell != skip1 && cell != skip2 && CellHolds(cell, item)) found = cell;
    return found;
}

void ClearFootprint(ItemGrid grid, int16_t column, int16_t row, int16_t instance) {
    int16_t w, h;
    GetItemCells(InstanceItem(instance), w, h);
    for (int c = column; c < column + w; ++c)
        for (int r = row; r < row + h; ++r)
            if (c >= 0 && c < 9 && r >= 0 && r < 9) grid[c * 9 + r] = kNone;
    ClearItemInstance(instance);
}

bool IsGem(int16_t item) { return item >= kFirstGem && item <= kLastGem; }

}  // namespace

int HasItem(int16_t item) {
    int16_t instance;
    return FindItemInstance(item, instance, kNone, kNone);
}

int FindItemInstance(int16_t item, int16_t& instance, int16_t skip1, int16_t skip2) {
    bool found = false;
    ForEachCarriedGrid([&](ItemGrid grid) {
        if (found) return;
        const int16_t n = LastMatch(grid, item, skip1, skip2);
        if (n != kNone) {
            instance = n;
            found = true;
        }
    });
    return found ? 1 : 0;
}

int HasItems(int16_t a, int16_t b, int16_t c) {
    // A requirement met from the gem bag has no instance to pass over.
    auto present = [](int16_t item, int16_t& instance, int16_t skip1, int16_t skip2) {
        instance = kNone;
        if (FindItemInstance(item, instance, skip1, skip2)) return true;
        instance = kNone;
        return IsGem(item) && GameState.GembagCounts[item - kFirstGem] > 0;
    };
    int16_t ia = kNone, ib = kNone, ic = kNone;
    if (!present(a, ia, kNone, kNone)) return 0;
    if (b > 0 && !present(b, ib, ia, kNone)) return 0;
    if (c > 0 && !present(c, ic, ia, ib)) return 0;
    return 1;
}

int32_t CountCarriedInstances(int16_t item) {
    std::bitset<kInstanceCount> counted;
    ForEachCarriedGrid([&](ItemGrid grid) {
        for (int16_t cell : grid)
            if (CellHolds(cell, item)) counted.set(size_t(cell));
    });
    return int32_t(counted.count());
}

int IsItemEquipped(int16_t item) {
    for (int slot = 0; slot < kEquipSlotCount; ++slot)
        if (WornInstance(slot) && WornItem(slot) == item) return 1;
    return 0;
}

int TakeItem(int16_t item) {
    bool taken = false;
    ForEachCarriedGrid([&](ItemGrid grid) {
        if (taken) return;
        for (int16_t cell : grid) {
            if (!CellHolds(cell, item)) continue;
            for (int16_t& other : grid)
                if (other == cell) other = kNone;
            ClearItemInstance(cell);
            taken = true;
            return;
        }
    });
    return taken ? 1 : 0;
}

void ClearItemInstance(int16_t instance) {
    ItemInstance* i = InstanceAt(instance);
    if (!i) return;
    i->ItemNumber = kNone;
    i->X = kNone;
    i->Y = kNone;
    i->CurseKnown = 0;
}

void ClearBackpackFootprint(int16_t column, int16_t row, int16_t instance) {
    ClearFootprint(BackpackGrid(), column, row, instance);
}

void ClearBagFootprint(int16_t column, int16_t row, int16_t instance) {
    ClearFootprint(BagGrid(), column, row, instance);
}

int16_t CountItem182() {
    int16_t n = 0;
    ForEachCarriedGrid([&](ItemGrid grid) {
        for (int16_t cell : grid)
            if (CellHolds(cell, kParasite)) ++n;
    });
    return n;
}

void TurnItem182Into183() {
    ForEachCarriedGrid([&](ItemGrid grid) {
        for (int16_t cell : grid)
            if (CellHolds(cell, kParasite)) InstanceAt(cell)->ItemNumber = kParasiteBrood;
    });
}

void GrowItem182() {
    const int16_t n = CountItem182();
    if (n <= 0 || n >= kBroodSize) return;
    GiveItem(kParasite, 0, 0, 0);
    if (n + 1 == kBroodSize) TurnItem182Into183();
}
