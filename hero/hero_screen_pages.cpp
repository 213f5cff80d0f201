#include "hero/hero_screen_pages.h"

#include <array>
#include <string>
#include <string_view>

#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/help_boxes.h"
#include "hero/item_grids.h"
#include "hero/hero_names.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "view/hud.h"

namespace {

constexpr int16_t kGridCellTile = 1308, kBeaconTile = 1678;
constexpr int16_t kFirstTattooIcon = 108, kFullPip = 66, kEmptyPip = 67;
constexpr int16_t kMalePortrait = 912, kFemalePortrait = 864;

constexpr std::array<std::string_view, 10> kTattooEffects{
    "+1 Perception.", "+1 Willpower.", "+5 fire resist.",           "+1 Strength.", "+1 Endurance.",
    "Immunity to Petrification.", "+1 Combat.", "+1 Agility.", "+5 electrical resistance.", "XXX"};

void DrawText(int16_t x, int16_t y, std::string_view text, int16_t colour) { DrawSmallText(x, y, text, colour); }
std::string Num(int32_t n) { return std::to_string(n); }

void DrawBackground() { BltFast(BackSurface, 0, 0, HeroScreenPicture, FullScreenRect, kBltOpaque); }

void DrawCursorItem() {
    if (CursorItem != kNone) DrawInstance(CursorItem, int16_t(CursorPos.x), int16_t(CursorPos.y));
}

void DrawRowBars() {
    BltFast(BackSurface, 340, 108, HeroScreenBanner, HeroScreenBannerRect, kBltKeyed);
    for (int i = 0; i < 8; ++i) BltFast(BackSurface, 340, 116 + 36 * i, HeroScreenBanner, HeroScreenBannerRect, kBltKeyed);
}

// The pieces every page but Lore's ends with.
void DrawFigureExtras() {
    DrawTattoos();
    DrawBeaconIcon();
}

void DrawStatsPage() {
    const GameStateRecord& g = GameState;
    DrawHeroSummary(360, 120);
    const size_t portrait = g.HeroSex == 0 ? kMalePortrait : kFemalePortrait;
    BltFast(BackSurface, 550, 130, MonsterPictures[portrait], ViewPieceRects[0], kBltKeyed);
    DrawDivider(339, 167, 14);
    DrawCombatPanel(360, 195);
    DrawResistPanel(510, 195);
    DrawDivider(339, 310, 14);
    DrawDefencePanel(360, 335);
    DrawPursePanel(510, 335);
}

// A skill row is red while an affliction says it is lowered (the skill box lists the same).
bool SkillLowered(int16_t skill) {
    const GameStateRecord& g = GameState;
    const auto among = [skill](std::initializer_list<int> skills) {
        for (int s : skills)
            if (s == skill) return true;
        return false;
    };
    return g.Cursed || (g.Feebleminded && among({kAuras, kDualWeapons, kPickLocks, kStealth})) ||
           (g.Aged && skill == kCriticalHit) || (g.Drained && skill == kResilience) ||
           (g.Clutz && among({kArmsmaster, kCriticalHit, kDisarmTraps, kGemlore, kResilience}));
}

void DrawSkillsPage() {
    const GameStateRecord& g = GameState;
    DrawRowBars();
    DrawText(360, 117, "Skill           CapStat    Pts     Chrg", kSmallBlue);
    DrawText(360, 373, "Skill points still to spend:", kSmallBlue);
    DrawText(540, 373, Num(g.SkillPoints), kSmallBlue);
    int16_t y = 139;
    for (int16_t skill = 0; skill < 12; ++skill) {
        if (g.Skills[skill] <= 0) continue;
        const int16_t capstat = CapstatTable[size_t(skill)];
        const int16_t colour = SkillLowered(skill) ? kSmallRed : kSmallBlue;
        DrawText(360, y, SkillNames[size_t(skill)], colour);
        DrawText(457, y, "(" + std::string(StatShortNames[size_t(capstat)]) + ")", colour);
        DrawText(522, y, Num(g.Skills[skill]) + " / " + Num(g.Stats[capstat]), colour);
        if (skill == kPrayer) DrawChargePips(572, int16_t(y - 1), g.PrayerCharges, g.Skills[skill]);
        if (skill == kCurseSkill) DrawChargePips(572, int16_t(y - 1), g.CurseCharges, g.Skills[skill]);
        y = int16_t(y + 18);
    }
}

void DrawInventoryPage(int16_t page, ItemGrid grid) {
    DrawBackground();
    DrawHeroTabs(page);
    DrawEmptyCells(340, 108, 9, 9);
    DrawGridItems(grid, 340, 108);
    DrawSlotMarks();
    DrawEquipment();
    DrawFigureExtras();
    DrawButton(340, 400, 4, "Use");
    DrawButton(440, 400, 4, "Drop");
    DrawButton(540, 400, 4, "Quit");
    DrawText(475, 460, "Can drop quest items?", kSmallBlack);
    DrawCheckBox(605, 455, GameState.CanDropQuestItems);
    DrawCursorItem();
    Flip();
}

}  // namespace

