// Experience and the level advance.
#pragma once

#include <array>
#include <cstdint>

// Adds n experience, more while the Wisdom aura is active; the sum is taken in 32 bits.
void AddXp(int16_t n);
// One level up: the level's statistic points spent on Strength .. Perception, its skill points
// added for trainers. Callers test the threshold first. Cancel leaves no trace.
void RunLevelAdvance();
// entryStats: the current statistics when the screen opened; a raised value shows green.
void DrawLevelAdvance(const std::array<int16_t, 7>& entryStats, uint32_t flip);
