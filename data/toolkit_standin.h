// The screen toolkit's calls that the data screens use, declared as the toolkit declares
// them, until the toolkit lands. The stand-in definitions draw no glyphs: they only record
// texts (as the headless back end shows) and read keys.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

constexpr int16_t kBigTeal = 0, kBigRed = 91, kBigBlue = 182, kBigWhite = 273, kBigGreen = 364, kBigBlack = 455;
constexpr int16_t kSmallBlack = 0, kSmallRed = 91, kSmallBlue = 182, kSmallGreen = 273;

void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour);
void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour);
void DrawButton(int16_t x, int16_t y, int16_t widthPieces, std::string_view label);
void DrawTextField(int16_t x, int16_t y, int16_t widthPieces, std::string_view text);
// The number in decimal in a shared scratch buffer.
std::string_view NumberText(int32_t n);

int Confirm(int16_t x, int16_t y, std::string_view text);
void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2);

int16_t EnterNumber(int16_t x, int16_t y, int16_t widthPieces, int16_t min, int32_t max);
int32_t EnterText(int16_t x, int16_t y, std::span<char> text, int16_t minLen, int16_t maxLen, uint32_t allowEsc,
                  uint32_t randomName, int16_t context, int16_t a, int16_t b, int16_t c);
