// The play screen around the view: gauges, experience bar, vitals, side panel, status icons,
// the victory line, the flag monitor and the compass alert.
#include "view/hud.h"

#include <cstring>
#include <string>

#include "adventure/cheat_menu.h"
#include "adventure/wilderness.h"
#include "data/monster_records.h"
#include "hero/derived_stats.h"
#include "tests/view/view_test.h"
#include "view/play_screen.h"
#include "view/status_icons.h"

namespace {

class HudTest : public ViewTest {
protected:
    void TearDown() override {
        WildCombatMonsters = -1;
        MonitoredFlag = -1;
        ViewTest::TearDown();
    }
    void Draw(int16_t panelMode = 1, int16_t showView = 1) { DrawPlayScreen(panelMode, showView, 0, -1, -1, 0); }
    // How many rows of a gauge at (x, y) are filled.
    static int GaugeRows(int32_t x, int32_t y, int piece) {
        int rows = 0;
        for (int r = 0; r <= 41; ++r) rows += Shows(BackSurface, x, y + r, VerticalGaugeStripes[size_t(piece)]);
        return rows;
    }
    // The bar's first 32 columns; the star covers the rest.
    static int BarWidth() {
        int width = 0;
        for (int c = 0; c < 32; ++c) width += Shows(BackSurface, 338 + c, 10, BarPixel);
        return width;
    }
    static bool IconAt(int32_t x, int32_t y, int icon) { return Shows(BackSurface, x, y, UiIcons[size_t(icon)]); }
};

TEST_F(HudTest, GaugesEmptyFullAndWithoutMaximum) {
    const struct {
        int16_t value, max;
        int rows;
    } cases[] = {{0, 30, 0}, {-5, 30, 0}, {30, 30, 40}, {15, 30, 20}, {45, 30, 40}, {5, 0, 0}, {5, -3, 0}};
    for (const auto& c : cases) {
        Clear(BackSurface, 0x1234);
        DrawVerticalGauge(c.value, c.max, 500, 18, 0);
        EXPECT_EQ(GaugeRows(500, 18, 0), c.rows) << c.value << "/" << c.max;
        EXPECT_FALSE(Shows(BackSurface, 500, 18, VerticalGaugeStripes[0])) << "row 0 is never filled";
    }
    GameState.Energy = GameState.EnergyMax = 12;
    Clear(BackSurface, 0x1234);
    DrawVitals();
    EXPECT_EQ(GaugeRows(512, 18, 1), 40);
    EXPECT_EQ(GaugeRows(500, 18, 0), 0);
}

TEST_F(HudTest, ExperienceBarAndStar) {
    const struct {
        int16_t level;
        int32_t xp;
        int width;
        bool star;
    } cases[] = {
        {1, 25, 10, false}, {1, 99, 39, false}, {1, 100, 40, true}, {1, 150, 40, true},
        {3, 300 + 299, 39, false}, {3, 600, 40, true}, {3, 100, 0, false}, {0, 500, 0, false}, {51, 500, 0, false},
    };
    for (const auto& c : cases) {
        GameState.HeroLevel = c.level;
        GameState.HeroXp = c.xp;
        Clear(BackSurface, 0x1234);
        DrawXpBar();
        EXPECT_EQ(BarWidth(), std::min(c.width, 32)) << c.level << " " << c.xp;
        EXPECT_EQ(IconAt(370, 0, 118), c.star) << c.level << " " << c.xp;
    }
}

TEST_F(HudTest, DamageReductionMovesLeftAtTwoDigits) {
    for (auto [dr, x] : {std::pair<int16_t, int32_t>{9, 473}, {10, 470}}) {
        GameState.DamageReduction = dr;
        Draw();
        ASSERT_NE(TextAt(x, 34), nullptr) << dr;
        EXPECT_EQ(TextAt(x, 34)->text, std::to_string(dr));
    }
}

TEST_F(HudTest, SidePanelByMode) {
    for (int16_t k = 0; k < 7; ++k) GameState.Stats[k] = int16_t(10 + k);
    GameState.Feebleminded = 1;
    GameState.HeroLevel = 50;
    GameState.HeroXp = 12345678;
    std::strcpy(GameState.HeroName, "Ilsa");
    GameState.HeroSex = 1;
    Draw();
    EXPECT_EQ(TextAt(485, 112)->colour, 182);
    EXPECT_EQ(TextAt(485, 127)->text, "Female");
    EXPECT_EQ(TextAt(485, 142)->text, "Level 50 ( 12345678 xp )");
    EXPECT_TRUE(Drawn("TAB to toggle"));
    const struct {
        int row;
        const char* name;
        int colour;
    } rows[] = {{0, "Combat", 0}, {4, "Dexterity", 0}, {5, "Willpower", 91}, {6, "Perception", 91}};
    for (const auto& r : rows) {
        const host::TextRecord* name = TextAt(485, 167 + 15 * r.row);
        const host::TextRecord* value = TextAt(575, 167 + 15 * r.row);
        ASSERT_TRUE(name && value) << r.name;
        EXPECT_EQ(name->text, r.name);
        EXPECT_EQ(name->colour, r.colour) << r.name;
        EXPECT_EQ(value->text, std::to_string(10 + r.row));
        EXPECT_EQ(value->colour, r.colour == 91 ? 91 : 182) << r.name;
    }

    GameState.SidePanelMode = 0;
    GameState.HeroForm = 3;
    GameState.FormDR = 4;
    GameState.FormDefence = 12;
    GameState.FormDamage[0] = 2;
    GameState.FormDamage[1] = 6;
    GameState.FormDamage[2] = 1;
    host.texts.clear();
    Draw();
    for (const char* line : {"Form: Wolf", "DR: 4", "Combat: 12", "Damage: 2d6+1"}) EXPECT_TRUE(Drawn(line)) << line;
    EXPECT_FALSE(Drawn("Combat"));
}

TEST_F(HudTest, EighteenEnhancementsFillFiveRows) {
    GameStateRecord& g = GameState;
    g.SidePanelMode = 1;
    g.BlessTurns = g.Heroism[1] = g.CombatBonusTurns = g.MagicShield[1] = g.TrueSight[1] = 1;
    g.InvisibleTurns = g.WaterWalkTurns = g.AcidShield[1] = g.ColdShield[1] = g.ElectShield[1] = 1;
    g.FireShield[1] = g.MindShield[1] = g.BodyShield[1] = g.FormTurns = g.GillsTurns = g.LifeDrain[1] = 1;
    g.HeroForm = 2;
    g.Hidden = 1;
    g.ActiveAura = 0;
    g.CompactHud = 1;
    Draw();
    const int icons[] = {127, 128, 29, 129, 133, 134, 135, 136, 137, 138, 139, 140, 141, 53, 143, 119, 89, 31};
    for (int k = 0; k < 18; ++k)
        EXPECT_TRUE(IconAt(493 + 25 * (k % 4), 170 + 25 * (k / 4), icons[k])) << k;
    EXPECT_FALSE(Drawn("  Currently, no magical"));
    EXPECT_EQ(NthActiveTopic(EnhancementIcons, 3), 20);  // Combat Bonus sits third
    EXPECT_EQ(NthActiveTopic(EnhancementIcons, 19), 0);
}

TEST_F(HudTest, SeventeenAfflictionsRunLeftFromX415) {
    GameStateRecord& g = GameState;
    CurrentLevel.WildernessLevel = 1;
    g.HeroFood = 0;
    g.HitPoints = 2;
    g.Exhausted = g.Poisoned = g.Diseased = g.Drained = g.Cursed = g.Feebleminded = 1;
    g.Biohazard = g.Radiation = g.Aged = g.Clutz = g.ExtremeHeat = g.ExtremeCold = 1;
    MonsterTable[1].MonsterFearInducing = 1;  // Fear comes from a frightening monster in view
    g.EncounterList[0].Kind = 3;
    g.EncounterList[0].Monster = 1;
    g.MonsterGrid[22 * 50 + 20] = 0;
    g.HeroIsUndead = g.Drowning = 1;
    CurrentLevel.ZoneConditions[0] = 6;
    Draw();
    const int icons[] = {8, 120, 122, 123, 124, 125, 126, 144, 145, 146, 147, 148, 149, 68, 51, 142, 30};
    for (int k = 0; k < 17; ++k) EXPECT_TRUE(IconAt(415 - 25 * k, 440, icons[k])) << k;
    // The help finds the topic of the icon by the same order: the eighth is Biohazard.
    EXPECT_EQ(NthActiveTopic(AfflictionIcons, 8), 10);
    EXPECT_EQ(NthActiveTopic(AfflictionIcons, 9), 9);

    // In zone 3 with its condition lifted by its flag, the zone's conditions have no icons.
    for (int s = 0; s < kSquareCount; ++s) CurrentLevel.ZoneLayer[s] = 3;
    CurrentLevel.ZoneConditions[3] = 6;
    CurrentLevel.ZoneConditionOffFlag[0] = 77;
    CurrentLevel.ZoneConditionOffValue[0] = 1;
    g.GameFlags[77] = 1;
    Draw();
    const int left[] = {8, 120, 122, 123, 124, 125, 126, 146, 147, 68, 51};
    for (int k = 0; k < 11; ++k) EXPECT_TRUE(IconAt(415 - 25 * k, 440, left[k])) << k << " " << left[k];

    // Not in beast form, nor with the view covered.
    g.HeroForm = 1;
    Clear(BackSurface);
    Draw();
    EXPECT_FALSE(IconAt(415, 440, 8));
    g.HeroForm = 0;
    Draw(1, 0);
    EXPECT_FALSE(IconAt(415, 440, 8));
    EXPECT_TRUE(PartAt(5, 5, BigScroll, {0, 0, 400, 400}));
}

TEST_F(HudTest, VictoryFlagMonitorAndCompass) {
    WildCombatMonsters = -1;
    Draw();
    EXPECT_FALSE(Drawn("VICTORY!"));
    WildCombatMonsters = 0;
    Draw();
    const host::TextRecord* victory = Text("VICTORY!");
    ASSERT_NE(victory, nullptr);
    EXPECT_EQ(std::tuple(victory->x, victory->y, victory->colour), std::tuple(150, 170, 273));

    MonitoredFlag = 12;
    GameState.GameFlags[12] = -7;
    Draw();
    const host::TextRecord* monitor = Text("Monitor: Flag 12 = -7");
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(std::tuple(monitor->x, monitor->y, monitor->colour), std::tuple(240, 396, 182));

    GameState.QuestStates[40] = 1;
    SetAccess(20, 20, 408);
    Draw();
    EXPECT_TRUE(TileAt(CellPixel(6), 32 * 6 - 20, 1736));
    GameState.HeroY = 3;  // the hero in the view's top row: the mark would leave the screen
    SetAccess(20, 3, 409);
    Draw();
}

}  // namespace
