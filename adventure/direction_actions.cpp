#include "direction_actions.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "combat/monster_lookup.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "events/loot.h"
#include "events/pits_and_shafts.h"
#include "events/portals.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/level_advance.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "square_triggers.h"

namespace {

constexpr int16_t kThievesTools = 248;

constexpr std::array<std::string_view, 8> kTrapKindNames = {
    "Blade", "Spear", "Acid Spray", "Cold Ray", "Electrical", "Fire Blast", "Poison Dart", "Teleport"};
constexpr std::array<std::string_view, 3> kPromptTitles = {"Close Door:", "Disarm Trap:", "Dig hole:"};

constexpr EventButton kLeaveOnly[] = {kLeaveOrEscButton};
constexpr EventButton kCacheButtons[] = {{.action = 1, .label = "Investigate", .y = 260, .hotkey1 = 'I'},
                                         kLeaveOrEscButton};

// The event of that type on (x, y), or null.
const EventRecord* EventOfType(int16_t x, int16_t y, int16_t type) {
    const EventRecord* e = EventAt(x, y);
    return e && e->Word[0] == type ? e : nullptr;
}

bool MawUnder(int16_t x, int16_t y) { return OnMap(x, y) && CurrentLevel.AccessLayer[x * 50 + y] == kMawAccess; }

void SandMessage() { ShowMessage(100, 120, "There's something moving", "  about under the sand!"); }

void CloseDoor(int16_t x, int16_t y) {
    EventRecord* e = EventAt(x, y);
    if (!e) return;
    // A door with someone standing in it cannot be shut; bashed (1), closed (2) and locked (3)
    // complex doors stay as they are.
    const bool clear = EncounterIndexAt(x, y) == -1;
    switch (e->Word[0]) {
        case kSimpleDoorEvent:
            if (!clear || e->Word[2] != 1) return PlayRefusal();
            e->Word[2] = 0;
            break;
        case kComplexDoorEvent:
            if (!clear || GameFlag(e->Word[7]) != 0) return PlayRefusal();
            SetGameFlag(e->Word[7], 2);
            break;
        case kSecretDoorEvent:
            if (!clear || GameFlag(e->Word[8]) != 1) return PlayRefusal();
            SetGameFlag(e->Word[8], -1);
            break;
        default: return;
    }
    PlaySoundEffect("Door");
    Delay(150);
}

void Disarm(int16_t x, int16_t y) {
    if (EventOfType(x, y, kTrapEvent) && TrapSpotted(x, y)) RunDisarmTrap(x, y);
    else if (EventOfType(x, y, kPitEvent) && ShaftFound(x, y)) OpenShaftFromDisarm(x, y);
}

void Dig(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    bool found = false;
    if (EventOfType(x, y, kBuriedCacheEvent)) {
        DigBuriedCache(x, y);
        found = true;
    } else if (EventOfType(x, y, kDigPortalEvent)) {
        DigAtDigPortal(x, y, dx, dy);
        found = true;
    }
    if (MawUnder(x, y)) {
        SandMessage();
        found = true;
    }
    if (!found) {
        Screen screen("dug nothing");
        WaitForEventButton(screen, DrawDugNothing, kLeaveOnly);
    }
}

// The disarm attempt's outcome follows from what does not change with it: the tools carried,
// the skill and the trap's difficulty.
enum class DisarmOutcome { kNoTools, kDisarmed, kResisted };
DisarmOutcome OutcomeOf(const EventRecord& trap) {
    if (!HasItem(kThievesTools)) return DisarmOutcome::kNoTools;
    return GameState.Skills[kDisarmTraps] >= trap.Word[4] ? DisarmOutcome::kDisarmed : DisarmOutcome::kResisted;
}
// Twice the difficulty, none when the trap gives no experience.
int32_t DisarmReward(const EventRecord& trap) { return trap.Word[11] != 0 ? 0 : 2 * int32_t(trap.Word[4]); }

}  // namespace

std::string_view TrapKindName(int16_t kind) {
    return kind >= 0 && size_t(kind) < kTrapKindNames.size() ? kTrapKindNames[size_t(kind)] : std::string_view();
}

void PlayRefusal() {
    PlaySoundEffect("no");
    Delay(200);
}

void DrawDirectionPrompt(int16_t mode) {
    DrawEventBackground();
    if (mode >= 0 && size_t(mode) < kPromptTitles.size())
        DrawSmallText(465, 120, kPromptTitles[size_t(mode)], kSmallBlue);
    DrawPageLines({{140, "Select direction or"}, {152, "(L)eave"}});
    Flip();
}

void DirectionAction(int16_t mode) {
    Screen screen("direction prompt");
    struct Direction {
        int16_t key, numpadKey, dx, dy;
    };
    static constexpr Direction kDirections[] = {
        {37, 100, -1, 0}, {39, 102, 1, 0}, {38, 104, 0, -1}, {40, 98, 0, 1}};
    auto draw = [mode] { DrawDirectionPrompt(mode); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (const Direction& d : kDirections) {
            if (!KeyPressed(d.key, 1, 0, 1) && !KeyPressed(d.numpadKey, 1, 0, 1)) continue;
            // A direction off the map leaves the prompt open.
            if (!OnMap(GameState.HeroX + d.dx, GameState.HeroY + d.dy)) continue;
            ActInDirection(d.dx, d.dy, mode);
            return;
        }
        if (KeyPressed('L', 1, 0, 1) || KeyPressed(13, 1, 0, 1) || KeyPressed(kEsc, 1, 0, 1)) return;
    }
}

