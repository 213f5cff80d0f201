// Resting: nights, healing, dreams.
#pragma once

#include <cstdint>

// The rest result: heals and refills by full and extra.
void RestRecover(int16_t full, int16_t extra);
void RestOneNight(int16_t full, int16_t extra);
void RestWithFood(int16_t extra);
void RestWithoutFood();
// 1 when the hero may rest here now; called by the Rest button before its prompt.
int CheckRestSafety();
