// A temporary module of full levels for the kit's audits, searches and dumps: an event on every
// square, cycling through the types that keep state in flags, with both texts filled; flag and
// item words mostly 0, with a few thousand clashes; 30 scripts of 400 lines, every other one
// a text line and the rest the codes that name flags, items, gold, experience and monsters.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "data/game_state.h"
#include "data/level.h"
#include "data/text_field.h"

namespace full_levels {

constexpr int16_t kTypes[] = {1234, 1235, 1237, 1240, 1241, 1242, 1243, 1245, 1247, 1256, 1257, 1260, 1262, 1263, 1266,
                              1270, 1271, 1272, 1274, 1278, 1282, 1286, 1287, 1289, 1331, 1332, 1334, 1335, 1337, 1246};
constexpr int16_t kCodes[] = {10, 13, 57, 21, 12, 49, 25, 23, 24, 45, 58};

inline void FillLevel(int16_t number) {
    NewLevel(int16_t(1 + number));
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const int i = number * 2500 + x * 50 + y;
            auto e = std::make_unique<EventRecord>();
            e->Word[0] = kTypes[size_t(i) % std::size(kTypes)];
            // One event in 100 keeps its state in flags spread over all of them: some thousands
            // clash. The others' runs of flags start at -6, wholly below flag 1 (from 0 every one
            // would take flags 1..5).
            if (i % 100 == 0) {
                for (int w = 1; w <= 12; ++w) e->Word[w] = int16_t(1 + (i / 100 * 37 + w * 13) % 7999);
            } else {
                for (int w : {4, 5, 6, 11, 18}) e->Word[w] = -6;
            }
            if (i % 97 == 0) e->Word[5] = 231, e->Word[7] = 50;  // gold
            if (e->Word[0] == 1246) e->Word[4] = int16_t((i / 30) % 30);  // a SCRIPT EVENT's script
            for (int t = 0; t < 2; ++t)
                for (int r = 0; r < 10; ++r) {
                    char line[64];
                    std::snprintf(line, sizeof line, "Text %d line %d of %d,%d", t, r, x, y);
                    SetFieldText(e->Text[t][r], line);
                }
            EventGrid[size_t(x * 50 + y)] = std::move(e);
        }
    }
    for (int s = 0; s < kScriptSlots; ++s) {
        auto script = std::make_unique<LevelScript>();
        std::snprintf(script->Record.Title, sizeof script->Record.Title, "Script %d", s);
        for (int l = 0; l < kScriptLines; ++l) {
            if (l % 2 == 0) {
                script->Record.Code[l] = 1;
                script->LineText[size_t(l)] = std::make_unique<ScriptLineText>();
                std::snprintf(script->LineText[size_t(l)]->data(), 57, "Line %d of script %d of level %d", l, s, number);
                continue;
            }
            script->Record.Code[l] = kCodes[size_t(l / 2) % std::size(kCodes)];
            for (int o = 0; o < 5; ++o) script->Record.Operand[l][o] = int16_t((l * 7 + o * 13 + s) % 900);
        }
        ScriptTable[size_t(s)] = std::move(script);
    }
}

// Levels 0..count-1 written once into their own module, which becomes the working folder.
inline void UseFullLevels(int16_t count) {
    const auto folder = std::filesystem::temp_directory_path() / ("vexmoor-full-levels-" + std::to_string(count));
    std::filesystem::create_directories(folder / "Mod/LevelData");
    std::filesystem::current_path(folder);
    GameState.CurrentLevelNumber = -1;
    static int16_t written = 0;
    if (written == count) return;
    for (int16_t n = 0; n < count; ++n) {
        FillLevel(n);
        WriteLevelFile(LevelFilePath(n));
    }
    NewLevel(1);
    written = count;
}

// Seconds to load levels 0..count-1 once each, the best of a few rounds.
inline double LoadAllSeconds(int16_t count) {
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        for (int16_t n = 0; n < count; ++n) benchmark::DoNotOptimize(LoadLevel(n, 1, 0));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// Runs the work and reports its time as a count of loads of all the levels ("level_loads").
template <class Run>
void ReportLevelLoads(benchmark::State& state, int16_t count, Run&& run) {
    using Clock = std::chrono::steady_clock;
    UseFullLevels(count);
    static double loadAll = 0;
    static int16_t measuredFor = 0;
    if (measuredFor != count) loadAll = LoadAllSeconds(count), measuredFor = count;
    const auto start = Clock::now();
    for (auto _ : state) run();
    const double perRun = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["level_loads"] = perRun / loadAll;
    state.counters["seconds"] = perRun;
}

}  // namespace full_levels
