// Loading every sheet into the surfaces, and the copy that every screen is made of.
#include <benchmark/benchmark.h>

#include "bench/bench_stage.h"
#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/source_rects.h"

namespace {

BenchStage& Shared() {
    static BenchStage stage("vexmoor-bench");
    return stage;
}

void LoadAllGraphics(benchmark::State& state) {
    Shared();
    for (auto _ : state) LoadGraphics();
}
BENCHMARK(LoadAllGraphics)->Unit(benchmark::kMillisecond);

void KeyedTileCopy(benchmark::State& state) {
    Shared();
    LoadGraphics();
    int32_t x = 0;
    for (auto _ : state) {
        BltFast(BackSurface, x, 100, WallTiles[1327], TileRect, kBltKeyed);
        x = (x + 32) % 608;
    }
}
BENCHMARK(KeyedTileCopy);

}  // namespace

BENCHMARK_MAIN();
