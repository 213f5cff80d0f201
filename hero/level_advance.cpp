#include "hero/level_advance.h"

#include <algorithm>
#include <string>

#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/breakdown_boxes.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kMinusIcon = 34, kPlusIcon = 35;

using Stats7 = std::array<int16_t, 7>;

Stats7 Copy(const int16_t (&values)[7]) {
    Stats7 out;
    std::copy(std::begin(values), std::end(values), out.begin());
    return out;
}

}  // namespace

void AddXp(int16_t n) {
    int32_t award = n;
    if (GameState.ActiveAura == kWisdomAura)
        award += int32_t(GameState.Skills[kAuras]) * SkillBonus.AuraValues[kWisdomAura] * n / 100;
    const int64_t total = int64_t(GameState.HeroXp) + award;
    GameState.HeroXp = int32_t(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

void DrawLevelAdvance(const Stats7& entryStats, uint32_t flip) {
    const GameStateRecord& g = GameState;
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    DrawBigText(50, 50, "Advancing to level " + std::to_string(g.HeroLevel + 1), kBigBlue);
    DrawBigText(50, 60, "------------------------------------", kBigBlack);
    DrawSmallText(50, 90, "You are ready to advance a level. You may now add a", kSmallBlack);
    DrawSmallText(50, 102, "point to one of your primary statistics.", kSmallBlack);
    DrawSmallText(50, 126, "You will also automatically gain additional skill points", kSmallBlack);
    DrawSmallText(50, 138, "which you use to upgrade your skills by visiting an", kSmallBlack);
    DrawSmallText(50, 150, "appropriate trainer (and paying the requisite fee).", kSmallBlack);
    DrawSmallText(50, 330, "Stat points left: " + std::to_string(g.StatPoints), kSmallRed);
    for (int16_t i = 0; i < 6; ++i) {
        const int16_t stat = int16_t(i + 1);
        const int16_t y = int16_t(180 + 20 * i);
        DrawIcon(BackSurface, 50, y, kMinusIcon);
        DrawIcon(BackSurface, 75, y, kPlusIcon);
        const int16_t colour = g.Stats[stat] > entryStats[size_t(stat)] ? kSmallGreen : kSmallBlue;
        DrawSmallText(110, int16_t(y + 7), StatNames[size_t(stat)], colour);
        DrawSmallText(195, int16_t(y + 7), std::to_string(g.Stats[stat]), colour);
    }
    if (g.StatPoints == 0) DrawButton(130, 380, 7, "Done");
    DrawButton(300, 380, 4, "Cancel");
    if (flip) Flip();
}

void RunLevelAdvance() {
    Screen screen("level advance");
    GameStateRecord& g = GameState;
    g.StatPoints = LevelUpStatPointCount();
    const Stats7 entryStats = Copy(g.Stats), entryBase = Copy(g.BaseStats);
    const auto draw = [&] { DrawLevelAdvance(entryStats, 1); };
    PlaySoundEffect("Text");
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (g.StatPoints == 0 && ButtonClicked(130, 380, 14, 'D', 0, 1, 0)) {
            PlaySoundEffect("Bell");
            draw();
            ++g.HeroLevel;
            g.SkillPoints = int16_t(g.SkillPoints + SkillBonus.LevelUpSkillPoints);
            RecalcHero();
            return;
        }
        for (int16_t i = 0; i < 6; ++i) {
            const int16_t stat = int16_t(i + 1);
            const int16_t y = int16_t(180 + 20 * i);
            if (AreaClicked(50, y, 20, 20, 0, 1, 1, 1)) {
                if (g.BaseStats[stat] > entryBase[size_t(stat)]) {
                    --g.BaseStats[stat];
                    --g.Stats[stat];
                    ++g.StatPoints;
                }
                draw();
            } else if (AreaClicked(75, y, 20, 20, 0, 1, 1, 1)) {
                if (g.StatPoints > 0) {
                    ++g.BaseStats[stat];
                    ++g.Stats[stat];
                    --g.StatPoints;
                }
                draw();
            } else if (AreaClicked(110, int16_t(y + 7), 100, 10, 0, 2, 0, 0)) {
                DrawLevelAdvance(entryStats, 0);
                ShowStatHelp(stat, 80, 140);
                draw();
            } else if (AreaClicked(110, int16_t(y + 7), 100, 10, 0, 1, 0, 0)) {
                DrawLevelAdvance(entryStats, 0);
                ShowStatBreakdown(stat, 120, 140);
                draw();
            }
        }
        if (ButtonClicked(300, 380, 8, 'C', 27, 1, 0)) {
            g.StatPoints = 0;
            std::copy(entryBase.begin(), entryBase.end(), g.BaseStats);
            std::copy(entryStats.begin(), entryStats.end(), g.Stats);
            PlaySoundEffect("Back");
            return;
        }
    }
}
