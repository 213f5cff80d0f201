// The wilderness arena, level 130: built in memory around the ring of battle-edge squares.
#include <algorithm>
#include <array>

#include "combat/monster_lookup.h"
#include "combat/monster_path.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "encounters.h"
#include "hero/derived_stats.h"
#include "kit/level/auto_access.h"
#include "platform/random.h"
#include "wilderness.h"

namespace {

int16_t& Top(int x, int y) { return CurrentLevel.TopLayer[x * 50 + y]; }
int16_t& Access(int x, int y) { return CurrentLevel.AccessLayer[x * 50 + y]; }

void Pave(int x, int y, int16_t tile) {
    Top(x, y) = tile;
    Access(x, y) = kFreeAccess;
}

void PaveBox(int x0, int x1, int y0, int y1, int16_t tile) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) Pave(x, y, tile);
}

// The arms of a road, by the map square's terrain tile.
enum Arm : uint8_t { kNorth = 1, kSouth = 2, kEast = 4, kWest = 8 };
struct Road {
    int16_t terrain;
    uint8_t arms;
    bool wide;
    int16_t centre;  // narrow roads: the tile on (25, 25)
};
constexpr std::array<Road, 23> kRoads = {{
    {1991, kNorth | kSouth | kEast | kWest, false, 1},
    {1973, kNorth | kSouth | kEast, false, 941},
    {1974, kNorth | kSouth | kWest, false, 940},
    {1975, kSouth | kEast, false, 922},
    {1976, kSouth | kWest, false, 923},
    {1995, kNorth | kEast, false, 942},
    {1996, kNorth | kWest, false, 943},
    {1972, kEast | kWest, false, 944},
    {1992, kEast | kWest, false, 944},
    {1994, kEast | kWest | kNorth, false, 920},
    {1993, kEast | kWest | kSouth, false, 921},
    {2012, kNorth | kSouth, true, 0},
    {2011, kEast | kWest, true, 0},
    {2031, kNorth | kSouth | kEast | kWest, true, 0},
    {2013, kEast | kNorth | kSouth, true, 0},
    {2014, kWest | kNorth | kSouth, true, 0},
    {2033, kWest | kSouth | kEast, true, 0},
    {2034, kWest | kNorth | kEast, true, 0},
    {2017, kWest | kNorth | kSouth | kEast, true, 0},
    {2015, kSouth | kEast, true, 0},
    {2016, kSouth | kWest, true, 0},
    {2025, kNorth | kEast, true, 0},
    {2026, kNorth | kWest, true, 0},
}};

// Tall objects: the lower half's tile, the upper half 20 less on the square above.
constexpr std::array<int16_t, 14> kLowerHalves = {275, 317, 318, 398, 760, 761, 762, 763, 767, 769, 770, 771, 772, 1770};
bool IsLowerHalf(int16_t tile) { return std::find(kLowerHalves.begin(), kLowerHalves.end(), tile) != kLowerHalves.end(); }
bool IsUpperHalf(int16_t tile) { return IsLowerHalf(int16_t(tile + 20)); }

void ClearSquare(int x, int y) {
    if (Access(x, y) == kFreeAccess) return;
    Top(x, y) = 0;
    Access(x, y) = kFreeAccess;
}

}  // namespace

void BuildWildernessArena(int16_t x, int16_t y, int16_t terrainTile) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return;
    const int16_t ground = event->Word[5];
    const int16_t objects[3] = {event->Word[6], event->Word[7], event->Word[8]};
    NewLevel(ground);  // frees the event
    std::fill(std::begin(CurrentLevel.ZoneLayer), std::end(CurrentLevel.ZoneLayer), int16_t{5});
    // Zone 5 is the zone the hero stands in and the name bar shows: it bears the name too.
    SetFieldText(CurrentLevel.ZoneNames[0], "Wilderness Encounter!");
    SetFieldText(CurrentLevel.ZoneNames[5], "Wilderness Encounter!");
    // The level left keeps nothing here: its monsters would have to be beaten too.
    PopulateEncounters();
    // Twenty tufts of tile 44, then ten of tile 56.
    for (int n = 0; n < 30; ++n) {
        const int rx = 19 + Random15() % 14;
        const int ry = 19 + Random15() % 14;
        Top(rx, ry) = n < 20 ? 44 : 56;
    }
    CarveArenaPaths(terrainTile);
    ScatterArenaObjects(objects);
    for (int i = 19; i <= 30; ++i) {
        Access(i, 19) = Access(i, 31) = kBorderAccess;
        Access(19, i) = Access(31, i) = kBorderAccess;
    }
}

