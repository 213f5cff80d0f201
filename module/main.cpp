// Build-time generator of the default module: the campaign's data files and levels, written
// through the game's own records and writers. The same build gives the same bytes.
// Usage: make_module <module folder>   (the folder that holds Mod/)
#include <cstdio>
#include <filesystem>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/level.h"
#include "data/text_field.h"
#include "level_plan.h"
#include "tables.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_module <module folder>\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[1], ec);
    std::filesystem::current_path(argv[1], ec);
    if (ec) {
        std::fprintf(stderr, "make_module: cannot enter %s\n", argv[1]);
        return 1;
    }
    // The levels are all the module's own: none of an earlier build stays behind.
    std::filesystem::remove_all("Mod/LevelData", ec);
    CreateModFolders();
    bool ok = WriteCampaignTables();
    WriteDefaultLevelListFile();
    for (LevelPlan (*plan)() : {ThornwickPlan, ValePlan, BarrowHallsPlan, BarrowCryptPlan}) {
        const LevelPlan p = plan();
        if (!BuildLevel(p) || !SaveLevel(p.number, 0)) {
            ok = false;
            continue;
        }
        LevelList.LevelListUsed[p.number] = 1;
        SetFieldText(LevelList.LevelListName[p.number], p.name);
    }
    if (!SaveLevelList()) ok = false;
    return ok ? 0 : 1;
}
