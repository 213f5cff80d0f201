// Forges and cauldrons: items dragged into the one cauldron grid of the game and turned into
// a new item by the recipes of the forge's type.
#pragma once

#include <cstdint>

// Bump handler (the dispatcher's shape).
void RunForgeEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The screen of a forge of that type with the backpack (page 0) or the bag (page 1); no flip.
void DrawForgeScreen(int16_t type, int16_t page);
// Up to five distinct instances in the cauldron matched against the recipes of the type, in
// order; the first match frees them and leaves its item in the cauldron's top-left corner.
// "No" when nothing matches or no instance is free for the new item, and nothing changes.
void ActivateForge(int16_t type);
