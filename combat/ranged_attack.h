// The hero's ranged attack: the target list of the seen monster squares, nearest first, the
// target screen and the shot.
#pragma once

#include <array>
#include <cstdint>

struct RangedTarget {
    int16_t x, y;      // map square; -1 for an empty entry
    int16_t distance;  // -1 for an empty entry
};
// Every seen square of the window can be a target, so the list holds the whole window.
using TargetList = std::array<RangedTarget, 169>;

// 1 when a shot was fired.
int32_t RunRangedCombat();
// The target loop; the index shot at (fired set), or -1.
int16_t ChooseTarget(const TargetList& targets, int16_t originX, int16_t originY, int32_t& fired);
void DrawTargetScreen(int16_t index, const TargetList& targets, int16_t originX, int16_t originY);
// Steps between the hero and map square (x, y), along the axes.
int16_t TargetDistance(int16_t x, int16_t y);
// Nearest first; equal distances keep their order and empty entries go last.
void SortTargetsByDistance(TargetList& targets);
// One shot at the monster on map square (x, y); 1 when it was killed.
int32_t ShootAtTarget(int16_t x, int16_t y);
