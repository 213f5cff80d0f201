// Events that want an item, a spell or a lens used on them, and the picker they take items with.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunUseItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunUseLensEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSwapItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunIfGotEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunUseSpellEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBuriedCacheEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunElementalDamageEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// Takes one item out of the backpack or the bag of holding: 1 when taken (its number, power
// and charges written to the three flags, its cells emptied, its instance freed), 0 when the
// player cancelled (cancelled = 1). Rules: 0 the item itself, 1 any of its type, 2 anything,
// 3 the lenses 117..119. Item 101, the keyring and the gem bag are never taken.
int PickBackpackItem(int16_t itemFlag, int16_t xFlag, int16_t yFlag, int16_t rule, int16_t item, int& cancelled);
