#include "map_overview.h"

#include <algorithm>

#include "data/level.h"
#include "kit/level/editor_state.h"
#include "kit/level/grid_hits.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

constexpr int16_t kPlainFloorTile = 1327;

}  // namespace

void DrawLevelAtEightPixels(std::string_view title) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            DrawMiniTile(CurrentLevel.BottomLayer[x * 50 + y], 8 * x, 8 * y, kBltOpaque);
            DrawMiniTile(CurrentLevel.TopLayer[x * 50 + y], 8 * x, 8 * y);
        }
    }
    DrawPanel(420, 20, 9, 14, 1, title);
}

void DrawMapOverview(int16_t mode, int16_t showControls) {
    DrawLevelAtEightPixels("Map Overview");
    if (showControls) {
        DrawSmallText(445, 75, "Toggle Function:", kSmallBlue);
        DrawButton(465, 90, 4, mode == 0 ? "Teleport" : "Draw");
        DrawSmallText(445, 130, "Special Hot keys:", kSmallBlue);
        DrawSmallText(445, 145, "Ctrl + C : Copy Event", kSmallBlack);
        DrawSmallText(445, 160, "Ctrl + P : Paste Event", kSmallBlack);
        DrawSmallText(445, 175, "Ctrl + F : Flood Area", kSmallBlack);
    }
    DrawButton(465, 250, 4, "Done");
    Flip();
}

void RunMapOverview(int16_t& viewX, int16_t& viewY, int16_t showControls) {
    Screen screen("map overview");
    int16_t mode = 0;
    auto draw = [&] { DrawMapOverview(mode, showControls); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (showControls && ButtonClicked(465, 90, 8, 0, 0, 1, 1)) {
            mode = mode == 0 ? 1 : 0;
            draw();
        }
        const GridHits columns = CellsAt(CursorPos.x, 0, 8, 50);
        const GridHits rows = CellsAt(CursorPos.y, 0, 8, 50);
        for (int16_t x = columns.first; x < columns.first + columns.count; ++x) {
            for (int16_t y = rows.first; y < rows.first + rows.count; ++y) {
                if (!AreaClicked(int16_t(8 * x), int16_t(8 * y), 8, 8, 0, 1, 1, 0)) continue;
                if (mode == 0) {
                    viewX = std::clamp<int16_t>(int16_t(x - 6), 0, kLastViewOrigin);
                    viewY = std::clamp<int16_t>(int16_t(y - 6), 0, kLastViewOrigin);
                    return;
                }
                CurrentLevel.BottomLayer[x * 50 + y] = kPlainFloorTile;
                draw();
            }
        }
        if (KeyPressed('M', 1, 0, 1) || ButtonClicked(460, 250, 8, kEsc, 'D', 1, 1)) return;
    }
}
