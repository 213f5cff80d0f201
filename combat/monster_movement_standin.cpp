#include "monster_movement.h"

uint32_t IsEventBlockingMonster(int16_t, int16_t, int16_t) { return 0; }
