// The 13 x 13 window of the level around the hero. Cell (i, j) shows map square
// (originX + i, originY + j) at pixel (15 + 32i, 15 + 32j).
#pragma once

#include <cstdint>

// 1 where the window square [column][row] is seen this frame; rebuilt by every map-view redraw.
extern int16_t SightGrid[13][13];

// The window's top-left map square: the hero's square minus 6 on each axis, clamped to 0..37.
void ComputeViewOrigin(int16_t& x, int16_t& y);

// The pixel corner of window column or row k.
inline int32_t CellPixel(int32_t k) { return 15 + 32 * k; }
// 1 when (i, j) lies in the window and is seen this frame.
int IsSeenCell(int32_t i, int32_t j);

// The whole view: squares, event pictures, NPCs, monsters, shading, frame, hero and marks.
// viewMode is the hero's pose (0 standing, 1 melee, 2 casting, 3 aiming, 4 shooting).
void DrawMapView(int16_t originX, int16_t originY, int16_t viewMode, int16_t targetX, int16_t targetY);
// The figures and wall pictures of the SCRIPT EVENT squares, with those left of and above the
// window that reach in.
void DrawScriptNpcs(int16_t originX, int16_t originY);
void DrawNpcFigure(int16_t sx, int16_t sy, int16_t i, int16_t j, int16_t x, int16_t y, int16_t picture);
// The rounded corners where seen squares meet unseen ones.
void DrawSightEdges();
void DrawDamageFloorTile(int16_t x, int16_t y, int16_t sx, int16_t sy);
void DrawBeaconMark(int16_t i, int16_t j, int16_t originX, int16_t originY);
// 1 when (x, y) lies in zone 1 while the level's zone-1 flag holds its value.
int IsTopLayerSuppressed(int16_t x, int16_t y);
void DrawPortalSightOverlay(int16_t originX, int16_t originY, const int16_t (&grid)[13][13]);
// The hero's marker on wilderness levels.
void DrawWildernessHero(int16_t originX, int16_t originY);
