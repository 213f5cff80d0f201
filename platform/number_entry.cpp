#include "number_entry.h"

#include <algorithm>
#include <cstdint>

#include "display.h"
#include "fonts.h"
#include "input.h"
#include "keys.h"
#include "widgets.h"

namespace {

int32_t DigitsAllowed(int32_t max) {
    if (max < 10) return 1;
    if (max < 100) return 2;
    if (max < 1000) return 3;
    if (max < 10000) return 4;
    return 5;
}

}  // namespace

int16_t EnterNumber(int16_t x, int16_t y, int16_t widthPieces, int16_t min, int32_t max) {
    Screen screen("number entry");
    const int32_t allowed = DigitsAllowed(max);
    const int32_t textY = y + 6;
    DrawPieceRow(FrontSurface, x, y, widthPieces, 0, 1, 2);
    int32_t p = x + 10;
    DrawSmallGlyph(FrontSurface, p, textY, kSmallCursorMark);

    // Built in 32 bits: five digits do not fit a signed 16-bit value.
    int32_t value = 0;
    int32_t digits = 0;
    bool negative = false;
    auto put = [&](char ch) {
        DrawSmallGlyph(FrontSurface, p, textY, kSmallBlankCell);
        DrawSmallGlyph(FrontSurface, p, textY, GlyphIndex(ch, kSmallBlack));
        host::Get().TextDrawn(std::string_view(&ch, 1), p, textY, kSmallBlack);
        p += 6;
        DrawSmallGlyph(FrontSurface, p, textY, kSmallCursorMark);
    };
    for (screen.Pass(); !KeyDown(kEnter); screen.Pass()) {
        if (KeyPressed(kMinus, 1, 0, 1) && digits == 0 && !negative && min < 0) {
            negative = true;
            put('-');
        }
        for (int16_t key = '0'; key <= '9'; ++key) {
            if (KeyPressed(key, 1, 0, 1) && digits < allowed) {
                value = value * 10 + (key - '0');
                ++digits;
                put(char(key));
            }
        }
        if (KeyPressed(kBackspace, 1, 0, 1) && (digits > 0 || negative)) {
            if (digits > 0) {
                value /= 10;
                --digits;
            } else {
                negative = false;
            }
            // The removed character stays under the mark until something is typed over it.
            DrawSmallGlyph(FrontSurface, p, textY, kSmallBlankCell);
            p -= 6;
            DrawSmallGlyph(FrontSurface, p, textY, kSmallCursorMark);
        }
        if (KeyPressed(kDelete, 1, 0, 1)) {
            const int32_t shown = digits + (negative ? 1 : 0);
            for (int32_t i = 0; i < shown; ++i) DrawSmallGlyph(FrontSurface, x + 10 + 6 * i, textY, kSmallBlankCell);
            value = digits = 0;
            negative = false;
            p = x + 10;
            DrawSmallGlyph(FrontSurface, p, textY, kSmallCursorMark);
        }
    }
    WaitUntilUp(kEnter);

    if (negative) value = -value;
    if (value > max) value = max;
    if (value < min) value = min;
    // A range reaching past 16 bits still gives a value that fits the result.
    return int16_t(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}
