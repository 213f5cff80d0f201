// The current level: its 50 x 50 layers, exits and zone settings, and the event and script
// records it owns. Squares are indexed x*50 + y.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

constexpr int kLevelCount = 130;  // level files 0..129
constexpr int kSquareCount = 2500;
constexpr int kScriptSlots = 30;
constexpr int kScriptLines = 400;

// The level block, byte for byte the first 30,404 bytes of a level file. EventGrid and
// ScriptTable here are the file's presence words (0 none, else present); the records
// themselves are held by the globals EventGrid and ScriptTable below.
struct LevelRecord {
    char ZoneNames[6][26];
    int16_t BottomLayer[kSquareCount];
    int16_t TopLayer[kSquareCount];
    int16_t AccessLayer[kSquareCount];
    int16_t ZoneLayer[kSquareCount];
    uint32_t EventGrid[kSquareCount];
    uint32_t ScriptTable[kScriptSlots];
    int16_t ExitLevel[4];  // north, south, east, west; -1 none
    int16_t Reserved30284[4];
    int16_t AltExitLevel[4];
    int16_t ExitFlag[4];
    int16_t ExitFlagOp[4];
    int16_t ExitFlagValue[4];
    int16_t ExitX[4];  // -1 = wrap around
    int16_t ExitY[4];
    int16_t ZoneConditions[6];
    uint8_t Reserved30352[2];
    int16_t Reserved30354[6];
    int16_t ZoneTunes[6];  // 0 = none
    int16_t WildernessLevel;
    int16_t Reserved30380;
    int16_t ViewDistance;
    int16_t ZoneConditionOffFlag[2];  // zones 3 and 4
    int16_t ZoneConditionOffValue[2];
    int16_t ZoneSuppressFlag[2];
    int16_t ZoneSuppressValue[2];
    int16_t Reserved30400;
    uint8_t Reserved30402[2];
};
static_assert(sizeof(LevelRecord) == 30404);
static_assert(offsetof(LevelRecord, BottomLayer) == 156);
static_assert(offsetof(LevelRecord, TopLayer) == 5156);
static_assert(offsetof(LevelRecord, AccessLayer) == 10156);
static_assert(offsetof(LevelRecord, ZoneLayer) == 15156);
static_assert(offsetof(LevelRecord, EventGrid) == 20156);
static_assert(offsetof(LevelRecord, ScriptTable) == 30156);
static_assert(offsetof(LevelRecord, ExitLevel) == 30276);
static_assert(offsetof(LevelRecord, Reserved30284) == 30284);
static_assert(offsetof(LevelRecord, AltExitLevel) == 30292);
static_assert(offsetof(LevelRecord, ExitFlag) == 30300);
static_assert(offsetof(LevelRecord, ExitFlagOp) == 30308);
static_assert(offsetof(LevelRecord, ExitFlagValue) == 30316);
static_assert(offsetof(LevelRecord, ExitX) == 30324);
static_assert(offsetof(LevelRecord, ExitY) == 30332);
static_assert(offsetof(LevelRecord, ZoneConditions) == 30340);
static_assert(offsetof(LevelRecord, Reserved30352) == 30352);
static_assert(offsetof(LevelRecord, Reserved30354) == 30354);
static_assert(offsetof(LevelRecord, ZoneTunes) == 30366);
static_assert(offsetof(LevelRecord, WildernessLevel) == 30378);
static_assert(offsetof(LevelRecord, Reserved30380) == 30380);
static_assert(offsetof(LevelRecord, ViewDistance) == 30382);
static_assert(offsetof(LevelRecord, ZoneConditionOffFlag) == 30384);
static_assert(offsetof(LevelRecord, ZoneConditionOffValue) == 30388);
static_assert(offsetof(LevelRecord, ZoneSuppressFlag) == 30392);
static_assert(offsetof(LevelRecord, ZoneSuppressValue) == 30396);
static_assert(offsetof(LevelRecord, Reserved30400) == 30400);
static_assert(offsetof(LevelRecord, Reserved30402) == 30402);

// One event on a square. Word 0 is the event type (its tile number), words 1..32 its
// parameters: word n is Word[n].
struct EventRecord {
    int16_t Word[33];
    char Text[2][10][26];  // text 0 (main) and text 1, ten lines each
};
static_assert(sizeof(EventRecord) == 586);
static_assert(offsetof(EventRecord, Text) == 66);

// A script's block as the file holds it; Text holds presence words for the line texts.
struct ScriptRecord {
    char Title[58];
    int16_t Code[kScriptLines];
    uint8_t Reserved858[2];
    uint32_t Text[kScriptLines];
    int16_t Operand[kScriptLines][5];
};
static_assert(sizeof(ScriptRecord) == 6460);
static_assert(offsetof(ScriptRecord, Code) == 58);
static_assert(offsetof(ScriptRecord, Reserved858) == 858);
static_assert(offsetof(ScriptRecord, Text) == 860);
static_assert(offsetof(ScriptRecord, Operand) == 2460);

using ScriptLineText = std::array<char, 57>;  // up to 56 characters and a terminator

// A script in memory: its block and the line texts its Text words announce.
struct LevelScript {
    ScriptRecord Record;
    std::array<std::unique_ptr<ScriptLineText>, kScriptLines> LineText;
};

extern LevelRecord CurrentLevel;
// The records the level owns, null where there is none. They are the truth in memory:
// a writer takes the presence words from them.
extern std::array<std::unique_ptr<EventRecord>, kSquareCount> EventGrid;
extern std::array<std::unique_ptr<LevelScript>, kScriptSlots> ScriptTable;

// 1 for a square of the 50 x 50 map.
inline bool OnMap(int32_t x, int32_t y) { return x >= 0 && x < 50 && y >= 0 && y < 50; }
// The event on square (x, y); null when there is none or the square is off the map.
inline EventRecord* EventAt(int32_t x, int32_t y) {
    return OnMap(x, y) ? EventGrid[size_t(x * 50 + y)].get() : nullptr;
}

// "Mod/LevelData/Level<N>.dat".
std::string LevelFilePath(int16_t number);
// Whether level `number` (0..129) has a file to load.
bool LevelFileExists(int16_t number);

// Reads level file `number` (0..129) into the current level. 0 when there is no such
// file (with a message unless quiet): the current level is then left as it was.
uint32_t LoadLevel(int16_t number, uint32_t quiet, uint32_t resetFlags);
// Replaces the current level, its events and scripts with a level file's bytes. A file cut
// short loads what it holds: a record it reaches is completed with zeros, records it does
// not reach are absent.
void ReadLevelImage(std::span<const uint8_t> file);
// The current level as a level file.
std::vector<uint8_t> LevelFileImage();
// 1 when the file was written whole.
uint32_t WriteLevelFile(const std::string& path);
// 1 when level `number` (0..129) was written; asks before overwriting when ask is set.
uint32_t SaveLevel(int16_t number, uint32_t ask);
// SaveLevel telling the author's No to the overwrite question from a failure.
enum class LevelSave { kWritten, kDeclined, kFailed };
LevelSave SaveLevelFile(int16_t number, uint32_t ask);
void InitDoorFlags(uint32_t resetFlags);
// An empty level of that wall tile, without events or scripts.
void NewLevel(int16_t wallTile);
