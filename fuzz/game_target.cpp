#include "fuzz/game_target.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/host/headless.h"
#include "platform/source_rects.h"
#include "platform/working_folder.h"
#include "tests/support/global_state.h"

namespace fs = std::filesystem;

namespace fuzz {
namespace {

fs::path Folder;

void RemoveFolder() {
    std::error_code ec;
    fs::current_path(Folder.parent_path(), ec);
    fs::remove_all(Folder, ec);
}

}  // namespace

void StartGameTarget(const char* name) {
    // Kept before anything runs, as the test program keeps it.
    KeepAllInitialState();
    // In memory where there is such a place: every input writes its level and saves, each synced.
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    Folder = base / ("vexmoor-" + std::string(name) + "-fuzz-" + std::to_string(getpid()));
    fs::remove_all(Folder, ec);
    if (!PrepareWorkingFolder(Folder, VEXMOOR_MODULE_DIR)) {
        std::fprintf(stderr, "cannot prepare %s\n", Folder.c_str());
        std::exit(1);
    }
    std::atexit(RemoveFolder);
    // The campaign's levels and tables out, as in the tests: each input brings its world.
    fs::remove_all("Mod/LevelData", ec);
    fs::create_directories("Mod/LevelData", ec);
    for (const auto& entry : fs::directory_iterator("Mod/GameData", ec))
        if (entry.path().extension() == ".dat") fs::remove(entry.path(), ec);
    static host::Headless opener;
    host::Install(&opener);
    if (InitDirectDraw() != 1) std::exit(1);
    LoadGraphics();
    WriteSourceRects();
}

}  // namespace fuzz
