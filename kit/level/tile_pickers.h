// The level editor's tile pickers: wall and floor tiles by category, events by page, zones
// and access kinds. Each returns the chosen tile number.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The wall tile picker's grids: 27 categories of 15 x 8 cells, cell (i, j) at j * 15 + i,
// -1 where a cell is empty.
constexpr int kWallCategories = 27, kWallGridColumns = 15, kWallGridRows = 8;
using WallTileGrid = std::array<int16_t, kWallGridColumns * kWallGridRows>;
extern const std::array<WallTileGrid, kWallCategories> WallTileGrids;

// Opens at the caller's category (one outside 0..26 at 0) and writes the category last shown
// back into it. Cancel gives current (0 when negative), an empty cell 0.
int16_t PickWallTile(int16_t current, int16_t& category);
void DrawWallTilePicker(int16_t category, int16_t flip);

// The event types as the kit offers them: a page of the event tile picker, a slot on it and
// a line of help. Names are the game's (FindEventType).
struct EventTile {
    int16_t type;
    int16_t page, slot;
    std::string_view help;
};
constexpr int kEventPages = 14, kEventSlots = 9;
extern const std::array<EventTile, 82> EventTiles;
// The entry of that type, or null when the number is no event type.
const EventTile* FindEventTile(int16_t type);
// The type on a page's slot, or -1 for an empty slot or a page or slot out of range.
int16_t EventTileAt(int16_t page, int16_t slot);

// Opens at the caller's page (one outside 0..13 at 0) and writes the page last shown back into
// it. Cancel gives current.
int16_t PickEventTile(int16_t current, int16_t& page);
void DrawEventTilePicker(int16_t page, int16_t flip);

// Cancel gives current.
int16_t PickZoneTile(int16_t current);
void DrawZoneTilePicker(int16_t flip);
// Cancel gives 1295, "Free Access", whatever current was.
int16_t PickAccessTile(int16_t current);
void DrawAccessTilePicker(int16_t flip);
