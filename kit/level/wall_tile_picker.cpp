// The wall tile picker: 27 categories on three rows of tabs over a 15 x 8 grid of tiles.
#include <string_view>

#include "kit/level/tile_pickers.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

struct WallTab {
    std::string_view label;
    int16_t key;  // 0: none
};
// Left to right, top row first.
constexpr std::array<WallTab, kWallCategories> kWallTabs = {{
    {"Ground", 'G'}, {"Wall X", 'X'}, {"Wall Y", 'Y'}, {"Water", 'W'},   {"Path", 'P'},     {"Forest", 'F'},
    {"Cave", 'C'},   {"Marsh", 'M'},  {"Ice", 'I'},    {"Bits1", '1'},   {"Bits2", '2'},    {"Bits3", '3'},
    {"Life", 'L'},   {"Bodies", 'B'}, {"Statues", 'S'}, {"Runic", 'R'},  {"Sea", 0},        {"Dark", 'D'},
    {"Enda", 'E'},   {"Kintara", 'K'}, {"Araboria", 'A'}, {"Osirian", 'O'}, {"Alien", 0},   {"VX3", 0},
    {"Wild1", 0},    {"Wild2", 0},    {"Custom", 0},
}};

constexpr int16_t kTabX = 25, kTabTop = 65, kTabPitch = 20, kTabsPerRow = 9;
constexpr int16_t kGridX = 50, kGridY = 140, kCellPitch = 33, kCellSize = 32;
constexpr int16_t kCellFrame = 1634;

void DrawTabs(int16_t row, int16_t category) {
    const int16_t first = int16_t(kTabsPerRow * row);
    const int16_t selected = category >= first && category < first + kTabsPerRow ? int16_t(category - first) : -1;
    const auto label = [&](int i) { return kWallTabs[size_t(first + i)].label; };
    DrawTabRow(kTabX, int16_t(kTabTop + kTabPitch * row), kTabsPerRow, selected,
               {label(0), label(1), label(2), label(3), label(4), label(5), label(6), label(7), label(8)}, 3);
}

// The cell whose 32 x 32 square holds (x, y), as j * 15 + i; -1 on a gap or outside.
int CellAt(int32_t x, int32_t y) {
    const int32_t dx = x - kGridX, dy = y - kGridY;
    if (dx < 0 || dy < 0 || dx % kCellPitch >= kCellSize || dy % kCellPitch >= kCellSize) return -1;
    const int32_t i = dx / kCellPitch, j = dy / kCellPitch;
    return i < kWallGridColumns && j < kWallGridRows ? int(j * kWallGridColumns + i) : -1;
}

}  // namespace

void DrawWallTilePicker(int16_t category, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 15, 28, 22, 1, "Select Wall Tile");
    for (int16_t row = 0; row < 3; ++row) DrawTabs(row, category);
    const WallTileGrid* grid = category >= 0 && category < kWallCategories ? &WallTileGrids[size_t(category)] : nullptr;
    for (int j = 0; j < kWallGridRows; ++j) {
        for (int i = 0; i < kWallGridColumns; ++i) {
            const int32_t x = kGridX + kCellPitch * i, y = kGridY + kCellPitch * j;
            DrawTile(kCellFrame, x, y, kBltOpaque);
            if (grid) DrawTile((*grid)[size_t(j * kWallGridColumns + i)], x, y);
        }
    }
    DrawDivider(25, 405, 27);
    DrawButton(440, 420, 4, "Cancel");
    if (flip) Flip();
}

int16_t PickWallTile(int16_t current, int16_t& category) {
    Screen screen("wall tile picker");
    if (category < 0 || category >= kWallCategories) category = 0;
    auto draw = [&] { DrawWallTilePicker(category, 1); };
    auto show = [&](int16_t c) {
        category = c;
        draw();
    };
    const int16_t cancelled = current < 0 ? int16_t(0) : current;
    draw();
    for (;;) {
        bool done = false;
        int16_t result = cancelled;
        LoopPass(screen, draw);
        if (AreaClicked(48, 138, 500, 270, 0, 1, 1, 0)) {
            if (const int cell = CellAt(CursorPos.x, CursorPos.y); cell >= 0) {
                PlaySoundEffect("Click");
                const int16_t tile = WallTileGrids[size_t(category)][size_t(cell)];
                result = tile < 0 ? int16_t(0) : tile;
                done = true;
            }
        }
        for (int16_t c = 0; c < kWallCategories; ++c) {
            const int16_t row = int16_t(c / kTabsPerRow), column = int16_t(c % kTabsPerRow);
            if (AreaClicked(int16_t(kTabX + 60 * column), int16_t(68 + kTabPitch * row), 60, 18, 0, 1, 1, 0)) show(c);
        }
        for (int16_t c = 0; c < kWallCategories; ++c) {
            if (kWallTabs[size_t(c)].key && KeyPressed(kWallTabs[size_t(c)].key, 1, 0, 0)) show(c);
        }
        if (TabPressed(0))
            show(int16_t((category + 1) % kWallCategories));
        if (ArrowPressed(kUp, 0) && category >= kTabsPerRow) show(int16_t(category - kTabsPerRow));
        if (ArrowPressed(kDown, 0) && category < 2 * kTabsPerRow) show(int16_t(category + kTabsPerRow));
        if (ArrowPressed(kRight, 0)) show(int16_t((category + 1) % kWallCategories));
        if (ArrowPressed(kLeft, 0)) show(int16_t((category + kWallCategories - 1) % kWallCategories));
        if (ButtonClicked(440, 420, 8, kEsc, 'T', 1, 1)) {
            result = cancelled;
            done = true;
        }
        if (done) return result;
    }
}
