// The panel that describes a power of the Activate Skill menu while the right button is held on
// its row: what it does, its strength at the hero's skill, and its requirements and cost, each
// in red when the hero does not meet it.
#pragma once

#include <cstdint>

// Draws the panel over the menu (drawn by the caller without a flip), flips, and waits until the
// right button is up. A row without a description draws nothing.
void ShowPowerDescriptions(int16_t selected, const int16_t (&kinds)[3], int16_t page, int16_t row, int hasRitualKnife,
                           int hasHolySymbol);
// The nine cures by the Prayer skill each needs, lowest first; the panel's corner is (x, y).
void DrawDivineCureList(int16_t x, int16_t y);
