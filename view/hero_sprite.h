// The hero's figure on the map view, with the overlays of the hero's square.
#pragma once

#include <cstdint>

// viewMode: 0 standing, 1 melee attack, 2 casting, 3 aiming, 4 shooting.
void DrawHeroSprite(int16_t originX, int16_t originY, int16_t viewMode);
void DrawBeastForm(int16_t sx, int16_t sy, int16_t viewMode);
// The shield of the off-hand slot over the figure; nothing for an item that has no picture.
void DrawOffHandShield(int16_t sx, int16_t sy);
void DrawUndeadOverlay(int16_t originX, int16_t originY);
void DrawMagicFoodFigure(int16_t sx, int16_t sy, int16_t viewMode);
// The hit-point marker above the hero's cell.
void DrawHurtMark(int16_t originX, int16_t originY);
// The thought bubble above the hero, away from the map's outer two rows and columns.
void DrawIdleThought(int16_t originX, int16_t originY);
