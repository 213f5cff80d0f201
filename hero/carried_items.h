// What the hero carries: the backpack and, only while the bag of holding is owned, the bag.
// Worn items count only for IsItemEquipped, the gem bag only for gems in HasItems, and the
// keyring for none. Every scan goes column by column (cell 0, 1 .. 80), backpack first.
#pragma once

#include <cstdint>

int HasItem(int16_t item);
// As HasItem, passing over cells that hold skip1 or skip2; writes the instance of the last
// matching cell of the first grid that has one.
int FindItemInstance(int16_t item, int16_t& instance, int16_t skip1, int16_t skip2);
// a, b and c as three different instances (b and c only when above 0); a gem 20..28 not
// carried as an instance counts while the gem bag holds one of its kind.
int HasItems(int16_t a, int16_t b, int16_t c);
int IsItemEquipped(int16_t item);
// Carried instances of the item: one however many cells it fills.
int32_t CountCarriedInstances(int16_t item);
// Removes the first carried instance of the item from its grid and frees it.
int TakeItem(int16_t item);
void ClearItemInstance(int16_t instance);
// Empties the cells of an item anchored at (column, row) and frees its instance.
void ClearBackpackFootprint(int16_t column, int16_t row, int16_t instance);
void ClearBagFootprint(int16_t column, int16_t row, int16_t instance);

// The alien parasite (item 182): it multiplies each time the inventory is opened, and at 25
// the whole brood becomes item 183.
int16_t CountItem182();
void TurnItem182Into183();
void GrowItem182();
