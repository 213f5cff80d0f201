// The tile number space as the level editor paints it: which layer a tile number goes into,
// the access AutoAcc derives from a wall tile, and the flood fill within the window.
#pragma once

#include <cstdint>

struct EditorState;

enum TileKind : uint8_t { kNoKind, kAccessKind, kZoneKind, kEventKind, kWallKind };

// The kind of a tile number; numbers outside 0..2394 are of no kind.
TileKind TileKindOf(int16_t tile);

constexpr int16_t kFirstZoneTile = 1220;
constexpr int16_t kGridFrameTile = 1010;

// Paints square (x, y) with the editor's current tile into the layer its kind names, and
// switches on the overlay that shows it. An event tile makes an event only on an empty square.
void PaintSquare(int16_t x, int16_t y, EditorState& editor);
// The access AutoAcc gives square (x, y) for a painted wall tile; the layer plays no part.
void SetAccessTile(int16_t x, int16_t y, int16_t layer, int16_t tile);

// The value of the chosen layer at window cell (column, row): the access layer, the zone
// layer, or the bottom (layer 1) or top (layer 2) layer.
int16_t GetLayerCell(int16_t layer, int isAccess, int isZone, int16_t viewX, int16_t viewY, int16_t column,
                     int16_t row);
// Fills the area of equal values around window cell (column, row), left, right, up and down,
// never beyond the window; a zone tile fills its zone number.
void FloodFill(int16_t tile, int16_t layer, int isAccess, int isZone, int16_t column, int16_t row, int16_t viewX,
               int16_t viewY);
void FloodFillCell(int16_t value, int16_t layer, int isAccess, int isZone, int16_t column, int16_t row,
                   int16_t viewX, int16_t viewY, int16_t oldValue);
// Ctrl+F over window cell (column, row) with the editor's current tile and layer: event
// tiles, and wall tiles on the top layer, are refused with a message over the editor.
void FloodAtCell(int16_t column, int16_t row, EditorState& editor);
