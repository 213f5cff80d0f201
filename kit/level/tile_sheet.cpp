#include "tile_sheet.h"

#include <string>

#include "kit/level/grid_hits.h"
#include "kit/level/painting.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

constexpr int16_t kPages = 9, kColumns = 20;

// Pages 0..7 hold 14 rows from tile 280p; the last page 4 rows from 2315, past the module's
// own tiles.
int16_t FirstTile(int16_t page) { return page < 8 ? int16_t(280 * page) : int16_t(2315); }
int16_t RowsOf(int16_t page) { return page < 8 ? 14 : 4; }

}  // namespace

void DrawTileSheetPage(int16_t page) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    for (int16_t r = 0; r < RowsOf(page); ++r) {
        for (int16_t c = 0; c < kColumns; ++c) {
            DrawTile(FirstTile(page) + kColumns * r + c, 32 * c, 32 * r, kBltOpaque);
            DrawTile(kGridFrameTile, 32 * c, 32 * r);
        }
    }
    for (int16_t i = 0; i < kPages; ++i) DrawButton(int16_t(10 + 60 * i), 455, 2, "Page" + std::to_string(i + 1));
    DrawButton(550, 455, 3, "Cancel");
    Flip();
}

int16_t PickTileFromSheet(int16_t current, int16_t& page) {
    Screen screen("tile sheet");
    if (page < 0 || page >= kPages) page = 0;
    auto draw = [&] { DrawTileSheetPage(page); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < kPages; ++i) {
            if (!ButtonClicked(int16_t(10 + 60 * i), 455, 4, int16_t('1' + i), 0, 1, 1)) continue;
            page = i;
            draw();
        }
        const GridHits rows = CellsAt(CursorPos.y, 0, 32, RowsOf(page));
        const GridHits columns = CellsAt(CursorPos.x, 0, 32, kColumns);
        for (int16_t r = rows.first; r < rows.first + rows.count; ++r) {
            for (int16_t c = columns.first; c < columns.first + columns.count; ++c) {
                if (AreaClicked(int16_t(32 * c), int16_t(32 * r), 32, 32, 0, 1, 1, 1))
                    return int16_t(FirstTile(page) + kColumns * r + c);
            }
        }
        if (ButtonClicked(560, 455, 6, 27, 0, 1, 1)) return current;
    }
}
