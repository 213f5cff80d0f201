#include "events/genie_lamp.h"

#include <string>
#include <vector>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/level_advance.h"
#include "platform/sound.h"
#include "script/flags.h"

const std::array<std::string_view, 15> WishStatNames = {"Combat",
                                                        "Strength",
                                                        "Endurance",
                                                        "Agility",
                                                        "Dexterity",
                                                        "Willpower",
                                                        "Perception",
                                                        "Acid Resist",
                                                        "Cold Resist",
                                                        "Elec Resist",
                                                        "Fire Resist",
                                                        "Mind Save",
                                                        "Body Save",
                                                        "",
                                                        ""};

namespace {

enum Wish : int16_t { kNoWish, kGoldWish, kXpWish, kStatWish, kItemWish };

// Base and current value of what the third wish names.
void RaiseWishedValue(int16_t which) {
    auto raise = [](int16_t& base, int16_t& current) {
        base = int16_t(base + 1);
        current = int16_t(current + 1);
    };
    if (which >= 0 && which <= 6) raise(GameState.BaseStats[which], GameState.Stats[which]);
    else if (which >= 7 && which <= 10) raise(GameState.BaseResists[which - 7], GameState.Resists[which - 7]);
    else if (which == 11 || which == 12) GainLastingSave(which - 11, 1);
    else if (which == 13) GameState.SkillPoints = int16_t(GameState.SkillPoints + 1);
    else if (which == 14) GameState.StatPoints = int16_t(GameState.StatPoints + 1);
}

std::string ItemWishLabel(int16_t item, int16_t power) {
    std::string label(FieldText(ItemTable[size_t(item)].ItemName));
    if (power > 0) {
        label += " + " + std::to_string(power);
        if (item == 15 || item == 16 || item == 36) label += "%";
    }
    return label;
}

}  // namespace

void RunLampEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    const EventRecord w = *e;
    result = 0;
    const int16_t flag = w.Word[10];
    if (!IsFlagNumber(flag)) return;  // a lamp that cannot remember its wish grants none
    PlaySoundEffect("Text");
    Screen screen("lamp");
    if (GameFlag(flag) == 1) {
        RunEventChoice(screen,
                       [] {
                           DrawEventBackground();
                           DrawLineStack({"The genie has already", "granted you a wish."});
                       },
                       {{.action = 0, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .drawnY = 280}});
        return;
    }
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = 1, .label = "Rub Lamp", .y = 242, .hotkey1 = 'R'},
                        {.action = 0, .label = "Leave", .y = 267, .hotkey1 = 'L'}}) != 1)
        return;
    const std::string gold = std::to_string(w.Word[4]) + " Gp", xp = std::to_string(w.Word[5]) + " Xp";
    const int16_t stat = w.Word[6];
    const std::string raise =
        "+1 " + std::string(stat >= 0 && stat < int16_t(WishStatNames.size()) ? WishStatNames[size_t(stat)] : "");
    const int16_t item = w.Word[7];
    const bool itemWish = IsItemNumber(item);
    const std::string itemLabel = itemWish ? ItemWishLabel(item, w.Word[8]) : "";
    auto wishButton = [](Wish wish, std::string_view label, int16_t by) {
        return EventButton{.action = wish, .label = label, .y = by, .x = 465, .pieces = 7, .units = 14};
    };
    std::vector<EventButton> buttons{wishButton(kGoldWish, gold, 185), wishButton(kXpWish, xp, 207),
                                     wishButton(kStatWish, raise, 229)};
    if (itemWish) buttons.push_back(wishButton(kItemWish, itemLabel, 251));
    buttons.push_back(
        {.action = kNoWish, .label = "Leave", .y = 283, .hotkey1 = 'L', .x = 465, .pieces = 7, .units = 14});
    auto drawGenie = [] {
        DrawEventBackground();
        DrawPageLines({{120, "A genie springs from the"}, {132, "lamp! "}, {156, "Make a wish, my friend:"}});
    };
    for (;;) {
        const int16_t wish = RunEventChoice(screen, drawGenie, buttons);
        switch (wish) {
            case kGoldWish: GameState.HeroGold += w.Word[4]; break;
            case kXpWish: AddXp(w.Word[5]); break;
            case kStatWish:
                RaiseWishedValue(stat);
                RecalcHero();
                break;
            case kItemWish:
                if (!GiveItem(item, w.Word[8], w.Word[9], 0)) {
                    PlaySoundEffect("no");
                    continue;
                }
                break;
            default: return;
        }
        drawGenie();
        DrawEventButtons(buttons);
        Flip();
        PlaySoundEffect("Buy");
        Delay(350);
        SetGameFlag(flag, 1);
        return;
    }
}
