// The in-game save screen.
#pragma once

#include <cstdint>

// The slot namingSlot shows an empty field for the name being typed; flips only when asked.
void DrawSaveSlotScreen(int16_t selection, int16_t namingSlot, uint32_t flip);
// Runs until the game is saved or the screen is left; always 1.
uint32_t RunSaveSlotScreen();
