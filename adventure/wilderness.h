// The wilderness battle arena (level 130).
#pragma once

#include <cstdint>

// Monsters left in a wilderness battle; -1 exactly while no battle runs.
extern int16_t WildCombatMonsters;

// Clears the battle state and restarts the zone music without moving the hero.
void LeaveBattleState();
