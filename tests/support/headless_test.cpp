#include "headless_test.h"

#include <unistd.h>

#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/source_rects.h"
#include "platform/working_folder.h"

namespace fs = std::filesystem;

void HeadlessTest::SetUp() {
    previous_ = fs::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = fs::temp_directory_path() /
             (std::string("vexmoor-") + info->test_suite_name() + "-" + info->name() + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    ASSERT_TRUE(PrepareWorkingFolder(folder, VEXMOOR_MODULE_DIR));
    // The build's pictures without the default campaign: a test starts from an empty module
    // unless it brings the campaign in itself.
    std::error_code ec;
    fs::remove_all(folder / "Mod" / "LevelData", ec);
    fs::create_directories(folder / "Mod" / "LevelData", ec);
    for (const auto& entry : fs::directory_iterator(folder / "Mod" / "GameData", ec))
        if (entry.path().extension() == ".dat") fs::remove(entry.path(), ec);
    host::Install(&host);
}

void HeadlessTest::TearDown() {
    if (HasFailure() && !host.frames.empty()) {
        const fs::path png = previous_ / (folder.filename().string() + ".png");
        if (host.WritePng(png.string())) std::printf("newest frame: %s\n", png.c_str());
    }
    ReleaseDirectDraw();
    SurfacesLost = 0;
    RedrawNeeded = 0;
    host::Install(nullptr);
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(folder, ec);
}

void HeadlessTest::OpenDisplay() {
    ASSERT_EQ(InitDirectDraw(), 1);
    LoadGraphics();
    WriteSourceRects();
}
