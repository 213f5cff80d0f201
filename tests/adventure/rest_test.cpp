// Resting: the rest result by what the hero carries and suffers, the prompts, the night with
// its dreams, the IF ASLEEP EVENT, and the safety check.
#include "adventure/rest.h"

#include <tuple>

#include "data/campaign_tables.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "tests/adventure/action_test.h"

namespace {


class RestTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        GameState.HitPoints = 10;
        GameState.Energy = 5;
        GameState.DreamCountdown = 5;
    }
    static void Carry(int16_t item) { ASSERT_EQ(GiveItem(item, 0, 0, 1), 1); }
    static void PageLine(int16_t page, int16_t line, const char* text) {
        SetFieldText(GameIntro.ObjectiveText[(page - 1) * 11 + line], text);
    }
};

TEST_F(RestTest, RecoveryByItemDiseaseAndFood) {
    struct Case {
        const char* what;
        int16_t item;  // carried; 0 none
        int16_t full, extra;
        uint32_t diseased;
        int16_t hitPoints, energy;
    };
    const Case cases[] = {
        {"a night with food", 0, 1, 0, 0, 16, 4000},
        {"the half-heal item", 234, 1, 0, 0, 20, 4000},
        {"the full-heal item", 235, 1, 0, 0, 20, 4000},
        {"the bed's full heal", 0, 1, 1, 0, 20, 4000},
        {"diseased", 235, 1, 1, 1, 10, 5},
        {"without food", 235, 0, 1, 0, 10, 5},
    };
    for (const Case& c : cases) {
        for (ItemInstance& i : GameState.ItemInstances) i = {-1, -1, -1, 0, 0};
        Fill(GameState.Backpack);
        GameState.HitPoints = 10;
        GameState.Energy = 5;
        if (c.item) Carry(c.item);
        GameState.Diseased = c.diseased;
        GameState.Exhausted = 1;
        GameState.BaseSkills[kPrayer] = 16;
        GameState.BaseSkills[kCurseSkill] = 7;
        GameState.PrayerCharges = GameState.CurseCharges = 0;
        RestRecover(c.full, c.extra);
        EXPECT_EQ(GameState.HitPoints, c.hitPoints) << c.what;
        EXPECT_EQ(GameState.Energy, c.energy) << c.what;
        EXPECT_EQ(GameState.Exhausted, 0u) << c.what;
        // Charges come with any night with food, diseased or not.
        EXPECT_EQ(GameState.PrayerCharges, c.full ? 5 : 0) << c.what;
        EXPECT_EQ(GameState.CurseCharges, c.full ? 3 : 0) << c.what;
    }
}

TEST_F(RestTest, TheNightEndsTimedEffectsButNotTheShieldsOfMindAndBody) {
    GameStateRecord& g = GameState;
    g.Hidden = 1;
    g.BlessTurns = g.InvisibleTurns = g.WaterWalkTurns = g.GillsTurns = 9;
    for (int16_t* pair : {g.Heroism, g.MagicShield, g.TrueSight, g.AcidShield, g.ColdShield, g.ElectShield,
                          g.FireShield, g.MindShield, g.BodyShield, g.LifeDrain})
        pair[0] = pair[1] = 4;
    g.CombatBonusTurns = 6;
    g.HeroForm = 4;  // a bear goes back to human form
    g.FormTurns = 30;
    ClearTimedEffects();
    EXPECT_EQ(g.Hidden, 0u);
    for (int16_t v : {g.BlessTurns, g.InvisibleTurns, g.WaterWalkTurns, g.GillsTurns, g.HeroForm, g.FormTurns})
        EXPECT_EQ(v, 0);
    for (int16_t* pair : {g.Heroism, g.MagicShield, g.TrueSight, g.AcidShield, g.ColdShield, g.ElectShield,
                          g.FireShield})
        EXPECT_EQ(std::tuple(pair[0], pair[1]), std::tuple(0, 0));
    for (int16_t* pair : {g.MindShield, g.BodyShield, g.LifeDrain})
        EXPECT_EQ(std::tuple(pair[0], pair[1]), std::tuple(4, 4));
    EXPECT_EQ(g.CombatBonusTurns, 6);
}

