// The encounters drawn over the map view (push objects, boats, monsters of five footprint
// sizes, barriers) with their hit bars and effect marks, and the frame around the view.
// Drawing the layer decides the hero's Fear: 1 exactly when a fear-inducing monster is drawn.
#pragma once

#include <cstdint>

// The encounters of the 13 x 13 area whose top-left square is (originX, originY), with the
// large monsters anchored just left of or above it reaching in. Only the origin is used.
void DrawMonsterLayer(int16_t originX, int16_t originY, int16_t viewMode, int16_t targetX, int16_t targetY);
// The frame around the 416 x 416 view.
void DrawViewFrame();

// 1 when (x, y) is the top-left square of encounter e's footprint.
int IsFootprintAnchor(int16_t x, int16_t y, int16_t e);
void DrawMonsterAt(int16_t i, int16_t j, int16_t originX, int16_t originY, int16_t e, int16_t x, int16_t y);
// Fear becomes 1 when the monster induces fear; once set it stays for the rest of the layer.
void SetFearFromMonster(int16_t e, int16_t monster);
// The size-class drawers; (px, py) is the anchor cell's pixel corner.
void DrawMonsterSingle(int16_t px, int16_t py, int16_t picture, int16_t sizeClass, int16_t x, int16_t y, int16_t e,
                       int16_t i, int16_t j);
void DrawMonsterWide(int16_t px, int16_t py, int16_t picture, int16_t sizeClass, int16_t x, int16_t y, int16_t e,
                     int16_t i, int16_t j);
void DrawMonsterTall(int16_t px, int16_t py, int16_t picture, int16_t sizeClass, int16_t x, int16_t y, int16_t e,
                     int16_t i, int16_t j);
void DrawMonsterHuge(int16_t px, int16_t py, int16_t picture, int16_t sizeClass, int16_t x, int16_t y, int16_t e,
                     int16_t i, int16_t j);
void DrawMonsterMega(int16_t px, int16_t py, int16_t picture, int16_t sizeClass, int16_t x, int16_t y, int16_t e,
                     int16_t i, int16_t j);
void DrawPushObject(int16_t i, int16_t j, int16_t x, int16_t y, int16_t e);
void DrawBoat(int16_t i, int16_t j, int16_t x, int16_t y, int16_t e);
void DrawBarrier(int16_t i, int16_t j, int16_t x, int16_t y, int16_t e);
// A bar of 20 pixels (kinds 0..2) or 40 (kind 3); empty when hpMax is 0 or less.
void DrawHitBar(int16_t hp, int16_t hpMax, int16_t x, int16_t y, int16_t kind);
// One digit picture per spell effect in force, side by side.
void DrawEffectMarks(int16_t x, int16_t y, int16_t e);
// The parts of large monsters anchored one column left, one row above, or diagonally
// above-left of the window; (mapX0, mapY0) is the map square of the row or column outside.
void DrawLeftReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0);
void DrawTopReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0);
void DrawCornerReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0);
