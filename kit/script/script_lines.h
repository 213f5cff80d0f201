// The rows of the script editor: one line each, drawn and edited by its code's layout.
#pragma once

#include <cstdint>

// Row 0..11 of the editor, y = 100 + 22 * row.
constexpr int16_t kScriptRows = 12;
constexpr int16_t ScriptRowY(int16_t row) { return int16_t(100 + 22 * row); }

// The line's number, its code cell and its code's labels and fields on that row.
void DrawScriptLine(int16_t script, int16_t line, int16_t row);
// One frame of editing of one row: the code cell (the code picker), then the fields of the
// line's code. Every change redraws the editor with the top line and line mode given.
void EditScriptLine(int16_t script, int16_t line, int16_t top, int16_t row, int16_t mode);

// Shown when an insert would lose line 399, which holds a code: nothing moves.
void ShowLastLineInUse();
