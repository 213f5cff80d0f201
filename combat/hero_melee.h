// The hero's blows on a monster.
#pragma once

#include <cstdint>

// Each attacks the monster whose footprint holds (x, y); 1 when it was killed.
int MeleeAttackWeapon(int16_t x, int16_t y);
int MeleeAttackDual(int16_t x, int16_t y);
int MeleeAttackInForm(int16_t x, int16_t y);
void MeleeAttackBareHanded(int16_t x, int16_t y);
// Waits until the arrow keys and numpad 8, 2, 4 and 6 are all up, so a held key does not walk on.
void FlushMoveKeys();
