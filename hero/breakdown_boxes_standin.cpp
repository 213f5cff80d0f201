#include "breakdown_boxes.h"

void ShowStatBreakdown(int16_t, int16_t, int16_t) {}
void ShowDrBreakdown(int16_t, int16_t, int16_t) {}
