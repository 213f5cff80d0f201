// The pictures of the events on the map view. Drawing settles a little game state: a PIT
// EVENT that needs no skill is found, a matching BEAM EVENT sets its target flag, and a wall
// rising over a monster (TOGGLE, ALT TILE) crushes it.
#pragma once

#include <cstdint>

// Draws the picture of the event on map square (x, y) at the window cell (col, row), whose
// top-left pixel is (screenX, screenY).
void DrawCellEvent(int16_t col, int16_t row, int16_t x, int16_t y, int16_t screenX, int16_t screenY);
// The door of a COMPLEX DOOR EVENT by its status flag; the view draws it again over the hero.
void DrawComplexDoorEvent(int16_t x, int16_t y, int16_t sx, int16_t sy);
// The tile an ALT TILE EVENT on (x, y) shows over what stands on its square (access type 1 on
// the side its condition picks), at (sx, sy).
void DrawAltTileOver(int16_t x, int16_t y, int16_t sx, int16_t sy);
// The tile of a light beam piece by the values of two flags (a flag below 1 reads -1).
int16_t BeamTile(int16_t flagA, int16_t flagB);
// Kills the monster on (x, y) unless it walks through walls: a flash straight onto the front
// surface, "MonsterDie", a pause, and its loot.
void KillMonsterUnderWall(int16_t x, int16_t y, int16_t sx, int16_t sy);
