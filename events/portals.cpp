#include "events/portals.h"

#include "adventure/rest.h"
#include "adventure/square_triggers.h"
#include "adventure/teleport.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "platform/sound.h"
#include "script/flags.h"

namespace {

constexpr int16_t kSpade = 335, kPickaxe = 277;

struct Destination {
    int16_t level, unused, x, y;
};

bool CheckDestination(const Destination& d) { return DestinationOrNo(d.level, d.x, d.y); }

void Travel(const Destination& d) { TeleportHero(d.level, d.unused, d.x, d.y, 0); }

// A portal whose condition is false: its second text, or a passable square when it hides.
void ShowInactivePortal(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t hide, int& result) {
    if (hide == 1) {
        result = 1;
        return;
    }
    PlaySoundEffect("Text");
    DrawEventTextPage(x, y, 1);
    Flip();
    WaitMoveKeyRelease(dx, dy);
}

bool EntryAllowed(int16_t kind, int16_t param) {
    switch (kind) {
        case 0:
        case 5: return true;
        case 1: return IsItemNumber(param) && (HasItem(param) || IsItemEquipped(param));
        case 2: return IsItemNumber(param) && IsItemEquipped(param);
        case 3: return GameState.Shrunk >= 1 || GameState.HeroForm == kSnakeForm;
        case 4: return GameState.Hidden && GameState.Skills[kStealth] >= param;
        default: return false;
    }
}

enum PortalAction : int16_t { kCancel, kGo, kDig };

void RunPortalScreen(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    Screen screen("portal");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kGo, .label = "Go", .y = 260, .hotkey1 = 'G', .sound = 0},
                        {.action = kCancel, .label = "Cancel", .y = 282, .hotkey1 = 'C'}}) != kGo)
        return;
    const Destination d = TestFlagCondition(w.Word[7], w.Word[8], w.Word[9])
                              ? Destination{w.Word[10], w.Word[11], w.Word[12], w.Word[13]}
                              : Destination{w.Word[14], w.Word[15], w.Word[16], w.Word[17]};
    if (!CheckDestination(d)) return;
    PlaySoundEffect(w.Word[19] != 0 ? "PowerUp" : "Click");
    Delay(150);
    if (w.Word[20] != 0) RestRecover(1, 1);
    if (w.Word[22] > 0) SetGameFlag(w.Word[22], 1);
    Travel(d);
}

constexpr std::string_view kFreeLines[] = {"The entrance is free", "of rubble and debris."};
constexpr std::string_view kDiggableLines[] = {"The entrance is choked", "with rubble and debris.",
                                               "If you spend some time", "digging, you might be",
                                               "able to unearth the",    "entrance..."};
constexpr std::string_view kChokedLines[] = {"The entrance is choked", "with rubble and debris.", "",
                                             "You currently have no",  "means of unearthing ",    "the entrance..."};

// The dig portal's screen, from its "Text" sound on.
void RunDigPortalScreen(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    const int16_t flag = w.Word[3];
    PlaySoundEffect("Text");
    const int16_t form = GameState.HeroForm;
    const bool canDig = form == kWolfForm || form == kBearForm || (form == 0 && (HasItem(kSpade) || HasItem(kPickaxe)));
    Screen screen("dig portal");
    for (;;) {
        const bool dug = GameFlag(flag) != -1;
        std::span<const std::string_view> lines = kChokedLines;
        EventButton action{.action = kCancel, .label = "", .y = 260};
        if (dug) {
            lines = kFreeLines;
            action = {.action = kGo, .label = "Go", .y = 260, .hotkey1 = 'G', .sound = 0};
        } else if (canDig) {
            lines = kDiggableLines;
            action = {.action = kDig, .label = "Dig", .y = 260, .hotkey1 = 'D', .sound = 0};
        }
        const int16_t hit = RunEventChoice(screen,
                                           [&] {
                                               DrawEventBackground();
                                               DrawLineStack(lines);
                                           },
                                           {action, kLeaveButton});
        if (hit == kGo) {
            const Destination d{w.Word[4], w.Word[5], w.Word[6], w.Word[7]};
            if (!CheckDestination(d)) return;
            PlaySoundEffect("Click");
            Delay(150);
            Travel(d);
            return;
        }
        if (hit != kDig) return;
        PlaySoundEffect("Dig");
        Delay(150);
        SetGameFlag(flag, 1);
    }
}

}  // namespace

void RunPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const bool live = TestFlagCondition(e->Word[1], e->Word[2], e->Word[3]);
    // A portal that only portal sight shows is not there without it.
    if (e->Word[5] == 5 && GameState.PortalSightTurns == 0) return;
    result = 0;
    if (!live) {
        ShowInactivePortal(x, y, dx, dy, e->Word[21], result);
        return;
    }
    PlaySoundEffect("Text");
    CheckPortalAccess(x, y, dx, dy);
}

void CheckPortalAccess(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t kind = e->Word[5];
    if (EntryAllowed(kind, e->Word[6])) {
        RunPortalScreen(x, y);
        return;
    }
    if (kind == 3) {
        ShowPassingPage({"The entrance is too", "small! Unless you have", "some means of shrinking",
                         "yourself, you cannot", "enter..."},
                        dx, dy);
    } else if (kind == 4) {
        GameState.Hidden = 0;
        RecalcHero();
        ShowPassingPage({"You've been spotted and", "cannot get any closer!"}, dx, dy);
    } else {
        ShowPassingPage({"A mysterious force stops", "you from entering - it", "appears some condition",
                         "must first be met before", "access is permitted!"},
                        dx, dy);
    }
}

void RunWildPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    if (!TestFlagCondition(w.Word[1], w.Word[2], w.Word[3])) {
        result = 0;
        ShowInactivePortal(x, y, dx, dy, w.Word[17], result);
        return;
    }
    result = 0;
    const int16_t level = w.Word[5] >= 1 && GameFlag(w.Word[5]) == 1 ? w.Word[7] : w.Word[6];
    // The side the hero comes from: north when he steps down the map.
    int16_t first = 0;
    if (dy == 1) first = 8;
    else if (dy == -1) first = 10;
    else if (dx == -1) first = 12;
    else if (dx == 1) first = 14;
    const int16_t ax = first ? w.Word[first] : int16_t(0), ay = first ? w.Word[first + 1] : int16_t(0);
    PlaySoundEffect("Text");
    Screen screen("wild portal");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kGo, .label = "Go", .y = 260, .hotkey1 = 'G'},
                        {.action = kCancel, .label = "Cancel", .y = 282, .hotkey1 = 'C'}}) == kGo) {
        const Destination d{level, 0, ax, ay};
        if (CheckDestination(d)) Travel(d);
    }
}

void RunDigPortalEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t flag = e->Word[3];
    if (!IsFlagNumber(flag)) {
        result = 0;
        return;
    }
    // A hidden entrance is walked over until it is dug.
    if (e->Word[1] == 0 && GameFlag(flag) == -1) return;
    result = 0;
    RunDigPortalScreen(x, y);
}

void DigAtDigPortal(int16_t x, int16_t y, int16_t, int16_t) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !IsFlagNumber(e->Word[3])) return;
    SetGameFlag(e->Word[3], 1);
    PlaySoundEffect("Dig");
    Delay(150);
    RunDigPortalScreen(x, y);
}
