#include "kit/db/module_description.h"

#include <algorithm>
#include <array>
#include <string>

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int32_t kInsetWidth = 242, kInsetHeight = 150;
constexpr int32_t kMapWidth = 640, kMapHeight = 480;
constexpr int16_t kPiecesPerColour = 15, kFramePieces = kModuleBanner;
constexpr int16_t kPointerIcon = 41;

// Map 0 "Homelands" is the third picture, 1 the first, 2 the second.
constexpr std::array<int16_t, 3> kMapPicture = {2, 0, 1};

// Per frame row, its first piece (left; middle and right follow), and whether the colour
// moves it.
struct FrameRow {
    int16_t first;
    bool coloured;
};
constexpr std::array<FrameRow, 12> kFrameRows = {{{0, false},
                                                  {3, true},
                                                  {3, true},
                                                  {6, true},
                                                  {9, true},
                                                  {9, true},
                                                  {9, true},
                                                  {12, true},
                                                  {3, true},
                                                  {3, true},
                                                  {3, true},
                                                  {15, true}}};

void DrawInset(const ModuleRecord& m, int32_t x, int32_t y) {
    if (m.ModuleMap < 0 || size_t(m.ModuleMap) >= kMapPicture.size()) return;
    // The window is kept inside the picture, so a corner past it still shows a map.
    const int32_t left = std::clamp<int32_t>(m.ModuleTopXY[0], 0, kMapWidth - kInsetWidth);
    const int32_t top = std::clamp<int32_t>(m.ModuleTopXY[1], 0, kMapHeight - kInsetHeight);
    BltFast(BackSurface, x + 14, y + 90, WorldMapSurfaces[size_t(kMapPicture[size_t(m.ModuleMap)])],
            Rect{left, top, left + kInsetWidth, top + kInsetHeight}, kBltOpaque);
}

// Pieces past the frame sheet (a colour from a file beyond the nine) are not drawn.
void DrawFramePiece(int32_t piece, int32_t x, int32_t y) {
    if (piece >= 0 && piece < kFramePieces) BltFast(BackSurface, x, y, ModuleIcons[size_t(piece)], PictureRect, kBltKeyed);
}

void DrawFrame(const ModuleRecord& m, int32_t x, int32_t y) {
    const int32_t base = kPiecesPerColour * int32_t(m.ModuleColour);
    for (size_t row = 0; row < kFrameRows.size(); ++row) {
        const int32_t first = kFrameRows[row].first + (kFrameRows[row].coloured ? base : 0);
        const int32_t rowY = y + 30 * int32_t(row);
        DrawFramePiece(first, x, rowY);
        for (int32_t i = 1; i <= 7; ++i) DrawFramePiece(first + 1, x + 30 * i, rowY);
        DrawFramePiece(first + 2, x + 240, rowY);
    }
}

}  // namespace

void DrawModuleDescription(int16_t x, int16_t y, int16_t module) {
    if (module < 0 || size_t(module) >= ModuleTable.size()) return;
    const ModuleRecord& m = ModuleTable[size_t(module)];
    DrawInset(m, x, y);
    DrawFrame(m, x, y);
    BltFast(BackSurface, x + 190, y + 305, ModuleIcons[kModuleBanner], ModuleBannerRect, kBltKeyed);
    DrawSmallText(int16_t(x + 45), int16_t(y + 10),
                  "For character levels " + std::to_string(m.ModuleLevels[0]) + " to " + std::to_string(m.ModuleLevels[1]),
                  kSmallBlack);
    const std::string_view title0 = FieldText(m.ModuleTitle[0]), title1 = FieldText(m.ModuleTitle[1]);
    if (title1.empty()) {
        DrawSmallText(int16_t(x + 65), int16_t(y + 45), "A Quillmark Adventure!", kSmallBlack);
        DrawBigText(int16_t(x + 20), int16_t(y + 60), title0, kBigWhite);
    } else {
        DrawBigText(int16_t(x + 20), int16_t(y + 40), title0, kBigWhite);
        DrawBigText(int16_t(x + 20), int16_t(y + 60), title1, kBigWhite);
    }
    for (int16_t i = 0; i < 3; ++i)
        DrawSmallText(int16_t(x + 40), int16_t(y + 255 + 15 * i), FieldText(m.ModuleIntro[i]), kSmallBlack);
    DrawSmallText(int16_t(x + 20), int16_t(y + 315), FieldText(m.ModuleCredit1), kSmallBlack);
    DrawSmallText(int16_t(x + 20), int16_t(y + 327), FieldText(m.ModuleCredit2), kSmallBlack);
    DrawIcon(BackSurface, x + m.ModulePointer[0] + 23, y + m.ModulePointer[1] + 96, kPointerIcon);
}
