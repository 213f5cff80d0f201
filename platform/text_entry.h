// Modal editing of a text in a field the caller has drawn. Drawn straight onto
// FrontSurface, so each key shows without a flip.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

constexpr int16_t kEditCapacity = 61;
constexpr uint16_t kNoChar = 65535;

struct EditState {
    std::array<uint16_t, kEditCapacity> buffer;  // kNoChar = no character
    int16_t cursor = 0;                          // 0 to lastIndex + 1
    int16_t lastIndex = -1;                      // length - 1
    int16_t length = 0;
};

// The position in the male name list; lives for the whole run.
extern int16_t HeroNameCounter;

// Edits the zero-terminated text in place; the text's own size bounds what is written back.
// (x, y) is the field as DrawTextField drew it. Returns 1 when left by Tab without random
// names, else 0. Context names the screen behind the field for a redraw after a focus
// regain (1 creation name page, 2 script answer, 3 save slots, 4 event answer, -1 none).
int32_t EnterText(int16_t x, int16_t y, std::span<char> text, int16_t minLen, int16_t maxLen, uint32_t allowEsc,
                  uint32_t randomName, int16_t context, int16_t a, int16_t b, int16_t c);

// 1 and the character when a character key was pressed (the last one tested wins).
int KeyToChar(char& out);
void DrawEditText(int16_t textX, int16_t textY, const EditState& edit, int16_t maxLen);
void ResetEditBuffer(EditState& edit, int16_t count);
void DeleteEditChar(EditState& edit);
void SetEditBuffer(EditState& edit, std::string_view text);
void RandomHeroName(EditState& edit);
void RedrawEditContext(int16_t context, int16_t a, int16_t b, int16_t c);
