#include "hero_screen_pages.h"

#include "data/game_state.h"

int IsLoreKnown() {
    for (uint32_t known : GameState.LoreKnown)
        if (known == 1) return 1;
    return 0;
}
int16_t BackpackPage() { return IsLoreKnown() ? 3 : 2; }
int16_t BagPage() { return int16_t(BackpackPage() + 1); }

void DrawHeroScreen(int16_t, int16_t) {}