void CarveArenaPaths(int16_t terrainTile) {
    const auto road =
        std::find_if(kRoads.begin(), kRoads.end(), [&](const Road& r) { return r.terrain == terrainTile; });
    if (road == kRoads.end()) return;
    if (road->wide) {
        constexpr int16_t kWideRoad = 1895;
        if (road->arms & kNorth) PaveBox(24, 26, 19, 24, kWideRoad);
        if (road->arms & kSouth) PaveBox(24, 26, 26, 32, kWideRoad);
        if (road->arms & kEast) PaveBox(26, 32, 24, 26, kWideRoad);
        if (road->arms & kWest) PaveBox(19, 24, 24, 26, kWideRoad);
        for (auto [cx, cy] : {std::pair{25, 25}, {24, 25}, {24, 26}, {25, 24}, {25, 26}}) Pave(cx, cy, kWideRoad);
        return;
    }
    if (road->arms & kNorth) PaveBox(25, 25, 19, 24, 924);
    if (road->arms & kSouth) PaveBox(25, 25, 26, 32, 924);
    if (road->arms & kWest) PaveBox(19, 24, 25, 25, 944);
    if (road->arms & kEast) PaveBox(26, 32, 25, 25, 944);
    Pave(25, 25, road->centre);
}

void ScatterArenaObjects(const int16_t tiles[3]) {
    for (int n = 0; n < 20; ++n) {
        const int x = 20 + Random15() % 11;
        const int y = 20 + Random15() % 11;
        const int16_t tile = tiles[Random15() % 3];
        // An object word of 0 scatters nothing.
        if (Top(x, y) != 0 || tile < 1 || size_t(tile) >= AutoAccessTable.size()) continue;
        Top(x, y) = tile;
        Access(x, y) = int16_t(kChasmAccess + AutoAccessTable[size_t(tile)]);
        if (!IsLowerHalf(tile)) continue;
        if (Top(x, y - 1) == 0) {
            Top(x, y - 1) = int16_t(tile - 20);
            Access(x, y - 1) = kWalkUnderAccess;
        } else {
            Pave(x, y, 0);
        }
    }
}

void RepairArenaObjects() {
    for (int x = 19; x <= 30; ++x)
        for (int y = 19; y <= 30; ++y) {
            const int16_t tile = Top(x, y);
            const bool orphan = (IsUpperHalf(tile) && Top(x, y + 1) != tile + 20) ||
                                (IsLowerHalf(tile) && Top(x, y - 1) != tile - 20);
            if (orphan) Pave(x, y, 0);
        }
}

void PlaceArenaExits(int16_t dx, int16_t dy) {
    GameState.CurrentLevelNumber = kArenaLevel;
    RecalcHero();
    // The hero enters on the side he came from; the squares in front of him are cleared.
    struct Entry {
        int16_t x, y;
        int16_t clear[3][2];
    };
    static constexpr Entry kDown = {25, 20, {{25, 21}, {26, 20}, {24, 20}}};
    static constexpr Entry kUp = {25, 30, {{25, 29}, {26, 30}, {24, 30}}};
    static constexpr Entry kLeft = {30, 25, {{30, 24}, {30, 26}, {29, 25}}};
    static constexpr Entry kRight = {20, 25, {{20, 24}, {20, 26}, {21, 25}}};
    const Entry& e = dy == 1 ? kDown : dy == -1 ? kUp : dx == -1 ? kLeft : kRight;
    GameState.HeroX = e.x;
    GameState.HeroY = e.y;
    for (const auto& c : e.clear) ClearSquare(c[0], c[1]);
    ClearSquare(e.x, e.y);
}

void PlaceArenaMonsters(int16_t, int16_t, int16_t dx, int16_t, int16_t monster, int16_t count) {
    WildCombatMonsters = 0;
    const int16_t facing = dx == -1 ? 0 : 1;
    for (int tries = 0; tries < 1000 && WildCombatMonsters < count; ++tries) {
        const int16_t x = int16_t(22 + Random15() % 5);
        const int16_t y = int16_t(22 + Random15() % 5);
        if (ArenaSquareFree(x, y, monster) && AddMonsterEncounter(monster, x, y, facing, 0)) ++WildCombatMonsters;
    }
}

int ArenaSquareFree(int16_t x, int16_t y, int16_t monster) {
    int16_t w = 1, h = 1;
    FootprintSize(MonsterSizeClass(monster), w, h);
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) {
            if (!OnMap(x + i, y + j) || Access(x + i, y + j) != kFreeAccess ||
                GameState.MonsterGrid[(x + i) * 50 + y + j] != -1)
                return 0;
        }
    return 1;
}
