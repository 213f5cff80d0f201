#include "rest.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/inn.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hide.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/random.h"

namespace {

constexpr int16_t kHealsHalfItem = 234;
constexpr int16_t kHealsAllItem = 235;

struct RestPrompt {
    std::string_view line1, line2, action;
};
constexpr RestPrompt kSafeRest{"It appears to be safe", "to rest here.", "Rest Overnight"};
constexpr RestPrompt kNoFoodRest{"You do not have any", "food left. ", "Rest Anyway"};

// Both buttons 10 units wide with the click; Esc does not answer.
std::array<EventButton, 2> PromptButtons(const RestPrompt& p) {
    return {{{.action = 1, .label = p.action, .y = 260, .hotkey1 = 'R'},
             {.action = 0, .label = "Cancel", .y = 282, .hotkey1 = 'C'}}};
}

void DrawRestPrompt(const RestPrompt& p) {
    DrawEventBackground();
    DrawPageLines({{120, p.line1}, {135, p.line2}});
    DrawEventButtons(PromptButtons(p));
    Flip();
}

// 1 for the rest, 0 for Cancel.
int16_t RunRestPrompt(const RestPrompt& p) {
    Screen screen("rest prompt");
    return WaitForEventButton(screen, [&] { DrawRestPrompt(p); }, PromptButtons(p));
}

void SleepPause() {
    FillScreenWithTile(1327);
    DrawBigText(230, 180, "ZZzzzzz...", kBigWhite);
    Flip();
    Delay(1500);
}

}  // namespace

void DrawSafeRestPrompt() { DrawRestPrompt(kSafeRest); }
void DrawNoFoodRestPrompt() { DrawRestPrompt(kNoFoodRest); }

void RestWithFood(int16_t extra) {
    if (!RunRestPrompt(kSafeRest)) return;
    RestOneNight(1, extra);
    if (GameState.HeroFood > 0) --GameState.HeroFood;
    if (GameState.BaseSkills[kAuras] > 0) ChooseAura();
}

void RestWithoutFood() {
    if (RunRestPrompt(kNoFoodRest)) RestOneNight(0, 0);
}

void RestOneNight(int16_t full, int16_t extra) {
    GameStateRecord& g = GameState;
    g.DreamCountdown = int16_t(g.DreamCountdown - 1);
    // Only stages 1 to 4 have dream pages; a higher stage sleeps as without dreams.
    if (g.DreamStage > 0 && g.DreamStage <= 4 && g.DreamCountdown < 1) {
        ShowDream();
        g.DreamCountdown = int16_t(Random15() % 5 + 5);
    } else {
        SleepPause();
    }
    RestRecover(full, extra);
    RunIfAsleepEvent();
}

void ClearTimedEffects() {
    GameStateRecord& g = GameState;
    g.Hidden = g.Exhausted = 0;
    for (int16_t* pair : {g.Heroism, g.MagicShield, g.TrueSight, g.AcidShield, g.ColdShield, g.ElectShield,
                          g.FireShield})
        pair[0] = pair[1] = 0;
    g.BlessTurns = g.InvisibleTurns = g.WaterWalkTurns = g.GillsTurns = 0;
    g.HeroForm = g.FormTurns = 0;
}

void RestRecover(int16_t full, int16_t extra) {
    GameStateRecord& g = GameState;
    // What the hero carries and whether he is diseased decide before anything changes.
    const bool healsHalf = HasItem(kHealsHalfItem), healsAll = HasItem(kHealsAllItem);
    const bool diseased = g.Diseased != 0;
    ClearTimedEffects();
    // The ended effects take their bonuses with them before the night heals up to the maximum.
    RecalcHero();
    if (full && !diseased) {
        g.Exhausted = 0;
        g.Energy = g.EnergyMax;
        if (healsAll || extra) {
            g.HitPoints = g.HitPointsMax;
        } else {
            const int32_t heal = healsHalf ? g.HitPointsMax / 2 : g.HitPointsMax * 3 / 10;
            g.HitPoints = int16_t(std::min<int32_t>(g.HitPoints + heal, g.HitPointsMax));
        }
    }
    g.HitPoints = std::min(g.HitPoints, g.HitPointsMax);
    g.Energy = std::min(g.Energy, g.EnergyMax);
    if (full) {
        g.PrayerCharges = DailyCharges(g.Skills[kPrayer]);
        g.CurseCharges = DailyCharges(g.Skills[kCurseSkill]);
    }
}

int CheckRestSafety() { return MonsterInSight() ? 0 : 1; }
