// The access a painted tile gives its square by default, and the picker category of a tile.
#pragma once

#include <array>
#include <cstdint>

// Per tile number 0..2394: the automatic access tile is 1292 + the value.
extern const std::array<int16_t, 2395> AutoAccessTable;

// The wall tile picker's category (0 "Ground" .. 26 "Custom") whose style a tile belongs to,
// or -1 for the tiles of no category (marks, the screens' pictures, event and access tiles).
int16_t TileCategory(int16_t tile);
