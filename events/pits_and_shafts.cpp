#include "events/pits_and_shafts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "adventure/teleport.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_types.h"
#include "platform/dice.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/play_screen.h"

namespace {


enum ShaftAction : int16_t { kLeave, kClimb, kFly, kJump };

// The Agility a climb needs: 5 more without a rope when the climb is hard.
int16_t ClimbNeed(int16_t base, int16_t hard, bool rope) {
    return int16_t(std::max<int32_t>(0, base + (!rope && hard != 0 ? 5 : 0)));
}

struct ShaftEnd {
    int16_t level, unused, x, y;
    int16_t need;  // Agility, word 15
    int16_t hard;  // word 6: the climb is harder without a rope
};

// Climbs with the Agility test; the failure page when it is too low.
void Climb(const ShaftEnd& s) {
    const bool rope = HasItem(kRopeItem);
    if (GameState.Stats[kAgility] >= ClimbNeed(s.need, s.hard, rope)) {
        TeleportHero(s.level, s.unused, s.x, s.y, 1);
        return;
    }
    ShowClimbFailed(s.hard == 0 ? 3 : rope ? 1 : 2);
}

int16_t RunShaftPage(std::span<const std::string_view> lines, std::span<const EventButton> buttons) {
    Screen screen("shaft");
    return RunEventChoice(
        screen,
        [&] {
            DrawEventBackground();
            DrawLineStack(lines);
        },
        buttons);
}

bool CheckShaftEnd(const ShaftEnd& s) { return DestinationOrNo(s.level, s.x, s.y); }

ShaftEnd ShaftEndOf(const EventRecord& w) {
    return {w.Word[10], w.Word[11], w.Word[12], w.Word[13], w.Word[15], w.Word[6]};
}

void RunShaftBottom(int16_t x, int16_t y, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    const int16_t spotted = GameFlag(w.Word[9]);
    if (spotted <= 0) return;
    result = 0;
    const ShaftEnd top = ShaftEndOf(w);
    if (GameState.HeroForm == kFalconForm) {
        PlaySoundEffect("Text");
        static constexpr std::string_view kLines[] = {"You are at the bottom", "of a deep, vertical shaft.",
                                                      "In your current form,", "you could fly up the", "shaft..."};
        const EventButton buttons[] = {{.action = kFly, .label = "Fly Up", .y = 260, .hotkey1 = 'F'}, kLeaveButton};
        if (RunShaftPage(kLines, buttons) == kFly && CheckShaftEnd(top))
            TeleportHero(top.level, top.unused, top.x, top.y, 0);
        return;
    }
    if (spotted != 1) return;
    PlaySoundEffect("Text");
    static constexpr std::string_view kLines[] = {"You are at the bottom", "of a deep, vertical shaft."};
    const EventButton buttons[] = {{.action = kClimb, .label = "Climb Up", .y = 260, .hotkey1 = 'C'}, kLeaveButton};
    if (RunShaftPage(kLines, buttons) == kClimb && CheckShaftEnd(top)) Climb(top);
}

}  // namespace

void RunPitShaftEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    if (!IsFlagNumber(e->Word[9])) {
        result = 0;  // a shaft that cannot be spotted is not there to climb or fall into
        return;
    }
    if (e->Word[14] != 0) RunShaftBottom(x, y, result);
    else RunShaft(x, y, result);
}

void RunShaft(int16_t x, int16_t y, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !IsFlagNumber(e->Word[9])) return;
    const EventRecord w = *e;
    const int16_t flag = w.Word[9];
    if (GameFlag(flag) < 1 && GameState.Skills[kDisarmTraps] >= w.Word[4]) SetGameFlag(flag, 1);
    if (GameFlag(flag) < 1) return;  // unspotted: the hero steps onto the pit
    result = 0;
    PlaySoundEffect("Text");
    const ShaftEnd bottom = ShaftEndOf(w);
    std::vector<std::string_view> lines{"A deep vertical shaft", "descends down into the", "darkness."};
    std::vector<EventButton> buttons{kLeaveButton};
    const int16_t form = GameState.HeroForm;
    const bool rope = HasItem(kRopeItem);
    if (form == 0) {
        if (rope) lines.insert(lines.end(), {"Fortunately you have a", "rope."});
        else lines.insert(lines.end(), {"Unfortunately you don't", "have arope."});
        buttons.push_back({.action = kClimb, .label = "Climb Down", .y = 260, .hotkey1 = 'C'});
    } else if (form == kFalconForm) {
        buttons.push_back({.action = kFly, .label = "Fly Down", .y = 260, .hotkey1 = 'F'});
    } else {
        lines.insert(lines.end(), {"In your current beastial", "form, your only option", "would be to leap in and",
                                   "see what happens!"});
        buttons.push_back({.action = kJump, .label = "Jump In", .y = 260, .hotkey1 = 'J'});
    }
    const int16_t action = RunShaftPage(lines, buttons);
    if (action == kLeave || !CheckShaftEnd(bottom)) return;
    if (action == kClimb) {
        Climb(bottom);
        return;
    }
    if (action == kJump) RunPitTrap(w.Word[6], w.Word[7], w.Word[8], 0);
    TeleportHero(bottom.level, bottom.unused, bottom.x, bottom.y, 0);
}

void RunPitTrap(int16_t count, int16_t sides, int16_t bonus, int16_t isTrap) {
    const int16_t damage = std::max<int16_t>(0, RollDice(count, sides, bonus));
    GameState.HitPoints = int16_t(std::max<int32_t>(0, GameState.HitPoints - damage));
    const bool killed = GameState.HitPoints == 0;
    PlaySoundEffect(GameState.HeroSex != 0 ? "FemaleFall" : "MaleFall");
    const std::string n = std::to_string(damage);
    if (isTrap) {
        ShowMessage(80, 80, " A pit trap! You take " + n,
                    killed ? "   damage, killing you!" : "   damage from the fall!");
        return;
    }
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    if (killed) {
        Delay(1000);
        PlaySoundEffect("Hit");
    }
    ShowMessage(80, 80, "  You take " + n + " damage,", killed ? "  killing yourself!" : "  from the fall!");
}

void ShowClimbFailed(int16_t kind) {
    static constexpr std::string_view kLines[3][3] = {
        {"Even with a rope and", "grapple, this climb is", "too difficult for you."},
        {"  Without a rope and", "  grapple you dare not", "  attempt this climb."},
        {"  The climb is too", "  difficult. You give", "  up in frustration."}};
    if (kind < 1 || kind > 3) return;
    const auto& l = kLines[kind - 1];
    ShowEventMessage({{120, l[0]}, {132, l[1]}, {144, l[2]}}, kLeaveOrEscButton);
}
