// Aiming a spell or power at the window: the area cursor with its monster list, and the
// one-square cursor of the powers aimed at a single square.
#pragma once

#include <cstdint>

// The target screen; 1 with the window square (0..12 each) of the area's top-left corner in x
// and y, 0 when cancelled (x and y then as they were). Area mode 0 one square, 1 3 x 3, 2 5 x 5.
uint32_t TargetSpell(int16_t areaMode, int16_t& x, int16_t& y, const char* title);
// The seen, awake monster squares of the window in scan order, at most 10; count is the index of
// the last entry (-1 when none).
void ListTargetMonsters(int16_t (&xs)[10], int16_t (&ys)[10], int16_t& count);
void DrawSpellCursor(int16_t cx, int16_t cy, int16_t areaMode, const char* title);
// The one-square cursor; 1 with the chosen window square in x and y.
uint32_t TargetMonsterPower(int16_t& x, int16_t& y, int16_t item);
void DrawPowerCursor(int16_t cx, int16_t cy, int16_t item);

// What every target screen shares: the cursor moved by the arrow or numpad keys within
// 0..largest (true when it moved), the window square under a click on the view, and the lines
// that tell how to aim.
bool MoveCursorByKeys(int16_t& cx, int16_t& cy, int16_t largest);
bool ViewClicked(int16_t& i, int16_t& j);
void DrawAimLines();
