// Special places: splats, spawn texts, roots, trees and visions.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunSplatEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void ShowSpawnEventText(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunWaterRootsEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunChopTreeEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunVisionEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The 13 x 13 squares of the current level from (originX, originY) with their events and
// monsters, the corners rounded off, and the vision's panel.
void DrawVision(int16_t originX, int16_t originY, uint32_t flip);
