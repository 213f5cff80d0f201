#include "hud.h"

#include <algorithm>
#include <array>
#include <string>

#include "data/game_state.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "hud_buttons.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "status_icons.h"
#include "view_pictures.h"

namespace {

const GameStateRecord& G() { return GameState; }

constexpr std::array<int16_t, kHudButtonCount> kButtonTiles = {
    1380, 1381, 1382, 1383, 1384, 1385, 1386, 1387, 1388, 1389, 1390, 1391, 1392, 1604, 1393, 1699};

constexpr HudButtonPlace kNormalLayout[] = {
    {kBowButton, 455, 355, 456},         {kWandButton, 490, 355, 490},       {kHideButton, 525, 355, 525},
    {kDisarmButton, 560, 355, 560},      {kDigButton, 595, 355, 595},        {kStatisticsButton, 455, 390, 456},
    {kInventoryButton, 490, 390, 490},   {kQuestButton, 525, 390, 525},      {kWorldMapButton, 560, 390, 560},
    {kTranslationsButton, 595, 390, 595}, {kRestButton, 455, 425, 455},       {kCloseButton, 490, 425, 490},
    {kActivateButton, 525, 425, 525},    {kPushButton, 560, 425, 560},       {kOptionsButton, 595, 425, 595},
};
constexpr HudButtonPlace kBeastLayout[] = {
    {kRestButton, 455, 355, 456},        {kQuestButton, 490, 355, 490},      {kWorldMapButton, 525, 355, 525},
    {kTranslationsButton, 560, 355, 560}, {kOptionsButton, 595, 355, 595},   {kHumanFormButton, 455, 390, 456},
};
constexpr HudButtonPlace kCompactLayout[] = {
    {kStatisticsButton, 455, 355, 455},  {kInventoryButton, 490, 355, 490},  {kQuestButton, 525, 355, 525},
    {kWorldMapButton, 560, 355, 560},    {kTranslationsButton, 595, 355, 595}, {kRestButton, 455, 390, 455},
    {kActivateButton, 490, 390, 490},    {kOptionsButton, 525, 390, 525},
};

// Statistics an affliction has lowered show in red.
bool Lowered(int stat) {
    switch (stat) {
        case kWillpower:
        case kPerception: return G().Feebleminded != 0;
        case kStrength: return G().Aged != 0;
        case kAgility:
        case kDexterity: return G().Clutz != 0;
        case kEndurance: return G().Drained != 0;
        default: return false;
    }
}

}  // namespace

std::span<const HudButtonPlace> CurrentHudLayout() {
    if (G().CompactHud != 0) return kCompactLayout;
    if (G().HeroForm > 0) return kBeastLayout;
    return kNormalLayout;
}

void DrawVerticalGauge(int16_t value, int16_t max, int16_t x, int16_t y, int16_t piece) {
    if (value <= 0 || max <= 0 || piece < 0 || size_t(piece) >= VerticalGaugeStripes.size()) return;
    const int32_t filled = int32_t(std::min(value, max)) * 40 / max;
    for (int32_t r = 40; r >= 41 - filled; --r)
        BltFast(BackSurface, x, y + r, VerticalGaugeStripes[size_t(piece)], GaugeStripeRect, kBltOpaque);
}

void DrawHorizontalBar(int32_t value, int32_t max, int16_t x, int16_t y) {
    if (value <= 0 || max <= 0) return;
    const int32_t width = int32_t(int64_t(std::min(value, max)) * 40 / max);
    for (int32_t c = 0; c < width; ++c) BltFast(BackSurface, x + c, y, BarPixel, BarPixelRect, kBltOpaque);
}

void DrawVitals() {
    BltFast(BackSurface, 444, 7, VitalsPanel, VitalsPanelRect, kBltOpaque);
    DrawVerticalGauge(G().HitPoints, G().HitPointsMax, 500, 18, 0);
    DrawVerticalGauge(G().Energy, G().EnergyMax, 512, 18, 1);
    DrawSmallText(G().DamageReduction >= 10 ? 470 : 473, 34, NumberText(G().DamageReduction), kSmallBlack);
    DrawSmallText(570, 25, NumberText(G().HeroGold), kSmallBlack);
    DrawSmallText(570, 45, NumberText(G().HeroFood), kSmallBlack);
}

