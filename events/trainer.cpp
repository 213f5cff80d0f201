#include "events/trainer.h"

#include <algorithm>
#include <array>
#include <string>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFighting[] = {kArmsmaster, kCriticalHit, kDualWeapons, kResilience, kTargeteer};
constexpr int16_t kRoguery[] = {kCriticalHit, kDisarmTraps, kDualWeapons, kPickLocks, kStealth};
constexpr int16_t kPrayers[] = {kPrayer};
constexpr int16_t kCurses[] = {kAuras, kCurseSkill};
constexpr int16_t kMagic[] = {kAuras, kGemlore};
constexpr int16_t kAllSkills[] = {kArmsmaster, kAuras,   kCurseSkill, kCriticalHit, kDisarmTraps, kDualWeapons,
                                  kGemlore,    kPickLocks, kPrayer,   kResilience,  kStealth,     kTargeteer};
constexpr std::array<std::span<const int16_t>, 6> kTrainerTypes = {kFighting, kRoguery, kPrayers,
                                                                   kCurses,   kMagic,   kAllSkills};
constexpr int16_t kMinusIcon = 34, kPlusIcon = 35;

struct Training {
    std::span<const int16_t> skills;
    int16_t maximum;
    std::array<int16_t, 12> baseAtOpening;
    int16_t pointsAtOpening;
    int32_t accumulated = 0;
};

int16_t RowY(size_t k) { return int16_t(188 + 18 * k); }
int16_t ButtonsY(const Training& t) { return t.skills.size() > 11 ? 390 : 380; }
int16_t CapstatValue(int16_t skill) { return GameState.Stats[CapstatTable[size_t(skill)]]; }

void DrawTrainingScreen(const Training& t) {
    const GameStateRecord& g = GameState;
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    DrawBigText(50, 50, "Training skills", kBigBlue);
    DrawBigText(50, 60, "----------------------------------", kBigBlack);
    DrawLineStack({"You can now spend any bonus skill points you have",
                   "on the skills listed below. Note that the cost of",
                   "raising a given skill increases, the higher it is."},
                  90, 50);
    DrawSmallText(50, 140, "Skill points left: " + std::to_string(g.SkillPoints), kSmallBlue);
    DrawSmallText(50, 160, "Trainer skill: " + std::to_string(t.maximum) + " (maximum skill training).", kSmallRed);
    for (size_t k = 0; k < t.skills.size(); ++k) {
        const int16_t s = t.skills[k], y = RowY(k), cap = CapstatValue(s);
        DrawIcon(BackSurface, 45, y - 7, kMinusIcon);
        DrawIcon(BackSurface, 70, y - 7, kPlusIcon);
        DrawSmallText(110, y, SkillNames[size_t(s)], kSmallBlack);
        DrawSmallText(207, y, "(" + std::string(StatShortNames[size_t(CapstatTable[size_t(s)])]) + ")", kSmallBlack);
        DrawSmallText(272, y, std::to_string(g.BaseSkills[s]) + " / " + std::to_string(cap),
                      g.Skills[s] > t.baseAtOpening[size_t(s)] ? kSmallGreen : kSmallBlue);
        DrawSmallText(330, y,
                      g.BaseSkills[s] < cap ? "Cost: " + std::to_string(SkillTrainingCost(s)) + " gp" : "N/A",
                      kSmallBlack);
    }
    DrawSmallText(50, int16_t(RowY(t.skills.size()) - 18 + 60),
                  "Accumulated cost: " + std::to_string(t.accumulated) + " (click 'Done' to accept!)", kSmallRed);
    DrawButton(200, ButtonsY(t), 4, "Done");
    DrawButton(300, ButtonsY(t), 4, "Cancel");
    Flip();
}

