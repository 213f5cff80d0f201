// The labels of the flag comparisons and assignments, drawn in a text field.
#pragma once

#include <cstdint>

// " >", " <", ">=", "<=", "!=", "==" for 0..5.
void DrawCompareOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op);
// "=", "+=", "-=" for 0..2.
void DrawAssignOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op);
