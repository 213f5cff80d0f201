// Monster movement over the level.
#pragma once

#include <cstdint>

// 1 when the event on (x, y) bars the monster of that encounter.
uint32_t IsEventBlockingMonster(int16_t x, int16_t y, int16_t encounter);
