#include "kit/events/event_text_editor.h"

#include <algorithm>
#include <cstring>

#include "data/level.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLineLength = 25;

using Lines = char[10][26];

// Text t of the event on (x, y), or null.
Lines* TextOf(int16_t x, int16_t y, int16_t t) {
    EventRecord* e = EventAt(x, y);
    return e && t >= 0 && t <= 1 ? &e->Text[t] : nullptr;
}

// The shown lines: the line tools stay inside them, so a tenth line holding a value of its
// own is neither wiped nor moved.
int16_t ShownLines(int16_t lines) { return std::clamp<int16_t>(lines, 1, 10); }

int16_t RowY(int16_t i) { return int16_t(70 + 22 * i); }

}  // namespace

void DrawEventTextEditor(int16_t x, int16_t y, int16_t t, int16_t mode, int16_t lines) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 21, 1, "Text Editor");
    const Lines* text = TextOf(x, y, t);
    for (int16_t i = 0; i < ShownLines(lines); ++i) {
        DrawSmallText(80, int16_t(74 + 22 * i), NumberText(i), kSmallBlack);
        DrawTextField(100, RowY(i), 9, text ? FieldText((*text)[i]) : std::string_view());
    }
    DrawButton(330, 100, 5, "Insert Line");
    DrawButton(330, 122, 5, "Delete Line");
    if (mode == 1) DrawSmallText(330, 220, "INSERT LINE!", kSmallBlack);
    if (mode == 2) DrawSmallText(330, 220, "DELETE LINE!", kSmallBlack);
    DrawDivider(25, 368, 23);
    DrawButton(300, 391, 3, "Erase");
    DrawButton(370, 391, 3, "Done");
    Flip();
}

void InsertEventTextLine(int16_t x, int16_t y, int16_t t, int16_t line, int16_t lines, int16_t& mode) {
    mode = 0;
    Lines* text = TextOf(x, y, t);
    const int16_t last = int16_t(ShownLines(lines) - 1);
    if (!text || line < 0 || line > last) return;
    for (int16_t i = last; i > line; --i) std::memcpy((*text)[i], (*text)[i - 1], sizeof (*text)[i]);
    std::memset((*text)[line], 0, sizeof (*text)[line]);
}

void DeleteEventTextLine(int16_t x, int16_t y, int16_t t, int16_t line, int16_t lines, int16_t& mode) {
    mode = 0;
    Lines* text = TextOf(x, y, t);
    const int16_t last = int16_t(ShownLines(lines) - 1);
    if (!text || line < 0 || line > last) return;
    for (int16_t i = line; i < last; ++i) std::memcpy((*text)[i], (*text)[i + 1], sizeof (*text)[i]);
    std::memset((*text)[last], 0, sizeof (*text)[last]);
}

void EditEventText(int16_t x, int16_t y, int16_t t, int16_t lines) {
    Screen screen("event text editor");
    int16_t mode = 0;
    auto draw = [&] { DrawEventTextEditor(x, y, t, mode, lines); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < ShownLines(lines); ++i) {
            if (!ButtonClicked(100, RowY(i), 20, int16_t('0' + i), 0, 1, 1)) continue;
            if (mode == 0) {
                if (Lines* text = TextOf(x, y, t))
                    EnterText(100, RowY(i), (*text)[i], 0, kLineLength, 1, 0, -1, -1, -1, -1);
            } else if (mode == 1) {
                InsertEventTextLine(x, y, t, i, lines, mode);
            } else {
                DeleteEventTextLine(x, y, t, i, lines, mode);
            }
            draw();
        }
        if (ButtonClicked(300, 391, 6, 0, 0, 1, 1)) {
            if (Lines* text = TextOf(x, y, t)) std::memset(text, 0, sizeof(char) * 26 * size_t(ShownLines(lines)));
            draw();
        }
        if (ButtonClicked(330, 100, 10, 0, 0, 1, 1)) {
            mode = mode == 1 ? 0 : 1;
            draw();
        }
        if (ButtonClicked(330, 122, 10, 0, 0, 1, 1)) {
            mode = mode == 2 ? 0 : 2;
            draw();
        }
        if (ButtonClicked(370, 391, 6, 'D', 27, 1, 1)) return;
    }
}
