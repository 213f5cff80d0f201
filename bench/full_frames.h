// Times as counts of full frames: an opaque 640 x 480 copy, measured once in the run (best of
// 7 x 200), is the unit that the benchmarks' targets are written in.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "platform/host/surface.h"

inline double FullFrameSeconds() {
    using Clock = std::chrono::steady_clock;
    static const double seconds = [] {
        Surface from(640, 480), to(640, 480);
        const Rect frame{0, 0, 640, 480};
        double best = 1e9;
        for (int round = 0; round < 7; ++round) {
            const auto start = Clock::now();
            for (int n = 0; n < 200; ++n) {
                CopyRect(&to, 0, 0, &from, frame, kBltOpaque);
                benchmark::DoNotOptimize(to.pixels.get());
            }
            best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / 200);
        }
        return best;
    }();
    return seconds;
}

// Runs the benchmark's loop and reports its time per run in full frames ("full_frames").
template <class Run>
void ReportFrames(benchmark::State& state, Run&& run) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (auto _ : state) run();
    const double perRun = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["full_frames"] = perRun / FullFrameSeconds();
}
