// The headless display with every sheet loaded, in a working folder of its own: the set-up of
// the benchmarks that draw screens.
#pragma once

#include <filesystem>

#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/host/headless.h"
#include "platform/source_rects.h"
#include "platform/working_folder.h"

struct HeadlessDisplay {
    host::Headless host;
    explicit HeadlessDisplay(const char* folder) {
        PrepareWorkingFolder(std::filesystem::temp_directory_path() / folder, VEXMOOR_MODULE_DIR);
        host::Install(&host);
        host.framesKept = 1;  // a benchmark flips thousands of frames
        InitDirectDraw();
        WriteSourceRects();
        LoadGraphics();
    }
    ~HeadlessDisplay() {
        ReleaseDirectDraw();
        host::Install(nullptr);
    }
};
