// Events that hand out things: single items, caches, pots, food, and the NPCs' scripts.
#pragma once

#include <cstdint>

void RunOneItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunItemsCacheEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSearchEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunFoodEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The NPC of (x, y) talks: the level's script of word 4 runs.
void RunScriptEvent(int16_t x, int16_t y, int& result);
// Wakes the level's dormant pot monsters whose activation flag is `flag` and now holds 1.
void ReleasePotMonsters(int16_t flag);