int IsLoreKnown() {
    for (uint32_t known : GameState.LoreKnown)
        if (known == 1) return 1;
    return 0;
}

int16_t BackpackPage() { return IsLoreKnown() ? 3 : 2; }
int16_t BagPage() { return int16_t(BackpackPage() + 1); }
int16_t HeroPageCount(int loreKnown) { return int16_t(3 + (loreKnown ? 1 : 0) + (GameState.HasBagOfHolding ? 1 : 0)); }

void DrawHeroTabs(int16_t page) {
    const bool lore = IsLoreKnown(), bag = GameState.HasBagOfHolding != 0;
    if (lore && bag) DrawTabRow(339, 87, 5, page, {"Stat", "Skill", "Lore", "Inv", "Bag"}, 2);
    if (lore && !bag) DrawTabRow(339, 87, 4, page, {"Stat", "Skill", "Lore", "Inv"}, 2);
    if (!lore && bag) DrawTabRow(339, 87, 4, page, {"Stats", "Skills", "Inv", "Bag"}, 3);
    if (!lore && !bag) DrawTabRow(339, 87, 3, page, {"Stats", "Skills", "Inv"}, 3);
}

void DrawBeaconIcon() {
    if (GameState.Beacon[0] != kNone) BltFast(BackSurface, 536, 48, WallTiles[kBeaconTile], TileRect, kBltKeyed);
}

void DrawSlotMarks() {
    const GameStateRecord& g = GameState;
    const bool melee = g.MeleeMode == 1;
    if (!melee) {
        BltFast(BackSurface, 13, 137, EquipSlotShade, EquipShadeRect, kBltKeyed);
        BltFast(BackSurface, 252, 260, EquipSlotShade, EquipShadeRect, kBltKeyed);
    }
    if (WornInstance(melee ? kWeaponSlot : kBowSlot))
        BltFast(BackSurface, 88, 251, HandPictures[0], HandPictureRect, kBltKeyed);
    if (WornInstance(melee ? kOffhandSlot : kAmmunitionSlot) || ItemTypeOf(WornItem(kWeaponSlot)) == kTwoHandedWeapon)
        BltFast(BackSurface, 197, 250, HandPictures[1], HandPictureRect, kBltKeyed);
}

void DrawTattoos() {
    int16_t k = 0;
    for (int16_t t = 0; t < 10; ++t) {
        if (!GameState.Tattoos[t]) continue;
        if (k == 0) DrawText(30, 430, "Tattoos:", kSmallBlack);
        DrawIcon(BackSurface, 80 + 25 * k++, 425, int16_t(kFirstTattooIcon + t));
    }
}

void DrawChargePips(int16_t x, int16_t y, int16_t charges, int16_t skill) {
    const int16_t pips = skill > 15 ? 5 : skill > 7 ? 4 : 3;
    for (int16_t i = 0; i < pips; ++i) DrawIcon(BackSurface, x + 9 * i, y, i < charges ? kFullPip : kEmptyPip);
}

void DrawResistPanel(int16_t x, int16_t y) {
    const GameStateRecord& g = GameState;
    DrawText(x, y, "Resist:", kSmallBlue);
    for (int16_t k = 0; k < 4; ++k) {
        const int16_t at = int16_t(y + 12 * (k + 1));
        DrawText(x, at, ElementNames[size_t(k)], kSmallBlack);
        DrawText(int16_t(x + 65), at, Num(g.Resists[k]), kSmallBlue);
    }
    const int16_t saves = int16_t(y + 12 * 4 + 24);
    DrawText(x, saves, "Save:", kSmallBlue);
    for (int16_t s = 0; s < 2; ++s) {
        const int16_t at = int16_t(saves + 12 * (s + 1));
        DrawText(x, at, SaveNames[size_t(s)], kSmallBlack);
        DrawText(int16_t(x + 65), at, Num(g.Saves[s]) + " %", kSmallBlue);
    }
}

