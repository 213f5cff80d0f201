// The victory, which the front end shows: the win text named by operand 0 of that script
// line (0 or 1) scrolling over its picture, with the final score.
#pragma once

#include <cstdint>

void WinGame(int16_t line, int16_t script);
