// Until the level editor's level list is built: its "Load Level" page drawn where the cheat
// menu's level chooser tests its buttons and rows, so that the chooser can be used in play.
#include "pick_level.h"

#include <string>

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

void DrawTile(int16_t tile, int32_t x, int32_t y) {
    BltFast(BackSurface, x, y, WallTiles[size_t(tile)], TileRect, kBltKeyed);
}

}  // namespace

void PickLevel(int16_t page, int16_t flip, int16_t mark) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(115, 15, 20, 22, 1, "Load Level");
    DrawDivider(125, 400, 19);
    DrawButton(140, 418, 3, "Prev");
    DrawButton(210, 418, 3, "Next");
    DrawSmallText(290, 423, "Page:", kSmallBlack);
    DrawSmallText(320, 423, NumberText(page), kSmallBlack);
    DrawButton(400, 418, 4, "Cancel");
    for (int16_t r = 0; r < 10; ++r) {
        const int32_t n = 10 * (page - 1) + r;
        const int32_t y = 60 + 35 * r;
        if (n < 0 || n >= int32_t(std::size(LevelList.LevelListUsed))) continue;
        DrawSmallText(150, int16_t(y + 10), NumberText(n), kSmallBlack);
        for (int32_t k = 0; k < 8; ++k) DrawTile(1634, 180 + 32 * k, y);
        if (!LevelList.LevelListUsed[n]) continue;
        DrawTile(1595, 180, y + 1);
        DrawSmallText(220, int16_t(y + 10), FieldText(LevelList.LevelListName[n]), kSmallBlack);
        if (mark) DrawTile(1596, 407, y + 1);
    }
    if (flip) Flip();
}
