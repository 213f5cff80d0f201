// The breakdown and help boxes: panel sizes, which lines show and in what colour, the numbers
// they fill in, and how long they stay.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "hero/breakdown_boxes.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/help_boxes.h"
#include "platform/fonts.h"
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
        {"armour of life and a ring of loss",
         [] {
             Item(433, 3);
             Wear(kArmourSlot, 1, 433);
             Wear(kRing1Slot, 2, 94, 8);
         },
         [] { ShowDrBreakdown(1, 120, 140); }, 112, 140, 10, 7,
         {{"Armour:           +", 273}, {"50", 273}, {"100", -1}, {"Ring:             -", 91}, {"8", 91}}},
        {"stealth under a belt, a curse and the helmet of stealth: a piece taller",
         [] {
             Item(147, 5);
             Wear(kBeltSlot, 1, 47, 2);
             Wear(kHelmetSlot, 2, 147, 4);
             GameState.BaseSkills[kStealth] = 6;
             GameState.Cursed = 1;
         },
         [] { ShowSkillBreakdown(kStealth, 80, 140); }, 72, 140, 12, 6,
         {{"Belt Bonus:", 273}, {"Curse:", 91}, {"Helmet Bonus:", 273}, {"+ 4", 273}}},
        {"clumsy and feeble: no skill is set to 1",
         [] {
             GameState.BaseSkills[kArmsmaster] = 5;
             GameState.Clutz = GameState.Feebleminded = 1;
         },
         [] { ShowSkillBreakdown(kArmsmaster, 80, 140); }, 72, 140, 12, 4,
         {{"Skill is currently unmodifed!", 0}, {"Clutz:", -1}, {"= 1", -1}}},
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
             GameState.BaseSkills[1] = 3;
         },
         [] { ShowSkillBreakdown(1, 80, 140); }, 72, 140, 12, 5, {{"Belt Bonus:", 273}, {"+ 2", 273}}},
        {"tired and armed: tiredness costs no Combat, the least is 1",
         [] {
             Item(5, 0);
             Wear(kWeaponSlot, 1, 5, 0, 2);
             GameState.Exhausted = 1;
             Options.Difficulty = 4;
         },
         [] { ShowStatBreakdown(0, 120, 140); }, 112, 140, 10, 7,
         {{"Weapon:", 273}, {"Balls of steel:", 91}, {"Tired:             - 2", -1}, {"Minimum:", 91}}},
        {"the situational bonuses set apart, below the lines that add up",
         [] {
             GameState.BaseStats[kCombat] = 6;
             GameState.Skills[kArmsmaster] = GameState.Skills[kTargeteer] = 2;
             SkillBonus.ArmsmasterHitBonus[2] = SkillBonus.TargeteerHitBonus[2] = 1;
         },
         [] { ShowStatBreakdown(0, 120, 140); }, 112, 140, 10, 7,
         {{"Base Combat:", 0}, {"Armsmaster (sit):", 182}, {"Targeteer: (sit)", 182}, {"+ 1", 182}}},
        {"helm of saves and a feeble mind",
         [] {
             Item(314, 5);
             Wear(kHelmetSlot, 1, 314);
             GameState.Feebleminded = 1;
         },
         [] { ShowSaveBreakdown(0, 120, 140); }, 112, 140, 10, 6, {{"Helm Bonus:", 273}, {"+ 25", 273}, {"= 10", 91}}},
        {"a lasting mind save gain", [] { GameState.SaveBonus[0] = 6; }, [] { ShowSaveBreakdown(0, 120, 140); }, 112,
         140, 10, 5, {{"Lasting Bonus:", 273}, {"+ 6", 273}}},
        {"a lasting body save loss",
         [] {
             GameState.SaveBonus[1] = -4;
             GameState.BaseSaves[1] = 20;
         },
         [] { ShowSaveBreakdown(1, 120, 140); }, 112, 140, 10, 5, {{"Lasting Penalty:", 91}, {"- 4", 91}}},
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

