// The script interpreter.
#pragma once

#include <cstdint>

// Runs script slot `script` (0..29) of the current level for the event on (x, y).
void RunScript(int16_t script, int16_t x, int16_t y);
