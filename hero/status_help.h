// Help on afflictions, timed effects and auras.
#pragma once

#include <cstdint>

void RunAfflictionHelp();
void RunEffectHelp();
void ShowAuraHelp(int16_t x, int16_t y, int16_t aura);
