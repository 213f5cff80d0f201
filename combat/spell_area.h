// The spell engine: an area of the window struck by a power.
#pragma once

#include <cstdint>

// Applies power kind to every monster of the area around view square (x, y) (area mode 0 one
// square, 1 3 x 3, 2 5 x 5), and to the hero when hitsHero and he stands in it; redraws.
void SpellArea(int16_t x, int16_t y, int16_t areaMode, int16_t kind, int16_t count, int16_t sides, int16_t bonus,
               int16_t spare, int16_t hitsHero, int16_t viewMode, int16_t curseValue);
// Spends one gem of kind g (0..8).
void UseGem(int16_t g);
void DrawMenuRowNumber(int16_t x, int16_t y, int16_t row);
