// The script message window.
#pragma once

#include <cstdint>

extern int16_t MessageLineCount;

// The play screen with the script's title and the window's lines; flips only when asked.
void ShowMessageLines(int16_t script, uint32_t flip);
// The window with an empty answer field under its lines, then a flip.
void RedrawScriptAnswer(int16_t script);
