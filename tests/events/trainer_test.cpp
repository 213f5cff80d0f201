// The trainer: costs that rise with the skill, the Capstat and the trainer's maximum, paying
// and undoing.
#include "events/trainer.h"

#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

class TrainerTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        for (int16_t& stat : GameState.BaseStats) stat = 10;
        for (int16_t& stat : GameState.Stats) stat = 10;
        GameState.SkillPoints = 3;
        GameState.HeroGold = 100;
    }
    void Trainer(int16_t type, int16_t maximum = 10) { Put(5, 5, 1253, {{5, maximum}, {6, type}}); }
    static void Skill(int16_t skill, int16_t value) { GameState.BaseSkills[skill] = GameState.Skills[skill] = value; }
    // The plus and minus of row k.
    void Plus(int k) { ClickAt(75, 186 + 18 * k); }
    void Minus(int k) { ClickAt(50, 186 + 18 * k); }
};

TEST_F(TrainerTest, EachPointCostsMoreAndGivesBackWhatItCost) {
    Trainer(0);  // Armsmaster first
    Skill(kArmsmaster, 4);
    host.Wait(5).Tap('T');
    Plus(0);
    Plus(0);
    Minus(0);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Cost: 30 gp", 330, 188));
    EXPECT_TRUE(ShownAt("Cost: 35 gp", 330, 188));
    EXPECT_TRUE(Shown("Accumulated cost: 65 (click 'Done' to accept!)"));
    EXPECT_EQ(GameState.HeroGold, 70);
    EXPECT_EQ(GameState.BaseSkills[kArmsmaster], 5);
    EXPECT_EQ(GameState.SkillPoints, 2);
    EXPECT_EQ(Played("Buy"), 1u);
    EXPECT_TRUE(ShownAt("(Dex)", 207, 188));
}

TEST_F(TrainerTest, TheCapstatAndTheTrainersMaximum) {
    Trainer(1, 5);  // Critical Hit, Disarm Traps, Dual Weapons, Pick Locks, Stealth
    Skill(kPickLocks, 7);
    GameState.Stats[kDexterity] = 7;
    Skill(kStealth, 5);
    host.Wait(5).Tap('T');
    Plus(3);  // at its Capstat: nothing
    Plus(4);  // at the trainer's maximum
    TapKey(13);
    TapKey('D');  // nothing bought: the page ends
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("N/A", 330, 242));
    EXPECT_TRUE(Shown("This trainer cannot provide"));
    EXPECT_TRUE(Shown("training above 5 points!"));
    EXPECT_EQ(GameState.BaseSkills[kPickLocks], 7);
    EXPECT_EQ(GameState.BaseSkills[kStealth], 5);
    EXPECT_EQ(GameState.SkillPoints, 3);
    EXPECT_EQ(Played("No"), 2u);
}

TEST_F(TrainerTest, TooLittleGoldKeepsThePageAndCancelUndoesAll) {
    Trainer(2);  // Prayer
    Skill(kPrayer, 8);
    GameState.HeroGold = 60;
    host.Wait(5).Tap('T');
    Plus(0);
    Plus(0);  // 50 + 55
    TapKey('D');
    TapKey(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 60);
    EXPECT_EQ(GameState.BaseSkills[kPrayer], 8);
    EXPECT_EQ(GameState.SkillPoints, 3);
    EXPECT_TRUE(Shown("Accumulated cost: 105 (click 'Done' to accept!)"));
    // With no points left no plus works, but a point bought here can still be given back.
    GameState.SkillPoints = 1;
    host.Wait(5).Tap('T');
    Plus(0);
    Plus(0);
    Minus(0);
    Minus(0);
    TapKey(27);
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Accumulated cost: 50 (click 'Done' to accept!)"));
    EXPECT_FALSE(Shown("Accumulated cost: 105 (click 'Done' to accept!)"));
    EXPECT_EQ(GameState.BaseSkills[kPrayer], 8);
    EXPECT_EQ(GameState.SkillPoints, 1);
}

TEST_F(TrainerTest, CostsPast16Bits) {
    Skill(kStealth, 10000);
    EXPECT_EQ(SkillTrainingCost(kStealth), 50010);
}

TEST_F(TrainerTest, ListsByType) {
    EXPECT_EQ(TrainerSkills(5).size(), 12u);
    EXPECT_TRUE(TrainerSkills(6).empty());
    EXPECT_TRUE(TrainerSkills(-1).empty());
    Trainer(5);
    Keys({'T', 'C'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Done", 390, 200, 4));
    EXPECT_TRUE(ShownAt("Targeteer", 110, 188 + 18 * 11));
    Forget();
    Trainer(4);
    Keys({'T', 'C'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Cancel", 380, 300, 4));
}

}  // namespace
