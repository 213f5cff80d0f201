// Reading and writing a full level: an event on every square and 30 scripts of 400 texted
// lines.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "data/game_state.h"
#include "data/level.h"
#include "kit/events/level_records.h"
#include "kit/script/script_slots.h"

namespace {

struct FullLevel {
    FullLevel() {
        const auto folder = std::filesystem::temp_directory_path() / "vexmoor-level-bench";
        std::filesystem::create_directories(folder / "Mod/LevelData");
        std::filesystem::current_path(folder);
        NewLevel(1327);
        for (int16_t x = 0; x < 50; ++x) {
            for (int16_t y = 0; y < 50; ++y) CreateEvent(x, y, 1240);
        }
        for (int16_t s = 0; s < kScriptSlots; ++s) {
            CreateScript(s);
            for (int l = 0; l < kScriptLines; ++l) {
                ScriptTable[s]->LineText[l] = std::make_unique<ScriptLineText>();
                std::snprintf(ScriptTable[s]->LineText[l]->data(), 57, "line %d of script %d", l, s);
            }
        }
        WriteLevelFile(LevelFilePath(1));
        GameState.CurrentLevelNumber = 0;
    }
};

void MakeFullLevel() { static FullLevel level; }

void LoadFullLevel(benchmark::State& state) {
    MakeFullLevel();
    for (auto _ : state) benchmark::DoNotOptimize(LoadLevel(1, 1, 1));
}
BENCHMARK(LoadFullLevel)->Unit(benchmark::kMillisecond);

void WriteFullLevel(benchmark::State& state) {
    MakeFullLevel();
    for (auto _ : state) benchmark::DoNotOptimize(WriteLevelFile(LevelFilePath(2)));
}
BENCHMARK(WriteFullLevel)->Unit(benchmark::kMillisecond);

}  // namespace
