// Tests over the default module as the build wrote it: a fresh working folder that holds the
// whole campaign, its data files loaded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/level.h"
#include "tests/support/headless_test.h"

class CampaignTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        CopyModule();
    }
    // The built module copied into the working folder (over what is there) and its tables loaded.
    static void CopyModule() {
        namespace fs = std::filesystem;
        const fs::path built = fs::path(VEXMOOR_MODULE_DIR) / "Mod";
        const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
        fs::copy(built / "GameData", "Mod/GameData", options);
        fs::copy(built / "LevelData", "Mod/LevelData", options);
        LoadDataFiles();
    }
};

// The levels of the module, in number order.
inline std::vector<int16_t> ModuleLevels() {
    std::vector<int16_t> levels;
    for (int16_t n = 0; n < kLevelCount; ++n)
        if (LevelList.LevelListUsed[n] == 1) levels.push_back(n);
    return levels;
}

// A square of a level, as the checks name it.
inline std::string At(int16_t level, int x, int y) {
    return "level " + std::to_string(level) + " (" + std::to_string(x) + "," + std::to_string(y) + ")";
}
