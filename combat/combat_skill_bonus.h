// The hero's situational to-hit bonus from his skills at the moment of an attack.
#pragma once

#include <cstdint>

enum AttackKind : int16_t { kArmedMelee = 0, kUnarmedMelee = 1, kRanged = 2 };

// Armsmaster's bonus for armed melee, Targeteer's for ranged, nothing unarmed; the Dual
// Weapons penalty taken off for an off-hand blow. monsterType is not used.
int16_t CombatSkillBonus(int16_t kind, int16_t monsterType, int16_t offhand);
