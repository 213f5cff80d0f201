// Stand-ins for the screen toolkit until it lands (see toolkit_standin.h).
#include "data/toolkit_standin.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/input.h"

namespace {

void Record(std::string_view text, int32_t x, int32_t y, int32_t colour) {
    host::Get().TextDrawn(text.substr(0, text.find('\0')), x, y, colour);
}

// A letter, digit or space typed now, or 0.
char TypedChar() {
    for (int key = 'A'; key <= 'Z'; ++key) {
        if (KeyPressed(static_cast<int16_t>(key), 1, 0, 1)) return static_cast<char>(KeyDown(16) ? key : key + 32);
    }
    for (int key = '0'; key <= '9'; ++key) {
        if (KeyPressed(static_cast<int16_t>(key), 1, 0, 1)) return static_cast<char>(key);
    }
    return KeyPressed(32, 1, 0, 1) ? ' ' : 0;
}

}  // namespace

void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour) { Record(text, x, y, colour); }
void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour) { Record(text, x, y, colour); }
void DrawButton(int16_t x, int16_t y, int16_t, std::string_view label) { Record(label, x, y + 6, 0); }
void DrawTextField(int16_t x, int16_t y, int16_t, std::string_view text) { Record(text, x + 10, y + 6, 0); }

std::string_view NumberText(int32_t n) {
    static std::array<char, 12> scratch;
    const int len = std::snprintf(scratch.data(), scratch.size(), "%d", static_cast<int>(n));
    return {scratch.data(), static_cast<size_t>(len)};
}

int Confirm(int16_t x, int16_t y, std::string_view text) {
    Record(text, x + 50, y + 50, 0);
    for (;;) {
        TakeLoopMessage("confirm");
        if (KeyPressed('Y', 1, 0, 1)) return 1;
        if (KeyPressed('N', 1, 0, 1)) return 0;
    }
}

void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    Record(line1, x + 30, y + 40, 0);
    Record(line2, x + 30, y + 60, 0);
    for (;;) {
        TakeLoopMessage("message");
        if (KeyPressed(13, 1, 0, 1) || KeyPressed(27, 1, 0, 1)) return;
    }
}

int16_t EnterNumber(int16_t, int16_t, int16_t, int16_t min, int32_t max) {
    int32_t value = 0;
    while (!KeyDown(13)) {
        for (int key = '0'; key <= '9'; ++key) {
            if (KeyPressed(static_cast<int16_t>(key), 1, 0, 1) && value < 10000) value = value * 10 + (key - '0');
        }
    }
    while (KeyDown(13)) {
    }
    if (value > max) value = max;
    if (value < min) value = min;
    return static_cast<int16_t>(value);
}

int32_t EnterText(int16_t, int16_t, std::span<char> text, int16_t minLen, int16_t maxLen, uint32_t allowEsc, uint32_t,
                  int16_t, int16_t, int16_t, int16_t) {
    const std::string saved(text.data(), strnlen(text.data(), text.size()));
    std::string typed = saved;
    bool escaped = false;
    for (;;) {
        TakeLoopMessage("text entry");
        if (KeyPressed(46, 1, 0, 1)) typed.clear();
        if (KeyPressed(8, 1, 0, 1) && !typed.empty()) typed.pop_back();
        if (const char ch = TypedChar(); ch && static_cast<int>(typed.size()) < maxLen) typed += ch;
        if (KeyPressed(13, 0, 0, 1) && static_cast<int>(typed.size()) >= minLen) break;
        if (KeyPressed(27, 1, 0, 1) && allowEsc) {
            escaped = true;
            break;
        }
    }
    const std::string& result = escaped ? saved : typed;
    const size_t n = std::min(result.size(), text.size() - 1);
    result.copy(text.data(), n);
    text[n] = '\0';
    return 0;
}
