// A monster's death: the world's memory of the kill, the death item, experience, the freed
// encounter and its squares, and the corpse, acid pool or explosion it leaves.
#pragma once

#include <cstdint>

// The monster of encounter e dies; (x, y) is a square of its footprint, normally its anchor.
// firstX and firstY receive the first cleared square of its footprint (-1 when none). A free
// encounter does not die again.
void KillMonster(int16_t x, int16_t y, int16_t e, int16_t& firstX, int16_t& firstY);
// Frees one encounter record: kind and words -1, spell effects 0. The grid is not touched.
void ClearMonster(int16_t e);
// Clears the squares of the encounter around (x, y), leaving what its On Death kind leaves.
void ClearMonsterSquares(int16_t x, int16_t y, int16_t e, int16_t monster, int16_t& firstX, int16_t& firstY);
// The kill picture over the footprint, by the monster's size class.
void DrawKillSplash(int16_t monster, int16_t firstX, int16_t firstY);
// The first free damaging-floor timer; nothing when all 100 are used.
void AddDamageFloorTimer(int16_t x, int16_t y, int16_t turns);
void AwardMonsterXp(int16_t monster);
// The 3 x 3 blast around (x, y) of a monster that explodes on death.
void ExplodeOnDeath(int16_t x, int16_t y, int16_t monster);