TEST_F(RestTest, PromptsRestOrCancelAndEscDoesNotAnswer) {
    GameState.HeroFood = 1;
    host.Wait(5).Hold(27, 20);
    TapKey('C');
    Run([] { RestWithFood(0); });
    EXPECT_EQ(GameState.HitPoints, 10);
    EXPECT_EQ(GameState.HeroFood, 1);
    EXPECT_TRUE(ShownAt("It appears to be safe", 465, 120));
    EXPECT_TRUE(ShownAt("to rest here.", 465, 135));
    EXPECT_TRUE(ButtonAt("Rest Overnight", 260));
    EXPECT_TRUE(ButtonAt("Cancel", 282));

    TapKey('R');
    Run([] { RestWithFood(0); });
    EXPECT_EQ(GameState.HitPoints, 16);
    EXPECT_EQ(GameState.HeroFood, 0);
    EXPECT_EQ(Shown("ZZzzzzz..."), 1u);

    host.texts.clear();
    GameState.HitPoints = 10;
    GameState.TrueSight[0] = GameState.TrueSight[1] = 3;
    TapKey('R');
    Run([] { RestWithoutFood(); });
    EXPECT_TRUE(ShownAt("You do not have any", 465, 120));
    EXPECT_TRUE(ShownAt("food left. ", 465, 135));
    EXPECT_TRUE(ButtonAt("Rest Anyway", 260));
    EXPECT_EQ(GameState.HitPoints, 10);  // no food, no healing
    EXPECT_EQ(GameState.TrueSight[1], 0);
    EXPECT_EQ(GameState.HeroFood, 0);
}

TEST_F(RestTest, DreamsShowTheirPagesInsteadOfSleep) {
    PageLine(5, 0, "A dark tower");
    PageLine(6, 0, "rises from the sea");
    GameState.DreamStage = 2;
    GameState.DreamCountdown = 1;
    Keys({'N', 'D'});
    Run([] { RestOneNight(1, 0); });
    EXPECT_TRUE(ShownAt("A dark tower", 70, 120));
    EXPECT_TRUE(ShownAt("rises from the sea", 70, 120));
    EXPECT_EQ(Shown("Troubled Dreams"), 2u);
    EXPECT_EQ(Shown("ZZzzzzz..."), 0u);
    EXPECT_GE(GameState.DreamCountdown, 5);
    EXPECT_LE(GameState.DreamCountdown, 9);
    EXPECT_EQ(GameState.HitPoints, 16);

    // Until the countdown runs out, and on a stage without pages, the hero only sleeps.
    host.texts.clear();
    for (int16_t stage : {int16_t(2), int16_t(7)}) {
        GameState.DreamStage = stage;
        GameState.DreamCountdown = stage == 2 ? 3 : 1;
        Run([] { RestOneNight(1, 0); });
    }
    EXPECT_EQ(Shown("Troubled Dreams"), 0u);
    EXPECT_EQ(Shown("ZZzzzzz..."), 2u);
    EXPECT_EQ(GameState.DreamCountdown, 0);
}

TEST_F(RestTest, DreamPagesStayWithinTheObjective) {
    GameIntro.ObjectivePictures[3] = 9;  // damaged: no such picture
    GameState.DreamStage = 1;
    GameState.DreamCountdown = 0;
    TapKey(27);
    Run([] { RestOneNight(0, 0); });
    EXPECT_EQ(Shown("Troubled Dreams"), 1u);
}

TEST_F(RestTest, IfAsleepEventFiresAfterTheNight) {
    ASSERT_EQ(SaveLevel(2, 0), 1u);
    EventRecord& e = Put(25, 25, kIfAsleepEvent, {{1, 310}, {2, 5}, {3, 1}, {4, 300}, {7, 3}, {8, 4}});
    SetFieldText(e.Text[0][0], "Voices whisper");
    SetFieldText(e.Text[0][2], "your name.");

    Run([] { RestOneNight(0, 0); });  // the condition does not hold
    EXPECT_EQ(GameFlag(300), 0);

    SetGameFlag(310, 1);
    TapKey('L');
    Run([] { RestOneNight(0, 0); });
    EXPECT_TRUE(ShownAt("Voices whisper", 465, 120));
    EXPECT_TRUE(ShownAt("your name.", 465, 144));
    EXPECT_EQ(GameFlag(300), 1);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(1, 25, 25));

    // An empty text shows nothing; word 5 teleports.
    host.texts.clear();
    SetFieldText(e.Text[0][0], "");
    e.Word[5] = 2;
    Run([] { RestOneNight(0, 0); });
    EXPECT_EQ(Shown("your name."), 0u);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(2, 3, 4));
}

TEST_F(RestTest, AMonsterInSightMakesTheRestUnsafe) {
    EXPECT_EQ(CheckRestSafety(), 1);
    AddPushEncounter(1, 1181, 27, 25);  // a push object is no monster
    EXPECT_EQ(CheckRestSafety(), 1);
    ASSERT_EQ(AddMonsterEncounter(1, 30, 28, 0, 0), 1);
    EXPECT_EQ(CheckRestSafety(), 0);
    SightGrid[30 - 19][28 - 19] = 0;  // behind a wall
    EXPECT_EQ(CheckRestSafety(), 1);
}

}  // namespace
