#include "text_entry.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "data/game_state.h"
#include "data/save_slot_screen.h"
#include "display.h"
#include "events/get_answer.h"
#include "fonts.h"
#include "frontend/character_creation.h"
#include "input.h"
#include "keys.h"
#include "random.h"
#include "script/message_window.h"
#include "source_rects.h"

int16_t HeroNameCounter = 0;

namespace {

constexpr std::array<std::string_view, 20> kMaleNames = {
    "Ulric", "Aldin", "Grimbold", "Leoric", "Wulfric", "Berold",   "Barret", "Botulf", "Degore", "Fedric",
    "Galot", "Hamlin", "Hawkin",  "Findal", "Aron",    "Roderick", "Blyth",  "Talek",  "Palin",  "Banon"};
constexpr std::array<std::string_view, 20> kFemaleNames = {
    "Sara",    "Aileth", "Ethelia", "Elara", "Elowen", "Melwyn",  "Tamara", "Aimil",  "Dorrin", "Karleen",
    "Eileen",  "Evelyn", "Gweneth", "Kiara", "Lilith", "Miranda", "Tullia", "Galena", "Iris",   "Idelle"};

// Keys with their character without and with Shift; 0 gives nothing.
struct CharKey {
    int16_t key;
    char plain, shifted;
};
constexpr CharKey kPunctuationKeys[] = {
    {32, ' ', 0},    {186, ';', ':'}, {187, '=', 0},   {188, ',', '<'},
    {189, '-', 0},   {190, '.', '>'}, {191, 0, '?'},   {222, '\'', '"'},
};

char ShiftedDigit(char digit) {
    switch (digit) {
        case '1': return '!';
        case '5': return '%';
        case '9': return '(';
        case '0': return ')';
        default: return 0;
    }
}

// The character a key types, with Shift down or not; 0 for none.
char CharOfKey(int16_t key, bool shift) {
    if (key >= 'A' && key <= 'Z') return char(shift ? key : key - 'A' + 'a');
    if (key >= '0' && key <= '9') return shift ? ShiftedDigit(char(key)) : char(key);
    for (const CharKey& k : kPunctuationKeys)
        if (k.key == key) return shift ? k.shifted : k.plain;
    return 0;
}

template <class F>
void ForEachCharKey(F&& f) {
    for (int16_t key = 'A'; key <= 'Z'; ++key) f(key);
    for (int16_t key = '0'; key <= '9'; ++key) f(key);
    for (const CharKey& k : kPunctuationKeys) f(k.key);
}

void InsertChar(EditState& edit, char ch) {
    for (int16_t i = edit.lastIndex + 1; i > edit.cursor; --i) edit.buffer[size_t(i)] = edit.buffer[size_t(i - 1)];
    edit.buffer[size_t(edit.cursor)] = static_cast<unsigned char>(ch);
    ++edit.cursor;
    ++edit.lastIndex;
}

}  // namespace

int KeyToChar(char& out) {
    // One character a pass: a read takes only the oldest press waiting, so text typed while the
    // program was busy keeps its order.
    bool hit = false;
    char given = 0;
    ForEachCharKey([&](int16_t key) {
        if (hit || !KeyPressed(key, 1, 0, 1)) return;
        hit = true;
        given = CharOfKey(key, KeyDown(kShift));
    });
    if (given == 0) return 0;
    out = given;
    return 1;
}

void DrawEditText(int16_t textX, int16_t textY, const EditState& edit, int16_t maxLen) {
    std::string shown;
    int32_t n = 0;
    for (; n < kEditCapacity && edit.buffer[size_t(n)] != kNoChar; ++n) {
        const char ch = char(edit.buffer[size_t(n)]);
        DrawSmallGlyph(FrontSurface, textX + 6 * n, textY, kSmallBlankCell);
        DrawSmallGlyph(FrontSurface, textX + 6 * n, textY, GlyphIndex(ch, kSmallBlack));
        shown += ch;
    }
    for (int32_t i = n; i <= std::max<int32_t>(n, maxLen); ++i)
        DrawSmallGlyph(FrontSurface, textX + 6 * i, textY, kSmallBlankCell);
    DrawSmallGlyph(FrontSurface, textX + 6 * edit.cursor, textY, kSmallCursorMark);
    if (!shown.empty()) host::Get().TextDrawn(shown, textX, textY, kSmallBlack);
}

void ResetEditBuffer(EditState& edit, int16_t count) {
    std::fill_n(edit.buffer.begin(), std::clamp<int16_t>(count, 0, kEditCapacity), kNoChar);
    edit.cursor = 0;
    edit.lastIndex = -1;
}

