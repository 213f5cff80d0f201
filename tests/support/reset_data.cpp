#include "data/campaign_tables.h"
#include "data/file_io.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/skill_bonus.h"
#include "kit/events/level_records.h"
#include "tests/support/global_state.h"

void KeepDataState() {
    KeepInitial(GameState);
    KeepInitial(CurrentLevel);
    KeepInitial(CustomCampaign);
    KeepInitial(GameIntro);
    KeepInitial(LevelList);
    KeepInitial(PentaTable);
    KeepInitial(ForgeTable);
    KeepInitial(BookTable);
    KeepInitial(WinTexts);
    KeepInitial(QuestTextTable);
    KeepInitial(ModuleTable);
    KeepInitial(ItemTable);
    KeepInitial(SkillBonus);
    KeepInitial(SaveList);
    KeepInitial(MonsterTable);
    KeepInitial(Options);
    ResetBeforeEachTest([] {
        FreeLevelEventsAndScripts(0);
        UnreadableFilesReported.clear();
    });
}
