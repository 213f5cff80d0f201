// The encounters of the current level (monsters, push objects, boats, barriers) and the grid
// that maps every square of their footprints to them.
#pragma once

#include <cstdint>

constexpr int kEncounterCount = 50;

// Encounter kinds; a free slot is -1.
constexpr int16_t kPushObjectKind = 1;
constexpr int16_t kBoatKind = 2;
constexpr int16_t kMonsterKind = 3;
constexpr int16_t kBarrierKind = 4;

// The footprint class of a monster or NPC picture: 0 one square, 1 two wide, 2 two tall,
// 6 2 x 2, 9 3 x 3. Pictures outside 0..1795 are class 0.
int16_t PictureSizeClass(int16_t picture);
// Writes encounter into MonsterGrid on the footprint of class sizeClass anchored (top-left) at
// (x, y). Squares off the map and squares held by another encounter are left alone; a 3 x 3
// that does not fit takes only its anchor. With edgeBoxes, each cut is reported in a box.
void MarkFootprint(int16_t x, int16_t y, int16_t sizeClass, int16_t encounter, int16_t edgeBoxes = 0);
// Clears every MonsterGrid square of the level that names encounter.
void ClearEncounterSquares(int16_t encounter);

// Clears the list, the grid and the damaging floors, then adds the encounters of the level's
// MONSTER, PUSH, BOAT and SPAWN events.
void PopulateEncounters();
// The MONSTER EVENT on (x, y) in the first free slot.
void SpawnMonsterAt(int16_t x, int16_t y);
// Slot `slot` from the MONSTER EVENT on (x, y) with that monster number, footprint marked.
void AddEventMonster(int16_t x, int16_t y, int16_t monster, int16_t slot);
// A summoned monster in the first free slot with its footprint marked; 1 when added. Nothing
// is added on an anchor off the map or held by another encounter; with all 50 in use it shows
// "Encounter list full 4!". countForBattle raises the battle's count while it is above 0.
int AddMonsterEncounter(int16_t monster, int16_t x, int16_t y, int16_t facing, int16_t countForBattle);
// A push object (kind 1) of that tile on (x, y).
void AddPushEncounter(int16_t kind, int16_t tile, int16_t x, int16_t y);
// The boat of the BOAT EVENT on (x, y), where its flags remember it.
void AddBoatEncounter(int16_t kind, int16_t picture, int16_t x, int16_t y);
// The SPAWN EVENT on (x, y) at level entry.
void RunSpawnEvent(int16_t x, int16_t y);
// The monsters and boats whose event condition flag is `flag` and that are not there yet.
void SpawnMonstersOfGroup(int16_t flag);
// 1 when a monster in the list carries that status flag (above 0).
int IsFlagMonsterAlive(int16_t flag);
// 1 when a boat in the list was made by the BOAT EVENT on (x, y).
int IsBoatAt(int16_t x, int16_t y);
