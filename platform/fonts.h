// The two bitmap fonts: 91 glyphs per colour for the characters 32 to 122, one fixed advance.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/surface.h"

// Colours are offsets into the glyph sheets.
constexpr int16_t kBigTeal = 0, kBigRed = 91, kBigBlue = 182, kBigWhite = 273, kBigGreen = 364, kBigBlack = 455;
constexpr int16_t kSmallBlack = 0, kSmallRed = 91, kSmallBlue = 182, kSmallGreen = 273;
// Pixels from one character to the next.
constexpr int32_t kBigAdvance = 10, kSmallAdvance = 6;

// Two marks in the small font's first colour: the text cursor and a blank cell.
constexpr int16_t kSmallCursorMark = 3;
constexpr int16_t kSmallBlankCell = 10;

// The text ends at its first zero, if it has one. Nothing is clipped.
void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour);
void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour);
// The small font with its letters `advance` pixels apart instead of kSmallAdvance.
void DrawSmallTextSpaced(int16_t x, int16_t y, std::string_view text, int16_t colour, int32_t advance);
// One small glyph by sheet index, keyed; indices outside the sheet draw nothing.
void DrawSmallGlyph(Surface* dest, int32_t x, int32_t y, int32_t index);
// The glyph index of a character in a colour, or -1 for a character the fonts lack.
int32_t GlyphIndex(char ch, int16_t colour);
