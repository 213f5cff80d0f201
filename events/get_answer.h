// The event that asks the player for an answer.
#pragma once

#include <cstdint>

// The event's screen with its Answer and Leave buttons, or, while answering, an empty
// answer field at (485, fieldY); flips.
void DrawGetAnswerScreen(int16_t x, int16_t y, int16_t answering, int16_t fieldY);
