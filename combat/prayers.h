// The Prayer powers. Each spends one prayer charge and always acts once the menu's checks have
// passed, so each returns 1.
#pragma once

#include <cstdint>

int PrayHealing();
int PrayDivineCure();
int PrayUnbind();
int PrayBlessing();
int PrayMindShield();
int PrayBodyShield();
int PrayWaterWalk();
int PraySmite();

// Cursed items worn as helmet, armour, boots, gloves, rings, amulet and belt are taken off and
// destroyed; weapons, shield, wand, bow, ammunition and the packs are left alone.
void UnbindCursedItems();
void UnbindSlot(int16_t slot);
// Every demon and undead monster on a seen window square, and every undead wall seen.
void SmiteInSight();
// (viewX, viewY) a window square.
void SmiteMonsterAt(int16_t viewX, int16_t viewY);
// The TOGGLE EVENT wall on map square (x, y) falls when its condition holds.
void SmiteUndeadWall(int16_t x, int16_t y);
