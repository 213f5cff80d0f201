// A missile's flight across the map view, shared by the hero's shots, the monsters' missiles
// and the bolts of their powers.
#pragma once

#include <cstdint>

// Flies a missile picture from map square (fromX, fromY) to (toX, toY). byHero 1 takes the
// picture and sound from the equipped ammunition and bow; byHero 0 takes kind as the monster's
// (0 arrow, 1 acid, 2 cold, 3 elect, 4 fire, 6 poison, 7 laser). shooterMonster -1 for the hero,
// else the monster number, whose size class moves the start to its middle.
void AnimateMissile(int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t byHero, int16_t kind,
                    int16_t shooterMonster);
// The flight of picture set drawnKind (0..4) between two pixel points, without sound; a set
// outside 0..4 draws nothing.
void FlyMissile(int32_t startX, int32_t startY, int32_t endX, int32_t endY, int16_t drawnKind, int16_t byHero);
// One frame of a flight: the play screen with the picture at (px, py), flipped.
void DrawMissileStep(int32_t px, int32_t py, int16_t picture, int16_t byHero, int16_t diagonal);

struct MissileLine {
    double slope, intercept;
};
MissileLine LineThroughPoints(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// y at x, truncated toward zero.
int32_t PointOnLine(const MissileLine& line, int32_t x);
