#include "direction_actions.h"

int TrapSpotted(int16_t, int16_t) { return 0; }
void DirectionAction(int16_t) {}
