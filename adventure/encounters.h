// The encounters of the current level (monsters, push objects, boats, barriers) and the grid
// that maps every square of their footprints to them.
#pragma once

#include <cstdint>

constexpr int kEncounterCount = 50;

// The footprint class of a monster or NPC picture: 0 one square, 1 two wide, 2 two tall,
// 6 2 x 2, 9 3 x 3. Pictures outside 0..1795 are class 0.
int16_t PictureSizeClass(int16_t picture);
// Writes encounter into MonsterGrid on the footprint of class sizeClass anchored (top-left) at
// (x, y). Squares off the map and squares held by another encounter are left alone.
void MarkFootprint(int16_t x, int16_t y, int16_t sizeClass, int16_t encounter);
// Clears every MonsterGrid square of the level that names encounter.
void ClearEncounterSquares(int16_t encounter);

// Clears the list and the grid, then adds the encounters of the level's MONSTER, PUSH, BOAT
// and SPAWN events.
void PopulateEncounters();
// A monster in the first free encounter with its footprint marked; 1 when added. With all 50
// in use it shows "Encounter list full 4!" and adds nothing.
int AddMonsterEncounter(int16_t monster, int16_t x, int16_t y, int16_t facing, int16_t countForBattle);
// A push object (kind 1) or boat (kind 2) of that tile on (x, y).
void AddPushEncounter(int16_t kind, int16_t tile, int16_t x, int16_t y);
// The MONSTER EVENT on (x, y) added as an encounter.
void SpawnMonsterAt(int16_t x, int16_t y);
// Every MONSTER EVENT of the level whose group word is group and whose kill flag is -1.
void SpawnMonstersOfGroup(int16_t group);