void DrawXpBar() {
    BltFast(BackSurface, 330, 7, XpBarFrame, XpBarFrameRect, kBltKeyed);
    const int16_t level = G().HeroLevel;
    if (level < 1 || level > 50) return;
    int32_t need = XpTable[size_t(level)], progress = G().HeroXp;
    if (level > 1) {
        need -= XpTable[size_t(level - 1)];
        progress -= XpTable[size_t(level - 1)];
    }
    progress = std::min(progress, need);
    DrawHorizontalBar(progress, need, 338, 10);
    if (progress >= need) DrawIcon(BackSurface, 370, 0, 118);
}

void DrawHudButtons() {
    for (const HudButtonPlace& b : CurrentHudLayout()) DrawTile(kButtonTiles[b.Button], b.X, b.Y);
}

void DrawHeroSummary(int16_t x, int16_t y) {
    DrawSmallText(x, y, FieldText(G().HeroName), kSmallBlue);
    DrawSmallText(x, y + 15, NameAt(SexNames, G().HeroSex), kSmallBlack);
    const std::string line =
        "Level " + std::to_string(G().HeroLevel) + " ( " + std::to_string(G().HeroXp) + " xp )";
    DrawSmallText(x, y + 30, line, kSmallBlack);
}

void DrawCombatPanel(int16_t x, int16_t y) {
    for (int k = 0; k < 7; ++k) {
        const bool lowered = Lowered(k);
        const int16_t row = int16_t(y + 15 * k);
        DrawSmallText(x, row, StatNames[size_t(k)], lowered ? kSmallRed : kSmallBlack);
        DrawSmallText(x + 90, row, NumberText(G().Stats[k]), lowered ? kSmallRed : kSmallBlue);
    }
}

void DrawBeastFormPanel() {
    static constexpr std::array<std::string_view, 4> kForms = {"Form: Snake", "Form: Falcon", "Form: Wolf",
                                                                "Form: Bear"};
    if (G().HeroForm >= 1 && G().HeroForm <= 4) DrawSmallText(485, 170, kForms[size_t(G().HeroForm - 1)], kSmallBlue);
    const int16_t* dice = G().FormDamage;
    DrawSmallText(485, 185, "DR: " + std::to_string(G().FormDR), kSmallBlack);
    DrawSmallText(485, 200, "Combat: " + std::to_string(G().FormDefence), kSmallBlack);
    DrawSmallText(485, 215,
                  "Damage: " + std::to_string(dice[0]) + "d" + std::to_string(dice[1]) + "+" + std::to_string(dice[2]),
                  kSmallBlack);
}

void DrawEnhancementsPanel(int16_t, int16_t) {
    int32_t x = 493, y = 170;
    bool any = false;
    for (const StatusIcon& icon : EnhancementIcons) {
        if (!icon.Active()) continue;
        DrawIcon(BackSurface, x, y, StatusIconPicture(icon));
        any = true;
        x += 25;
        if (x > 570) {
            x = 493;
            y += 25;
        }
    }
    if (any) return;
    DrawSmallText(465, 180, "  Currently, no magical", kSmallBlue);
    DrawSmallText(465, 195, "    enhancements are", kSmallBlue);
    DrawSmallText(465, 210, "        active!", kSmallBlue);
}

void DrawLocationPanel() {
    const int16_t hx = G().HeroX, hy = G().HeroY;
    if (OnMap(hx, hy)) DrawSmallText(485, 180, ZoneName(CurrentLevel.ZoneLayer[Square(hx, hy)]), kSmallBlack);
    DrawSmallText(485, 195, "(X=" + std::to_string(hx) + ",Y=" + std::to_string(hy) + ")", kSmallBlack);
}

void DrawSidePanel() {
    DrawHeroSummary(485, 112);
    DrawSmallText(499, 300, "TAB to toggle", kSmallBlack);
    switch (G().SidePanelMode) {
        case 0:
            if (G().HeroForm > 0)
                DrawBeastFormPanel();
            else
                DrawCombatPanel(485, 167);
            break;
        case 1: DrawEnhancementsPanel(485, 167); break;
        case 2: DrawLocationPanel(); break;
        default: break;
    }
}

void DrawStatusIcons() {
    int32_t x = 415;
    for (const StatusIcon& icon : AfflictionIcons) {
        if (!icon.Active()) continue;
        DrawIcon(BackSurface, x, 440, StatusIconPicture(icon));
        x -= 25;
    }
}
