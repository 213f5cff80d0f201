#include "event_dispatch.h"

int RunSquareEvent(int16_t, int16_t, int16_t, int16_t) { return 1; }
int RunAdjacentScriptEvents(int16_t, int16_t, int16_t, int16_t) { return 1; }