// One point back that was bought on this page.
void LowerSkill(Training& t, int16_t s) {
    GameStateRecord& g = GameState;
    if (g.BaseSkills[s] <= t.baseAtOpening[size_t(s)]) return;
    g.BaseSkills[s] = int16_t(g.BaseSkills[s] - 1);
    g.Skills[s] = int16_t(g.Skills[s] - 1);
    t.accumulated -= SkillTrainingCost(s);
    g.SkillPoints = int16_t(g.SkillPoints + 1);
}

void RaiseSkill(Training& t, int16_t s) {
    GameStateRecord& g = GameState;
    if (g.SkillPoints <= 0 || g.BaseSkills[s] >= CapstatValue(s)) return;
    if (g.BaseSkills[s] >= t.maximum) {
        PlaySoundEffect("No");
        Delay(150);
        ShowMessage(90, 90, "This trainer cannot provide", "training above " + std::to_string(t.maximum) + " points!");
        return;
    }
    t.accumulated += SkillTrainingCost(s);
    g.BaseSkills[s] = int16_t(g.BaseSkills[s] + 1);
    g.Skills[s] = int16_t(g.Skills[s] + 1);
    g.SkillPoints = int16_t(g.SkillPoints - 1);
}

// 1 when the page ends: nothing to pay, or paid.
int PayForTraining(const Training& t) {
    if (t.accumulated < 1) {
        PlaySoundEffect("No");
        Delay(150);
        return 1;
    }
    if (GameState.HeroGold < t.accumulated) {
        PlaySoundEffect("No");
        Delay(150);
        return 0;
    }
    PlaySoundEffect("Buy");
    Delay(150);
    GameState.HeroGold -= t.accumulated;
    return 1;
}

}  // namespace

std::span<const int16_t> TrainerSkills(int16_t type) {
    return type >= 0 && size_t(type) < kTrainerTypes.size() ? kTrainerTypes[size_t(type)] : std::span<const int16_t>();
}

int32_t SkillTrainingCost(int16_t skill) { return int32_t{GameState.BaseSkills[skill]} * 5 + 10; }

void RunTrainingScreen(int16_t type, int16_t x, int16_t y) {
    Screen screen("training");
    GameStateRecord& g = GameState;
    const EventRecord* e = EventAt(x, y);
    Training t{.skills = TrainerSkills(type), .maximum = e ? e->Word[5] : int16_t{0}, .baseAtOpening = {},
               .pointsAtOpening = g.SkillPoints};
    std::copy(std::begin(g.BaseSkills), std::end(g.BaseSkills), t.baseAtOpening.begin());
    const auto draw = [&] { DrawTrainingScreen(t); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool acted = false;
        for (size_t k = 0; k < t.skills.size() && !acted; ++k) {
            const int16_t s = t.skills[k], rowY = RowY(k);
            if (AreaClicked(45, int16_t(rowY - 7), 20, 20, 0, 1, 1, 1)) {
                LowerSkill(t, s);
                acted = true;
            } else if (AreaClicked(70, int16_t(rowY - 7), 20, 20, 0, 1, 1, 1)) {
                RaiseSkill(t, s);
                acted = true;
            } else if (AreaClicked(110, rowY, 200, 10, 0, 2, 0, 0)) {
                draw();
                ShowSkillHelp(s, 80, 140, 1);
                acted = true;
            }
        }
        if (acted) {
        } else if (ButtonClicked(200, ButtonsY(t), 8, 'D', 0, 1, 1)) {
            if (PayForTraining(t)) return;
        } else if (ButtonClicked(300, ButtonsY(t), 8, 'C', kEsc, 1, 1)) {
            std::copy(t.baseAtOpening.begin(), t.baseAtOpening.end(), std::begin(g.BaseSkills));
            g.SkillPoints = t.pointsAtOpening;
            return;
        } else {
            continue;
        }
        draw();
    }
}

void RunTrainEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    if (const auto e = ActiveEvent(x, y)) {
        Screen screen("trainer");
        BeginEventScreen(result);
        if (RunOneActionPage(screen, x, y, "Train", 'T')) RunTrainingScreen(e->Word[6], x, y);
    }
    RecalcHero();
}
