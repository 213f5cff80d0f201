// A monster's step toward the hero: the breadth-first search over the 13 x 13 window on the
// anchor positions of its footprint, the obstacle rules, the move itself and the random step
// taken when there is no path. Also the footprint adjacency every attack decision uses.
#pragma once

#include <cstdint>
#include <span>

// Cell codes of the path grid; 1..999 are the wave in which the search reached a cell, 0 the
// monster's own anchor.
constexpr int16_t kPathFree = 1002;
constexpr int16_t kPathBlocked = 1001;
constexpr int16_t kPathHero = 1000;

// [window column][window row].
using PathGrid = int16_t[13][13];

struct RingSquare {
    int8_t dx, dy;
};
// The squares that touch the footprint of a size class orthogonally, from its anchor, in the
// order a monster strikes barriers on them; empty for a class that is no footprint.
std::span<const RingSquare> FootprintRing(int16_t sizeClass);
// Width and height of the footprint of a size class.
void FootprintSize(int16_t sizeClass, int16_t& width, int16_t& height);

// 1 when the hero stands on a square of the ring of the monster's footprint anchored at (x, y).
int16_t IsMonsterAdjacent(int16_t monster, int16_t x, int16_t y);
// One move of the encounter anchored at (x, y): a step along a shortest path; without one the
// monster strikes the barriers beside it, or else takes one random step.
void FindMonsterPath(int16_t x, int16_t y, int16_t encounter);
// Writes kPathBlocked into every window cell the encounter's monster cannot enter.
void BuildMonsterObstacleGrid(PathGrid& grid, int16_t encounter, int16_t originX, int16_t originY);
// 1 when the anchor cell (i, j) is free and unreached, no other footprint cell is blocked, and
// the whole footprint lies inside the window.
uint32_t CanMonsterStand(const PathGrid& grid, int16_t encounter, int16_t i, int16_t j, int16_t sizeClass);
// 1 when the event on map square (x, y) bars the encounter (a monster, or a pushed object);
// encounter -1 is a mover with none of the abilities, as the teleported hero is judged.
uint32_t IsEventBlockingMonster(int16_t x, int16_t y, int16_t encounter);
// Moves the anchor from (x, y) to (x2, y2), opening a door stepped into.
void MoveMonster(int16_t x, int16_t y, int16_t x2, int16_t y2, int16_t sizeClass, int16_t encounter);
// One random direction is tried; the step is taken when the search reached that cell.
void StepMonsterGreedy(int16_t x, int16_t y, int16_t sizeClass, int16_t encounter, const PathGrid& grid);
