// The labels of a flag condition's comparison and of a flag assignment, drawn in a text field.
// The event dialogs, the exits editor and the script editor show the same labels.
#pragma once

#include <cstdint>
#include <string_view>

// " >", " <", ">=", "<=", "!=", "==" for 0..5; "ERROR!" for -1 and for any other value.
std::string_view CompareOpLabel(int16_t op);
void DrawCompareOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op);
// "=", "+=", "-=" for 0..2 and "Er!" below 0, in a field; above 2 no field but "**Er**" in the
// big font, red, at (x, y).
void DrawAssignOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op);
