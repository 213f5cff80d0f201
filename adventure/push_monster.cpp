// The P button: pushing a monster one square away, into a chasm to its death.
#include "adventure_loop.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "combat/monster_path.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "encounters.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "push_and_travel.h"
#include "view/play_screen.h"

namespace {

void DrawPushPrompt() {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    DrawSmallText(465, 120, "Push enemy:", kSmallBlue);
    DrawSmallText(465, 140, "Select direction or", kSmallBlack);
    DrawSmallText(465, 152, "(L)eave", kSmallBlack);
    Flip();
}

bool Pressed(int16_t key, int16_t numpad) { return KeyPressed(key, 1, 0, 0) || KeyPressed(numpad, 1, 0, 0); }

}  // namespace

void PushMonster() {
    Screen screen("push enemy");
    DrawPushPrompt();
    for (;;) {
        LoopPass(screen, DrawPushPrompt);
        const int16_t x = GameState.HeroX, y = GameState.HeroY;
        if (x > 1 && Pressed(37, 100)) return PushAt(int16_t(x - 1), y, -1, 0);
        if (x < 48 && Pressed(39, 102)) return PushAt(int16_t(x + 1), y, 1, 0);
        if (y > 1 && Pressed(38, 104)) return PushAt(x, int16_t(y - 1), 0, -1);
        if (y < 48 && Pressed(40, 98)) return PushAt(x, int16_t(y + 1), 0, 1);
        if (KeyPressed('L', 1, 0, 0) || KeyPressed(13, 1, 0, 0) || KeyPressed(27, 1, 0, 0)) return;
    }
}

void PushAt(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    const int16_t e = EncounterIndexAt(x, y);
    if (e == -1) {
        PlaySoundEffect("no");
        Delay(300);
    } else if (GameState.EncounterList[e].Kind == kMonsterKind) {
        TryPushMonster(x, y, e, dx, dy);
    }
}

void TryPushMonster(int16_t x, int16_t y, int16_t encounter, int16_t dx, int16_t dy) {
    const int16_t monster = GameState.EncounterList[encounter].Monster;
    if (monster < 0 || monster >= kMonsterCount) return;
    const MonsterRecord& m = MonsterTable[size_t(monster)];
    if (m.MonsterGhostTouch || m.MonsterWalksThroughWalls) return ShowRefusal(80, 120, "Can't push an ethereal", "monster!");
    if (m.MonsterFlies) return ShowRefusal(80, 120, "Can't push a flyer!", "");
    if (PictureSizeClass(m.MonsterPicture) != 0) return ShowRefusal(80, 120, "Monster too big!", "");
    // By the table's hit points, not the wounded monster's.
    if (GameState.Stats[kStrength] * 10 < m.MonsterHitPoints) return ShowRefusal(80, 120, "You're not strong enough!", "");
    if (EncounterIndexAt(int16_t(x + dx), int16_t(y + dy)) != -1) return ShowRefusal(80, 120, "No space behind monster!", "");
    MoveMonsterByPush(x, y, encounter, dx, dy);
}

void MoveMonsterByPush(int16_t x, int16_t y, int16_t encounter, int16_t dx, int16_t dy) {
    const int16_t tx = int16_t(x + dx), ty = int16_t(y + dy);
    const int16_t access = OnMap(tx, ty) ? CurrentLevel.AccessLayer[tx * 50 + ty] : kSolidAccess;
    const int16_t there = EncounterIndexAt(tx, ty);
    if ((access > kWalkUnderAccess && access != kShallowWaterAccess) || access == kNoMonsterAccess ||
        (there != -1 && there != encounter) || IsEventBlockingMonster(tx, ty, encounter))
        return ShowRefusal(80, 120, "No room for monster", "to be pushed!");
    GameState.Hidden = 0;
    RecalcHero();
    ClearEncounterSquares(encounter);
    MarkFootprint(tx, ty, 0, encounter);
    if (access != kChasmAccess) return;
    if (dx != 0) GameState.FigureFacesRight = dx == 1 ? 1 : 0;
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
    Delay(200);
    PlaySoundEffect("MonsterDie");
    int16_t firstX = -1, firstY = -1;
    KillMonster(tx, ty, encounter, firstX, firstY);
}
