#include "activate_skill.h"

#include <array>
#include <string>
#include <string_view>

#include "adventure/upkeep.h"
#include "combat/curses.h"
#include "combat/gemlore.h"
#include "combat/power_descriptions.h"
#include "combat/prayers.h"
#include "combat/spell_area.h"
#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kHolySymbol = 96;
constexpr int16_t kRitualKnife = 236;

constexpr std::array<std::string_view, 9> kGemPhrases{"an Emerald",  "a Sapphire",  "a Diamond",
                                                      "a Ruby",      "a Skystone",  "an Amythest",
                                                      "a Kingstone", "a Jadestone", "a Seastone"};
// The gem pieces of UiIcons by gem kind.
constexpr std::array<int16_t, 9> kGemPieces{19, 20, 21, 22, 23, 24, 25, 26, 56};

struct Power {
    int16_t skill;
    int16_t page;  // Gemlore's page 1..3; 0 for the other kinds
    std::string_view name;
    int16_t tile;             // WallTiles
    int16_t gem;              // -1 none
    const int16_t* minSkill;  // the SkillBonus setting compared, or null
    int (*power)();
};
constexpr int16_t kGem = kGemlore, kPray = kPrayer, kCurse = kCurseSkill;
// In menu order; the number of a power is its place here.
constexpr Power kPowers[] = {
    {kGem, 1, "Acid Cloud", 1640, 0, nullptr, CastAcidCloud},
    {kGem, 1, "Ice Storm", 1641, 1, nullptr, CastIceStorm},
    {kGem, 1, "Lightning Bolt", 1643, 2, nullptr, CastLightningBolt},
    {kGem, 1, "Inferno", 1642, 3, nullptr, CastInferno},
    {kGem, 2, "Acid Resist", 1666, 0, nullptr, CastAcidResist},
    {kGem, 2, "Cold Resist", 1667, 1, nullptr, CastColdResist},
    {kGem, 2, "Elect Resist", 1668, 2, nullptr, CastElectResist},
    {kGem, 2, "Fire Resist", 1669, 3, nullptr, CastFireResist},
    {kGem, 3, "Dimension Door", 1644, 4, &SkillBonus.DimensionDoorMinSkill, CastDimensionDoor},
    {kGem, 3, "True Sight", 1665, 5, nullptr, CastTrueSight},
    {kGem, 3, "Heroism", 1645, 6, nullptr, CastHeroism},
    {kGem, 3, "Magic Shield", 1646, 7, nullptr, CastMagicShield},
    {kGem, 3, "Waterwalk", 1647, 8, &SkillBonus.WaterWalkMinSkill, CastGemWaterWalk},
    {kPray, 0, "Healing", 1648, -1, nullptr, PrayHealing},
    {kPray, 0, "Divine Cure", 1649, -1, nullptr, PrayDivineCure},
    {kPray, 0, "Unbind", 1659, -1, &SkillBonus.UnbindMinSkill, PrayUnbind},
    {kPray, 0, "Blessing", 1650, -1, &SkillBonus.BlessMinSkill, PrayBlessing},
    {kPray, 0, "Mind Shield", 1673, -1, nullptr, PrayMindShield},
    {kPray, 0, "Body Shield", 1674, -1, nullptr, PrayBodyShield},
    {kPray, 0, "Waterwalk", 1647, -1, &SkillBonus.PrayerWaterWalkMinSkill, PrayWaterWalk},
    {kPray, 0, "Smite", 1660, -1, nullptr, PraySmite},
    // The menu's curses pay their own cost.
    {kCurse, 0, "Incompetence", 1656, -1, nullptr, [] { return CurseOfIncompetence(1); }},
    {kCurse, 0, "Vulnerability", 1657, -1, nullptr, [] { return CurseOfVulnerability(1); }},
    {kCurse, 0, "Weakness", 1658, -1, nullptr, [] { return CurseOfWeakness(1); }},
    {kCurse, 0, "Life Drain", 1676, -1, nullptr, CurseLifeDrain},
    {kCurse, 0, "Earth Maw", 1661, -1, nullptr, CastEarthMaw},
};

const Power* PowerAt(int16_t skill, int16_t page, int16_t row) {
    const int16_t n = PowerNumber(skill, page, row);
    return n < 0 ? nullptr : &kPowers[n];
}

// The menu as the refusals redraw it: the last one a power was chosen from.
struct Menu {
    int16_t count = 0, selected = 0;
    int16_t kinds[3] = {-1, -1, -1};
    int16_t page = 1;
};
Menu Shown;

void RedrawMenu() { DrawActivateSkillMenu(Shown.count, Shown.selected, Shown.kinds, Shown.page, 0); }

void Refuse(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    PlaySoundEffect("No");
    RedrawMenu();
    ShowMessage(x, y, line1, line2);
}

int16_t SkillOf(int16_t selected, const int16_t (&kinds)[3]) {
    return selected >= 0 && selected < 3 ? kinds[selected] : int16_t{-1};
}