void ActInDirection(int16_t dx, int16_t dy, int16_t mode) {
    const int16_t x = int16_t(GameState.HeroX + dx), y = int16_t(GameState.HeroY + dy);
    if (mode == 1 && MawUnder(x, y) && GameState.Skills[kDisarmTraps] > 0) return SandMessage();
    if (mode == 0) CloseDoor(x, y);
    if (mode == 1) Disarm(x, y);
    if (mode == 2) Dig(x, y, dx, dy);
}

int TrapSpotted(int16_t x, int16_t y) {
    const EventRecord* e = EventOfType(x, y, kTrapEvent);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) || GameFlag(e->Word[9]) >= 1) return 0;
    int32_t awareness = std::max(GameState.Stats[kPerception], GameState.Skills[kDisarmTraps]);
    if (GameState.TrueSight[0] > 0) awareness += GameState.TrueSight[0];
    return awareness >= e->Word[4] ? 1 : 0;
}

int ShaftFound(int16_t x, int16_t y) {
    const EventRecord* e = EventOfType(x, y, kPitEvent);
    return e && GameState.Skills[kDisarmTraps] >= e->Word[4] ? 1 : 0;
}

void OpenShaftFromDisarm(int16_t x, int16_t y) {
    PlaySoundEffect("Text");
    int result = 1;
    RunShaft(x, y, result);
}

void DrawDisarmTrapResult(int16_t x, int16_t y) {
    DrawEventBackground();
    const EventRecord* trap = EventOfType(x, y, kTrapEvent);
    if (trap) {
        // One run of lines, so that a kind's name too long for its line moves the rest down.
        const std::string examine = "You examine the " + std::string(TrapKindName(trap->Word[5]));
        const std::string reward = "You receive " + std::to_string(DisarmReward(*trap)) + " xp!";
        const std::string needed = "(Requires Disarm +" + std::to_string(trap->Word[4]) + ")";
        std::vector<PageLine> lines{{120, examine}, {135, "trap!"}};
        switch (OutcomeOf(*trap)) {
            case DisarmOutcome::kNoTools:
                lines.insert(lines.end(), {{165, "You require Thieves Tools"}, {180, "To disarm a trap!"}});
                break;
            case DisarmOutcome::kDisarmed:
                lines.insert(lines.end(),
                             {{165, "You have successfully", kSmallBlue}, {180, "disarmed the trap!", kSmallBlue}});
                if (DisarmReward(*trap) > 0) lines.push_back({210, reward, kSmallBlue});
                break;
            case DisarmOutcome::kResisted:
                lines.insert(lines.end(), {{165, needed, kSmallBlue},
                                           {195, "The trap resists your"},
                                           {210, "attempts to disarm it!"}});
                break;
        }
        DrawPageLines(lines);
    }
    DrawEventButtons(kLeaveOnly);
    Flip();
}

void RunDisarmTrap(int16_t x, int16_t y) {
    const EventRecord* trap = EventOfType(x, y, kTrapEvent);
    if (!trap) return;
    PlaySoundEffect("Text");
    if (OutcomeOf(*trap) == DisarmOutcome::kDisarmed) {
        SetGameFlag(trap->Word[9], 2);
        if (const int32_t reward = DisarmReward(*trap); reward > 0)
            AddXp(int16_t(std::min<int32_t>(reward, INT16_MAX)));
    }
    Screen screen("disarm trap");
    WaitForEventButton(screen, [x, y] { DrawDisarmTrapResult(x, y); }, kLeaveOnly);
}

void DrawBuriedCacheFind(int16_t x, int16_t y) {
    DrawEventTextPage(x, y, 0);
    DrawEventButtons(kCacheButtons);
    Flip();
}

void DigBuriedCache(int16_t x, int16_t y) {
    const EventRecord* e = EventOfType(x, y, kBuriedCacheEvent);
    if (!e) return;
    int16_t flags[6], items[6], powers[6], amounts[6];
    for (int i = 0; i < 6; ++i) {
        flags[i] = int16_t(e->Word[4] + i);
        items[i] = e->Word[5 + i];
        powers[i] = e->Word[11 + i];
        amounts[i] = e->Word[17 + i];
    }
    PlaySoundEffect("Text");
    auto loot = [&] { RunLootScreen(x, y, flags, items, powers, amounts); };
    if (GameFlag(e->Word[2]) == 1) return loot();
    SetGameFlag(e->Word[2], 1);
    Screen screen("buried cache");
    if (WaitForEventButton(screen, [x, y] { DrawBuriedCacheFind(x, y); }, kCacheButtons) == 1) loot();
}

void DrawDugNothing() {
    DrawEventBackground();
    DrawLineStack({"You dig a big hole", "but discover nothing", "of interest..."});
    DrawEventButtons(kLeaveOnly);
    Flip();
}