void DrawDefencePanel(int16_t x, int16_t y) {
    const GameStateRecord& g = GameState;
    DrawText(x, y, "DR:", kSmallBlack);
    DrawText(int16_t(x + 48), y, Num(g.DamageReduction), kSmallBlue);
    DrawText(x, int16_t(y + 12), "Hp:", kSmallBlack);
    DrawText(int16_t(x + 48), int16_t(y + 12), Num(g.HitPoints) + " / " + Num(g.HitPointsMax),
             g.Drained ? kSmallRed : kSmallBlue);
}

void DrawPursePanel(int16_t x, int16_t y) {
    DrawText(x, y, "Gp:", kSmallBlack);
    DrawText(int16_t(x + 45), y, Num(GameState.HeroGold), kSmallBlue);
    DrawText(x, int16_t(y + 12), "Food:", kSmallBlack);
    DrawText(int16_t(x + 45), int16_t(y + 12), Num(GameState.HeroFood), kSmallBlue);
}

void DrawLorePage(int16_t page, int16_t flip) {
    DrawBackground();
    DrawSlotMarks();
    DrawEquipment();
    DrawHeroTabs(page);
    DrawRowBars();
    DrawText(360, 117, "Lore (knowledge) you have learnt", kSmallBlue);
    int16_t k = 0;
    for (size_t lore = 0; lore < std::size(GameState.LoreKnown); ++lore)
        if (GameState.LoreKnown[lore] == 1)
            DrawText(360, int16_t(139 + 18 * k++), FieldText(SkillBonus.QuestSkillNames[lore]), kSmallBlack);
    if (flip) Flip();
}

void DrawBackpackPage(int16_t page, int16_t) { DrawInventoryPage(page, BackpackGrid()); }
void DrawBagPage(int16_t page, int16_t) { DrawInventoryPage(page, BagGrid()); }

void DrawHeroScreen(int16_t page, int16_t flip) {
    const int lore = IsLoreKnown();
    if (lore && page == 2) return DrawLorePage(page, 1);
    if (page == BackpackPage()) return DrawBackpackPage(page, 1);
    if (page == BagPage()) return DrawBagPage(page, 1);
    DrawBackground();
    DrawSlotMarks();
    DrawEquipment();
    DrawHeroTabs(page);
    if (page == 0) DrawStatsPage();
    if (page == 1) DrawSkillsPage();
    DrawFigureExtras();
    if (page == 0 && LevelUpOffered()) DrawButton(340, 400, 5, "Level Up");
    DrawButton(540, 400, 4, "Quit");
    DrawCursorItem();
    if (flip) Flip();
}

void DrawEmptyCells(int16_t x, int16_t y, int16_t columns, int16_t rows) {
    for (int16_t col = 0; col < columns; ++col)
        for (int16_t row = 0; row < rows; ++row)
            BltFast(BackSurface, x + 31 * col, y + 31 * row, WallTiles[kGridCellTile], TileRect, kBltKeyed);
}

void DrawGridItems(ItemGrid grid, int16_t x, int16_t y) {
    for (int16_t row = 0; row < 9; ++row)
        for (int16_t col = 0; col < 9; ++col) {
            const int16_t instance = AnchoredInstance(grid, col, row);
            if (instance != kNone) DrawInstance(instance, int16_t(x + 31 * col), int16_t(y + 31 * row));
        }
}

void ShowTattooInfo(int16_t tattoo, int16_t page) {
    DrawHeroScreen(page, 0);
    DrawPanel(80, 140, 10, 4, 1, NameAt(TattooNames, tattoo));
    DrawText(110, 190, NameAt(kTattooEffects, tattoo), kSmallBlack);
    HoldBox(2);
    DrawHeroScreen(page, 1);
}

int HandleTattooClicks(int16_t page) {
    int16_t k = 0;
    for (int16_t t = 0; t < 10; ++t) {
        if (!GameState.Tattoos[t]) continue;
        if (AreaClicked(int16_t(80 + 25 * k++), 425, 20, 20, 0, 2, 0, 1)) {
            ShowTattooInfo(t, page);
            return 1;
        }
    }
    return 0;
}
