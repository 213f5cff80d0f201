// The monsters' turn and the path search, in full-frame copies: each benchmark reports its time
// per run as a count of opaque 640 x 480 copies measured in the same run ("full_frames").
// Targets: a forced turn of 50 moving monsters at most 16, the worst single search at most 1.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "adventure/encounters.h"
#include "bench/full_frames.h"
#include "combat/monster_death.h"
#include "combat/monster_path.h"
#include "combat/monster_turn.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "platform/host/headless.h"
#include "platform/host/surface.h"
#include "view/map_view.h"

namespace {

// An open 50 x 50 level, the hero in its middle or its corner, every window square seen.
struct OpenLevel {
    host::Headless host;
    OpenLevel(int16_t heroX, int16_t heroY) {
        host::Install(&host);
        for (int16_t& access : CurrentLevel.AccessLayer) access = 1295;
        for (auto& slot : EventGrid) slot.reset();
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{1});
        GameState.HeroX = heroX;
        GameState.HeroY = heroY;
        GameState.Hidden = 0;
        GameState.InvisibleTurns = 0;
        MonsterTable[1] = {};
        MonsterTable[1].MonsterSpeed = 3;
        MonsterTable[1].MonsterHitPoints = 10;
    }
    ~OpenLevel() { host::Install(nullptr); }
    static void Place(int16_t monster, int16_t x, int16_t y, int16_t e) {
        Encounter& r = GameState.EncounterList[e];
        r.Kind = 3;
        r.Monster = monster;
        MarkFootprint(x, y, PictureSizeClass(MonsterTable[size_t(monster)].MonsterPicture), e);
    }
};

void FullFrameCopy(benchmark::State& state) {
    Surface from(640, 480), to(640, 480);
    for (auto _ : state) {
        CopyRect(&to, 0, 0, &from, Rect{0, 0, 640, 480}, kBltOpaque);
        benchmark::DoNotOptimize(to.pixels.get());
    }
}
BENCHMARK(FullFrameCopy);

// 50 one-square monsters on every other square of the window's left columns, all noticed,
// without blows, powers or missiles: each searches and moves.
void ForcedTurnOfFiftyMonsters(benchmark::State& state) {
    OpenLevel level(25, 25);
    int16_t e = 0;
    for (int16_t x = 19; x <= 31 && e < 50; x += 2)
        for (int16_t y = 19; y <= 31 && e < 50; ++y)
            if (std::abs(x - 25) + std::abs(y - 25) > 1) OpenLevel::Place(1, x, y, e++);
    Encounter list[50];
    int16_t grid[2500];
    std::memcpy(list, GameState.EncounterList, sizeof list);
    std::memcpy(grid, GameState.MonsterGrid, sizeof grid);
    ReportFrames(state, [&] {
        std::memcpy(GameState.EncounterList, list, sizeof list);
        std::memcpy(GameState.MonsterGrid, grid, sizeof grid);
        RunMonsterTurns(1);
    });
}
BENCHMARK(ForcedTurnOfFiftyMonsters);

// A 3 x 3 monster in one corner of the window, the hero in the other.
void WorstPathSearch(benchmark::State& state) {
    OpenLevel level(49, 49);
    MonsterTable[1].MonsterPicture = 1356;
    OpenLevel::Place(1, 37, 37, 0);
    int16_t grid[2500];
    std::memcpy(grid, GameState.MonsterGrid, sizeof grid);
    ReportFrames(state, [&] {
        std::memcpy(GameState.MonsterGrid, grid, sizeof grid);
        FindMonsterPath(37, 37, 0);
    });
}
BENCHMARK(WorstPathSearch);

}  // namespace
