#include "event_pictures.h"

void DrawCellEvent(int16_t, int16_t, int16_t, int16_t, int16_t, int16_t) {}
