// The script editor: the level's 30 scripts, line by line.
#pragma once

#include <cstdint>

// Opens on script slot n (clamped to 0..29) and returns on "Done".
void RunScriptEditor(int16_t n);
// The whole screen for slot n with line `top` first and the line mode's label (0 none,
// 1 insert, 2 delete, 3 copy, 4 paste); shown when `show` is set.
void DrawScriptEditor(int16_t n, int16_t top, int16_t mode, int16_t show);
// The screen's fixed parts are drawn once and kept; this has them drawn afresh next time.
void ForgetScriptEditorBackdrop();
