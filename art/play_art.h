// The art of play, drawn once and shared by the resource pack, the module's custom sheet and
// the contact sheets for review.
#pragma once

#include <initializer_list>

#include "tile_art.h"

namespace art {

struct PlayArt {
    TileArt tiles;
    std::vector<Image> monsters;  // MonsterPictures 0..1795, each at its own size
    std::vector<Image> items;     // ItemPictures 0..713, each at its own size
};

std::vector<Image> BuildMonsterPictures();
Image BuildMonsterSheet(const std::vector<Image>& monsters);  // VMONST
std::vector<Image> BuildItemPictures();
Image BuildEquipSheet(const std::vector<Image>& items);  // VEQUIP

PlayArt BuildPlayArt();

// Pictures first.. laid row by row from (x0, y0) of a sheet at the given pitches.
struct SheetGrid {
    int first, rows, cols, pitchX, pitchY, x0, y0;
};
void PlaceGrid(Image& sheet, const std::vector<Image>& pictures, const SheetGrid& grid);
// A w x h sheet of the key colour with every grid placed on it.
Image GridSheet(int w, int h, const std::vector<Image>& pictures, std::initializer_list<SheetGrid> grids);

}  // namespace art
