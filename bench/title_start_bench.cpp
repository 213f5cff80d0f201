// From the start of the program to the first frame of the title menu, with the title pages
// trimmed: the display, every sheet, the thirteen data files and the menu. Run it from a
// Release build (build/release/vexmoor_bench --benchmark_filter=TitleStart); the exec and
// the loader of the process come on top of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "frontend/title.h"
#include "platform/display.h"
#include "platform/host/headless.h"
#include "platform/working_folder.h"

namespace {

struct FirstFrameShown {};

// The headless back end that stops the program at its first flip.
class FirstFrameHost final : public host::Backend {
public:
    host::Headless inner;
    bool OpenWindow(const char* title) override { return inner.OpenWindow(title); }
    void CloseWindow() override { inner.CloseWindow(); }
    void ShowCursor(bool shown) override { inner.ShowCursor(shown); }
    bool OpenDisplay() override { return inner.OpenDisplay(); }
    void CloseDisplay() override { inner.CloseDisplay(); }
    bool KeyDown(int32_t key) override { return inner.KeyDown(key); }
    host::Point Cursor() override { return inner.Cursor(); }
    bool PeekMessage(host::Message& m) override { return inner.PeekMessage(m); }
    void PostMessage(host::Message m) override { inner.PostMessage(m); }
    uint32_t Ticks() override { return inner.Ticks(); }
    void Idle() override {}
    void Present(const Surface&) override { throw FirstFrameShown{}; }
    void FrontChanged(const Surface&) override {}
    void PlayWave(std::string_view, const uint8_t*, size_t) override {}
    void PlayWaveFile(const std::string&) override {}
    void MediaCommand(std::string_view) override {}
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
