#include "hero/give_item.h"

#include <algorithm>

#include "hero/item_grids.h"
#include "hero/item_types.h"

int GiveItem(int16_t item, int16_t x, int16_t y, int16_t noGembag) {
    if (item == kGoldItem) {
        GameState.HeroGold += y;
        return 1;
    }
    if (item == kFoodItem) {
        GameState.HeroFood = static_cast<int16_t>(std::min<int32_t>(GameState.HeroFood + y, 10));
        return 1;
    }
    if (noGembag == 0 && item >= kFirstGem && item <= kLastGem) {
        int16_t& count = GameState.GembagCounts[item - kFirstGem];
        if (count < 0) count = 0;
        // A count at 32,767 takes no more: the gem stays where it was, as with a full backpack.
        if (count == INT16_MAX) return 0;
        ++count;
        return 1;
    }
    if (!ItemRecordOf(item)) return 0;
    // With every instance in use the bag is not tried: it would fail the same way.
    const int placed = AutoPlaceInGrid(BackpackGrid(), item, x, y);
    if (placed != 0) return placed > 0 ? 1 : 0;
    return GameState.HasBagOfHolding ? AddToBag(item, x, y) : 0;
}
