#include "message_boxes.h"

#include "display.h"
#include "fonts.h"
#include "input.h"
#include "source_rects.h"
#include "widgets.h"

void DrawConfirmBox(int16_t x, int16_t y, std::string_view text) {
    BltFast(BackSurface, x, y, SmallScroll, SmallScrollRect, kBltKeyed);
    DrawSmallText(int16_t(x + 50), int16_t(y + 50), text, kSmallBlack);
    DrawButton(int16_t(x + 40), int16_t(y + 110), 3, "Yes");
    DrawButton(int16_t(x + 117), int16_t(y + 110), 3, "No");
    Flip();
}

int Confirm(int16_t x, int16_t y, std::string_view text) {
    Screen screen("confirm");
    auto draw = [&] { DrawConfirmBox(x, y, text); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(int16_t(x + 40), int16_t(y + 110), 6, 'Y', 0, 1, 1)) return 1;
        if (ButtonClicked(int16_t(x + 117), int16_t(y + 110), 6, 'N', 0, 1, 1)) return 0;
    }
}

void DrawMessageBox(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    BltFast(BackSurface, x, y, SmallScroll, SmallScrollRect, kBltKeyed);
    DrawSmallText(int16_t(x + 30), int16_t(y + 40), line1, kSmallBlack);
    DrawSmallText(int16_t(x + 30), int16_t(y + 60), line2, kSmallBlack);
    DrawButton(int16_t(x + 80), int16_t(y + 100), 3, "OK");
    Flip();
}

void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    Screen screen("message");
    auto draw = [&] { DrawMessageBox(x, y, line1, line2); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(int16_t(x + 80), int16_t(y + 100), 6, 13, 27, 1, 1)) return;
    }
}

void ToggleCheckBox(int16_t x, int16_t y, uint32_t& flag) {
    if (!AreaClicked(int16_t(x + 2), int16_t(y + 2), 12, 12, 0, 1, 1, 1)) return;
    flag = flag == 1 ? 0 : 1;
    DrawIcon(FrontSurface, x, y, flag ? 4 : 3);
}

int StartsWithVowel(std::string_view text) {
    if (text.empty()) return 0;
    switch (text.front()) {
        case 'A':
        case 'E':
        case 'I':
        case 'O':
        case 'U': return 1;
        default: return 0;
    }
}
