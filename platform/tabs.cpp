#include "tabs.h"

#include <algorithm>

#include "display.h"
#include "widgets.h"

void DrawTabRow(int16_t x, int16_t y, int16_t count, int16_t selected, std::initializer_list<std::string_view> labels,
                int16_t tabPieces) {
    count = std::min<int16_t>(count, 9);
    const std::string_view* label = labels.begin();
    for (int16_t i = 0; i < count; ++i) {
        const int32_t tabX = x + 20 * tabPieces * i;
        if (i == selected)
            DrawPieceRow(BackSurface, tabX, y, tabPieces, 73, 74, 75);
        else
            DrawPieceRow(BackSurface, tabX, y, tabPieces, 76, 77, 78);
        if (label != labels.end()) DrawPieceRowLabel(tabX, 20 * tabPieces, 6, int16_t(y + 7), (label++)->substr(0, 29));
    }
}
