// The settings screen (the player's options) and the help page.
#pragma once

#include <cstdint>

// Edits Options; Accept writes Option.dat, Cancel puts back the options held on entry.
void RunSettings();
void DrawSettings(uint32_t flip);
