#include "monster_layer.h"

void DrawMonsterLayer(int16_t, int16_t, int16_t, int16_t, int16_t) {}
void DrawViewFrame() {}
