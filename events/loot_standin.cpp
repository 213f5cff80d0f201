#include "hero/give_item.h"
#include "loot.h"

void RunLootScreen(int16_t, int16_t, const int16_t[6], const int16_t items[6], const int16_t powers[6],
                   const int16_t amounts[6]) {
    for (int i = 0; i < 6; ++i)
        if (items[i] >= 0) GiveItem(items[i], powers[i], amounts[i], 0);
}
