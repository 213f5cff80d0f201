#include "pick_level.h"

void PickLevel(int16_t, int16_t, int16_t) {}