void DeleteEditChar(EditState& edit) {
    if (edit.cursor == 0) return;
    for (int16_t i = edit.cursor; i <= edit.lastIndex; ++i) edit.buffer[size_t(i - 1)] = edit.buffer[size_t(i)];
    edit.buffer[size_t(edit.lastIndex)] = kNoChar;
    --edit.cursor;
    --edit.lastIndex;
}

void SetEditBuffer(EditState& edit, std::string_view text) {
    text = text.substr(0, std::min<size_t>(text.find('\0'), kEditCapacity));
    for (size_t i = 0; i < text.size(); ++i) edit.buffer[i] = static_cast<unsigned char>(text[i]);
    edit.length = int16_t(text.size());
    edit.cursor = edit.length;
    edit.lastIndex = int16_t(edit.length - 1);
}

void RandomHeroName(EditState& edit) {
    if (++HeroNameCounter >= 21) HeroNameCounter = 0;
    edit.buffer.fill(kNoChar);
    if (GameState.HeroSex == 1) {
        SetEditBuffer(edit, kFemaleNames[size_t(Random15() % 20)]);
    } else if (HeroNameCounter > 0) {
        SetEditBuffer(edit, kMaleNames[size_t(HeroNameCounter - 1)]);
    } else {
        // The counter's wrap gives an empty name, with no length left over from the last one.
        SetEditBuffer(edit, "");
    }
}

void RedrawEditContext(int16_t context, int16_t a, int16_t b, int16_t c) {
    switch (context) {
        case 1: DrawCreationPage4(); break;
        case 2:
            ShowMessageLines(a, 0);
            RedrawScriptAnswer(a);
            break;
        case 3: DrawSaveSlotScreen(a, b, 1); break;
        case 4: DrawGetAnswerScreen(a, b, 1, c); break;
        default: break;
    }
}

int32_t EnterText(int16_t x, int16_t y, std::span<char> text, int16_t minLen, int16_t maxLen, uint32_t allowEsc,
                  uint32_t randomName, int16_t context, int16_t a, int16_t b, int16_t c) {
    Screen screen("text entry");
    maxLen = std::min(maxLen, kEditCapacity);
    EditState edit;
    edit.buffer.fill(kNoChar);
    SetEditBuffer(edit, {text.data(), strnlen(text.data(), text.size())});
    edit.cursor = 0;
    if (edit.length > 0) {
        CursorPos = host::Get().Cursor();
        const int32_t underMouse = (CursorPos.x - (x + 10)) / 6;
        edit.cursor = int16_t(std::clamp<int32_t>(underMouse, 0, edit.lastIndex + 1));
    }
    const auto textX = int16_t(x + 10), textY = int16_t(y + 6);
    auto redraw = [&] { DrawEditText(textX, textY, edit, maxLen); };
    redraw();

    int32_t result = 0;
    bool done = false, escaped = false;
    while (!done) {
        LoopPass(screen, [&] {
            RedrawEditContext(context, a, b, c);
            redraw();
        });
        if (ArrowPressed(kLeft, 1)) {
            if (edit.cursor > 0) --edit.cursor;
            redraw();
        }
        if (ArrowPressed(kRight, 1)) {
            if (edit.cursor < edit.lastIndex + 1) ++edit.cursor;
            redraw();
        }
        if (KeyPressed(kDelete, 1, 0, 1)) {
            ResetEditBuffer(edit, kEditCapacity);
            redraw();
        }
        if (KeyPressed(kBackspace, 1, 0, 1)) {
            DeleteEditChar(edit);
            redraw();
        }
        if (KeyPressed(kHome, 1, 0, 1)) {
            edit.cursor = 0;
            redraw();
        }
        if (KeyPressed(kEnd, 1, 0, 1)) {
            edit.cursor = int16_t(edit.lastIndex + 1);
            redraw();
        }
        char ch = 0;
        const bool gotChar = KeyToChar(ch) != 0;
        if (!gotChar && TabPressed(1)) {
            if (!randomName) {
                result = 1;
                done = true;
            } else {
                RandomHeroName(edit);
                redraw();
            }
        }
        if (gotChar && edit.lastIndex + 1 < maxLen) {
            InsertChar(edit, ch);
            redraw();
        }
        if (KeyPressed(kEnter, 1, 0, 1) && edit.lastIndex + 1 >= minLen) done = true;
        if (KeyPressed(kEsc, 1, 0, 1) && allowEsc) done = escaped = true;
    }
    // Left with Esc, the caller's text was never touched.
    if (!escaped && !text.empty()) {
        const size_t count = std::min<size_t>(size_t(edit.lastIndex + 1), text.size() - 1);
        for (size_t i = 0; i < count; ++i) text[i] = char(edit.buffer[i]);
        text[count] = '\0';
    }
    return result;
}
