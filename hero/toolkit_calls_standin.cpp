// Stand-ins for the screen toolkit until it lands: texts are recorded through the host (as
// the toolkit records them) but no glyph is drawn; number entry takes digits and Enter.
#include "hero/toolkit_calls.h"

#include <algorithm>

#include "platform/input.h"

void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour) {
    host::Get().TextDrawn(text, x, y, colour);
}

void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour) {
    host::Get().TextDrawn(text, x, y, colour);
}

void DrawButton(int16_t x, int16_t y, int16_t widthPieces, std::string_view label) {
    DrawSmallText(static_cast<int16_t>(x + (20 * widthPieces - 6 * int32_t(label.size())) / 2), y + 6, label, 0);
}

void DrawTextField(int16_t x, int16_t y, int16_t, std::string_view text) { DrawSmallText(x + 10, y + 6, text, 0); }

void DrawPanel(int16_t x, int16_t y, int16_t widthPieces, int16_t, int16_t style, std::string_view title) {
    if (style != 0)
        DrawBigText(static_cast<int16_t>(x + 10 * widthPieces - 10 * int32_t(title.size()) / 2), y + 13, title, 273);
}

int16_t EnterNumber(int16_t, int16_t, int16_t, int16_t min, int32_t max) {
    int32_t value = 0;
    bool negative = false;
    while (!KeyDown(13)) {
        TakeLoopMessage("number entry");
        if (min < 0 && value == 0 && KeyPressed(189, 1, 0, 1)) negative = true;
        for (int16_t key = '0'; key <= '9'; ++key)
            if (KeyPressed(key, 1, 0, 1) && value < 10000) value = value * 10 + (key - '0');
    }
    KeyPressed(13, 1, 0, 1);
    if (negative) value = -value;
    return static_cast<int16_t>(std::max<int32_t>(std::min(value, max), min));
}
