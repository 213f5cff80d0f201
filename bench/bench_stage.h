// What the benches of the program's screens start from: a working folder holding the built
// module under the temporary folder, the quiet back end installed, and the display open with
// every sheet loaded.
#pragma once

#include <filesystem>

#include "bench/quiet_host.h"
#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/source_rects.h"
#include "platform/working_folder.h"

struct BenchStage {
    QuietHost host;
    explicit BenchStage(const char* folder) {
        PrepareWorkingFolder(std::filesystem::temp_directory_path() / folder, VEXMOOR_MODULE_DIR);
        host::Install(&host);
        InitDirectDraw();
        LoadGraphics();
        WriteSourceRects();
    }
};
