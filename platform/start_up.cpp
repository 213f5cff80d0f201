#include "start_up.h"

#include <cstdio>
#include <string>

#include "display.h"
#include "working_folder.h"

namespace fs = std::filesystem;

namespace {

int Refuse(host::Backend& h, const std::string& text, bool box) {
    std::fprintf(stderr, "vexmoor: %s\n", text.c_str());
    if (box) h.ShowStartUpError(text);
    return 1;
}

}  // namespace

int RunGame(host::Backend& backend, const fs::path& folder, const fs::path& module) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Two programs on one folder would overwrite each other's options and saves.
    if (!backend.LockFolder(folder.string())) {
        return Refuse(backend, "Vexmoor is already running on the folder " + folder.string() + ".", true);
    }
    if (!PrepareWorkingFolder(folder, module)) {
        return Refuse(backend, "cannot use the folder " + folder.string(), false);
    }
    host::Install(&backend);
    const int result = AppMain();
    host::Install(nullptr);
    return result;
}
