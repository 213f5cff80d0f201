// The module's custom.bmp in its layout: the default custom tiles (with their mini tiles),
// quest items and monsters that a new module starts with. The grid starts 14 pixels further
// right than the built-in sheets'.
#include "sheets.h"

namespace art {

Image BuildCustomSheet(const PlayArt& art) {
    Image img(530, 792, kKeyColour);
    PlaceGrid(img, art.tiles.tiles, {2240, 5, 15, 33, 33, 15, 26});
    PlaceGrid(img, art.tiles.minis, {2240, 5, 15, 9, 9, 15, 195});
    PlaceGrid(img, art.items, {611, 2, 16, 31, 31, 15, 321});
    PlaceGrid(img, art.items, {656, 2, 16, 31, 31, 15, 259});
    const SheetGrid monsters[] = {{1700, 3, 16, 31, 31, 15, 411}, {1748, 2, 8, 62, 31, 15, 508},
                                  {1764, 1, 16, 31, 0, 15, 574},  {1780, 2, 8, 62, 62, 15, 640}};
    for (const SheetGrid& g : monsters) PlaceGrid(img, art.monsters, g);
    KeepOffKey(img);
    return img;
}

}  // namespace art
