// Vaults: six stores of items bought once and kept in the saved game; every VAULT EVENT with
// the same number opens the same store. The grids' operations are in item_grid_screen.h.
#pragma once

#include <cstdint>

void RunVaultEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// Nothing happens, not even a sound, when the gold is short.
void BuyVault(int16_t vault, int16_t cost);
// The vault beside the backpack (page 0) or the bag (page 1), without the held item; no flip.
void DrawVaultScreen(int16_t vault, int16_t page);
// The vault beside the backpack or the bag; returns on "Done" with nothing held.
void RunVaultScreen(int16_t vault);
