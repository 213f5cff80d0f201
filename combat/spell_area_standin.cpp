#include "data/game_state.h"
#include "spell_area.h"

void SpellArea(int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t) {}
void UseGem(int16_t g) {
    if (g >= 0 && g < 9 && GameState.GembagCounts[g] > 0) --GameState.GembagCounts[g];
}
void DrawMenuRowNumber(int16_t, int16_t, int16_t) {}
