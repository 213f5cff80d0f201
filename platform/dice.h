// Dice expressions (count, sides, bonus): the roll, the text form, the field and its dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// count dice of 1 to sides, plus bonus, in 16 bits.
int16_t RollDice(int16_t count, int16_t sides, int16_t bonus);
// "2d6+3", "1d8", or "0" when all three are 0.
std::string DiceText(int16_t count, int16_t sides, int16_t bonus);
void DrawDiceButton(int16_t x, int16_t y, int16_t widthPieces, int16_t count, int16_t sides, int16_t bonus);
// Edits the three values in place; Cancel puts them back.
void EditDice(int16_t x, int16_t y, std::string_view title, int16_t& count, int16_t& sides, int16_t& bonus);
void DrawDiceDialog(int16_t x, int16_t y, std::string_view title, int16_t count, int16_t sides, int16_t bonus);
