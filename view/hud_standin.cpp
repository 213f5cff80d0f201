#include "data/game_state.h"
#include "hud.h"
#include "platform/fonts.h"

void DrawHeroSummary(int16_t x, int16_t y) {
    char name[17] = {};
    for (int i = 0; i < 16 && GameState.HeroName[i]; ++i) name[i] = GameState.HeroName[i];
    DrawSmallText(x, y, name, 0);
}

void DrawCombatPanel(int16_t, int16_t) {}
