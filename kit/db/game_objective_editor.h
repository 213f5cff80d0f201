// The game objective editor's screen (RunGameObjectiveEditor is declared with the other
// database editors).
#pragma once

#include <cstdint>

// Objective page 0..9 with its eleven lines from firstLine; playing is the tune that plays,
// -1 none. Flip 1 presents it.
void DrawGameObjectiveEditor(int16_t page, int16_t playing, int16_t firstLine, int16_t flip);
