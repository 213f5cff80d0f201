// Help on the status icons of the play screen (afflictions under the view, enhancements in
// the side panel) and on the auras, while the right mouse button is held.
#pragma once

#include <cstdint>

// The affliction icon under a right click, found in the order the play screen draws them.
void RunAfflictionHelp();
// The enhancement icon under a right click, likewise.
void RunEffectHelp();
void DrawAfflictionHelp(int16_t topic);
void DrawEffectHelp(int16_t topic);
// The aura's panel at (x, y) with what the hero's Auras skill makes of it.
void ShowAuraHelp(int16_t x, int16_t y, int16_t aura);
