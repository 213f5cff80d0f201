// The flag-conflict scan and every search of the search utility over 130 full levels, each
// against loading those levels once in the same run (the target: at most 1.5 of those).
#include <benchmark/benchmark.h>

#include "bench/full_levels.h"
#include "kit/level/flag_conflicts.h"
#include "kit/level/level_search.h"

namespace {

constexpr int16_t kLevels = 130;

void LoadAllLevels(benchmark::State& state) {
    full_levels::ReportLevelLoads(state, kLevels, [] {
        for (int16_t n = 0; n < kLevels; ++n) benchmark::DoNotOptimize(LoadLevel(n, 1, 0));
    });
}
BENCHMARK(LoadAllLevels)->Unit(benchmark::kMillisecond)->Iterations(3);

void FlagConflictScan(benchmark::State& state) {
    uint32_t conflicts = 0;
    full_levels::ReportLevelLoads(state, kLevels, [&] { conflicts = AuditFlagConflicts(1).conflicts; });
    state.counters["conflicts"] = conflicts;
}
BENCHMARK(FlagConflictScan)->Unit(benchmark::kMillisecond)->Iterations(3);

// A search over levels 0..129 with the value it is given.
template <void (*Search)(SearchResults&, int16_t, int16_t, int16_t)>
void SearchLevels(benchmark::State& state) {
    full_levels::ReportLevelLoads(state, kLevels, [&] {
        SearchResults results;
        Search(results, 0, kLevels - 1, int16_t(state.range(0)));
        benchmark::DoNotOptimize(results.Count);
    });
}
BENCHMARK(SearchLevels<FindFlagInLevels>)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<FindItemInLevels>)->Arg(231)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<FindEventInLevels>)->Arg(1242)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<FindMonsterInLevels>)->Arg(12)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<AuditGold>)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<AuditExperience>)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchLevels<FindTileInLevels>)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

void FreeFlags(benchmark::State& state) {
    full_levels::ReportLevelLoads(state, kLevels, [] {
        SearchResults results;
        FindFreeFlags(results, 0, kLevels - 1);
        benchmark::DoNotOptimize(results.Count);
    });
}
BENCHMARK(FreeFlags)->Unit(benchmark::kMillisecond)->Iterations(3);

void FreeTiles(benchmark::State& state) {
    full_levels::ReportLevelLoads(state, kLevels, [] {
        TileMarks used{};
        MarkProgramTiles(used);
        MarkUsedTiles(used, 0, kLevels - 1);
        benchmark::DoNotOptimize(used.data());
    });
}
BENCHMARK(FreeTiles)->Unit(benchmark::kMillisecond)->Iterations(3);

template <void (*Search)(SearchResults&, int16_t, int16_t)>
void MissingThings(benchmark::State& state) {
    full_levels::ReportLevelLoads(state, kLevels, [] {
        SearchResults results;
        Search(results, 0, kLevels - 1);
        benchmark::DoNotOptimize(results.Count);
    });
}
BENCHMARK(MissingThings<FindBlankEventTexts>)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MissingThings<FindMissingMusic>)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
