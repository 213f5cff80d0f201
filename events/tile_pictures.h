// Pictures drawn by number on the event screens: wall tiles, item pictures and the 20 x 20
// icons. A number outside its sheet (from an event word or a record) draws nothing.
#pragma once

#include <cstdint>

#include "platform/display.h"
#include "platform/source_rects.h"

inline void DrawTilePicture(int32_t tile, int32_t x, int32_t y, BltMode mode = kBltKeyed) {
    if (tile >= 0 && size_t(tile) < WallTiles.size()) BltFast(BackSurface, x, y, WallTiles[size_t(tile)], TileRect, mode);
}
// A 30 x 30 item picture.
inline void DrawItemPicture(int32_t picture, int32_t x, int32_t y) {
    if (picture >= 0 && size_t(picture) < ItemPictures.size())
        BltFast(BackSurface, x, y, ItemPictures[size_t(picture)], ViewPieceRects[0], kBltKeyed);
}
inline void DrawIconPicture(int32_t icon, int32_t x, int32_t y) {
    if (icon >= 0 && size_t(icon) < UiIcons.size()) BltFast(BackSurface, x, y, UiIcons[size_t(icon)], IconRect, kBltKeyed);
}
