// Tests over the default module as the build wrote it: a fresh working folder that holds the
// whole campaign, its data files loaded.
#pragma once

#include <filesystem>

#include "data/data_files.h"
#include "tests/support/headless_test.h"

class CampaignTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        namespace fs = std::filesystem;
        const fs::path built = fs::path(VEXMOOR_MODULE_DIR) / "Mod";
        const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
        fs::copy(built / "GameData", "Mod/GameData", options);
        fs::copy(built / "LevelData", "Mod/LevelData", options);
        LoadDataFiles();
    }
};
