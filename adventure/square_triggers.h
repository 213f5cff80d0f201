// Events that act when the hero steps onto their square.
#pragma once

#include <array>
#include <cstdint>

// The 26 sound effects events and scripts name by number; 0 "None!" is no sound.
extern const std::array<const char*, 26> SoundNames;

// Draws Text[page] (0 or 1) of the event on (x, y) over the play screen without its side
// panel; no flip. Returns the y below the text.
int16_t DrawEventTextPage(int16_t x, int16_t y, int16_t page);
// A weight comes onto the PRESSURE PAD EVENT of (x, y), or leaves it.
void RunPressurePadEvent(int16_t x, int16_t y);
void ReleasePressurePad(int16_t x, int16_t y);
void RunActivateScriptEvent(int16_t x, int16_t y);
