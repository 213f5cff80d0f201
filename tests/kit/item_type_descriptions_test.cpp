// The help lines of the item page: each rule of the table drawn for an item it names, and
// the ways rules combine or fail to match.
#include "kit/db/item_type_descriptions.h"

#include <set>
#include <string>
#include <tuple>

#include "tests/kit/db_test.h"

namespace {

class ItemTypeDescriptionTest : public DbEditorTest {
protected:
    using Line = std::tuple<int32_t, std::string>;  // y, text
    std::set<Line> LinesFor(int16_t type, int16_t item) {
        host.texts.clear();
        DrawItemTypeDescription(type, item);
        std::set<Line> lines;
        for (const host::TextRecord& t : host.texts) {
            EXPECT_EQ(t.x, 50);
            EXPECT_EQ(t.colour, 182);
            lines.emplace(t.y, t.text);
        }
        return lines;
    }
};

struct RuleCase {
    int16_t type, item;
    int32_t y;
    const char* line;
};

// One item for each rule, with the last type and item the rule names; 47 ("???") and 82
// are named by no rule.
const RuleCase kRuleCases[] = {
    {0, 82, 377, "One handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {1, 82, 377, "Two handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {2, 82, 377, "Small (Dual weapon capability) melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {14, 1, 270, "Heals 10 points of damage (1 use only)."},
    {14, 2, 270, "Heals 30 points of damage (1 use only)."},
    {14, 3, 270, "Heals 50 points of damage (1 use only)."},
    {14, 4, 270, "Restores all energy and removes tired condition (1 use only)."},
    {14, 5, 270, "Removes Poison affliction (1 use only)."},
    {14, 6, 270, "Removes Disease affliction (1 use only)."},
    {14, 7, 270, "Removes Drain and Aged afflictions (1 use only)."},
    {14, 8, 270, "Restores all used skill charges (1 use only)."},
    {14, 195, 270, "-10 Hp if healthy. +25 Hp if undead!"},
    {14, 201, 270, "+5 Combat for 50 turns!"},
    {47, 9, 270, "Temporary invisibility (25 rounds, 1 use only)."},
    {47, 10, 270, "6d6 physical damage in 3x3 area (1 use only)."},
    {10, 11, 270, "Resist X points of acid damage (Worn)."},
    {10, 12, 270, "Resist X points of cold damage (Worn)."},
    {10, 13, 270, "Resist X points of electrical damage (Worn)."},
    {10, 14, 270, "Resist X points of fire damage (Worn)."},
    {10, 15, 270, "Mind save bonus of X % (Worn)."},
    {10, 16, 270, "Body save bonus of X % (Worn)."},
    {10, 17, 270, "Immunity to Petrification (Worn)."},
    {10, 18, 270, "Immunity to Paralysis (Worn)."},
    {10, 19, 270, "Immunity to Poison (Worn)."},
    {10, 93, 270, "Hit Points bonus of X (Worn)."},
    {12, 20, 270, "Gemlore (Acid Cloud, Acid Resist) (1 use only)."},
    {12, 21, 270, "Gemlore (Ice Storm, Cold Resist) (1 use only)."},
    {12, 22, 270, "Gemlore (Lightning Bolt, Elect Resist) (1 use only)."},
    {12, 23, 270, "Gemlore (Inferno, Fire Resist) (1 use only)."},
    {12, 24, 270, "Gemlore (Dimension Door) (1 use only)."},
    {12, 25, 270, "Gemlore (True Sight) (1 use only)."},
    {12, 26, 270, "Gemlore (Heroism) (1 use only)."},
    {12, 27, 270, "Gemlore (Magic Shield) (1 use only)."},
    {12, 28, 270, "Gemlore (Waterwalk, Gills) (1 use only)."},
    {47, 29, 270, "Sell for cash."},
    {6, 30, 270, "Strength bonus of X (Worn)."},
    {6, 31, 270, "Endurance bonus of X (Worn)."},
    {6, 32, 270, "Agility bonus of X (Worn)."},
    {6, 33, 270, "Dexterity bonus of X (Worn)."},
    {6, 34, 270, "Willpower bonus of X (Worn)."},
    {6, 35, 270, "Perception bonus of X (Worn)."},
    {6, 36, 270, "Mind and Body save bonus of X % (Worn)."},
    {6, 37, 270, "Hit point bonus of X (Worn)."},
    {9, 38, 270, "Armsmaster Skill bonus of X."},
    {9, 39, 270, "Curse Skill bonus of X."},
    {9, 40, 270, "Critical Hit Skill bonus of X."},
    {9, 41, 270, "Disarm Traps Skill bonus of X."},
    {9, 42, 270, "Dual Weapons Skill bonus of X."},
    {9, 43, 270, "Gemlore Skill bonus of X."},
    {9, 44, 270, "Pick Locks Skill bonus of X."},
    {9, 45, 270, "Prayer Skill bonus of X."},
    {9, 46, 270, "Resilience Skill bonus of X."},
    {9, 47, 270, "Stealth Skill bonus of X."},
    {9, 48, 270, "Targeteer Skill bonus of X."},
    {9, 49, 270, "Skill bonus of X to ALL skills."},
    {18, 261, 270, "3x3 acid damage. Y charges, Xd6 Damage (Equip)."},
    {18, 262, 270, "5x5 cold damage. Y charges, Xd6 Damage (Equip)."},
    {18, 263, 270, "1x1 elect damage. Y charges, Xd6 Max Damage (Equip)."},
    {18, 264, 270, "3x3 fire damage. Y charges, Xd6 Max Damage."},
    {18, 265, 270, "1x1 physical damage. Y charges, Xd6 Max Damage."},
    {18, 266, 270, "Use on 'Lily pad' event to create 'stepping stones' over water. Y charges."},
    {18, 267, 270, "INCOMPETENCE curse on monster. Y charges. X = CS penalty."},
    {18, 268, 270, "Paralyses an enemy (Constructs,Plants,Robots and Ethereal undead are immune). Y charges."},
    {18, 269, 270, "Makes monster X dormant. Y charges."},
    {18, 270, 270, "Used to trigger UseSpell event (wand type flowers). Y Charges."},
    {18, 290, 270, "VX2 default campaign quest 'quest' item"},
    {18, 297, 270, "Turns enemy into a frog. Y Charges."},
    {18, 297, 282, "Constructs, demons, elementals, plants, robots and Undead are immune."},
    {8, 82, 330, "Physical damage reduction (Worn). X is bonus DR."},
    {47, 91, 360, "Can walk on water when wearing these boots."},
    {47, 90, 360, "Strength bonus of Y."},
    {47, 649, 360, "Acid Resistance of Y."},
    {47, 650, 360, "Cold Resistance of Y."},
    {47, 651, 360, "Electrical Resistance of Y."},
    {47, 652, 360, "Fire Resistance of Y."},
    {47, 147, 270, "+ X to Disarm Traps, Pick Locks and Stealth!"},
    {47, 89, 270, "+ X to perception!"},
    {47, 89, 285, "(Does not actually increase perception stat however)"},
    {47, 64, 270, "Perminent immunity to radiation (1 use only)."},
    {47, 65, 270, "Perminent immunity to biological weapons (1 use only)."},
    {17, 50, 270, "Breath underwater for duration Y."},
    {17, 51, 270, "Monster can't use powers (e.g. spell, dragon breath etc)."},
    {17, 66, 270, "Removes Curses (1 use only)."},
    {17, 67, 270, "Removes Feeblemind condition (1 use only)."},
    {17, 68, 270, "Unlocks door (1 use only)."},
    {17, 69, 270, "Walk on water for Y rounds (1 use only)."},
    {17, 70, 270, "Teleport to visible location (1 use only)."},
    {17, 71, 270, "Set destination and return teleport (1 use only)."},
    {17, 72, 270, "+1 to all stats for Y rounds (1 use only)."},
    {17, 73, 270, "Bonus of X to Combat. Duration of Y rounds. (1 use only)."},
    {17, 74, 270, "+1 skill point (1 use only)."},
    {17, 75, 270, "Instant kill one living enemy (1 use only). Constructs, Robots and Undead are immune."},
    {17, 175, 270, "Damage constructs and robots (leave with 5hp!)."},
    {47, 156, 270, "Heals all HP. Cures poison and disease! (1 use only)"},
    {47, 76, 270, "Holds PCs key collection."},
    {47, 123, 270, "A fake diamond!"},
    {47, 440, 270, "Gemlore skill bonus of X (Worn)."},
    {47, 441, 270, "Curse skill bonus of X (Worn)."},
    {44, 82, 270, "Read book. Text editable in Books DB."},
    {47, 256, 270, "Causes physical damage ONLY."},
    {47, 257, 270, "Causes ACID damage ONLY."},
    {47, 258, 270, "Causes COLD damage ONLY."},
    {47, 259, 270, "Causes ELECT damage ONLY."},
    {47, 260, 270, "Causes FIRE damage ONLY."},
    {21, 82, 290, "BASE damage determined by BOW itself, not the ammo."},
    {22, 82, 290, "BASE damage determined by CROSSBOW itself, not the ammo."},
    {21, 82, 320, "Group of Y arrows. Bonus damage of X."},
    {22, 82, 320, "Group of Y bolts. Bonus damage of X."},
    {19, 82, 377, "Damage TYPE (Phy, Acid, Cold, Elect, Fire) based on arrow."},
    {20, 82, 377, "Damage TYPE (Phy, Acid, Cold, Elect, Fire) based on bolt."},
    {47, 231, 270, "Gp. Y is number of coins."},
    {47, 232, 270, "Food. Y is units of food."},
    {28, 82, 270, "Sell for cash."},
    {47, 428, 270, "Cursed. Cannot drop."},
    {42, 82, 270, "Improves your luck at gambling (In pack, Only need 1 of each)."},
    {32, 82, 270, "Used in 'Penta Portal' event to activate portal."},
    {38, 82, 270, "Heals all damage, cures Poison and Disease (1 use only)."},
    {41, 98, 270, "Bonus of HeroLevel melee damage to Giants (In pack, not Cumulative)."},
    {41, 99, 270, "Bonus of HeroLevel melee damage to Dragons (In pack, not Cumulative)."},
    {41, 100, 270, "Bonus of HeroLevel melee damage to Slimes (In pack, not Cumulative)."},
    {41, 101, 270, "Bonus of HeroLevel melee damage to Undead (In pack, not Cumulative)."},
    {41, 102, 270, "Bonus of HeroLevel melee damage to Demons (In pack, not Cumulative)."},
    {41, 103, 270, "Bonus of HeroLevel melee damage to Plants (In pack, not Cumulative)."},
    {50, 145, 270, "Enemy damage reduced by X %."},
    {50, 144, 270, "Enemy DR reduced by X %."},
    {50, 143, 270, "Enemy CS reduced by X %."},
    {47, 94, 270, "Climb bonus for Climb event."},
    {47, 95, 270, "Used to forge bone items."},
    {47, 96, 270, "Required for Prayer skill."},
    {47, 236, 270, "Required for Curse skill."},
    {47, 248, 270, "Required for Pick Locks and Disarm traps skill."},
    {47, 234, 270, "Sleep better, recover more hit points etc."},
    {47, 235, 270, "Sleep much better, recover more hit points etc."},
    {47, 335, 270, "Used to dig in Buried Cache and Dig Portal events."},
    {47, 142, 270, "Creates obstacle with X Hp."},
    {47, 141, 270, "ON: Set flag X=1, off Set flag X=-1"},
    {27, 82, 270, "A quest item. Cannot be dropped."},
    {49, 82, 270, "Used in conjunction with Forge event and Forge recipe DB for brewing."},
    {47, 237, 270, "Infinite use to restock food supply."},
    {47, 229, 270, "Strength +X bonus on use."},
    {47, 228, 270, "Xp +X bonus on use."},
    {47, 205, 270, "Edible. Has no effect."},
    {47, 185, 270, "Use on vampires - has incompetence, vulnerable and silent curse effects!"},
    {47, 655, 360, "Special: +5 to all resistances!"},
    {47, 314, 360, "Special: +25% to mind & body saves!"},
    {47, 433, 360, "Special: +50 hit points!"},
    {47, 112, 360, "Special: +1 dexterity!"},
    {47, 113, 360, "Special: +1 agility!"},
    {47, 688, 360, "Special: +1 to Flag X"},
    {47, 689, 360, "Special: +1 to Flag X"},
    {47, 690, 360, "Special: +1 to user selected stat"},
};

TEST_F(ItemTypeDescriptionTest, EveryRuleDrawsItsLineForAnItemItNames) {
    for (const RuleCase& c : kRuleCases)
        EXPECT_EQ(LinesFor(c.type, c.item).count({c.y, c.line}), 1u) << c.type << "/" << c.item << ": " << c.line;
}

TEST_F(ItemTypeDescriptionTest, RulesCombineOrStayQuietAsTheirConditionsSay) {
    struct Case {
        int16_t type, item;
        std::set<Line> lines;
    };
    const std::string sell = "Sell for cash.";
    const Case cases[] = {
        {34, 82, {}},                                                   // Junk: nothing
        {47, 9, {{270, "Temporary invisibility (25 rounds, 1 use only)."}}},
        {3, 10, {{270, "6d6 physical damage in 3x3 area (1 use only)."},
                 {330, "Physical damage reduction (Worn). X is bonus DR."}}},
        {47, 29, {{270, sell}}},
        {28, 500, {{270, sell}}},
        {6, 11, {}},                                                    // a ring re-typed as an amulet
        {18, 297, {{270, "Turns enemy into a frog. Y Charges."},
                   {282, "Constructs, demons, elementals, plants, robots and Undead are immune."}}},
        {19, 251, {{270, "Causes physical damage ONLY."},
                   {377, "Damage TYPE (Phy, Acid, Cold, Elect, Fire) based on arrow."}}},
        {34, 89, {{270, "+ X to perception!"}, {285, "(Does not actually increase perception stat however)"}}},
        {8, 90, {{330, "Physical damage reduction (Worn). X is bonus DR."}, {360, "Strength bonus of Y."}}},
        {0, 0, {{377, "One handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."}}},
        {-1, -1, {}},
        {60, 700, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(LinesFor(c.type, c.item), c.lines) << c.type << "/" << c.item;
}

TEST_F(ItemTypeDescriptionTest, LabelsOutsideTheTableAreEmpty) {
    EXPECT_EQ(ItemTypeLabel(0), "1H Weapon");
    EXPECT_EQ(ItemTypeLabel(52), "Gemstone Bag");
    EXPECT_EQ(ItemTypeLabel(53), "");
    EXPECT_EQ(ItemTypeLabel(-1), "");
}

}  // namespace
