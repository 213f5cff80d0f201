#include "upkeep.h"

void FinishStep(int16_t, int16_t) {}
