#include "events/walls_and_climbs.h"

#include <algorithm>
#include <string>

#include "adventure/square_triggers.h"
#include "adventure/teleport.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/pits_and_shafts.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_types.h"
#include "platform/fonts.h"
#include "platform/sound.h"

namespace {


enum WallAction : int16_t { kLeave, kBash, kClimb };

}  // namespace

void RunCrackEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t flag = e->Word[3], strength = e->Word[2];
    if (!IsFlagNumber(flag)) {
        result = 0;  // a wall that cannot remember breaking stays whole
        return;
    }
    if (GameFlag(flag) != -1) return;
    PlaySoundEffect("Text");
    result = 0;
    Screen screen("crack");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kBash, .label = "Bash", .y = 260, .hotkey1 = 'B'}, kLeaveOrEscButton}) != kBash)
        return;
    const int16_t form = GameState.HeroForm;
    if (form == kSnakeForm || form == kFalconForm || form == kWolfForm) {
        PlaySoundEffect("No");
        ShowEventMessage({{120, "You are unable to do"}, {135, "any significant damage"}, {150, "in that form!"}},
                         kLeaveOrEscButton);
        return;
    }
    if (GameState.Stats[kStrength] < strength && form != kBearForm) {
        PlaySoundEffect("No");
        ShowEventMessage({{120, "(Requires strength +" + std::to_string(strength) + ")", kSmallBlue},
                          {150, "You are not strong"},
                          {165, "enough to bash your way"},
                          {180, "through."}},
                         kLeaveOrEscButton);
        return;
    }
    SetGameFlag(flag, 1);
    PlaySoundEffect("Crash");
}

void RunClimbEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    PlaySoundEffect("Text");
    result = 0;
    const int16_t direction = w.Word[5];
    Screen screen("climb");
    if (GameState.HeroForm == kFalconForm) {
        if (RunEventChoice(
                screen, [&] { DrawEventTextPage(x, y, 0); },
                {{.action = kClimb, .label = direction != 0 ? "Fly Down" : "Fly Up", .y = 260, .hotkey1 = 'F'},
                 kLeaveOrEscButton}) != kClimb)
            return;
        if (DestinationOrNo(w.Word[2], w.Word[3], w.Word[4])) TeleportHero(w.Word[2], 0, w.Word[3], w.Word[4], 1);
        return;
    }
    const bool rope = HasItem(kRopeItem), harder = !rope && w.Word[6] != 0;
    const int16_t need = int16_t(std::max<int32_t>(0, w.Word[1] + (harder ? 5 : 0)));
    const std::string_view label = direction == 2 ? "Climb Over" : direction == 1 ? "Climb Down" : "Climb Up";
    auto draw = [&] {
        DrawEventTextPage(x, y, 0);
        if (!harder) return;
        const EventRecord* now = EventAt(x, y);
        const int16_t k = now ? LastEventLine(*now, 0, 9) : -1;
        DrawPageLines({{int16_t(142 + 12 * k), "Without a rope, the", kSmallRed},
                       {int16_t(154 + 12 * k), "climb will be more", kSmallRed},
                       {int16_t(166 + 12 * k), "difficult.", kSmallRed}});
    };
    if (RunEventChoice(screen, draw,
                       {{.action = kClimb, .label = label, .y = 260, .hotkey1 = 'C'}, kLeaveOrEscButton}) != kClimb)
        return;
    if (GameState.Stats[kAgility] < need) {
        ShowClimbFailed(w.Word[6] == 0 ? 3 : rope ? 1 : 2);
        return;
    }
    if (direction == 2) ClimbOver(dx, dy);
    else if (DestinationOrNo(w.Word[2], w.Word[3], w.Word[4])) TeleportHero(w.Word[2], 0, w.Word[3], w.Word[4], 1);
}

int ClimbOver(int16_t dx, int16_t dy) {
    const int16_t x = int16_t(GameState.HeroX + 2 * dx), y = int16_t(GameState.HeroY + 2 * dy);
    if (!IsMapSquare(x, y)) return 0;
    // Nobody lands on a monster: the encounter would share its square with the hero.
    if (GameState.MonsterGrid[x * 50 + y] != -1) {
        PlaySoundEffect("no");
        return 0;
    }
    GameState.HeroX = x;
    GameState.HeroY = y;
    return 1;
}
