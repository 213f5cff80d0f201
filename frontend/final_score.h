// The end of a won game: a win text scrolling over its picture, with the final score.
#pragma once

#include <cstdint>

#include "script/win_game.h"

// Until Esc.
void ShowFinalScore(int16_t record);
