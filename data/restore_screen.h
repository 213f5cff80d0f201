// The "Restore Character" screen of the title (also the kit's hero chooser for test play).
#pragma once

#include <cstdint>

// 1 when a saved game was restored (the game state and its level are then in memory), 0
// when left with Cancel.
uint32_t RunRestoreScreen();
void DrawRestoreScreen(int16_t usedCount, int16_t selection);
