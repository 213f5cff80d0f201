#include "events/item_events.h"

#include <algorithm>
#include <optional>

#include "adventure/encounters.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "events/loot.h"
#include "hero/derived_stats.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "script/script_interpreter.h"
#include "view/play_screen.h"

namespace {

enum ItemPageAction : int16_t { kLeaveItems, kInvestigate };

// The live page of a single item or a cache: "Investigate" (I or D) opens the loot screen.
bool InvestigatePage(int16_t x, int16_t y) {
    Screen screen("items");
    return RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                          {{.action = kInvestigate, .label = "Investigate", .y = 257, .hotkey1 = 'I', .hotkey2 = 'D'},
                           kLeaveButton}) == kInvestigate;
}

// An item event whose condition is false: its other text, or nothing at all when it hides.
void ShowInactiveItems(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t hide, int& result) {
    if (hide == 1) return;
    result = 0;
    PlaySoundEffect("Text");
    ShowPassingTextPage(x, y, 1, dx, dy);
}

// The item event on (x, y), copied, when its condition holds ("Text" plays); otherwise its
// inactive side, with word hideWord saying whether it hides, and nothing.
std::optional<EventRecord> OpenItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int hideWord, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return std::nullopt;
    const EventRecord w = *e;
    if (!TestFlagCondition(w.Word[1], w.Word[2], w.Word[3])) {
        ShowInactiveItems(x, y, dx, dy, w.Word[hideWord], result);
        return std::nullopt;
    }
    result = 0;
    PlaySoundEffect("Text");
    return w;
}

void ShowNothingLeft(int16_t dx, int16_t dy) { ShowPassingPage({"There is nothing left", "to take."}, dx, dy); }

}  // namespace

void RunOneItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const std::optional<EventRecord> open = OpenItemEvent(x, y, dx, dy, 9, result);
    if (!open) return;
    const EventRecord& w = *open;
    if (!IsFlagNumber(w.Word[4]) || GameFlag(w.Word[4]) == 1) {
        ShowNothingLeft(dx, dy);
        return;
    }
    if (InvestigatePage(x, y)) RunOneItemLoot(x, y, w.Word[4], w.Word[5], w.Word[6], w.Word[7]);
}

void RunItemsCacheEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const std::optional<EventRecord> open = OpenItemEvent(x, y, dx, dy, 25, result);
    if (!open) return;
    const EventRecord& w = *open;
    int16_t flags[6], items[6], powers[6], amounts[6];
    bool left = false;
    for (int i = 0; i < 6; ++i) {
        flags[i] = int16_t(w.Word[4] + i);
        items[i] = w.Word[5 + i];
        powers[i] = w.Word[11 + i];
        amounts[i] = w.Word[17 + i];
        if (IsFlagNumber(w.Word[4] + i) && items[i] >= 1 && IsItemNumber(items[i]) && GameFlag(flags[i]) != 1)
            left = true;
    }
    if (!left) {
        ShowNothingLeft(dx, dy);
        return;
    }
    if (InvestigatePage(x, y)) RunLootScreen(x, y, flags, items, powers, amounts);
}

void RunSearchEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    result = 0;
    const int16_t brokenFlag = w.Word[2], slotFlag = w.Word[3];
    if (!IsFlagNumber(brokenFlag)) return;
    if (GameFlag(brokenFlag) != 1) {
        PlaySoundEffect(w.Word[1] == 7 || w.Word[1] == 8 ? "splat" : "drop");
        SetGameFlag(brokenFlag, 1);
        ReleasePotMonsters(brokenFlag);
        DrawPlayScreen(1, 1, 0, -1, -1, 1);
        Delay(250);
    } else {
        PlaySoundEffect("click");
    }
    Delay(150);
    if (slotFlag >= 1 && IsFlagNumber(slotFlag) && GameFlag(slotFlag) != 1)
        RunOneItemLoot(x, y, slotFlag, w.Word[4], w.Word[5], w.Word[6]);
}

void ReleasePotMonsters(int16_t flag) {
    if (flag <= 0 || GameFlag(flag) != 1) return;
    for (int16_t x = 0; x < 50; ++x)
        for (int16_t y = 0; y < 50; ++y) {
            const EventRecord* e = EventAt(x, y);
            if (e && e->Word[0] == kMonsterEvent && e->Word[1] == flag && GameFlag(e->Word[5]) == -1)
                SpawnMonsterAt(x, y);
        }
}

void RunFoodEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    result = 0;
    PlaySoundEffect("Text");
    enum : int16_t { kLeaveFood, kCollect };
    // The button stays where it was drawn even when it is not: a click there never lowers the food.
    const EventButton collect{
        .action = kCollect, .label = GameState.HeroFood < 10 ? "Collect food" : "", .y = 260, .hotkey1 = 'C'};
    Screen screen("food");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); }, {collect, kLeaveButton}) == kCollect)
        GameState.HeroFood = std::max<int16_t>(GameState.HeroFood, 10);
}

void RunScriptEvent(int16_t x, int16_t y, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !TestFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    // Read before the script runs: it may load another level and free this record.
    const int16_t script = e->Word[4];
    const bool silent = e->Word[12] != 0;
    if (script < 0 || script >= kScriptSlots) {
        result = 0;
        return;
    }
    if (!silent) {
        GameState.Hidden = 0;
        RecalcHero();
        result = 0;
        PlaySoundEffect("Text");
    } else {
        result = 1;
    }
    if (!ScriptTable[size_t(script)]) {
        ShowMessage(50, 50, "Error! Null script pointer!", "");
        return;
    }
    RunScript(script, x, y);
}
