#include "text_events.h"

void RunStepTextEvent(int16_t, int16_t, int16_t, int16_t, int16_t) {}
