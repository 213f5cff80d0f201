// Times in full-frame copies: a benchmark reports its time per run as a count of opaque
// 640 x 480 copies measured in the same run ("full_frames").
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

template <class Run>
void ReportFrames(benchmark::State& state, Run&& run) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (auto _ : state) run();
    const double perRun = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["full_frames"] = perRun / FullFrameSeconds();
}
