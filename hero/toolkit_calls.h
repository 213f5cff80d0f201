// The screen toolkit's drawing and entry calls that the hero screens use. Until the toolkit
// lands these are stand-ins (hero/toolkit_calls_standin.cpp); the declarations are the
// toolkit's own, so the switch is one include.
#pragma once

#include <cstdint>
#include <string_view>

void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour);
void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour);
void DrawButton(int16_t x, int16_t y, int16_t widthPieces, std::string_view label);
void DrawTextField(int16_t x, int16_t y, int16_t widthPieces, std::string_view text);
void DrawPanel(int16_t x, int16_t y, int16_t widthPieces, int16_t heightPieces, int16_t style,
               std::string_view title);
int16_t EnterNumber(int16_t x, int16_t y, int16_t widthPieces, int16_t min, int32_t max);
