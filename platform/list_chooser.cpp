#include "list_chooser.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "display.h"
#include "fonts.h"
#include "input.h"
#include "keys.h"
#include "sound.h"
#include "widgets.h"

std::array<std::array<char, 30>, 70> ListItems{};

void SetListRow(size_t row, std::string_view text) {
    if (row >= ListItems.size()) return;
    auto& item = ListItems[row];
    item.fill('\0');
    std::memcpy(item.data(), text.data(), std::min(text.size(), item.size() - 1));
}

namespace {
constexpr int16_t kScrollTrack = 69, kArrowDown = 71, kArrowUp = 72;
}  // namespace

void DrawListChooser(int16_t x, int16_t y, int16_t widthPieces, int16_t visibleRows, int16_t count, int16_t top) {
    DrawPanel(x, int16_t(y + 20), widthPieces, int16_t(visibleRows + 2), 0, "");
    if (count > visibleRows) {
        const int32_t scrollX = x + 20 * widthPieces - 1;
        DrawIcon(BackSurface, scrollX, y + 20, kArrowUp);
        for (int32_t i = 0; i < visibleRows; ++i) DrawIcon(BackSurface, scrollX, y + 40 + 20 * i, kScrollTrack);
        DrawIcon(BackSurface, scrollX, y + 40 + 20 * visibleRows, kArrowDown);
    }
    for (int32_t i = 0; i < visibleRows; ++i) {
        const int32_t row = top + i;
        // Rows past the table have nothing to show.
        if (row < 0 || size_t(row) >= ListItems.size()) continue;
        const auto& item = ListItems[size_t(row)];
        DrawSmallText(int16_t(x + 18), int16_t(y + 46 + 20 * i), {item.data(), strnlen(item.data(), item.size())},
                      kSmallBlack);
    }
    Flip();
}

int16_t ChooseFromList(int16_t x, int16_t y, int16_t widthPieces, int16_t visibleRows, int16_t escValue,
                       int16_t count, uint32_t escAllowed) {
    Screen screen("list");
    int16_t top = 0;
    auto draw = [&] { DrawListChooser(x, y, widthPieces, visibleRows, count, top); };
    const int16_t lastTop = int16_t(std::max(count - visibleRows, 0));
    draw();
    int16_t result = 0;
    bool done = false;
    while (!done) {
        LoopPass(screen, draw);
        const auto arrowX = int16_t(x + 20 * widthPieces);
        if (ButtonClicked(arrowX, int16_t(y + 20), 2, kUp, 0, 1, 0) && top > 0) {
            --top;
            draw();
        }
        if (ButtonClicked(arrowX, int16_t(y + 40 + 20 * visibleRows), 2, kDown, 0, 1, 0) &&
            top + visibleRows < count) {
            ++top;
            draw();
        }
        if (KeyPressed(kHome, 1, 0, 1)) {
            top = 0;
            draw();
        }
        if (KeyPressed(kEnd, 1, 0, 1)) {
            top = lastTop;
            draw();
        }
        if (KeyPressed(kPageUp, 1, 0, 1)) {
            top = int16_t(std::max(top - visibleRows, 0));
            draw();
        }
        if (KeyPressed(kPageDown, 1, 0, 1)) {
            top = int16_t(std::min<int32_t>(top + visibleRows, lastTop));
            draw();
        }
        for (int16_t i = 1; i <= visibleRows; ++i) {
            if (ButtonClicked(x, int16_t(y + 20 + 20 * i), int16_t(2 * widthPieces), 0, 0, 1, 1)) {
                result = int16_t(top + i - 1);
                done = true;
            }
        }
        if (escAllowed && KeyPressed(kEsc, 1, 0, 1)) {
            result = escValue;
            PlaySoundEffect("Click");
            done = true;
        }
    }
    return result;
}
