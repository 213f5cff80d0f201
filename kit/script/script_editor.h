// The script editor: the level's 30 scripts, line by line.
#pragma once

#include <cstdint>

// Opens on script slot n (0..29) and returns on "Done".
void RunScriptEditor(int16_t n);
