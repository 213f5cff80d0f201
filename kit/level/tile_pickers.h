// The level editor's tile pickers: wall and floor tiles by category, events by page, zones
// and access kinds. Each returns the chosen tile number.
#pragma once

#include <cstdint>

// Opens at the caller's category and writes the category last shown back into it.
int16_t PickWallTile(int16_t current, int16_t& category);
// Opens at the caller's page and writes the page last shown back into it.
int16_t PickEventTile(int16_t current, int16_t& page);
int16_t PickZoneTile(int16_t current);
int16_t PickAccessTile(int16_t current);
