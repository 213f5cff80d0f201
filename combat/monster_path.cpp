#include "monster_path.h"

#include <algorithm>
#include <array>

#include "adventure/encounters.h"
#include "combat/monster_lookup.h"
#include "combat/monster_turn.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "events/dungeon_devices.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "script/flags.h"
#include "view/map_view.h"

namespace {

constexpr RingSquare kRing0[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr RingSquare kRing1[] = {{-1, 0}, {0, -1}, {0, 1}, {1, -1}, {1, 1}, {2, 0}};
constexpr RingSquare kRing2[] = {{-1, 0}, {0, -1}, {1, 0}, {-1, 1}, {1, 1}, {0, 2}};
constexpr RingSquare kRing6[] = {{-1, 0}, {0, -1}, {1, -1}, {2, 0}, {2, 1}, {1, 2}, {0, 2}, {-1, 1}};
constexpr RingSquare kRing9[] = {{-1, 0}, {0, -1}, {1, -1}, {2, -1}, {3, 0},  {-1, 1},
                                 {3, 1},  {-1, 2}, {3, 2},  {0, 3},  {1, 3}, {2, 3}};

const MonsterRecord* MonsterOfEncounter(int16_t e) {
    const Encounter* r = EncounterOf(e);
    return r ? MonsterRecordOf(r->Monster) : nullptr;
}

// An event that bars depending on its words and the monster; the types without a rule bar always.
using BarRule = bool (*)(const EventRecord& ev, const MonsterRecord* m);

bool Opens(const MonsterRecord* m) { return m && m->MonsterOpensDoors; }
bool WalksThroughWalls(const MonsterRecord* m) { return m && m->MonsterWalksThroughWalls; }

bool ToggleBars(const EventRecord& ev, const MonsterRecord* m) {
    return CheckFlagCondition(ev.Word[1], ev.Word[2], ev.Word[3]) && !WalksThroughWalls(m);
}
bool SimpleDoorBars(const EventRecord& ev, const MonsterRecord* m) {
    if (CheckFlagConditionStrict(ev.Word[3], ev.Word[4], ev.Word[5])) return true;
    return ev.Word[2] == 0 && !Opens(m);
}
bool ComplexDoorBars(const EventRecord& ev, const MonsterRecord* m) {
    const int16_t status = GameFlag(ev.Word[7]);
    return status > 1 && !(status == 2 && Opens(m));
}
bool ScriptBars(const EventRecord& ev, const MonsterRecord*) {
    return TestFlagCondition(ev.Word[1], ev.Word[2], ev.Word[3]);
}
bool CrackBars(const EventRecord& ev, const MonsterRecord*) { return GameFlag(ev.Word[3]) != 1; }
bool SecretDoorBars(const EventRecord& ev, const MonsterRecord*) { return GameFlag(ev.Word[8]) != 1; }
bool MushroomBars(const EventRecord& ev, const MonsterRecord*) { return GameFlag(ev.Word[1]) < 1; }
bool AltTileBars(const EventRecord& ev, const MonsterRecord* m) {
    const bool on = ev.Word[1] < 1 || CheckFlagCondition(ev.Word[1], ev.Word[2], ev.Word[3]);
    const int16_t access = on ? ev.Word[5] : ev.Word[7];
    return access >= 2 && !WalksThroughWalls(m);
}

struct EventBar {
    int16_t type;
    BarRule rule;  // null: always barred
};
constexpr EventBar kEventBars[] = {
    {1226, nullptr},  // push text
    {1233, SimpleDoorBars},
    {1234, ComplexDoorBars},
    {1235, SecretDoorBars},
    {1236, nullptr},  // portal
    {1237, nullptr},  // dig portal
    {1238, nullptr},  // module access
    {1239, nullptr},  // penta-portal
    {1240, nullptr},  // one item
    {1241, nullptr},  // items cache
    {1242, nullptr},  // chest
    {1243, nullptr},  // search
    {1244, nullptr},  // food
    {1245, nullptr},  // prise
    {1246, ScriptBars},
    {1248, nullptr},  // shop
    {1249, nullptr},  // inn
    {1250, nullptr},  // bank
    {1251, nullptr},  // vault
    {1252, nullptr},  // temple
    {1253, nullptr},  // train
    {1254, nullptr},  // seer
    {1255, nullptr},  // casino
    {1256, nullptr},  // trap
    {1257, nullptr},  // pit
    {1258, nullptr},  // trigger
    {1259, nullptr},  // pressure pad
    {1260, nullptr},  // switch
    {1261, ToggleBars},
    {1262, nullptr},  // use spell
    {1263, nullptr},  // use item
    {1264, nullptr},  // get answer
    {1266, CrackBars},
    {1267, nullptr},  // climb
    {1271, MushroomBars},
    {1272, nullptr},  // stat plus
    {1273, nullptr},  // forge
    {1276, nullptr},  // reset push
    {1278, nullptr},  // use lens
    {1280, nullptr},  // puzzle
    {1281, AltTileBars},
    {1282, nullptr},  // buried cache
    {1284, nullptr},  // swap item
    {1285, nullptr},  // bed
    {1286, nullptr},  // dmf2
    {1287, nullptr},  // lamp
    {1288, nullptr},  // elemental damage
    {1289, nullptr},  // thin crust
    {1290, nullptr},  // elevator
    {1332, nullptr},  // splat
    {1333, nullptr},  // spawn
};

const EventRecord* EventOn(int32_t x, int32_t y) {
    return x >= 0 && x <= 49 && y >= 0 && y <= 49 ? EventGrid[size_t(x * 50 + y)].get() : nullptr;
}

bool InWindow(int32_t i, int32_t j) { return i >= 0 && i <= 12 && j >= 0 && j <= 12; }

struct Cell {
    int16_t i, j;
};

// The four neighbours of a cell inside the window, in the order of the search: up, down,
// right, left. The walk back takes the same order.
template <class Visit>
void ForEachNeighbour(int16_t i, int16_t j, Visit&& visit) {
    if (j > 0) visit(i, int16_t(j - 1));
    if (j < 12) visit(i, int16_t(j + 1));
    if (i < 12) visit(int16_t(i + 1), j);
    if (i > 0) visit(int16_t(i - 1), j);
}

// Wave marks from the monster's anchor until the hero is touched; false when no path.
bool SpreadWaves(PathGrid& grid, int16_t e, Cell start, int16_t sizeClass) {
    // Each cell is appended at most once, so a list of the whole window never overflows.
    std::array<Cell, 169> lists[2];
    std::array<Cell, 169>* current = &lists[0];
    std::array<Cell, 169>* next = &lists[1];
    size_t currentCount = 1;
    (*current)[0] = start;
    int16_t wave = 0;
    for (;;) {
        ++wave;
        bool found = false;
        size_t nextCount = 0;
        for (size_t n = 0; n < currentCount; ++n) {
            const Cell c = (*current)[n];
            if (!InWindow(c.i, c.j)) return false;
            ForEachNeighbour(c.i, c.j, [&](int16_t i, int16_t j) {
                if (CanMonsterStand(grid, e, i, j, sizeClass)) {
                    grid[i][j] = wave;
                    (*next)[nextCount++] = {i, j};
                } else if (grid[i][j] == kPathHero) {
                    found = true;
                }
            });
        }
        if (found) return true;
        if (nextCount == 0) return false;
        std::swap(current, next);
        currentCount = nextCount;
    }
}

// From the hero's cell back to a cell the monster can take in one step: each step goes to the
// lowest-marked neighbour (up, down, right, left winning ties), always to a strictly lower mark,
// and the walk ends beside the monster or on a wave-1 cell, so it ends even when the monster's
// own cell was overwritten by an obstacle rule.
Cell WalkBack(const PathGrid& grid, Cell hero) {
    Cell at = hero;
    for (;;) {
        const int16_t mark = grid[at.i][at.j];
        if (mark == 1) return at;
        bool besideMonster = false;
        Cell best = at;
        int16_t bestMark = mark;
        ForEachNeighbour(at.i, at.j, [&](int16_t i, int16_t j) {
            const int16_t v = grid[i][j];
            if (v == 0) besideMonster = true;
            if (v > 0 && v < 999 && v < bestMark) {
                bestMark = v;
                best = {i, j};
            }
        });
        if (besideMonster || bestMark == mark) return at;
        at = best;
    }
}

}  // namespace

std::span<const RingSquare> FootprintRing(int16_t sizeClass) {
    switch (sizeClass) {
        case 0: return kRing0;
        case 1: return kRing1;
        case 2: return kRing2;
        case 6: return kRing6;
        case 9: return kRing9;
        default: return {};
    }
}

void FootprintSize(int16_t sizeClass, int16_t& width, int16_t& height) {
    width = sizeClass == 1 || sizeClass == 6 ? 2 : sizeClass == 9 ? 3 : 1;
    height = sizeClass == 2 || sizeClass == 6 ? 2 : sizeClass == 9 ? 3 : 1;
}

int16_t IsMonsterAdjacent(int16_t monster, int16_t x, int16_t y) {
    if (!MonsterRecordOf(monster)) return 0;
    for (const RingSquare& s : FootprintRing(MonsterSizeClass(monster)))
        if (x + s.dx == GameState.HeroX && y + s.dy == GameState.HeroY) return 1;
    return 0;
}

uint32_t CanMonsterStand(const PathGrid& grid, int16_t, int16_t i, int16_t j, int16_t sizeClass) {
    int16_t w, h;
    FootprintSize(sizeClass, w, h);
    if (!InWindow(i, j) || !InWindow(i + w - 1, j + h - 1)) return 0;
    if (grid[i][j] != kPathFree) return 0;
    for (int16_t a = 0; a < w; ++a)
        for (int16_t b = 0; b < h; ++b)
            if (grid[i + a][j + b] == kPathBlocked) return 0;
    return 1;
}

uint32_t IsEventBlockingMonster(int16_t x, int16_t y, int16_t encounter) {
    const EventRecord* ev = EventOn(x, y);
    if (!ev) return 0;
    for (const EventBar& bar : kEventBars)
        if (bar.type == ev->Word[0]) return !bar.rule || bar.rule(*ev, MonsterOfEncounter(encounter)) ? 1 : 0;
    return 0;
}

void BuildMonsterObstacleGrid(PathGrid& grid, int16_t e, int16_t originX, int16_t originY) {
    const MonsterRecord* m = MonsterOfEncounter(e);
    const bool flies = m && m->MonsterFlies, waterWalk = m && m->MonsterWaterWalk;
    const bool throughWalls = WalksThroughWalls(m);
    // The origin is clamped to 0..37, so the whole window lies on the map.
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int32_t mx = originX + i, my = originY + j;
            const int16_t access = CurrentLevel.AccessLayer[mx * 50 + my];
            const bool bridgeOpen = BridgeOpen(EventOn(mx, my));
            const bool heroSquare = mx == GameState.HeroX && my == GameState.HeroY;
            const int16_t held = GameState.MonsterGrid[mx * 50 + my];
            // Every rule only ever blocks, so the first that does settles the cell.
            const bool blocked =
                (waterWalk ? access >= kFreeAccess && access <= kSolidAccess
                           : !throughWalls && access > kWalkUnderAccess && access != kWaterAccess &&
                                 access != kShallowWaterAccess && !bridgeOpen) ||
                (access == kChasmAccess && !flies && !bridgeOpen) ||
                (access == kWaterAccess && !flies && !waterWalk && !bridgeOpen) ||
                (!heroSquare && held != -1 && held != e) || access == kNoMonsterAccess ||
                IsEventBlockingMonster(int16_t(mx), int16_t(my), e);
            if (blocked) grid[i][j] = kPathBlocked;
        }
}

