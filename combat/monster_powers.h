// The monsters' powers: elemental blasts, draining the hero's charges, the suicide blast, the
// psionic blast, summoning allies and stealing food.
#pragma once

#include <cstdint>

// Runs the monster's power; 1 when it was used (the caller then marks it used).
uint32_t UseMonsterPower(int16_t monster, int16_t x, int16_t y, int16_t encounter, int16_t adjacent);

// Each 1 when used; (x, y) is the monster's anchor.
uint32_t RunAcidBlast(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunIceBlast(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunLightningBlast(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunFireBlast(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunDrainCharges(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunMonsterSuicide(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunPsionicBlast(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunSummoning(int16_t monster, int16_t x, int16_t y, int16_t encounter);
uint32_t RunStealFood(int16_t monster, int16_t x, int16_t y, int16_t encounter);

// The play screen with the power icon over the monster, which is drawn in its attack pose; the
// caller writes the power's line.
void ShowPowerMessage(int16_t x, int16_t y, int16_t encounter);
// Shows the announcement with its sound and a two-second pause.
void PlayPowerSound();
// A bolt of picture set kind flies from the monster's anchor to the hero.
void DrawMonsterBolt(int16_t x, int16_t y, int16_t kind);
// Six flashes of the two flash tiles.
void FlashScreen();
// Whether a monster of that number may appear anchored at (x, y): its whole footprint on free
// open ground, on the map, away from the hero, encounters and events.
bool FindSummonCell(int16_t monster, int16_t x, int16_t y);
