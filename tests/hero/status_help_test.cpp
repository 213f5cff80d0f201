// The help of the status icons: the k-th icon in the play screen's order opens its own page,
// with the values and durations of the effects.
#include "hero/status_help.h"

#include "data/level.h"
#include "hero/derived_stats.h"
#include "platform/input.h"
#include "tests/hero/box_test.h"

namespace {

class StatusHelpTest : public BoxTest {
protected:
    // Right-clicks at (x, y) and gives the help one loop pass after another until it is done.
    void HelpAt(int32_t x, int32_t y, void (*help)()) {
        host.texts.clear();
        host.MoveMouse(x, y).Wait(100).Hold(2, 5);  // held whether or not an icon is there
        Run([&] {
            Screen screen("play");
            while (!host.ScriptDone()) {
                TakePass(screen);
                help();
            }
        });
    }
    // The title of the panel shown (the first text drawn after the click).
    std::string Shown() const { return host.texts.empty() ? "" : host.texts.front().text; }
};

TEST_F(StatusHelpTest, AfflictionIconsInDrawingOrder) {
    GameState.Poisoned = GameState.Diseased = 1;
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Poison");
    HelpAt(395, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Disease");
    HelpAt(370, 445, RunAfflictionHelp);  // no third icon
    EXPECT_EQ(Shown(), "");

    // Fear is drawn before the antimagic of the zone.
    GameState.Poisoned = GameState.Diseased = 0;
    GameState.Fear = 1;
    CurrentLevel.ZoneConditions[0] = 6;
    HelpAt(395, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Antimagic");
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Fear");
}

TEST_F(StatusHelpTest, StarvingOnlyInTheWildernessAboveOneHitPoint) {
    GameState.Exhausted = 1;
    GameState.HitPoints = 2;
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Exhausted");
    CurrentLevel.WildernessLevel = 1;
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Starving");
    GameState.HitPoints = 1;
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Exhausted");
}

TEST_F(StatusHelpTest, ZoneThreeSwitchedOff) {
    GameState.HeroX = 7;
    GameState.HeroY = 8;
    CurrentLevel.ZoneLayer[7 * 50 + 8] = 3;
    CurrentLevel.ZoneConditions[3] = 6;
    CurrentLevel.ZoneConditionOffFlag[0] = 100;
    CurrentLevel.ZoneConditionOffValue[0] = 1;
    SetGameFlag(100, 1);
    GameState.Radiation = GameState.Biohazard = GameState.ExtremeHeat = GameState.ExtremeCold = 1;
    GameState.Drowning = 1;
    GameState.Aged = 1;
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Aged");
    HelpAt(395, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "");
    SetGameFlag(100, 0);
    HelpAt(420, 445, RunAfflictionHelp);
    EXPECT_EQ(Shown(), "Biohazard");
}

TEST_F(StatusHelpTest, EffectIconsInDrawingOrder) {
    GameState.Heroism[0] = 3;
    GameState.Heroism[1] = 12;
    GameState.CombatBonusTurns = 20;
    HelpAt(500, 175, RunEffectHelp);
    EXPECT_EQ(Shown(), "Heroism");
    EXPECT_TRUE(TextShown(host, "Current bonus: +3 Combat"));
    EXPECT_TRUE(TextShown(host, "Duration left: 12 turns"));
    HelpAt(525, 175, RunEffectHelp);
    EXPECT_EQ(Shown(), "Combat Bonus");
    EXPECT_TRUE(TextShown(host, "Current bonus: +5 Combat"));

    GameState.Heroism[1] = GameState.CombatBonusTurns = 0;
    GameState.WaterWalkTurns = 999;
    GameState.Hidden = 1;
    HelpAt(500, 175, RunEffectHelp);
    EXPECT_TRUE(TextShown(host, "Duration left: indefinate!"));
    HelpAt(525, 175, RunEffectHelp);
    EXPECT_EQ(Shown(), "Hidden");
    EXPECT_TRUE(TextShown(host, "Duration left: indefinate"));

    // The fifth active effect starts the second row.
    GameState.BlessTurns = 5;
    GameState.MagicShield[1] = GameState.TrueSight[1] = 5;
    HelpAt(500, 200, RunEffectHelp);
    EXPECT_EQ(Shown(), "Hidden");
}

TEST_F(StatusHelpTest, AuraPages) {
    SkillBonus.AuraValues[5] = 5;
    SkillBonus.AuraValues[3] = 2;
    GameState.Skills[kAuras] = 10;
    GameState.ActiveAura = 5;
    HelpAt(500, 175, RunEffectHelp);
    EXPECT_EQ(Shown(), "Wisodm Aura");
    EXPECT_TRUE(TextShown(host, "Additional Xp: 50"));
    host.texts.clear();
    ShowAuraHelp(100, 140, 3);
    EXPECT_TRUE(PanelShown(100, 140, 13, 6));
    EXPECT_TRUE(TextShown(host, "Healing bonus: 20"));
}

// Every page's text inside its panel, every page with the panel of its table.
TEST_F(StatusHelpTest, PagesFitTheirPanels) {
    GameState.Skills[kAuras] = 20;
    for (int16_t a = 0; a < 6; ++a) SkillBonus.AuraValues[a] = 99;
    for (int16_t& w : GameState.LifeDrain) w = 999;
    struct Page {
        void (*draw)(int16_t);
        int16_t topic;
        int32_t w, h;
    };
    const Page pages[] = {
        {DrawAfflictionHelp, 1, 10, 6},  {DrawAfflictionHelp, 2, 10, 5},  {DrawAfflictionHelp, 3, 11, 8},
        {DrawAfflictionHelp, 4, 10, 6},  {DrawAfflictionHelp, 5, 10, 6},  {DrawAfflictionHelp, 6, 10, 5},
        {DrawAfflictionHelp, 7, 10, 6},  {DrawAfflictionHelp, 8, 10, 6},  {DrawAfflictionHelp, 9, 10, 6},
        {DrawAfflictionHelp, 10, 10, 6}, {DrawAfflictionHelp, 11, 10, 5}, {DrawAfflictionHelp, 12, 10, 5},
        {DrawAfflictionHelp, 13, 10, 5}, {DrawAfflictionHelp, 14, 10, 5}, {DrawAfflictionHelp, 15, 10, 5},
        {DrawAfflictionHelp, 16, 11, 8}, {DrawAfflictionHelp, 17, 11, 8}, {DrawAfflictionHelp, 18, 11, 8},
        {DrawEffectHelp, 1, 11, 6},      {DrawEffectHelp, 2, 11, 6},      {DrawEffectHelp, 3, 11, 7},
        {DrawEffectHelp, 7, 12, 6},      {DrawEffectHelp, 8, 13, 7},      {DrawEffectHelp, 9, 13, 6},
        {DrawEffectHelp, 10, 13, 6},     {DrawEffectHelp, 11, 13, 6},     {DrawEffectHelp, 12, 13, 6},
        {DrawEffectHelp, 13, 13, 6},     {DrawEffectHelp, 14, 13, 6},     {DrawEffectHelp, 15, 13, 6},
        {DrawEffectHelp, 16, 13, 7},     {DrawEffectHelp, 17, 13, 6},     {DrawEffectHelp, 18, 13, 7},
        {DrawEffectHelp, 19, 13, 8},     {DrawEffectHelp, 20, 11, 6},
    };
    for (const Page& p : pages) {
        host.texts.clear();
        p.draw(p.topic);
        EXPECT_TRUE(PanelShown(100, 140, p.w, p.h)) << p.topic;
        for (size_t t = 1; t < host.texts.size(); ++t) {
            const host::TextRecord& r = host.texts[t];
            EXPECT_LE(r.x + 6 * int32_t(r.text.size()), 100 + 20 * p.w - 10) << p.topic << ": " << r.text;
            EXPECT_LE(r.y + 10, 140 + 20 * p.h - 5) << p.topic << ": " << r.text;
        }
    }
    for (int16_t aura = 0; aura < 6; ++aura) {
        host.texts.clear();
        ShowAuraHelp(100, 140, aura);
        for (size_t t = 1; t < host.texts.size(); ++t)
            EXPECT_LE(host.texts[t].x + 6 * int32_t(host.texts[t].text.size()), 100 + 20 * 11 - 10)
                << aura << ": " << host.texts[t].text;
    }
}

}  // namespace
