// Wands: the power of a wand fixed by its item number, with X its strength and Y its charges,
// used from the wand slot or from the backpack. A charge is spent once a square was chosen.
#pragma once

#include <cstdint>

// The equipped wand's power; 1 when it acted. An empty wand does nothing, silently.
int UseWand();
// The wand on the cursor; 1 when it acted. An empty wand plays "No". A used wand goes back into
// the backpack (else the bag) with one charge less; with no room it stays on the cursor.
int UsePowerOnMonster();

// Square effects on window square (viewX, viewY); 1 when they changed something.
int WandMakeDormant(int16_t viewX, int16_t viewY, int16_t monsterNumber);
int WandQuestItem(int16_t viewX, int16_t viewY, int16_t monsterNumber);
int WandFlowers(int16_t viewX, int16_t viewY);
