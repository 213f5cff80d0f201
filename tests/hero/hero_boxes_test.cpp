// The breakdown and help boxes: panel sizes, which lines show and in what colour, the numbers
// they fill in, and how long they stay.
#include <functional>
#include <string>

#include "hero/breakdown_boxes.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/help_boxes.h"
#include "platform/input.h"
#include "tests/hero/box_test.h"

namespace {

using HeroBoxesTest = BoxTest;

TEST(BreakdownPanelHeight, ByLineCount) {
    const std::pair<int16_t, int16_t> cases[] = {{0, 0}, {1, 5},  {2, 6},  {3, 7},   {4, 7},  {5, 8}, {6, 8},
                                                 {7, 9}, {8, 9},  {9, 10}, {10, 10}, {11, 11}, {12, 11},
                                                 {13, 12}, {14, 12}, {15, 0}, {-1, 0}};
    for (auto [lines, height] : cases) EXPECT_EQ(BreakdownPanelHeight(lines), height) << lines;
}

struct BoxCase {
    const char* name;
    std::function<void()> setUp;
    std::function<void()> show;
    int32_t panelX, panelY, w, h;
    std::vector<std::pair<std::string, int32_t>> texts;  // text and colour
};

TEST_F(HeroBoxesTest, BreakdownsListWhatIsInForce) {
    Item(300, 10);  // rings
    Item(301, 9);   // belts
    const BoxCase cases[] = {
        {"fresh strength", [] { GameState.BaseStats[1] = 3; }, [] { ShowStatBreakdown(1, 120, 140); }, 112, 140, 14,
         5, {{"Your Strength is currently unmodified!", 0}}},
        {"bare damage reduction", [] { GameState.Stats[3] = 1; }, [] { ShowDrBreakdown(0, 120, 140); }, 112, 140, 10,
         6, {{"Base reduction:", 0}, {"0", 0}, {"Divide by 2 to get DR.", 0}}},
        {"two life rings",
         [] {
             Item(93, 10);
             Wear(kRing1Slot, 1, 93, 5);
             Wear(kRing2Slot, 2, 93, 7);
         },
         [] { ShowDrBreakdown(1, 120, 140); }, 112, 140, 10, 7, {{"Ring:             +", 273}, {"12", 273}}},
        {"curse belt on Curse",
         [] {
             Item(39, 9);
             Wear(kBeltSlot, 1, 39, 3);
             GameState.BaseSkills[2] = 2;
         },
         [] { ShowSkillBreakdown(2, 80, 140); }, 72, 140, 12, 5, {{"Belt Bonus:", 273}, {"+ 3", 273}}},
        {"curse belt not on Auras",
         [] {
             Item(39, 9);
             Wear(kBeltSlot, 1, 39, 3);
         },
         [] { ShowSkillBreakdown(1, 80, 140); }, 72, 140, 12, 4, {{"Skill is currently unmodifed!", 0}}},
        {"belt of every skill on Auras",
         [] {
             Item(49, 9);
             Wear(kBeltSlot, 1, 49, 2);
         },
         [] { ShowSkillBreakdown(1, 80, 140); }, 72, 140, 12, 5, {{"Belt Bonus:", 273}, {"+ 2", 273}}},
        {"tired and armed",
         [] {
             Item(5, 0);
             Wear(kWeaponSlot, 1, 5, 0, 2);
             GameState.Exhausted = 1;
             Options.Difficulty = 4;
         },
         [] { ShowStatBreakdown(0, 120, 140); }, 112, 140, 10, 7,
         {{"Weapon:", 273}, {"Balls of steel:", 91}, {"Tired:             - 2", 91}}},
        {"helm of saves and a feeble mind",
         [] {
             Item(314, 5);
             Wear(kHelmetSlot, 1, 314);
             GameState.Feebleminded = 1;
         },
         [] { ShowSaveBreakdown(0, 120, 140); }, 112, 140, 10, 6, {{"Helm Bonus:", 273}, {"+ 25", 273}, {"= 10", 91}}},
        {"a lasting mind save gain", [] { GameState.SaveBonus[0] = 6; }, [] { ShowSaveBreakdown(0, 120, 140); }, 112,
         140, 10, 5, {{"Lasting Bonus:", 273}, {"+ 6", 273}}},
        {"a lasting body save loss", [] { GameState.SaveBonus[1] = -4; }, [] { ShowSaveBreakdown(1, 120, 140); }, 112,
         140, 10, 5, {{"Lasting Penalty:", 91}, {"- 4", 91}}},
        {"a damaged save's gain", [] { GameState.SaveBonus[0] = 300; }, [] { ShowSaveBreakdown(0, 120, 140); }, 112,
         140, 16, 5, {{"Your Mind Save is currently unmodified!", 0}}},
        {"fire tattoo and fire shield",
         [] {
             GameState.Tattoos[2] = 1;
             GameState.FireShield[0] = 4;
             GameState.FireShield[1] = 9;
         },
         [] { ShowResistBreakdown(3, 120, 140); }, 112, 140, 10, 6, {{"Tatoo:", 273}, {"Fire Shield:", 273}, {"+ 4", 273}}},
        {"plain cold", [] {}, [] { ShowResistBreakdown(1, 120, 140); }, 112, 140, 16, 5,
         {{"Your Cold Resistance is currently unmodified!", 0}}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameStateRecord keep = GameState;
        const OptionsRecord keepOptions = Options;
        c.setUp();
        host.texts.clear();
        c.show();
        EXPECT_TRUE(PanelShown(c.panelX, c.panelY, c.w, c.h));
        for (const auto& [text, colour] : c.texts) EXPECT_EQ(ColourOf(text), colour) << text;
        GameState = keep;
        Options = keepOptions;
    }
}

TEST_F(HeroBoxesTest, BoxesStayWhileTheButtonIsHeld) {
    // The click that opens a box is read by the panel's test, which does not wait.
    host.Hold(1, 40);
    ASSERT_TRUE(KeyDown(1));
    ShowStatBreakdown(2, 120, 140);
    EXPECT_TRUE(host.ScriptDone());  // it stayed for all the polls the button was down
    host.Hold(2, 40);
    ASSERT_TRUE(KeyDown(2));
    ShowStatHelp(2, 120, 140);
    EXPECT_TRUE(host.ScriptDone());

    // A number outside the tables draws nothing but still flips and waits.
    const uint32_t flips = host.flips;
    host.texts.clear();
    ShowStatBreakdown(7, 120, 140);
    ShowStatHelp(7, 120, 140);
    ShowSkillRowBox(0, 1);  // no skill above 0: no row at all
    EXPECT_EQ(host.flips, flips + 2);
    EXPECT_TRUE(host.texts.empty());
    EXPECT_TRUE(host.effects.empty());
}

TEST_F(HeroBoxesTest, SkillRowsSelectTheListedSkills) {
    for (int s : {0, 4, 11}) GameState.Skills[s] = GameState.BaseSkills[s] = 3;
    ShowSkillRowBox(3, 1);  // only three rows
    EXPECT_TRUE(host.effects.empty());
    ShowSkillRowBox(2, 1);
    EXPECT_EQ(host.effects, std::vector<std::string>{"Info"});
    EXPECT_TRUE(TextShown(host, "Targeteer"));
    host.texts.clear();
    host.MoveMouse(400, 134 + 18 + 5).Press(2).Wait(3).Release(2);
    host.Wait(1);
    Run([] {
        for (int pass = 0; pass < 20; ++pass) {  // second row: Disarm Traps, its help
            TakeLoopMessage("skills");
            CheckSkillRowClicks(2);
        }
    });
    EXPECT_TRUE(TextShown(host, "Current Skill Points: 3"));
    EXPECT_TRUE(TextShown(host, "Disarm Traps"));
}

TEST_F(HeroBoxesTest, SkillHelpWithAndWithoutValues) {
    Item(248, 25);
    GameState.Skills[7] = 4;
    GameState.Stats[4] = 6;
    ShowSkillHelp(7, 80, 140, 1);
    EXPECT_EQ(ColourOf("Requires: Thieves Tools"), 91);
    EXPECT_EQ(ColourOf("Cap stat: Dexterity (6)"), 0);
    EXPECT_TRUE(PanelShown(80, 140, 14, 10));
    GiveItem(248, 0, 0, 0);
    ShowSkillHelp(7, 80, 140, 1);
    EXPECT_EQ(ColourOf("Requires: Thieves Tools"), 273);

    host.texts.clear();
    ShowSkillHelp(7, 320, 140, 0);
    EXPECT_EQ(ColourOf("Requires: Thieves Tools"), 0);
    EXPECT_EQ(ColourOf("Cap stat: Dexterity (6)"), 182);
    EXPECT_TRUE(PanelShown(320, 140, 14, 9));
    for (const auto& t : host.texts) EXPECT_EQ(t.text.find("Current"), std::string::npos) << t.text;

    // Dual Weapons at skill 0 reads the first entry of both penalty columns.
    SkillBonus.OffhandHitPenalty[0] = 6;
    SkillBonus.OffhandDamagePenalty[0] = 40;
    ShowSkillHelp(5, 80, 140, 1);
    EXPECT_TRUE(TextShown(host, "Offhand Combat Penalty: -6 Combat"));
    EXPECT_TRUE(TextShown(host, "Offhand Damage Penalty: -40%"));
    ShowSkillHelp(999, 200, 150, 1);
    EXPECT_TRUE(PanelShown(200, 150, 14, 8));
}

TEST_F(HeroBoxesTest, ExperienceTableFromTheHerosLevel) {
    GameState.HeroLevel = 1;
    ShowStatusHelp(6, 120, 150);
    EXPECT_EQ(TextsAt(150 + 144), (std::vector<std::string>{"2", "100"}));
    EXPECT_EQ(TextsAt(150 + 144 + 9 * 12), (std::vector<std::string>{"11", "5500"}));
    EXPECT_TRUE(TextShown(host, "     Level             Xp"));

    host.texts.clear();
    GameState.HeroLevel = 45;
    ShowStatusHelp(6, 120, 150);
    EXPECT_EQ(TextsAt(150 + 144 + 4 * 12), (std::vector<std::string>{"50", "122500"}));
    EXPECT_TRUE(TextsAt(150 + 144 + 5 * 12).empty());

    host.texts.clear();
    GameState.HeroLevel = -3;  // a damaged save: the rows begin at level 1
    ShowStatusHelp(6, 120, 150);
    EXPECT_EQ(TextsAt(150 + 144), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(TextsAt(150 + 144 + 6 * 12), (std::vector<std::string>{"7", "2100"}));
    EXPECT_TRUE(TextsAt(150 + 144 + 7 * 12).empty());

    host.texts.clear();
    GameState.HeroLevel = 50;
    ShowStatusHelp(6, 120, 150);
    EXPECT_TRUE(PanelShown(120, 50, 15, 5));
    EXPECT_FALSE(TextShown(host, "     Level             Xp"));
}

// Every line of every help box lies inside its panel.
TEST_F(HeroBoxesTest, HelpTextsFitTheirPanels) {
    struct Shown {
        std::function<void()> show;
        int32_t x, w;
    };
    std::vector<Shown> boxes;
    for (int16_t s = 0; s < 7; ++s) boxes.push_back({[s] { ShowStatHelp(s, 120, 140); }, s ? 120 : 112, 12});
    for (int16_t s = 0; s < 12; ++s)
        for (int16_t v : {0, 1}) boxes.push_back({[s, v] { ShowSkillHelp(s, 80, 140, v); }, 80, 14});
    boxes.push_back({[] { ShowSkillHelp(999, 200, 150, 1); }, 200, 14});
    for (int16_t t = 0; t < 4; ++t) boxes.push_back({[t] { ShowSkillTermHelp(t); }, 100, t == 2 ? 14 : 15});
    const std::pair<int16_t, int32_t> status[] = {{0, 12}, {1, 12}, {2, 11}, {4, 12}, {5, 12}, {6, 17}, {7, 12}, {9, 12}};
    for (auto [t, w] : status) boxes.push_back({[t] { ShowStatusHelp(t, 120, 150); }, 120, w});
    for (int16_t t = 0; t < 2; ++t) boxes.push_back({[t] { ShowDrHelp(t, 120, 140); }, 120, 12});
    for (int16_t t = 0; t < 2; ++t) boxes.push_back({[t] { ShowSaveHelp(t, 120, 140); }, 120, 12});
    for (int16_t t = 0; t < 4; ++t) boxes.push_back({[t] { ShowResistHelp(t, 120, 140); }, 120, 12});
    for (int16_t t = 0; t < 2; ++t) boxes.push_back({[t] { ShowSexHelp(t, 320, 140); }, 320, 12});
    GameState.HeroLevel = 1;
    for (int16_t s = 0; s < 12; ++s) GameState.Skills[s] = 20;
    for (size_t i = 0; i < boxes.size(); ++i) {
        host.texts.clear();
        boxes[i].show();
        ASSERT_FALSE(host.texts.empty()) << i;
        for (size_t t = 1; t < host.texts.size(); ++t) {  // the first is the title
            const host::TextRecord& r = host.texts[t];
            EXPECT_GE(r.x, boxes[i].x + 10) << i << ": " << r.text;
            EXPECT_LE(r.x + 6 * int32_t(r.text.size()), boxes[i].x + 20 * boxes[i].w - 10) << i << ": " << r.text;
        }
    }
}

}  // namespace
