// From the start of the program to the first frame of the title menu, with the title pages
// trimmed: the display, every sheet, the thirteen data files and the menu. Run it from a
// Release build (build/release/vexmoor_bench --benchmark_filter=TitleStart); the exec and
// the loader of the process come on top of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/quiet_host.h"
#include "frontend/title.h"
#include "platform/display.h"
#include "platform/working_folder.h"

namespace {

struct FirstFrameShown {};

// The quiet back end that stops the program at its first flip.
class FirstFrameHost final : public QuietHost {
public:
    void Present(const Surface&) override { throw FirstFrameShown{}; }
};

FirstFrameHost& Host() {
    static FirstFrameHost h;
    return h;
}

void TrimTitlePages(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "Mod/GameData");
    const uint8_t option[24] = {50, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 1};
    std::ofstream(folder / "Mod/GameData/Option.dat", std::ios::binary).write(reinterpret_cast<const char*>(option), 24);
}

void RunToFirstFrame() {
    try {
        AppMain();
    } catch (const FirstFrameShown&) {
    }
    ReleaseDirectDraw();
}

// A module folder that already holds its data files.
void TitleStart(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "vexmoor-title-bench";
    std::filesystem::remove_all(folder);
    PrepareWorkingFolder(folder, VEXMOOR_MODULE_DIR);
    TrimTitlePages(folder);
    host::Install(&Host());
    RunToFirstFrame();  // the first start writes the data files
    for (auto _ : state) RunToFirstFrame();
}
BENCHMARK(TitleStart)->Unit(benchmark::kMillisecond);

// The first start of a new player: the data files are built and written.
void TitleFirstStart(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "vexmoor-title-bench-first";
    host::Install(&Host());
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder);
        PrepareWorkingFolder(folder, VEXMOOR_MODULE_DIR);
        TrimTitlePages(folder);
        state.ResumeTiming();
        RunToFirstFrame();
    }
}
BENCHMARK(TitleFirstStart)->Unit(benchmark::kMillisecond);

}  // namespace
