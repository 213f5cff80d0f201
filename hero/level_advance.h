// Experience and the level advance.
#pragma once

#include <cstdint>

// Adds n experience (more while the Wisdom aura is active).
void AddXp(int16_t n);
void RunLevelAdvance();
