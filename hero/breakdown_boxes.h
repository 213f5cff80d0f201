// The boxes that break a value of the hero down into its parts.
#pragma once

#include <cstdint>

// Statistic row 0..7 of the side panel.
void ShowStatBreakdown(int16_t row, int16_t x, int16_t y);
void ShowDrBreakdown(int16_t mode, int16_t x, int16_t y);
