#include "hide.h"

#include "combat/monster_lookup.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "platform/message_boxes.h"
#include "square_triggers.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {


}  // namespace

int MonsterInSight() {
    int16_t ox = 0, oy = 0;
    ComputeViewOrigin(ox, oy);
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            if (SightGrid[i][j] != 1) continue;
            const Encounter* e = EncounterOf(EncounterIndexAt(ox + i, oy + j));
            if (e && e->Kind == kMonsterKind) return 1;
        }
    return 0;
}

void RunHideSquareEvent() {
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    const EventRecord* e = EventAt(x, y);
    if (e && e->Word[0] == kActivateScriptEvent) RunActivateScriptEvent(x, y);
}

void TryHide() {
    if (MonsterInSight()) {
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(180, 180, "There are enemies in sight.", "  You cannot hide here.");
        return;
    }
    GameState.Hidden = 1;
    RecalcHero();
    RunHideSquareEvent();
}
