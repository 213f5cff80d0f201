#include "auto_access.h"

#include "art/tile_roles.h"

namespace {

constexpr std::array<int16_t, kTileCount> MakeAutoAccessTable() {
    std::array<int16_t, kTileCount> table{};
    for (size_t t = 0; t < table.size(); ++t) table[t] = AccessValueOfRole(TileClasses[t].role);
    return table;
}

}  // namespace

constinit const std::array<int16_t, 2395> AutoAccessTable = MakeAutoAccessTable();

int16_t TileCategory(int16_t tile) {
    if (tile < 0 || tile >= kTileCount) return -1;
    const TileFamily family = TileClasses[size_t(tile)].family;
    return family == kFamilyNone ? int16_t(-1) : int16_t(family);
}
