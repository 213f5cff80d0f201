// Pushing objects over the level.
#pragma once

#include <cstdint>

// 1 after a pushed object sprang a TRAP EVENT; the adventure loop plays "Miss", pauses and clears it.
extern uint32_t ObjectSprangTrap;

// Pushes the object on (x, y) by (dx, dy); 1 when it moved.
int PushObject(int16_t x, int16_t y, int16_t dx, int16_t dy);
// Whether the BRIDGE or ALT TILE EVENT on (x, y) keeps an object out.
int BridgeBlocksObject(int16_t x, int16_t y);
int AltTileBlocksObject(int16_t x, int16_t y);
// 1 when (x, y) lies in zone 1 and the zone's suppression condition holds.
int SquareAccessOpen(int16_t x, int16_t y);