// What a box's lines come to, read as a player reads them: the base (black), then each green
// "+ n" and red "- n", "= n" or "/ n" in turn, and "Divide by n" where the box says so. Lines in
// any other colour are set apart and not added (the situational bonuses of Combat). A box that
// lists nothing (or only its message) stands for its base. Labels are drawn at x + 20 and
// numbers at x + 140.
std::optional<int32_t> LinesAddUp(const host::Headless& h, int32_t x) {
    struct Drawn {
        std::string text;
        bool apart = false, green = false, red = false;
    };
    std::map<int32_t, Drawn> lines;  // by y
    for (const auto& t : h.texts) {
        if (t.x != x + 20 && t.x != x + 140) continue;
        Drawn& d = lines[t.y];
        d.text += (d.text.empty() ? "" : " ") + t.text;
        d.apart |= t.colour != kSmallBlack && t.colour != kSmallGreen && t.colour != kSmallRed;
        d.green |= t.colour == kSmallGreen;
        d.red |= t.colour == kSmallRed;
    }
    if (lines.empty()) return std::nullopt;
    std::optional<int32_t> sum;
    for (auto [y, d] : lines) {
        if (d.apart) continue;
        std::string& line = d.text;
        if (line.rfind("Divide by ", 0) == 0) {
            if (sum) *sum /= std::stoi(line.substr(10));
            continue;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        const size_t number = line.rfind(' ') + 1;
        if (line.find_first_not_of("0123456789", line[number] == '-' ? number + 1 : number) != std::string::npos) {
            EXPECT_FALSE(sum) << "no number in \"" << line << "\"";
            EXPECT_EQ(lines.size(), 1u) << "a message among the lines";
            return std::nullopt;  // the box's message that nothing modifies the value
        }
        const int32_t n = std::stoi(line.substr(number));
        // The sign before the number, past the spaces and the colon of a label ("Amulet    +: 5").
        const size_t before = line.find_last_not_of(" :", number - 1);
        const char op = number >= 2 && before != std::string::npos ? line[before] : ' ';
        if (!sum) {
            sum = n;
            EXPECT_FALSE(d.green || d.red) << "the base \"" << line << "\" in a colour";
        } else if (op == '+') {
            *sum += n;
            EXPECT_TRUE(d.green && !d.red) << "\"" << line << "\" not green";
        } else if (op == '-' || op == '=' || op == '/') {
            *sum = op == '-' ? *sum - n : op == '=' ? n : *sum / n;
            EXPECT_TRUE(d.red && !d.green) << "\"" << line << "\" not red";
        } else {
            ADD_FAILURE() << "no term in \"" << line << "\"";
        }
    }
    return sum;
}

TEST_F(HeroBoxesTest, EveryBreakdownAddsUpToTheValueShown) {
    Item(5, 0);  // a weapon
    Item(6, 2);  // a small weapon
    // Pieces of armour: type and damage reduction.
    for (auto [item, type, dr] : {std::tuple{433, 3, 6}, {440, 3, 2}, {147, 5, 1}, {120, 5, 3}, {121, 8, 2},
                                  {122, 7, 1}, {123, 4, 4}, {124, 3, 5}})
        Item(int16_t(item), int16_t(type)).ItemArmourBonus = int16_t(dr);
    struct Case {
        const char* name;
        std::function<void(GameStateRecord&)> setUp;
    };
    const Case cases[] = {
        {"easy at level 1",
         [](GameStateRecord& g) {
             Options.Difficulty = 0;
             g.HeroLevel = 1;
             g.BaseStats[kCombat] = 5;
         }},
        {"nasty, tired and sick, with the skills of an attack",
         [](GameStateRecord& g) {
             Options.Difficulty = 4;
             g.BaseStats[kCombat] = 2;
             g.Exhausted = g.Poisoned = g.Biohazard = 1;
             g.BaseSkills[kArmsmaster] = g.BaseSkills[kTargeteer] = 4;
             SkillBonus.ArmsmasterHitBonus[4] = SkillBonus.TargeteerHitBonus[4] = 3;
         }},
        {"armed, hidden in fury, with the skills of an attack",
         [](GameStateRecord& g) {
             g.HeroLevel = 7;
             g.BaseStats[kCombat] = 6;
             Wear(kWeaponSlot, 1, 5, 0, 3);
             Wear(kBowSlot, 2, 5, 0, 2);
             Wear(kOffhandSlot, 3, 6, 0, 1);
             g.Hidden = 1;
             g.Heroism[0] = -3;
             g.Heroism[1] = 5;
             g.CombatBonusTurns = 9;
             g.Tattoos[6] = 1;
             g.BaseSkills[kArmsmaster] = 6;
             SkillBonus.ArmsmasterHitBonus[6] = 2;
         }},
        {"aged in gauntlets, drained troll, clumsy, with every skill",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 9;
             for (int s = 0; s < 12; ++s) g.BaseSkills[s] = int16_t(1 + s);
             g.HeroLevel = 5;
             g.Aged = g.Drained = g.Clutz = 1;
             Wear(kGlovesSlot, 1, 90, 0, 3);
             Wear(kBootsSlot, 2, 112);
             g.Tattoos[4] = g.Tattoos[3] = g.Tattoos[7] = 1;
             g.BlessTurns = 4;
             Wear(kRing1Slot, 3, 93, 4);
         }},
        {"gloves of agility and a feeble mind under the hawk helmet",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 12;
             for (int s = 0; s < 12; ++s) g.BaseSkills[s] = int16_t(12 - s);
             g.Feebleminded = 1;
             Wear(kHelmetSlot, 1, 89, 2);
             Wear(kGlovesSlot, 2, 113);
             Wear(kRing1Slot, 3, 15, 6);
         }},
        {"cursed amulets",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 3;
             Wear(kAmuletSlot, 1, 30, -5);
         }},
        {"a cursed amulet of will and saves",
         [](GameStateRecord& g) {
             g.BaseStats[kWillpower] = g.BaseStats[kEndurance] = 4;
             Wear(kAmuletSlot, 1, 34, -9);
             g.SaveBonus[1] = -40;
         }},
        {"saves past the top under the helm",
         [](GameStateRecord& g) {
             g.BaseStats[kWillpower] = 22;
             g.BaseStats[kEndurance] = 20;
             Wear(kHelmetSlot, 1, 314);
             Wear(kRing1Slot, 2, 15, 10);
             Wear(kRing2Slot, 3, 16, -5);
             Wear(kAmuletSlot, 4, 36, 3);
             g.MindShield[0] = 7;
             g.MindShield[1] = 2;
             g.BodyShield[0] = 4;
             g.BodyShield[1] = 2;
             g.SaveBonus[0] = 9;
         }},
        {"resistances of every source",
         [](GameStateRecord& g) {
             for (int k = 0; k < 4; ++k) g.BaseResists[k] = int16_t(3 * k);
             g.BaseSkills[kResilience] = 5;
             SkillBonus.ResilienceResist[5] = 4;
             g.Tattoos[8] = g.Tattoos[2] = 1;
             Wear(kRing1Slot, 1, 11, 3);
             Wear(kRing2Slot, 2, 13, -2);
             Wear(kOffhandSlot, 3, 651, 0, -4);
             g.ColdShield[0] = 6;
             g.ColdShield[1] = 1;
         }},
        {"the shield of all elements",
         [](GameStateRecord& g) {
             Wear(kOffhandSlot, 1, 655);
             g.FireShield[0] = -2;
             g.FireShield[1] = 3;
         }},
        {"armour of life, rings of life and of loss, resilient and shielded",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 7;
             g.HeroLevel = 4;
             g.BaseSkills[kResilience] = 3;
             SkillBonus.ResilienceDr[3] = 3;
             Wear(kArmourSlot, 1, 433, 1);
             Wear(kHelmetSlot, 2, 120, 1);
             Wear(kGlovesSlot, 3, 121);
             Wear(kBootsSlot, 4, 122);
             Wear(kOffhandSlot, 5, 123, 2);
             Wear(kRing1Slot, 6, 94, 8);
             Wear(kRing2Slot, 7, 93, 5);
             Wear(kAmuletSlot, 8, 37, 6);
             g.MagicShield[0] = 3;
             g.MagicShield[1] = 4;
         }},
        {"drained, with cursed pieces not yet known, a cursed amulet of life and a second ring of loss",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 5;
             g.HeroLevel = 2;
             g.Drained = 1;
             g.BaseSkills[kResilience] = 2;
             SkillBonus.ResilienceDr[2] = -1;
             Wear(kArmourSlot, 1, 124, -9);
             Wear(kHelmetSlot, 2, 120, -6);
             Wear(kRing1Slot, 3, 93, -3);
             Wear(kRing2Slot, 4, 94, 6);
             Wear(kAmuletSlot, 5, 37, -4);
         }},
        {"a cursed ring of loss and a ring of life",
         [](GameStateRecord&) {
             Wear(kRing1Slot, 1, 94, -2);
             Wear(kRing2Slot, 2, 93, 3);
         }},
        {"cursed, in a belt of every skill, the helmet of stealth and the armour of gems",
         [](GameStateRecord& g) {
             for (int s = 1; s < 7; ++s) g.BaseStats[s] = 8;
             for (int s = 0; s < 12; ++s) g.BaseSkills[s] = int16_t(s % 3 == 0 ? 0 : 6 * (s % 4));
             g.BaseSkills[kGemlore] = 0;
             g.Cursed = 1;
             Wear(kBeltSlot, 1, 49, 3);
             Wear(kHelmetSlot, 2, 147, 4);
             Wear(kArmourSlot, 3, 440, 20);
         }},
        {"a cursed belt of every skill, a cursed helmet of stealth and the armour of gems",
         [](GameStateRecord& g) {
             g.BaseStats[kWillpower] = 3;
             for (int s = 0; s < 12; ++s) g.BaseSkills[s] = int16_t(1 + s % 5);
             g.Cursed = 1;
             Wear(kBeltSlot, 1, 49, -2);
             Wear(kHelmetSlot, 2, 147, -3);
             Wear(kArmourSlot, 3, 440, 5);
         }},
        {"a belt of one skill: Targeteer",
         [](GameStateRecord& g) {
             for (int s = 0; s < 12; ++s) g.BaseSkills[s] = 18;
             Wear(kBeltSlot, 1, 48, 5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GameStateRecord keep = GameState;
        const OptionsRecord keepOptions = Options;
        const SkillBonusRecord keepSkills = SkillBonus;
        c.setUp(GameState);
        RecalcHero();
        const GameStateRecord& g = GameState;
        struct Box {
            std::string name;
            std::function<void()> show;
            int32_t x, value, base;
        };
        std::vector<Box> boxes;
        for (int16_t s = 0; s < 7; ++s)
            boxes.push_back({"stat " + std::to_string(s), [s] { ShowStatBreakdown(s, 120, 140); }, 120, g.Stats[s],
                             g.BaseStats[s]});
        for (int16_t s = 0; s < 2; ++s)
            boxes.push_back({"save " + std::to_string(s), [s] { ShowSaveBreakdown(s, 120, 140); }, 120, g.Saves[s],
                             g.BaseSaves[s]});
        for (int16_t k = 0; k < 4; ++k)
            boxes.push_back({"resist " + std::to_string(k), [k] { ShowResistBreakdown(k, 120, 140); }, 120,
                             g.Resists[k], g.BaseResists[k]});
        boxes.push_back({"damage reduction", [] { ShowDrBreakdown(0, 120, 140); }, 120, g.DamageReduction, 0});
        boxes.push_back({"hit points", [] { ShowDrBreakdown(1, 120, 140); }, 120, g.HitPointsMax, 0});
        for (int16_t s = 0; s < 12; ++s)
            boxes.push_back({"skill " + std::to_string(s), [s] { ShowSkillBreakdown(s, 80, 140); }, 80, g.Skills[s],
                             g.BaseSkills[s]});
        for (const Box& b : boxes) {
            host.texts.clear();
            b.show();
            EXPECT_EQ(LinesAddUp(host, b.x).value_or(b.base), b.value) << b.name;
        }
        GameState = keep;
        Options = keepOptions;
        SkillBonus = keepSkills;
    }
}

TEST_F(HeroBoxesTest, BoxesStayWhileTheButtonIsHeld) {
    // The click that opens a box is read by the panel's test, which does not wait.
    Screen screen("hero screen");
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
        Screen screen("skills");
        for (int pass = 0; pass < 20; ++pass) {  // second row: Disarm Traps, its help
            screen.Pass();
            TakeLoopMessage();
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
