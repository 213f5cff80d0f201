// The level editor's screen with every overlay on and an event on every square, against one
// opaque full-screen copy of the slate into the back surface (the target: at most 6 of them),
// and the two text dumps over 20 full levels, against loading those levels once (the target:
// at most 8 of those).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/bench_stage.h"
#include "bench/full_levels.h"
#include "kit/events/level_records.h"
#include "kit/level/editor_screen.h"
#include "kit/level/editor_state.h"
#include "kit/level/event_clipboard.h"
#include "kit/level/text_dumps.h"
#include "platform/display.h"
#include "platform/source_rects.h"

namespace {

constexpr int16_t kLevels = 20;

struct Setup : BenchStage {
    Setup() : BenchStage("vexmoor-editor-bench") {
    }
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

double SlateCopySeconds() {
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int round = 0; round < 7; ++round) {
        const auto start = Clock::now();
        for (int n = 0; n < 200; ++n) BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / 200);
    }
    return best;
}

void EditorScreenEverythingOn(benchmark::State& state) {
    Shared();
    NewLevel(5);
    for (int16_t x = 0; x < 50; ++x) {
        for (int16_t y = 0; y < 50; ++y) {
            CreateEvent(x, y, int16_t(1226 + (x + y) % 65));
            CurrentLevel.TopLayer[x * 50 + y] = 40;
            CurrentLevel.ZoneLayer[x * 50 + y] = int16_t((x + y) % 6);
        }
    }
    CopyEventToClipboard(*EventAt(3, 3));
    EditorState editor;
    editor.zones = 1;
    editor.viewX = editor.viewY = 20;
    const double slate = SlateCopySeconds();
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (auto _ : state) DrawEditorScreen(editor, 0);
    const double perRun = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["slate_copies"] = perRun / slate;
    FreeLevelEventsAndScripts(0);
}
BENCHMARK(EditorScreenEverythingOn);

// Each dump ends in a message box: Enter answers it.
template <int (*Dump)()>
void DumpOfFullLevels(benchmark::State& state) {
    QuietHost& host = Shared().host;
    full_levels::ReportLevelLoads(state, kLevels, [&] {
        host.inner.Wait(1).Tap(13);
        benchmark::DoNotOptimize(Dump());
    });
}
BENCHMARK(DumpOfFullLevels<DumpScripts>)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(DumpOfFullLevels<DumpEventTexts>)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
