// A VISION of another full level (its load, its encounters, the vision drawn without a flip,
// the hero's level loaded back with its encounters), against a load of that level alone (the
// target: at most 3 of them).
#include <benchmark/benchmark.h>

#include "adventure/encounters.h"
#include "bench/bench_stage.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "events/special_places.h"
#include "kit/events/level_records.h"
#include "kit/script/script_slots.h"

namespace {

constexpr int16_t kHeroLevel = 1, kSeenLevel = 2;

// Both layers on every square, an event on every square (25 of them monsters), and 30 scripts
// of 400 texted lines.
void WriteFullLevel(int16_t number) {
    NewLevel(1327);
    for (int s = 0; s < kSquareCount; ++s) {
        CurrentLevel.BottomLayer[s] = 5;
        CurrentLevel.TopLayer[s] = 40;
    }
    for (int16_t x = 0; x < 50; ++x)
        for (int16_t y = 0; y < 50; ++y) {
            const bool monster = x % 10 == 0 && y % 10 == 0;
            CreateEvent(x, y, monster ? 1247 : 1240);
            if (monster) {
                EventGrid[size_t(x * 50 + y)]->Word[4] = int16_t(1 + (x + y) % 6);
                EventGrid[size_t(x * 50 + y)]->Word[5] = -1;
            }
        }
    for (int16_t s = 0; s < kScriptSlots; ++s) {
        CreateScript(s);
        for (int l = 0; l < kScriptLines; ++l) ScriptTable[s]->LineText[l] = std::make_unique<ScriptLineText>();
    }
    WriteLevelFile(LevelFilePath(number));
}

struct Setup : BenchStage {
    Setup() : BenchStage("vexmoor-vision-bench") {
        for (int16_t m = 1; m <= 6; ++m) {
            MonsterTable[m].MonsterPicture = int16_t(100 * m);
            MonsterTable[m].MonsterHitPoints = 10;
        }
        std::fill(std::begin(GameState.GameFlags), std::end(GameState.GameFlags), int16_t{-1});
        WriteFullLevel(kSeenLevel);
        WriteFullLevel(kHeroLevel);
        GameState.CurrentLevelNumber = kHeroLevel;
        GameState.HeroX = GameState.HeroY = 20;
        LoadLevel(kHeroLevel, 1, 0);
        PopulateEncounters();
    }
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void LoadSeenLevel(benchmark::State& state) {
    Shared();
    for (auto _ : state) benchmark::DoNotOptimize(LoadLevel(kSeenLevel, 1, 0));
    LoadLevel(kHeroLevel, 1, 0);
    PopulateEncounters();
}
BENCHMARK(LoadSeenLevel)->Unit(benchmark::kMillisecond);

void VisionOfAnotherLevel(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        LoadLevel(kSeenLevel, 1, 0);
        PopulateEncounters();
        DrawVision(10, 12, 0);
        LoadLevel(kHeroLevel, 1, 0);
        PopulateEncounters();
    }
}
BENCHMARK(VisionOfAnotherLevel)->Unit(benchmark::kMillisecond);

}  // namespace