void FindMonsterPath(int16_t x, int16_t y, int16_t e) {
    const Encounter* r = EncounterOf(e);
    if (!r) return;
    const int16_t monster = r->Monster;
    const int16_t sizeClass = MonsterSizeClass(monster);
    struct {
        int16_t guard1;
        PathGrid grid;
        int16_t guard2;
    } search;
    search.guard1 = 666;
    for (auto& column : search.grid) std::fill(std::begin(column), std::end(column), kPathFree);
    search.guard2 = 666;

    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const Cell start{int16_t(x - originX), int16_t(y - originY)};
    const Cell hero{int16_t(GameState.HeroX - originX), int16_t(GameState.HeroY - originY)};
    if (!InWindow(start.i, start.j) || !InWindow(hero.i, hero.j)) return;
    search.grid[start.i][start.j] = 0;
    search.grid[hero.i][hero.j] = kPathHero;
    BuildMonsterObstacleGrid(search.grid, e, originX, originY);

    if (!SpreadWaves(search.grid, e, start, sizeClass)) {
        if (!AttackAdjacentBarriers(x, y, e, monster)) StepMonsterGreedy(x, y, sizeClass, e, search.grid);
    } else {
        const Cell step = WalkBack(search.grid, hero);
        const int16_t mark = search.grid[step.i][step.j];
        if (mark > 0 && mark < 999)
            MoveMonster(x, y, int16_t(originX + step.i), int16_t(originY + step.j), sizeClass, e);
    }
    if (search.guard1 != 666) ShowMessage(60, 60, "Monster AI Path", "boundry leak!");
    if (search.guard2 != 666) ShowMessage(60, 60, "Monster AI Path", "boundry leak!");
}

