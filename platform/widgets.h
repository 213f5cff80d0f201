// The drawn controls, made of the 20 x 20 pieces of UiIcons. Everything goes into
// BackSurface, keyed, without a flip.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "host/surface.h"

// A row of pieces: left at x, widthPieces - 2 middles, right after the last (a width below
// 2 still draws both ends).
void DrawPieceRow(Surface* dest, int32_t x, int32_t y, int16_t widthPieces, int16_t left, int16_t middle,
                  int16_t right);
void DrawIcon(Surface* dest, int32_t x, int32_t y, int16_t piece);
// A small-font label, colour 0, on a row of pieces `width` pixels wide at x: at x + indent, or
// centred for an indent below 0, where it stands clear of the row's rounded ends. A label too
// long for that starts further left, then has its letters a pixel closer; one too long even so
// starts just inside the left end, readable from its first letter.
void DrawPieceRowLabel(int32_t x, int32_t width, int32_t indent, int16_t y, std::string_view label);
// Whether a label stands on a row of pieces `width` pixels wide, clear of its ends, with its
// letters at the font's own spacing.
bool LabelFits(int32_t width, std::string_view label);

void DrawButton(int16_t x, int16_t y, int16_t widthPieces, std::string_view label);
void DrawTextField(int16_t x, int16_t y, int16_t widthPieces, std::string_view text);
void DrawChoiceField(int16_t x, int16_t y, int16_t widthPieces, std::string_view label);
void DrawCheckBox(int16_t x, int16_t y, uint32_t ticked);
void DrawDivider(int16_t x, int16_t y, int16_t count);
// Style 0 plain, any other style with a two-row title bar; heightPieces counts every row.
void DrawPanel(int16_t x, int16_t y, int16_t widthPieces, int16_t heightPieces, int16_t style,
               std::string_view title);

// The shared target of number-to-text conversion.
extern std::array<char, 12> TextScratch;
// The number in decimal in TextScratch.
std::string_view NumberText(int32_t n);
