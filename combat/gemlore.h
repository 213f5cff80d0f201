// The Gemlore powers: four blasts aimed at the window, the elemental shields, True Sight,
// Heroism, Magic Shield, Water Walk and Dimension Door; the spell dice every power rolls and
// the short picture every self-targeted power shows. Each power returns 1 when it acted (its
// gem spent), 0 when its target screen was cancelled or it was refused.
#pragma once

#include <cstdint>

// One die of n/2 + 1 sides (n/2 + 2 for an odd n) plus n/2 - 1: n/2 .. n. A column value below 1
// gives no dice at all, so it deals nothing.
struct SpellDice {
    int16_t count, sides, bonus;
};
SpellDice SpellDiceOf(int16_t n);
// 1 while the hero stands on kGemloreAccess.
int OnEnhanceGemloreSquare();

int CastAcidCloud();
int CastIceStorm();
int CastLightningBolt();
int CastInferno();
int CastAcidResist();
int CastColdResist();
int CastElectResist();
int CastFireResist();
int CastDimensionDoor();
int CastTrueSight();
int CastHeroism();
int CastMagicShield();
int CastGemWaterWalk();

// The play screen, then the hero in his casting pose with the piece (-1 none) above him, the
// sound, and a pause of delayMs.
void PowerUpEffect(uint32_t delayMs, int16_t piece, const char* soundName);