void DrawTile(int16_t tile, int32_t x, int32_t y) { BltFast(BackSurface, x, y, WallTiles[tile], TileRect, kBltKeyed); }
void DrawBarPiece(int32_t x, int32_t y) { BltFast(BackSurface, x, y, ItemPictures[246], ViewPieceRects[1], kBltKeyed); }

int GemloreChecks(const Power& p) {
    if (p.minSkill && GameState.Skills[kGemlore] < *p.minSkill) {
        RedrawMenu();
        ShowMinSkillToUse(*p.minSkill);
        return 0;
    }
    if (GameState.GembagCounts[p.gem] < 1) {
        ShowGemRequired(p.gem);
        return 0;
    }
    // The menu is the background of the target screen.
    if (p.power == CastDimensionDoor) RedrawMenu();
    return 1;
}

int PrayerChecks(const Power& p, int hasHolySymbol) {
    if (!hasHolySymbol) {
        ShowNeedHolySymbol();
        return 0;
    }
    if (p.minSkill && GameState.Skills[kPrayer] < *p.minSkill) {
        ShowMinSkillRequirement(*p.minSkill);
        return 0;
    }
    if (GameState.PrayerCharges < 1) {
        ShowNoChargesLeft();
        return 0;
    }
    return 1;
}

int CurseChecks() {
    if (!HasItem(kRitualKnife)) {
        ShowNeedRitualKnife();
        return 0;
    }
    if (GameState.CurseCharges < 1) {
        ShowNoChargesLeft();
        return 0;
    }
    if (GameState.HitPoints - 1 < GameState.Skills[kCurseSkill]) {
        ShowNotEnoughHp();
        return 0;
    }
    return 1;
}

}  // namespace

int16_t PowerNumber(int16_t skill, int16_t page, int16_t row) {
    if (row < 0) return -1;
    if (skill == kGemlore && (page == 1 || page == 2) && row < 4) return int16_t((page - 1) * 4 + row);
    if (skill == kGemlore && page == 3 && row < 5) return int16_t(8 + row);
    if (skill == kPrayer && row < 8) return int16_t(13 + row);
    if (skill == kCurseSkill && row < 5) return int16_t(21 + row);
    return -1;
}

void ActivateSkill() {
    const auto refuse = [](std::string_view line1, std::string_view line2) {
        PlaySoundEffect("No");
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(80, 110, line1, line2);
    };
    if (GameState.HeroIsUndead) return refuse("You cannot access your", "   powers when undead!");
    int16_t count = 0;
    for (int16_t skill : kPowerSkills) count = int16_t(count + (GameState.Skills[skill] > 0 ? 1 : 0));
    if (count == 0) return refuse("  You have no activateable", "      skills at present!");
    ActivateSkillMenu(count);
}

void ActivateSkillMenu(int16_t count) {
    Screen screen("activate skill");
    int16_t kinds[3] = {-1, -1, -1};
    int16_t n = 0;
    for (int16_t skill : kPowerSkills)
        if (GameState.Skills[skill] > 0) kinds[n++] = skill;
    count = n;  // the list itself, so a wrong count never reads past it
    int16_t selected = 0, page = 1;
    const int hasHolySymbol = HasItem(kHolySymbol);
    int16_t rows = PowerRowCount(selected, kinds, page);
    const auto draw = [&](uint32_t flip) { DrawActivateSkillMenu(count, selected, kinds, page, flip); };
    const auto select = [&](int16_t s) {
        selected = s;
        rows = PowerRowCount(selected, kinds, page);
        draw(1);
    };
    draw(1);
    int acted = 0;
    while (!acted) {
        LoopPass(screen, [&] { draw(1); });
        for (int16_t i = 0; i < count; ++i) {
            const char initial = SkillNames[size_t(kinds[i])][0];
            if (AreaClicked(86, int16_t(110 + 32 * i), 170, 30, initial, 1, 1, 1)) select(i);
        }
        if (selected < count - 1 && KeyPressed(kDown, 1, 0, 1)) select(int16_t(selected + 1));
        if (selected > 0 && KeyPressed(kUp, 1, 0, 1)) select(int16_t(selected - 1));
        const int16_t skill = kinds[selected];
        if (skill == kGemlore && ButtonClicked(345, 380, 8, 'N', 0, 1, 1)) {
            page = int16_t(page % 3 + 1);
            select(selected);
        }
        for (int16_t r = 0; r < rows && !acted; ++r) {
            const int16_t y = int16_t(110 + 32 * r);
            if (AreaClicked(345, y, 195, 30, int16_t('1' + r), 1, 1, 0)) {
                acted = RunChosenPower(selected, kinds, page, r, hasHolySymbol);
                if (!acted) draw(1);
            } else if (AreaClicked(345, y, 195, 30, 0, 2, 0, 4)) {
                draw(0);
                ShowPowerDescriptions(selected, kinds, page, r, HasItem(kRitualKnife), hasHolySymbol);
                draw(1);
            }
        }
        if (acted) break;
        if ((skill == kPrayer || skill == kCurseSkill) && AreaClicked(335, 77, 165, 22, 0, 2, 0, 4)) {
            draw(0);
            ShowSkillTermHelp(2);
            draw(1);
        }
        if (ButtonClicked(455, 380, 8, kEsc, 0, 1, 3)) break;
    }
    if (!acted) return;
    GameState.Hidden = 0;
    RecalcHero();
    FinishStep(0, 0);
}

