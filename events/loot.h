// The loot screens: up to six slots of (taken flag, item, X, Y) to take from.
#pragma once

#include <cstdint>

// Returns on "Done". A slot holds an item from 1 up; one whose flag is 1 was taken. Food fills
// up to 10 rations, gold (raised by the Looting aura) goes to the purse, keys to the keyring.
void RunLootScreen(int16_t x, int16_t y, const int16_t flags[6], const int16_t items[6], const int16_t powers[6],
                   const int16_t amounts[6]);
// The same screen with one slot, which may hold item 0.
void RunOneItemLoot(int16_t x, int16_t y, int16_t flag, int16_t item, int16_t power, int16_t amount);
