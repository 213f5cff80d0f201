// The art of play, drawn once and shared by the resource pack, the module's custom sheet and
// the contact sheets for review.
#pragma once

#include "tile_art.h"

namespace art {

struct PlayArt {
    TileArt tiles;
};

PlayArt BuildPlayArt();

}  // namespace art
