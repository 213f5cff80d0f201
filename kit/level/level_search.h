// The searches and audits of the search utility. Each loads the saved levels of a range one
// after another into the current level (missing ones are skipped) and fills a result list
// without a screen; the caller reloads its own level afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/game_state.h"

struct EventRecord;

constexpr int kSearchLines = 100;
using SearchLine = std::array<char, 26>;  // 25 characters and a terminator; empty when unused

struct SearchResults {
    std::array<SearchLine, kSearchLines> Lines{};
    int32_t Index = -1;  // the last entry taken; lines past the list are not kept
    int32_t Count = 0;   // hits, or free flags; no limit
    int32_t Total = 0;   // gold or experience of the audits, wrapping in 32 bits
};
void ClearSearchResults(SearchResults& results);
// Takes the next entry, storing the line while the list has room.
void AddSearchLine(SearchResults& results, std::string_view line);
// A hit: counted, and its line taken.
void AddSearchHit(SearchResults& results, std::string_view line);

// The hits of one event on the flag: one per Flag X word (or member of a run) that holds it.
void FindFlagUsers(const EventRecord& event, int16_t level, int16_t x, int16_t y, int16_t flag,
                   SearchResults& results);
// Marks every flag above 0 that a Free Flags word of the event holds.
void MarkUsedFlags(const EventRecord& event, std::array<uint8_t, kGameFlagCount>& used);

// "Flag X": nothing for a flag below 1.
void FindFlagInLevels(SearchResults& results, int16_t first, int16_t last, int16_t flag);
// "Free Flags": the free flags 1..7999 of the levels, runs as lines and each free flag counted.
void FindFreeFlags(SearchResults& results, int16_t first, int16_t last);
void FindItemInLevels(SearchResults& results, int16_t first, int16_t last, int16_t item);
void FindEventInLevels(SearchResults& results, int16_t first, int16_t last, int16_t type);
void FindMonsterInLevels(SearchResults& results, int16_t first, int16_t last, int16_t monster);
// The audits add what is at least the minimum to Total.
void AuditGold(SearchResults& results, int16_t first, int16_t last, int16_t minimum);
void AuditExperience(SearchResults& results, int16_t first, int16_t last, int16_t minimum);
// "Tile X": nothing is searched for tile 0.
void FindTileInLevels(SearchResults& results, int16_t first, int16_t last, int16_t tile);

// "Free Tiles?": the tile numbers the program uses, then those of the levels.
constexpr int kFreeTileRange = 2285;  // tiles 0..2284
using TileMarks = std::array<uint8_t, kFreeTileRange>;
void MarkProgramTiles(TileMarks& used);
void MarkUsedTiles(TileMarks& used, int16_t first, int16_t last);

void FindBlankEventTexts(SearchResults& results, int16_t first, int16_t last);
void FindMissingMusic(SearchResults& results, int16_t first, int16_t last);
// Walks the monster table, not the levels.
void FindUndefinedMonsters(SearchResults& results);