void DrawActivateSkillMenu(int16_t count, int16_t selected, const int16_t (&kinds)[3], int16_t page, uint32_t flip) {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(100, 80, "Activate Skill", kBigBlue);
    for (int16_t i = 0; i < count && i < 3; ++i) {
        const int16_t skill = kinds[i], y = int16_t(110 + 32 * i);
        for (int32_t x : {86, 146, 206}) DrawBarPiece(x, y);
        const std::string label = std::string(NameAt(SkillNames, skill)) + " (" +
                                  std::to_string(skill >= 0 && skill < 12 ? GameState.Skills[skill] : 0) + ")";
        DrawSmallText(125, int16_t(y + 10), label, kSmallBlack);
    }
    DrawTile(1310, 80, 110 + 32 * selected);
    DrawTile(1311, 240, 110 + 32 * selected);
    const int16_t skill = SkillOf(selected, kinds);
    const int16_t rows = PowerRowCount(selected, kinds, page);
    for (int16_t r = 0; r < rows; ++r) {
        const Power* p = PowerAt(skill, page, r);
        if (!p) continue;
        const int16_t y = int16_t(110 + 32 * r);
        DrawMenuRowNumber(330, y, r);
        DrawTile(p->tile, 350, y - 1);
        DrawSmallText(400, int16_t(y + 10), p->name, kSmallBlack);
        if (p->gem >= 0) {
            DrawIcon(BackSurface, 500, y + 10, kGemPieces[size_t(p->gem)]);
            DrawSmallText(520, int16_t(y + 15), NumberText(GameState.GembagCounts[p->gem]), kSmallBlack);
        }
    }
    if (skill == kGemlore) DrawButton(345, 380, 4, "Next");
    if (skill == kPrayer) DrawCharges(GameState.PrayerCharges, kPrayer);
    if (skill == kCurseSkill) DrawCharges(GameState.CurseCharges, kCurseSkill);
    DrawButton(455, 380, 4, "Cancel");
    if (flip) Flip();
}

int16_t PowerRowCount(int16_t selected, const int16_t (&kinds)[3], int16_t page) {
    const int16_t skill = SkillOf(selected, kinds);
    if (skill == kCurseSkill) return 5;
    if (skill == kPrayer) return 8;
    if (skill == kGemlore && (page == 1 || page == 2)) return 4;
    if (skill == kGemlore && page == 3) return 5;
    return -1;
}

int RunChosenPower(int16_t selected, const int16_t (&kinds)[3], int16_t page, int16_t row, int hasHolySymbol) {
    Shown = Menu{};
    for (int16_t i = 0; i < 3; ++i) {
        Shown.kinds[i] = kinds[i];
        if (kinds[i] != -1) ++Shown.count;
    }
    Shown.selected = selected;
    Shown.page = page;
    const Power* p = PowerAt(SkillOf(selected, kinds), page, row);
    if (!p) return 0;
    const int passed = p->skill == kGemlore  ? GemloreChecks(*p)
                       : p->skill == kPrayer ? PrayerChecks(*p, hasHolySymbol)
                                             : CurseChecks();
    return passed ? p->power() : 0;
}

void DrawCharges(int16_t charges, int16_t skill) {
    DrawBigText(340, 80, "Charges:", kBigBlue);
    const int16_t value = skill >= 0 && skill < 12 ? GameState.Skills[skill] : 0;
    const int16_t slots = int16_t(3 + (value > 7 ? 1 : 0) + (value > 15 ? 1 : 0));
    for (int16_t i = 0; i < slots; ++i) DrawTile(i < charges ? 1670 : 1671, 425 + 20 * i, 79);
}

void ShowGemRequired(int16_t gem) {
    const std::string phrase(gem >= 0 && gem < 9 ? kGemPhrases[size_t(gem)] : std::string_view());
    Refuse(200, 130, "You require " + phrase + " to", "activate this power!");
}

void ShowMinSkillToUse(int16_t n) {
    PlaySoundEffect("No");
    ShowMessage(150, 100, "You require a minimum skill", "of " + std::to_string(n) + " to use this power!");
}

void ShowMinSkillRequirement(int16_t n) {
    Refuse(200, 130, "   The minimum skill", "   requirement is " + std::to_string(n) + "!");
}

void ShowNeedHolySymbol() { Refuse(200, 130, "You require a Holy Symbol", "to activate these powers!"); }
void ShowNoChargesLeft() { Refuse(200, 130, "   You don't have any", "      charges left!"); }
void ShowNeedRitualKnife() { Refuse(200, 130, " You need a Ritual", " knife to activate Curses!"); }
void ShowNotEnoughHp() { Refuse(200, 130, "You don't have enough", "Hp left to activate a Curse!"); }
