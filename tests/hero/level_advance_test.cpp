// Experience with the Wisdom aura, and the level advance screen: spending, Done, Cancel.
#include "hero/level_advance.h"

#include <tuple>

#include "hero/derived_stats.h"
#include "tests/hero/box_test.h"

namespace {

using LevelAdvanceTest = BoxTest;

TEST_F(LevelAdvanceTest, AddXpWithTheWisdomAura) {
    SkillBonus.AuraValues[5] = 5;
    GameState.Skills[kAuras] = 10;
    const struct {
        int16_t aura, award;
        int32_t added;
    } cases[] = {
        {5, 100, 150}, {5, 3, 4},     // 1.5 of bonus is 1
        {5, -100, -150}, {-1, 100, 100}, {0, 100, 100},
        {5, 30000, 45000},  // the whole award, not a sum cut to 16 bits
    };
    for (const auto& c : cases) {
        GameState.ActiveAura = c.aura;
        GameState.HeroXp = 1000;
        AddXp(c.award);
        EXPECT_EQ(GameState.HeroXp, 1000 + c.added) << c.aura << " " << c.award;
    }
}

class LevelAdvanceScreenTest : public LevelAdvanceTest {
protected:
    void SetUp() override {
        LevelAdvanceTest::SetUp();
        SkillBonus.LevelUpStatPoints = 1;
        SkillBonus.LevelUpSkillPoints = 2;
        GameState.HeroLevel = 1;
        GameState.HeroXp = 100;
        GameState.BaseStats[0] = 5;
        for (int s = 1; s < 7; ++s) GameState.BaseStats[s] = 3;
        RecalcHero();
    }
    void Plus(int stat) { ClickAt(85, 190 + 20 * (stat - 1)); }
    void Minus(int stat) { ClickAt(60, 190 + 20 * (stat - 1)); }
};

TEST_F(LevelAdvanceScreenTest, PointsSpentThenDone) {
    host.Hold('D', 3);  // not while a point is left
    Minus(1);    // nothing to take back yet
    Plus(1);
    Minus(1);
    Plus(2);
    TapKey('D');
    Run(RunLevelAdvance);
    EXPECT_EQ(std::tuple(GameState.HeroLevel, GameState.SkillPoints, GameState.StatPoints), std::tuple(2, 2, 0));
    EXPECT_EQ(std::tuple(GameState.BaseStats[1], GameState.BaseStats[2]), std::tuple(3, 4));
    EXPECT_EQ(GameState.HitPointsMax, 5 * 4 + 5 * 2);  // recomputed at the new level
    EXPECT_TRUE(TextShown(host, "Advancing to level 2"));
    EXPECT_TRUE(TextShown(host, "Stat points left: 1"));
    EXPECT_EQ(ColourOf("4"), 273);  // the raised Endurance
    EXPECT_EQ(host.effects.front(), "Text");
    EXPECT_EQ(host.effects.back(), "Bell");
}

TEST_F(LevelAdvanceScreenTest, CancelLeavesNoTrace) {
    SkillBonus.LevelUpStatPoints = 2;
    Plus(6);
    Plus(6);
    TapKey('C');
    const GameStateRecord before = GameState;
    Run(RunLevelAdvance);
    EXPECT_EQ(std::tuple(GameState.HeroLevel, GameState.StatPoints, GameState.SkillPoints), std::tuple(1, 0, 0));
    for (int s = 0; s < 7; ++s) {
        EXPECT_EQ(GameState.BaseStats[s], before.BaseStats[s]);
        EXPECT_EQ(GameState.Stats[s], before.Stats[s]);
    }
    EXPECT_EQ(host.effects.back(), "Back");
}

TEST_F(LevelAdvanceScreenTest, NoPointsToSpend) {
    for (const int16_t points : {0, -3}) {  // a negative count from a damaged table is none
        SkillBonus.LevelUpStatPoints = points;
        TapKey('D');
        Run(RunLevelAdvance);
        EXPECT_EQ(GameState.StatPoints, 0) << points;
    }
    EXPECT_EQ(GameState.HeroLevel, 3);
}

}  // namespace
