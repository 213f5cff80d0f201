#include "events/item_use_events.h"

#include <algorithm>
#include <string>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "events/loot.h"
#include "events/saving_throws.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_instances.h"
#include "platform/dice.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"

namespace {

constexpr int16_t kPoisonGas = 4;
// Where SWAP ITEM keeps the item given up: its number, power and charges.
constexpr int16_t kSwapItemFlag = 8, kSwapXFlag = 9, kSwapYFlag = 10;

enum SlotAction : int16_t { kLeave, kPlace, kRetrieve, kUse };

std::string_view ItemName(int16_t item) {
    const ItemRecord* r = ItemRecordOf(item);
    return r ? FieldText(r->ItemName) : std::string_view();
}

// "A sword" or "An axe".
std::string WithArticle(int16_t item) {
    const std::string_view name = ItemName(item);
    return (StartsWithVowel(name) ? "An " : "A ") + std::string(name);
}

// A placed item goes back only when the hero has room for it; else "no" and it stays.
bool GiveBack(int16_t item, int16_t power, int16_t charges) {
    if (GiveItem(item, power, charges, 0)) return true;
    PlaySoundEffect("no");
    return false;
}

enum class Test : uint8_t { kIgnored, kHolds, kFails };

// An IF GOT test: kind 0 carried, 1 worn; any other kind is no test at all. An item outside
// the table is never held, so its test fails.
Test IfGotTest(int16_t kind, int16_t item) {
    if (kind != 0 && kind != 1) return Test::kIgnored;
    if (!IsItemNumber(item)) return Test::kFails;
    const int held = kind == 0 ? HasItem(item) : IsItemEquipped(item);
    return held ? Test::kHolds : Test::kFails;
}

bool IfGotPasses(const EventRecord& w) {
    if (w.Word[1] >= 2) return true;
    const Test first = IfGotTest(w.Word[1], w.Word[2]);
    auto optional = [&](int word) { return w.Word[word + 1] > 0 ? IfGotTest(w.Word[word], w.Word[word + 1]) : Test::kIgnored; };
    const Test second = optional(3), butNot = optional(5), andNot = optional(7);
    const bool barred = butNot == Test::kHolds || andNot == Test::kHolds;
    if (w.Word[9] < 1) return first != Test::kFails && second != Test::kFails && !barred;
    return (first == Test::kHolds || second == Test::kHolds) && !barred;
}

}  // namespace

void RunUseItemEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    const int16_t required = w.Word[1], activation = w.Word[2], status = w.Word[4], rule = w.Word[5];
    const int16_t itemFlag = w.Word[6], xFlag = int16_t(itemFlag + 1), yFlag = int16_t(itemFlag + 2);
    const bool removable = w.Word[3] != 0;
    // A slot that cannot remember what lies in it takes nothing.
    const bool slotWorks = IsFlagNumber(status) && IsFlagNumber(itemFlag) && IsFlagNumber(yFlag);
    PlaySoundEffect("Text");
    result = 0;
    Screen screen("use item");
    for (;;) {
        const bool empty = GameFlag(status) < 0;
        const int16_t placed = GameFlag(itemFlag);
        const std::string name = WithArticle(placed);
        const EventButton action =
            empty ? EventButton{.action = kPlace, .label = "Place Item", .y = 260, .hotkey1 = 'P'}
                  : EventButton{.action = kRetrieve, .label = removable ? "Retrieve Item" : "", .y = 260,
                                .hotkey1 = int16_t(removable ? 'R' : 0)};
        const int16_t chosen = RunEventChoice(
            screen,
            [&] {
                DrawEventTextPage(x, y, 0);
                if (!empty) DrawPageLines({{200, name, kSmallBlue}, {212, "is placed here.", kSmallBlue}});
            },
            {action, kLeaveOrEscButton});
        if (chosen == kLeave) return;
        if (chosen == kPlace) {
            if (!slotWorks) {
                PlaySoundEffect("no");
                continue;
            }
            int cancelled = 0;
            if (!PickBackpackItem(itemFlag, xFlag, yFlag, rule, required, cancelled)) return;
            SetGameFlag(status, 1);
            if (GameFlag(itemFlag) == required) {
                PlaySoundEffect("Chain");
                AssignFlag(activation, 1, 1);
                return;
            }
        } else if (removable && GiveBack(placed, GameFlag(xFlag), GameFlag(yFlag))) {
            SetGameFlag(status, -1);
            if (placed == required) AssignFlag(activation, 2, 1);
            SetGameFlag(itemFlag, -1);
        }
    }
}

void RunUseLensEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t lensFlag = e->Word[2];
    PlaySoundEffect("Text");
    result = 0;
    Screen screen("use lens");
    for (;;) {
        const int16_t lens = GameFlag(lensFlag);
        const bool empty = lens == -1;
        const std::string line = WithArticle(lens) + " is placed";
        const EventButton action =
            empty ? EventButton{.action = kPlace, .label = "Place Lens", .y = 260, .hotkey1 = 'P'}
                  : EventButton{.action = kRetrieve, .label = "Retrieve Lens", .y = 260, .hotkey1 = 'R'};
        const int16_t chosen = RunEventChoice(
            screen,
            [&] {
                const int16_t below = DrawEventTextPage(x, y, 0);
                if (!empty) DrawPageLines({{below, line, kSmallBlue}, {int16_t(below + 12), "here.", kSmallBlue}});
            },
            {action, kLeaveOrEscButton});
        if (chosen == kLeave) return;
        if (chosen == kPlace) {
            int cancelled = 0;
            if (!IsFlagNumber(lensFlag)) PlaySoundEffect("no");
            else PickBackpackItem(lensFlag, -1, -1, 3, 0, cancelled);  // power and charges are dropped
        } else if (GiveBack(lens, 0, 0)) {
            SetGameFlag(lensFlag, -1);
        }
    }
}

void RunSwapItemEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    if (!CheckFlagCondition(w.Word[9], w.Word[10], w.Word[11])) return;
    result = 0;
    PlaySoundEffect("Text");
    const int16_t required = w.Word[1];
    // No exchange item is an exchange that always fits.
    auto giveExchange = [&] { return !IsItemNumber(w.Word[5]) || GiveItem(w.Word[5], w.Word[6], w.Word[7], 0); };
    if (w.Word[12] == 1) {
        if (!HasItem(required)) return;
        if (!giveExchange()) {
            PlaySoundEffect("no");
            return;
        }
        TakeItem(required);
        ShowEventText(x, y, 1);
        return;
    }
    Screen screen("swap item");
    for (;;) {
        if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                           {{.action = kUse, .label = "Use Item", .y = 250, .hotkey1 = 'U'}, kLeaveOrEscButton}) !=
            kUse)
            return;
        int cancelled = 0;
        if (!PickBackpackItem(kSwapItemFlag, kSwapXFlag, kSwapYFlag, 0, required, cancelled)) continue;
        if (!giveExchange()) {
            GiveItem(GameFlag(kSwapItemFlag), GameFlag(kSwapXFlag), GameFlag(kSwapYFlag), 0);
            PlaySoundEffect("no");
            continue;
        }
        PlaySoundEffect("Spell");
        AssignFlag(w.Word[4], 1, 1);
        ShowEventText(x, y, 1);
        return;
    }
}

void RunIfGotEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[11], e->Word[12], e->Word[13]) || IfGotPasses(*e)) return;
    result = 0;
    PlaySoundEffect("Text");
    ShowEventText(x, y, 0);
}

void RunUseSpellEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    PlaySoundEffect("Text");
    result = 0;
    ShowPassingTextPage(x, y, GameFlag(e->Word[5]) == 1 ? 1 : 0, dx, dy);
}

void RunBuriedCacheEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || GameFlag(e->Word[2]) != 1) return;
    const EventRecord w = *e;
    PlaySoundEffect("Text");
    result = 0;
    int16_t flags[6], items[6], powers[6], amounts[6];
    for (int i = 0; i < 6; ++i) {
        flags[i] = IsFlagNumber(w.Word[4] + i) ? int16_t(w.Word[4] + i) : int16_t(-1);
        items[i] = w.Word[5 + i];
        powers[i] = w.Word[11 + i];
        amounts[i] = w.Word[17 + i];
    }
    RunLootScreen(x, y, flags, items, powers, amounts);
}

void RunElementalDamageEvent(int16_t x, int16_t y, int16_t, int16_t, int&) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    const int16_t element = e->Word[4];
    if (element == kPoisonGas) {
        if (!RollBodySave() && !GameState.PoisonImmune) {
            GameState.Poisoned = 1;
            RecalcHero();
        }
        return;
    }
    if (element < 0 || element > 3 || GameState.HeroForm == kFalconForm) return;
    const int32_t damage = std::max<int32_t>(0, RollDice(e->Word[5], e->Word[6], e->Word[7]) - GameState.Resists[element]);
    GameState.HitPoints = int16_t(std::max<int32_t>(0, GameState.HitPoints - damage));
}
