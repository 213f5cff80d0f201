#include "pits_and_shafts.h"

void RunPitTrap(int16_t, int16_t, int16_t, int16_t) {}
void RunShaft(int16_t, int16_t, int16_t) {}
