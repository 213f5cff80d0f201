// What the view's drawing shares: the level's squares by map position, and pictures drawn
// by number, where a number outside its sheet (from a level, an event or a record) draws
// nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "data/level.h"
#include "platform/display.h"
#include "platform/source_rects.h"

// The index of (x, y) in the level's layers and the square grids; only for squares on the map.
inline int32_t Square(int32_t x, int32_t y) { return x * 50 + y; }

// The event on (x, y) when it is of that type, else null.
inline const EventRecord* EventOfType(int32_t x, int32_t y, int16_t type) {
    const EventRecord* e = EventAt(x, y);
    return e && e->Word[0] == type ? e : nullptr;
}

// A zone name of the level; empty for a zone outside 0..5.
std::string_view ZoneName(int32_t zone);

inline void DrawTile(int32_t tile, int32_t x, int32_t y, BltMode mode = kBltKeyed) {
    if (tile >= 0 && size_t(tile) < WallTiles.size()) BltFast(BackSurface, x, y, WallTiles[size_t(tile)], TileRect, mode);
}
inline void DrawMiniTile(int32_t tile, int32_t x, int32_t y, BltMode mode = kBltKeyed) {
    if (tile >= 0 && size_t(tile) < MiniWallTiles.size())
        BltFast(BackSurface, x, y, MiniWallTiles[size_t(tile)], MiniTileRect, mode);
}
// A part of a monster picture, keyed.
inline void DrawMonsterPart(int32_t picture, const Rect& part, int32_t x, int32_t y) {
    if (picture >= 0 && size_t(picture) < MonsterPictures.size())
        BltFast(BackSurface, x, y, MonsterPictures[size_t(picture)], part, kBltKeyed);
}
// A 30 x 30 figure of the monster sheet.
inline void DrawFigure(int32_t picture, int32_t x, int32_t y) { DrawMonsterPart(picture, ViewPieceRects[0], x, y); }
