// Wilderness encounters and the battle arena (level 130), built in memory. The battle lives
// outside the saved game.
#pragma once

#include <cstdint>
#include <string>

// Monsters left in a wilderness battle; -1 exactly while no battle runs.
extern int16_t WildCombatMonsters;
// Level, x and y where the battle began; -1 none.
extern int16_t BattleReturnPlace[3];
// The flag changes (flag, operator, value) made on victory and on flight.
extern int16_t VictoryFlagChange[3];
extern int16_t FlightFlagChange[3];
// The battle's tune, -1 none; the chance to flee in percent, 0 no flight.
extern int16_t BattleTune;
extern int16_t FleeChance;

// The WILDERNESS COMBAT EVENT on (x, y), stepped on by (dx, dy).
void RunWildernessCombatEvent(int16_t x, int16_t y, int16_t dx, int16_t dy);
// The chance of a battle and the pick of its monsters.
void RollWildernessEncounter(int16_t x, int16_t y, int16_t dx, int16_t dy);
// The encounter's second line: the count and the monster's name, in the plural for a count
// other than 1 ("2 Grey Wolves.").
std::string EncounterLine(int16_t monster, int16_t count);
// "You have encountered ..."; its button starts the battle.
void AnnounceEncounter(int16_t x, int16_t y, int16_t monster, int16_t count, int16_t dx, int16_t dy);
void StartWildernessCombat(int16_t x, int16_t y, int16_t monster, int16_t count, int16_t dx, int16_t dy);
// The hero walked into the ring: leave as victor, or try to flee.
void AskFleeCombat(int16_t victory);
// Back to where the battle began, the battle state cleared.
void ReturnFromBattle();
// The battle state cleared and the zone music back, the hero left where he is.
void LeaveBattleState();
// No battle, no return place, no saved words.
void ClearBattleReturn();

// The arena: ground, scattered rocks and objects, the roads of the map square, the ring.
void BuildWildernessArena(int16_t x, int16_t y, int16_t terrainTile);
void CarveArenaPaths(int16_t terrainTile);
void ScatterArenaObjects(const int16_t tiles[3]);
void RepairArenaObjects();
// The hero's entry square on the side he came from, the squares before him cleared.
void PlaceArenaExits(int16_t dx, int16_t dy);
void PlaceArenaMonsters(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t monster, int16_t count);
// 1 when the monster's whole footprint on (x, y) is free ground without an encounter.
int ArenaSquareFree(int16_t x, int16_t y, int16_t monster);
