// Line of sight from the hero across the window, and the automap marks it leaves.
#pragma once

#include <cstdint>

// 12 squares; 3 on levels of medium view distance (1), 1 on short ones (2).
int16_t SightRadius();
// Casts every ray from the hero into SightGrid (which the caller has cleared), then marks the
// 1298 wall corners that two seen neighbours in an L enclose.
void UpdateSight(int16_t originX, int16_t originY);
// One ray from (fromX, fromY) toward (toX, toY), marking every square it reaches up to and
// including the first that blocks sight. The radius is not consulted.
void CastSightRay(int16_t radius, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t originX,
                  int16_t originY);
// 1 when (x, y) blocks sight: its access tile unless an open zone-1 passage, then its event.
int BlocksSight(int16_t x, int16_t y);
// 1 when (x, y) lies in zone 1 while the level's zone-1 flag (above 0) holds its value: the
// passage is open, its walls neither block sight nor show on the automap.
int IsOpenZonePassage(int16_t x, int16_t y);
