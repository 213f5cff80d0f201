#include "kit/db/item_picture.h"

#include "data/item_records.h"
#include "hero/item_grids.h"
#include "platform/display.h"
#include "platform/source_rects.h"

void DrawItemPicture(int16_t item, int16_t x, int16_t y) {
    if (item < 0 || item >= kItemCount) return;
    const int16_t sizeClass = ItemSizeClass(ItemTable[size_t(item)].ItemPicture);
    BltFast(BackSurface, x, y, ItemPictures[size_t(item)], ViewPieceRects[size_t(sizeClass)], kBltKeyed);
}
