// Death, falls into the abyss, and the time loop that folds death back.
#pragma once

#include <cstdint>

// The TIME LOOP EVENT on (x, y): a snapshot of the game and a countdown of steps.
void RunTimeLoopEvent(int16_t x, int16_t y);
// Time folds back to the snapshot; expired 1 when the countdown ran out (the device explodes
// first), 0 when the hero died or fell during the loop. A snapshot that cannot be read ends
// the loop and the adventure as a death.
void ExplodeTimeDevice(int16_t expired);
// A fall into a chasm or a maw: the end of the adventure, or a fold-back during a loop.
void FallIntoAbyss();
// The end of the adventure by death.
void ShowSlainScreen();
