// The hero's step and what it meets.
#pragma once

#include <cstdint>

// 1 while the last kill left loot that ScavengeCorpse has not shown yet.
extern uint32_t ScavengePending;
// That loot: item number (-1 none), power X, charges Y.
extern int16_t ScavengedItem[3];

// Whether the hero may enter (x, y), stepping by (dx, dy) from his square; carries out what
// meeting the square means but does not move him. turnTaken is 1 when the attempt cost a turn.
// 0 whenever the hero's level or square changed on the way (a flight, a teleporting event).
int TryStep(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t& turnTaken);
// The hero attacks the monster on (x, y), or meets it when it does not fight.
void BumpAttack(int16_t x, int16_t y);
void QuakeInFear();
// The question over a magic barrier on (x, y).
void DispelBarrier(int16_t x, int16_t y, int16_t encounter);
// Boarding a boat on (x, y), or the hero's boat moving with him there.
void MoveBoat(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t& pass);
void HurtByFloor(int16_t x, int16_t y);
// The loot box of the last kill's loot; clears ScavengePending and ScavengedItem.
void ScavengeCorpse();
