// The encounter on a map square and the monster record behind it, read with every index
// checked: a damaged save or monster file makes an encounter inert, never a crash.
#pragma once

#include <cstdint>
#include <string>

#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/monster_records.h"

// The encounter index on map square (x, y); -1 off the map, on an empty square, or for an index
// outside the list.
int16_t EncounterIndexAt(int32_t x, int32_t y);
// The encounter of that index, or null outside 0..49.
Encounter* EncounterOf(int32_t e);
// The monster record of a monster number, or null outside 0..299.
const MonsterRecord* MonsterRecordOf(int32_t monster);
// The monster (Kind 3 with a valid monster number) of encounter e, or null.
const MonsterRecord* LiveMonsterOf(int32_t e);
// A live monster encounter with its record; false (both null) where there is none.
struct LiveMonster {
    int16_t e = -1;
    Encounter* encounter = nullptr;
    const MonsterRecord* record = nullptr;
    explicit operator bool() const { return record != nullptr; }
};
// The live monster of encounter e.
LiveMonster LiveMonsterIn(int32_t e);
// The live monster on map square (x, y).
LiveMonster LiveMonsterAt(int32_t x, int32_t y);
// A dormant monster: its dormant flag (1 and above) meets its condition; it neither attacks
// nor is a target.
bool IsDormant(const Encounter& r);
// The footprint class of a monster number; 0 for a number outside the table.
int16_t MonsterSizeClass(int32_t monster);

// Calls visit(sx, sy) for every square holding encounter e in the box of rows y-2..y+2 (outer)
// and columns x-2..x+2 (inner), cut to the map: the box holds every footprint that covers
// (x, y), so it finds all of an encounter's squares from any one of them.
template <class Visit>
void ForEachSquareOfEncounter(int32_t x, int32_t y, int16_t e, Visit&& visit) {
    for (int32_t sy = y - 2 < 0 ? 0 : y - 2; sy <= y + 2 && sy <= 49; ++sy)
        for (int32_t sx = x - 2 < 0 ? 0 : x - 2; sx <= x + 2 && sx <= 49; ++sx)
            if (GameState.MonsterGrid[sx * 50 + sy] == e) visit(int16_t(sx), int16_t(sy));
}

// After encounter e changed its monster: its squares around (mx, my) are cleared and the
// footprint of the new monster's class is marked from the old anchor (its top-left square).
void RemarkFootprint(int16_t mx, int16_t my, int16_t e);

// The monster's name, read no further than its field.
std::string MonsterNameText(const MonsterRecord& r);
// "The " + name, without "The " for a unique monster.
std::string TheMonsterName(const MonsterRecord& r);
