// The side panel's pieces that other screens draw too.
#pragma once

#include <cstdint>

// The hero's name, level and experience lines.
void DrawHeroSummary(int16_t x, int16_t y);
// The hero's attack and defence values.
void DrawCombatPanel(int16_t x, int16_t y);
