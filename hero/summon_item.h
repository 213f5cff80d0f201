// The hero screen's "Summon Item" dialog: any item, power and charges, given at once.
#pragma once

#include <cstdint>

void DrawSummonItem(int16_t item, int16_t x, int16_t y);
void RunSummonItem();
// Gives the chosen item as the dialog does: food, coins and keys by their own rules.
void SummonItem(int16_t item, int16_t x, int16_t y);
