#include "portals.h"

void DigAtDigPortal(int16_t, int16_t, int16_t, int16_t) {}
