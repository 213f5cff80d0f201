// The Activate Skill menu end to end: its kinds and pages, the digit keys, the checks in their
// order with their refusals, and what follows a power; and the description panels.
#include "combat/activate_skill.h"
#include "combat/gemlore.h"
#include "combat/power_descriptions.h"
#include "data/square_kinds.h"
#include "platform/display.h"
#include "tests/combat/power_test.h"

namespace {

class ActivateSkillTest : public PowerTest {
  protected:
    // The skills set are the base skills too, which the hero's recomputation after a power keeps.
    void Open() {
        std::copy(std::begin(GameState.Skills), std::end(GameState.Skills), GameState.BaseSkills);
        Run([] { ActivateSkill(); });
    }
};

TEST_F(ActivateSkillTest, GemloreAloneAnswersDigitsOnEveryPage) {
    GameState.Skills[kGemlore] = 5;
    SkillBonus.GemResistTables[1][0][5] = 4;
    GameState.GembagCounts[1] = GameState.GembagCounts[8] = 1;
    GameState.Hidden = 1;
    host.Wait(5).Hold(40, 30).Hold(38, 30);  // one kind: the arrows are not read
    Keys({'N', '2'});                        // page 2, row 2: Cold Resist
    Open();
    EXPECT_TRUE(TextShown(host, "Gemlore (5)"));
    EXPECT_TRUE(TextShown(host, "Cold Resist"));
    EXPECT_EQ(GameState.ColdShield[0], 4);
    EXPECT_EQ(GameState.GembagCounts[1], 0);
    EXPECT_EQ(GameState.Hidden, 0u);

    Keys({'N', 'N', '5'});  // page 3, row 5: Waterwalk
    SkillBonus.WaterWalkDuration = 30;
    Open();
    EXPECT_EQ(GameState.WaterWalkTurns, 29);  // the world's turn after the power counts one off
    EXPECT_EQ(GameState.GembagCounts[8], 0);

    GameState.GembagCounts[0] = 1;
    Keys({'N', 'N', 'N', '1', 27, 27});  // the page wraps to 1: Acid Cloud, cancelled
    Open();
    EXPECT_TRUE(TextShown(host, "Acid Cloud:"));
    EXPECT_EQ(GameState.GembagCounts[0], 1);
}

TEST_F(ActivateSkillTest, ArrowsMoveBetweenKindsWithTheirInitials) {
    GameState.Skills[kCurseSkill] = GameState.Skills[kGemlore] = GameState.Skills[kPrayer] = 2;
    Carry(96);
    GameState.PrayerCharges = 1;
    GameState.EnergyMax = 9;
    Keys({40, 40, 38, 'P', '1'});  // Prayer, row 1: Healing
    Open();
    EXPECT_EQ(GameState.Energy, 8);  // healed to 9, then the world's turn uses one
    EXPECT_EQ(GameState.PrayerCharges, 0);
    EXPECT_TRUE(TextShown(host, "Curse (2)"));
    EXPECT_TRUE(TextShown(host, "Charges:"));
}

TEST_F(ActivateSkillTest, ACurseNeedsItsHitPointsAfterThePrice) {
    GameState.Skills[kCurseSkill] = 5;
    Carry(236);
    GameState.CurseCharges = 2;
    GameState.HitPoints = 5;
    Keys({'4', 13, 27});
    Open();
    EXPECT_EQ(SecondLineOfBox(host, "You don't have enough"), "Hp left to activate a Curse!");
    EXPECT_EQ(GameState.CurseCharges, 2);
    EXPECT_TRUE(Played("No"));

    GameState.HitPoints = 6;
    TapKey('4');
    Open();
    EXPECT_EQ(GameState.HitPoints, 1);
    EXPECT_EQ(GameState.CurseCharges, 1);
}

TEST_F(ActivateSkillTest, TheChecksComeInTheirOrder) {
    struct Case {
        int16_t skill, value;
        bool holySymbol, knife;
        int16_t charges;
        int key;
        const char* line1;
        const char* line2;
    };
    const Case cases[] = {
        // No symbol: refused before anything else, charges or not.
        {kPrayer, 9, false, false, 0, '1', "You require a Holy Symbol", "to activate these powers!"},
        // Too little skill is told before the missing charge.
        {kPrayer, 3, true, false, 0, '3', "   The minimum skill", "   requirement is 5!"},
        {kPrayer, 9, true, false, 0, '1', "   You don't have any", "      charges left!"},
        {kCurseSkill, 1, false, false, 3, '1', " You need a Ritual", " knife to activate Curses!"},
        {kCurseSkill, 1, false, true, 0, '1', "   You don't have any", "      charges left!"},
        {kGemlore, 3, false, false, 0, '1', "You require an Emerald to", "activate this power!"},
    };
    SkillBonus.UnbindMinSkill = 5;
    for (const Case& c : cases) {
        GameState.Skills[kCurseSkill] = GameState.Skills[kGemlore] = GameState.Skills[kPrayer] = 0;
        GameState.Skills[c.skill] = c.value;
        Fill(GameState.Backpack);
        if (c.holySymbol) Carry(96);
        if (c.knife) Carry(236);
        GameState.PrayerCharges = GameState.CurseCharges = c.charges;
        host.texts.clear();
        Keys({c.key, 13, 27});
        Open();
        EXPECT_EQ(SecondLineOfBox(host, c.line1), c.line2) << c.line1;
    }

    GameState.Skills[kGemlore] = 2;  // the skill check of page 3 comes before the gem
    SkillBonus.DimensionDoorMinSkill = 4;
    Keys({'N', 'N', '1', 13, 27});
    Open();
    EXPECT_EQ(SecondLineOfBox(host, "You require a minimum skill"), "of 4 to use this power!");
}

TEST_F(ActivateSkillTest, UndeadOrPowerlessHeroesAreRefused) {
    GameState.Skills[kGemlore] = 3;
    GameState.HeroIsUndead = 1;
    TapKey(13);
    Open();
    EXPECT_EQ(SecondLineOfBox(host, "You cannot access your"), "   powers when undead!");
    GameState.HeroIsUndead = 0;
    GameState.Skills[kGemlore] = 0;
    TapKey(13);
    Open();
    EXPECT_EQ(SecondLineOfBox(host, "  You have no activateable"), "      skills at present!");
    EXPECT_TRUE(Played("No"));
}

TEST_F(ActivateSkillTest, ARightHeldRowShowsItsPanelUntilReleased) {
    GameState.Skills[kPrayer] = 4;
    host.MoveMouse(400, 150).Wait(2).Hold(2, 20);  // row 2: Divine Cure
    TapKey(27);
    Open();
    EXPECT_TRUE(TextShown(host, "Cures one or more afflictions,"));
    EXPECT_EQ(TextColour("Req: Holy Symbol"), kSmallRed);
    EXPECT_TRUE(Played("Info"));
    EXPECT_EQ(host.texts.back().text, "Cancel");  // the menu again after the release
}

TEST_F(ActivateSkillTest, PanelsShowTheirStrengthAndUnmetCostsInRed) {
    const int16_t kinds[3] = {kCurseSkill, kGemlore, kPrayer};
    const auto show = [&](int16_t selected, int16_t page, int16_t row) {
        host.texts.clear();
        Run([&] { ShowPowerDescriptions(selected, kinds, page, row, 1, 1); });
    };
    GameState.Skills[kGemlore] = GameState.Skills[kPrayer] = GameState.Skills[kCurseSkill] = 6;
    SkillBonus.GemSpellMaxDamage[0][6] = 10;
    SkillBonus.HealingMaxHeal[6] = 8;
    SkillBonus.SmiteMaxDamage[6] = 8;
    CurrentLevel.AccessLayer[25 * 50 + 25] = kGemloreAccess;
    show(1, 1, 0);
    EXPECT_TRUE(TextShown(host, "Damage: 10 - 20"));
    show(2, 1, 0);
    EXPECT_TRUE(TextShown(host, "Heal: 8 - 16"));
    show(2, 1, 7);
    EXPECT_TRUE(TextShown(host, "Damage: 4 - 8"));  // Smite never doubles

    GameState.GembagCounts[0] = 3;  // other gems do not help
    show(1, 1, 1);
    EXPECT_EQ(TextColour("Cost: One Sapphire"), kSmallRed);
    show(1, 2, 1);
    EXPECT_EQ(TextColour("Cost: One Sapphire"), kSmallRed);

    GameState.CurseCharges = 1;
    GameState.HitPoints = 6;
    show(0, 1, 0);
    EXPECT_EQ(TextColour("Cost: One Charge and 6 Hp"), kSmallBlue);
    EXPECT_TRUE(TextShown(host, "Curse of Incompetence"));
}

TEST_F(ActivateSkillTest, TheCureListIsOrderedByTheSkillItNeeds) {
    const int16_t req[9] = {5, 1, 9, 1, 13, 20, 3, 2, 7};
    std::copy(std::begin(req), std::end(req), SkillBonus.DivineCureReqSkill);
    GameState.Skills[kPrayer] = 7;
    DrawDivineCureList(80, 100);
    const char* const want[] = {"Skill 1 : Cures Poison",  "Skill 1 : Cures Drain",  "Skill 2 : Cures Clutz",
                                "Skill 3 : Cures Aged",    "Skill 5 : Cures Tired",  "Skill 7 : Cures Undeath",
                                "Skill 9 : Cures Disease", "Skill 13 : Cures Curse", "Skill 20 : Cures Feeblemind"};
    ASSERT_EQ(host.texts.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(host.texts[i].text, want[i]);
        EXPECT_EQ(host.texts[i].y, int32_t(196 + 12 * i));
        EXPECT_EQ(host.texts[i].colour, i < 6 ? kSmallBlue : kSmallRed);
    }
}

}  // namespace

namespace {

TEST_F(ActivateSkillTest, TheRowPlateShowsNoSeamUnderThePowersName) {
    // A row's plate is four pieces at x 345, 405, 465 and 480, overlapping: a piece with ends
    // of its own would put borders under the name.
    OpenDisplay();
    const Surface* piece = ItemPictures[246];
    ASSERT_NE(piece, nullptr);
    const auto light = [](uint16_t p) { return ((p >> 11) & 31) * 2 + ((p >> 5) & 63) + (p & 31) * 2; };
    for (int32_t y : {12, 15, 18}) {
        const int32_t middle = light(piece->Row(y)[30]);
        for (int32_t x = 0; x < piece->width; ++x) EXPECT_GT(light(piece->Row(y)[x]) * 4, middle * 3) << x << ", " << y;
    }
}

}  // namespace
