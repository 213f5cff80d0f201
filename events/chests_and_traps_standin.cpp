#include "chests_and_traps.h"

void DrawTrapResult(int16_t, int16_t, int16_t, int16_t) {}
