#include "teleport.h"

#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "encounters.h"
#include "hero/derived_stats.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/play_screen.h"

void TeleportHero(int16_t level, int16_t, int16_t x, int16_t y, int16_t noCheck) {
    if (!OnMap(x, y)) return;
    const bool fromWilderness = CurrentLevel.WildernessLevel == 1;
    if (level != GameState.CurrentLevelNumber) {
        if (!LoadLevel(level, 0, 1)) {
            // Its box restores nothing: the next one stands on the map, not on it.
            DrawPlayScreen(1, 1, 0, -1, -1, 0);
            return;
        }
        GameState.CurrentLevelNumber = level;
        PopulateEncounters();
        RecalcHero();  // some worn amulets act on their own levels
    }
    GameState.HeroX = x;
    GameState.HeroY = y;
    UpdateZoneMusic();
    if (!fromWilderness && CurrentLevel.WildernessLevel == 1) GameState.FoodStepCounter = 10;
    const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
    if (!noCheck && (access == kFalconAccess || access == kSolidAccess)) {
        DrawPlayScreen(0, 1, 0, -1, -1, 0);
        DrawPlayScreen(0, 1, 0, -1, -1, 0);
        ShowMessage(250, 190, "You have teleported into", "a solid space!");
        GameState.HitPoints = 0;
    }
}

int CheckArrival(int16_t level, int16_t x, int16_t y) {
    const bool levelThere = level == GameState.CurrentLevelNumber || LevelFileExists(level);
    if (OnMap(x, y) && levelThere) return 1;
    PlaySoundEffect("No");
    if (!levelThere) ShowMessage(200, 160, "  Level does not exist!", "");
    return 0;
}

int ExitLevelAtEdge(int16_t edge) {
    if (edge < 0 || edge > 3) return 0;
    const LevelRecord& l = CurrentLevel;
    // A closed edge says so and, unlike a real exit, reloads nothing.
    if (l.ExitLevel[edge] == 0) {
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(200, 180, "  There is no reason to", "travel in that direction!");
        DrawPlayScreen(1, 1, 0, -1, -1, 1);
        return 0;
    }
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (!OnMap(hx, hy) || l.AccessLayer[hx * 50 + hy] != kBorderAccess) return 0;
    const bool alternative =
        l.ExitFlag[edge] > 0 && CompareFlag(l.ExitFlag[edge], l.ExitFlagOp[edge], l.ExitFlagValue[edge]);
    const int16_t target = alternative ? l.AltExitLevel[edge] : l.ExitLevel[edge];
    if (target < 0) return 0;
    if (target == kFleeBattleLevel) return 1;
    int16_t x = hx, y = hy;
    if (l.ExitX[edge] > -1 && l.ExitY[edge] > -1) {
        x = l.ExitX[edge];
        y = l.ExitY[edge];
    } else {
        static constexpr int16_t kWrapped[4] = {49, 0, 0, 49};  // the opposite edge
        (edge < 2 ? y : x) = kWrapped[edge];
    }
    if (!OnMap(x, y) || !LoadLevel(target, 0, 1)) return 0;
    GameState.CurrentLevelNumber = target;
    GameState.HeroX = x;
    GameState.HeroY = y;
    PopulateEncounters();
    RecalcHero();
    UpdateZoneMusic();
    GameState.Facing = edge;
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
    return 0;
}