void MoveMonster(int16_t x, int16_t y, int16_t x2, int16_t y2, int16_t sizeClass, int16_t e) {
    if (x2 >= 0 && x2 <= 49 && y2 >= 0 && y2 <= 49) {
        if (EventRecord* ev = EventGrid[size_t(x2 * 50 + y2)].get()) {
            if (ev->Word[0] == kSimpleDoorEvent) ev->Word[2] = 1;
            if (ev->Word[0] == kComplexDoorEvent && GameFlag(ev->Word[7]) == 2) SetGameFlag(ev->Word[7], 0);
        }
    }
    // Whatever squares hold the encounter go, not the footprint of its present class: a dormant
    // substitute or a frog may stand on the footprint of another class.
    ForEachSquareOfEncounter(x, y, e, [](int16_t sx, int16_t sy) { GameState.MonsterGrid[sx * 50 + sy] = -1; });
    MarkFootprint(x2, y2, sizeClass, e);
    if (Encounter* r = EncounterOf(e)) {
        if (x < x2) r->Facing = 3;
        if (x2 < x) r->Facing = 0;
    }
}

void StepMonsterGreedy(int16_t x, int16_t y, int16_t sizeClass, int16_t e, const PathGrid& grid) {
    static constexpr RingSquare kDirections[] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    const RingSquare d = kDirections[Random15() & 3];
    const int16_t tx = int16_t(x + d.dx), ty = int16_t(y + d.dy);
    if (tx < 0 || tx > 49 || ty < 0 || ty > 49) return;
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const int32_t i = tx - originX, j = ty - originY;
    if (!InWindow(i, j) || grid[i][j] >= kPathHero) return;
    MoveMonster(x, y, tx, ty, sizeClass, e);
}
