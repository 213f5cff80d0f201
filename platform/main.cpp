#include <cstdio>

#include "display.h"
#include "host/sdl_backend.h"
#include "working_folder.h"

int main() {
    const auto folder = WorkingFolderPath();
    if (!PrepareWorkingFolder(folder, VEXMOOR_MODULE_DIR)) {
        std::fprintf(stderr, "vexmoor: cannot use the folder %s\n", folder.c_str());
        return 1;
    }
    auto backend = host::MakeSdlBackend();
    host::Install(backend.get());
    int result = AppMain();
    host::Install(nullptr);
    return result;
}
