#include "events/temple.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "platform/input.h"
#include "platform/sound.h"

namespace {

enum TempleAction : int16_t { kLeave, kBlessing, kHealing, kRestoreMind, kRestoreBody, kYes };

struct Affliction {
    uint32_t GameStateRecord::*condition;
    int32_t price;
};
constexpr std::array<Affliction, 5> kBodyAfflictions = {{{&GameStateRecord::Poisoned, 50},
                                                          {&GameStateRecord::Diseased, 50},
                                                          {&GameStateRecord::Drained, 200},
                                                          {&GameStateRecord::Aged, 100},
                                                          {&GameStateRecord::Clutz, 50}}};
constexpr std::array<Affliction, 2> kMindAfflictions = {{{&GameStateRecord::Cursed, 50},
                                                          {&GameStateRecord::Feebleminded, 200}}};
constexpr int32_t kBlessingPrice = 100;
constexpr int16_t kBlessingTurns = 50;

template <size_t N>
int32_t PriceOf(const std::array<Affliction, N>& list) {
    int32_t price = 0;
    for (const Affliction& a : list)
        if (GameState.*a.condition != 0) price += a.price;
    return price;
}
template <size_t N>
void Cure(const std::array<Affliction, N>& list) {
    for (const Affliction& a : list) GameState.*a.condition = 0;
}

// A page with nothing to sell: its lines and "Back".
void ShowNothingToDo(std::initializer_list<std::string_view> lines) {
    Screen screen("temple");
    RunEventChoice(screen, [&] {
        DrawEventBackground();
        DrawLineStack(lines);
    }, {{.action = kLeave, .label = "Back", .y = 278, .hotkey1 = 'B'}});
}

// The offer: 1 when it was bought (paid, prayed over); "No" answers `noKey`.
int RunOffer(std::string_view line1, std::string_view line2, std::string_view line3, int32_t price,
             int16_t noKey) {
    const auto draw = [&] {
        DrawEventBackground();
        DrawLineStack({line1, line2, line3});
    };
    Screen screen("temple offer");
    for (;;) {
        if (RunEventChoice(screen, draw,
                           {{.action = kYes, .label = "Yes", .y = 256, .hotkey1 = 'Y', .sound = 0},
                            {.action = kLeave, .label = "No", .y = 278, .hotkey1 = noKey}}) != kYes)
            return 0;
        if (GameState.HeroGold >= price) break;
        PlaySoundEffect("No");
    }
    GameState.HeroGold -= price;
    PlaySoundEffect("Buy");
    Delay(500);
    PlaySoundEffect("Pray");
    Delay(1500);
    return 1;
}

void RunRestore(std::string_view what, int32_t price, bool needed, void (*cure)()) {
    const std::string of = "of the " + std::string(what) + "!";
    if (!needed) return ShowNothingToDo({"Child, you currently", "suffer no affliction", of});
    const std::string offer = std::to_string(price) + " gp, I can restore";
    const std::string deal = "your " + std::string(what) + ". Deal?";
    if (!RunOffer("Child, for a mere", offer, deal, price, 'B')) return;
    cure();
    // A healing bought next heals up to the maximum without the afflictions.
    RecalcHero();
}

}  // namespace

TemplePrices TempleCurePrices() { return {PriceOf(kBodyAfflictions), PriceOf(kMindAfflictions)}; }

TempleNeeds TempleAfflictions() { return {PriceOf(kMindAfflictions) > 0, PriceOf(kBodyAfflictions) > 0}; }

void RunTempleBlessing(int32_t price) {
    if (!RunOffer("Child, you may receive", "my blessing for a mere", std::to_string(price) + " gp! Deal?", price,
                  'N'))
        return;
    GameState.BlessTurns = kBlessingTurns;
    RecalcHero();
}

void RunTempleHealing(int32_t price) {
    // Hit points above the maximum leave nothing to heal either.
    if (price <= 0) return ShowNothingToDo({"Child, you appear to", "be uninjured!"});
    if (RunOffer("Child, you may receive", "healing for a mere", std::to_string(price) + " gp! Deal?", price, 'B'))
        GameState.HitPoints = GameState.HitPointsMax;
}

void RunTempleRestoreMind(int32_t price, bool needed) {
    RunRestore("mind", price, needed, [] { Cure(kMindAfflictions); });
}

void RunTempleRestoreBody(int32_t price, bool needed) {
    RunRestore("body", price, needed, [] { Cure(kBodyAfflictions); });
}

void RunTempleEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    if (ActiveEvent(x, y)) {
        Screen screen("temple");
        BeginEventScreen(result);
        GameState.Energy = GameState.EnergyMax;
        for (bool open = true; open;) {
            const TemplePrices prices = TempleCurePrices();
            const TempleNeeds needs = TempleAfflictions();
            switch (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                                   {{.action = kBlessing, .label = "Blessing", .y = 180, .hotkey1 = 'E'},
                                    {.action = kHealing, .label = "Healing", .y = 202, .hotkey1 = 'H'},
                                    {.action = kRestoreMind, .label = "Restore Mind", .y = 224, .hotkey1 = 'M'},
                                    {.action = kRestoreBody, .label = "Restore Body", .y = 246, .hotkey1 = 'B'},
                                    {.action = kLeave, .label = "Leave Temple", .y = 278, .hotkey1 = 'L'}})) {
                case kBlessing: RunTempleBlessing(kBlessingPrice); break;
                case kHealing:
                    RunTempleHealing(int32_t{GameState.HitPointsMax} - GameState.HitPoints);
                    break;
                case kRestoreMind: RunTempleRestoreMind(prices.mind, needs.mind); break;
                case kRestoreBody: RunTempleRestoreBody(prices.body, needs.body); break;
                default: open = false;
            }
        }
    }
    RecalcHero();
}
