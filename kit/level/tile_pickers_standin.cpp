// Until the pickers are built: each gives back the tile it was opened with.
#include "tile_pickers.h"

int16_t PickWallTile(int16_t current, int16_t&) { return current; }
int16_t PickEventTile(int16_t current, int16_t&) { return current; }
int16_t PickZoneTile(int16_t current) { return current; }
int16_t PickAccessTile(int16_t current) { return current; }
