// The end of a won game: a win text scrolling over its picture, with the final score.
#pragma once

#include <cstdint>

// The win text named by operand 0 of that script line (0 or 1).
void WinGame(int16_t line, int16_t script);
// Until Esc.
void ShowFinalScore(int16_t record);
