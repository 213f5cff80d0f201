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
    for (const HudButtonPlace& b : CurrentHudLayout()) DrawTile(HudButtonOf(b.Button).Tile, b.X, b.Y);
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

int16_t DrawSideScrollText(int16_t x, int16_t y, std::string_view text, int16_t colour, int16_t step) {
    const size_t room = x < kSideScrollTextRight ? size_t((kSideScrollTextRight - x) / kSmallAdvance) : 1;
    while (text.size() > room) {
        const size_t space = text.rfind(' ', room);
        const bool atSpace = space != std::string_view::npos && space > 0;
        DrawSmallText(x, y, text.substr(0, atSpace ? space : room), colour);
        text.remove_prefix(atSpace ? space + 1 : room);
        y = int16_t(y + step);
    }
    DrawSmallText(x, y, text, colour);
    return int16_t(y + step);
}

void DrawStatusIcons() {
    int32_t x = 415;
    for (const StatusIcon& icon : AfflictionIcons) {
        if (!icon.Active()) continue;
        DrawIcon(BackSurface, x, 440, StatusIconPicture(icon));
        x -= 25;
    }
}
