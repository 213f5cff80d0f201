#include "kit/db/item_type_descriptions.h"

#include <algorithm>

#include "hero/hero_names.h"
#include "platform/fonts.h"

namespace {

// A rule holds when the type is one of its types (any type when it names none) and the item
// is one of its items (any item when it names none; 0 ends the list).
using TypeSet = uint64_t;
constexpr TypeSet kAnyType = 0;
template <class... T>
constexpr TypeSet Types(T... types) {
    return ((TypeSet(1) << types) | ...);
}

struct DescriptionRule {
    TypeSet types;
    std::array<int16_t, 3> items;
    int16_t y;
    std::string_view line;

    bool Holds(int16_t type, int16_t item) const {
        const bool typeHolds = types == kAnyType || (type >= 0 && type < 64 && (types >> type & 1) != 0);
        const bool itemHolds = items[0] == 0 || (item > 0 && std::find(items.begin(), items.end(), item) != items.end());
        return typeHolds && itemHolds;
    }
};

// The notes of an item number stand below the weapon form's last row (slay type, 335..355)
// and above the weapon lines at 377, so an item re-typed as a weapon keeps them whole.
constexpr int16_t kSpecialY = 360;

constexpr DescriptionRule kRules[] = {
    {Types(0), {}, 377, "One handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {Types(1), {}, 377, "Two handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {Types(2), {}, 377, "Small (Dual weapon capability) melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."},
    {Types(14), {1}, 270, "Heals 10 points of damage (1 use only)."},
    {Types(14), {2}, 270, "Heals 30 points of damage (1 use only)."},
    {Types(14), {3}, 270, "Heals 50 points of damage (1 use only)."},
    {Types(14), {4}, 270, "Restores all energy and removes tired condition (1 use only)."},
    {Types(14), {5}, 270, "Removes Poison affliction (1 use only)."},
    {Types(14), {6}, 270, "Removes Disease affliction (1 use only)."},
    {Types(14), {7}, 270, "Removes Drain and Aged afflictions (1 use only)."},
    {Types(14), {8}, 270, "Restores all used skill charges (1 use only)."},
    {Types(14), {195}, 270, "-10 Hp if healthy. +25 Hp if undead!"},
    {Types(14), {201}, 270, "+5 Combat for 50 turns!"},
    {kAnyType, {9}, 270, "Temporary invisibility (25 rounds, 1 use only)."},
    {kAnyType, {10}, 270, "6d6 physical damage in 3x3 area (1 use only)."},
    {Types(10), {11}, 270, "Resist X points of acid damage (Worn)."},
    {Types(10), {12}, 270, "Resist X points of cold damage (Worn)."},
    {Types(10), {13}, 270, "Resist X points of electrical damage (Worn)."},
    {Types(10), {14}, 270, "Resist X points of fire damage (Worn)."},
    {Types(10), {15}, 270, "Mind save bonus of X % (Worn)."},
    {Types(10), {16}, 270, "Body save bonus of X % (Worn)."},
    {Types(10), {17}, 270, "Immunity to Petrification (Worn)."},
    {Types(10), {18}, 270, "Immunity to Paralysis (Worn)."},
    {Types(10), {19}, 270, "Immunity to Poison (Worn)."},
    {Types(10), {93}, 270, "Hit Points bonus of X (Worn)."},
    {Types(12), {20}, 270, "Gemlore (Acid Cloud, Acid Resist) (1 use only)."},
    {Types(12), {21}, 270, "Gemlore (Ice Storm, Cold Resist) (1 use only)."},
    {Types(12), {22}, 270, "Gemlore (Lightning Bolt, Elect Resist) (1 use only)."},
    {Types(12), {23}, 270, "Gemlore (Inferno, Fire Resist) (1 use only)."},
    {Types(12), {24}, 270, "Gemlore (Dimension Door) (1 use only)."},
    {Types(12), {25}, 270, "Gemlore (True Sight) (1 use only)."},
    {Types(12), {26}, 270, "Gemlore (Heroism) (1 use only)."},
    {Types(12), {27}, 270, "Gemlore (Magic Shield) (1 use only)."},
    {Types(12), {28}, 270, "Gemlore (Waterwalk, Gills) (1 use only)."},
    {kAnyType, {29}, 270, "Sell for cash."},
    {Types(6), {30}, 270, "Strength bonus of X (Worn)."},
    {Types(6), {31}, 270, "Endurance bonus of X (Worn)."},
    {Types(6), {32}, 270, "Agility bonus of X (Worn)."},
    {Types(6), {33}, 270, "Dexterity bonus of X (Worn)."},
    {Types(6), {34}, 270, "Willpower bonus of X (Worn)."},
    {Types(6), {35}, 270, "Perception bonus of X (Worn)."},
    {Types(6), {36}, 270, "Mind and Body save bonus of X % (Worn)."},
    {Types(6), {37}, 270, "Hit point bonus of X (Worn)."},
    {Types(9), {38}, 270, "Armsmaster Skill bonus of X."},
    {Types(9), {39}, 270, "Curse Skill bonus of X."},
    {Types(9), {40}, 270, "Critical Hit Skill bonus of X."},
    {Types(9), {41}, 270, "Disarm Traps Skill bonus of X."},
    {Types(9), {42}, 270, "Dual Weapons Skill bonus of X."},
    {Types(9), {43}, 270, "Gemlore Skill bonus of X."},
    {Types(9), {44}, 270, "Pick Locks Skill bonus of X."},
    {Types(9), {45}, 270, "Prayer Skill bonus of X."},
    {Types(9), {46}, 270, "Resilience Skill bonus of X."},
    {Types(9), {47}, 270, "Stealth Skill bonus of X."},
    {Types(9), {48}, 270, "Targeteer Skill bonus of X."},
    {Types(9), {49}, 270, "Skill bonus of X to ALL skills."},
    {Types(18), {261}, 270, "3x3 acid damage. Y charges, Xd6 Damage (Equip)."},
    {Types(18), {262}, 270, "5x5 cold damage. Y charges, Xd6 Damage (Equip)."},
    {Types(18), {263}, 270, "1x1 elect damage. Y charges, Xd6 Max Damage (Equip)."},
    {Types(18), {264}, 270, "3x3 fire damage. Y charges, Xd6 Max Damage."},
    {Types(18), {265}, 270, "1x1 physical damage. Y charges, Xd6 Max Damage."},
    {Types(18), {266}, 270, "Use on 'Lily pad' event to create 'stepping stones' over water. Y charges."},
    {Types(18), {267}, 270, "INCOMPETENCE curse on monster. Y charges. X = CS penalty."},
    {Types(18), {268}, 270, "Paralyses an enemy (Constructs,Plants,Robots and Ethereal undead are immune). Y charges."},
    {Types(18), {269}, 270, "Makes monster X dormant. Y charges."},
    {Types(18), {270}, 270, "Used to trigger UseSpell event (wand type flowers). Y Charges."},
    {Types(18), {290}, 270, "VX2 default campaign quest 'quest' item"},
    {Types(18), {297}, 270, "Turns enemy into a frog. Y Charges."},
    {Types(18), {297}, 282, "Constructs, demons, elementals, plants, robots and Undead are immune."},
    {Types(3, 4, 5, 7, 8), {}, 330, "Physical damage reduction (Worn). X is bonus DR."},
    {kAnyType, {91}, kSpecialY, "Can walk on water when wearing these boots."},
    {kAnyType, {90}, kSpecialY, "Strength bonus of Y."},
    {kAnyType, {649}, kSpecialY, "Acid Resistance of Y."},
    {kAnyType, {650}, kSpecialY, "Cold Resistance of Y."},
    {kAnyType, {651}, kSpecialY, "Electrical Resistance of Y."},
    {kAnyType, {652}, kSpecialY, "Fire Resistance of Y."},
    {kAnyType, {147}, 270, "+ X to Disarm Traps, Pick Locks and Stealth!"},
    {kAnyType, {89}, 270, "+ X to perception!"},
    {kAnyType, {89}, 285, "(Does not actually increase perception stat however)"},
    {kAnyType, {64}, 270, "Perminent immunity to radiation (1 use only)."},
    {kAnyType, {65}, 270, "Perminent immunity to biological weapons (1 use only)."},
    {Types(16, 17), {50}, 270, "Breath underwater for duration Y."},
    {Types(16, 17), {51}, 270, "Monster can't use powers (e.g. spell, dragon breath etc)."},
    {Types(16, 17), {66}, 270, "Removes Curses (1 use only)."},
    {Types(16, 17), {67}, 270, "Removes Feeblemind condition (1 use only)."},
    {Types(16, 17), {68}, 270, "Unlocks door (1 use only)."},
    {Types(16, 17), {69}, 270, "Walk on water for Y rounds (1 use only)."},
    {Types(16, 17), {70}, 270, "Teleport to visible location (1 use only)."},
    {Types(16, 17), {71}, 270, "Set destination and return teleport (1 use only)."},
    {Types(16, 17), {72}, 270, "+1 to all stats for Y rounds (1 use only)."},
    {Types(16, 17), {73}, 270, "Bonus of X to Combat. Duration of Y rounds. (1 use only)."},
    {Types(16, 17), {74}, 270, "+1 skill point (1 use only)."},
    {Types(16, 17), {75}, 270, "Instant kill one living enemy (1 use only). Constructs, Robots and Undead are immune."},
    {Types(16, 17), {175}, 270, "Damage constructs and robots (leave with 5hp!)."},
    {kAnyType, {156}, 270, "Heals all HP. Cures poison and disease! (1 use only)"},
    {kAnyType, {76}, 270, "Holds PCs key collection."},
    {kAnyType, {123}, 270, "A fake diamond!"},
    {kAnyType, {440}, 270, "Gemlore skill bonus of X (Worn)."},
    {kAnyType, {441}, 270, "Curse skill bonus of X (Worn)."},
    {Types(44), {}, 270, "Read book. Text editable in Books DB."},
    {kAnyType, {251, 256}, 270, "Causes physical damage ONLY."},
    {kAnyType, {252, 257}, 270, "Causes ACID damage ONLY."},
    {kAnyType, {253, 258}, 270, "Causes COLD damage ONLY."},
    {kAnyType, {254, 259}, 270, "Causes ELECT damage ONLY."},
    {kAnyType, {255, 260}, 270, "Causes FIRE damage ONLY."},
    {Types(21), {}, 290, "BASE damage determined by BOW itself, not the ammo."},
    {Types(22), {}, 290, "BASE damage determined by CROSSBOW itself, not the ammo."},
    {Types(21), {}, 320, "Group of Y arrows. Bonus damage of X."},
    {Types(22), {}, 320, "Group of Y bolts. Bonus damage of X."},
    // On the melee weapons' line: a bow of a new number shows the slay type row at 335..355.
    {Types(19), {}, 377, "Damage TYPE (Phy, Acid, Cold, Elect, Fire) based on arrow."},
    {Types(20), {}, 377, "Damage TYPE (Phy, Acid, Cold, Elect, Fire) based on bolt."},
    {kAnyType, {231}, 270, "Gp. Y is number of coins."},
    {kAnyType, {232}, 270, "Food. Y is units of food."},
    {Types(28), {}, 270, "Sell for cash."},
    {kAnyType, {428}, 270, "Cursed. Cannot drop."},
    {Types(42), {}, 270, "Improves your luck at gambling (In pack, Only need 1 of each)."},
    {Types(32), {}, 270, "Used in 'Penta Portal' event to activate portal."},
    {Types(38), {}, 270, "Heals all damage, cures Poison and Disease (1 use only)."},
    {Types(41), {98}, 270, "Bonus of HeroLevel melee damage to Giants (In pack, not Cumulative)."},
    {Types(41), {99}, 270, "Bonus of HeroLevel melee damage to Dragons (In pack, not Cumulative)."},
    {Types(41), {100}, 270, "Bonus of HeroLevel melee damage to Slimes (In pack, not Cumulative)."},
    {Types(41), {101}, 270, "Bonus of HeroLevel melee damage to Undead (In pack, not Cumulative)."},
    {Types(41), {102}, 270, "Bonus of HeroLevel melee damage to Demons (In pack, not Cumulative)."},
    {Types(41), {103}, 270, "Bonus of HeroLevel melee damage to Plants (In pack, not Cumulative)."},
    {Types(50), {145}, 270, "Enemy damage reduced by X %."},
    {Types(50), {144}, 270, "Enemy DR reduced by X %."},
    {Types(50), {143}, 270, "Enemy CS reduced by X %."},
    {kAnyType, {94}, 270, "Climb bonus for Climb event."},
    {kAnyType, {95}, 270, "Used to forge bone items."},
    {kAnyType, {96}, 270, "Required for Prayer skill."},
    {kAnyType, {236}, 270, "Required for Curse skill."},
    {kAnyType, {248}, 270, "Required for Pick Locks and Disarm traps skill."},
    {kAnyType, {234}, 270, "Sleep better, recover more hit points etc."},
    {kAnyType, {235}, 270, "Sleep much better, recover more hit points etc."},
    {kAnyType, {335}, 270, "Used to dig in Buried Cache and Dig Portal events."},
    {kAnyType, {142}, 270, "Creates obstacle with X Hp."},
    {kAnyType, {139, 140, 141}, 270, "ON: Set flag X=1, off Set flag X=-1"},
    {Types(27), {}, 270, "A quest item. Cannot be dropped."},
    {Types(49), {}, 270, "Used in conjunction with Forge event and Forge recipe DB for brewing."},
    {kAnyType, {237}, 270, "Infinite use to restock food supply."},
    {kAnyType, {229}, 270, "Strength +X bonus on use."},
    {kAnyType, {228}, 270, "Xp +X bonus on use."},
    {kAnyType, {203, 204, 205}, 270, "Edible. Has no effect."},
    {kAnyType, {185}, 270, "Use on vampires - has incompetence, vulnerable and silent curse effects!"},
    {kAnyType, {655}, kSpecialY, "Special: +5 to all resistances!"},
    {kAnyType, {314}, kSpecialY, "Special: +25% to mind & body saves!"},
    {kAnyType, {433}, kSpecialY, "Special: +50 hit points!"},
    {kAnyType, {112}, kSpecialY, "Special: +1 dexterity!"},
    {kAnyType, {113}, kSpecialY, "Special: +1 agility!"},
    {kAnyType, {688}, kSpecialY, "Special: +1 to Flag X"},
    {kAnyType, {689}, kSpecialY, "Special: +1 to Flag X"},
    {kAnyType, {690}, kSpecialY, "Special: +1 to user selected stat"},
};

}  // namespace

constinit const std::array<std::string_view, 53> ItemTypeLabels = {
    "1H Weapon",   "2H Weapon",  "Small Weapon", "Armour",       "Shield",        "Helmet",      "Amulet",
    "Boots",       "Gloves",     "Belt",         "Ring",         "Keyring",       "Gemstone",    "Gold",
    "Potion",      "Magic Dust", "Scroll",       "Grimoire",     "Wand",          "Bow",         "Crossbow",
    "Arrows",      "Bolts",      "Bedroll",      "Rope",         "Thief Tools",   "Key",         "Quest Item",
    "Trade Goods", "Coins",      "Food",         "Magic Bones",  "Portal Key",    "Pills",       "Junk",
    "Tool",        "Glasses",    "Robes",        "Medkit",       "Holy Symbol",   "Ritual Knife", "Nemesis Stone",
    "Lucky Charm", "Lodestone",  "Book",         "Mask",         "Magic Fort",    "???",         "Laser Weapon",
    "Chemical",    "Effigy",     "Instrument",   "Gemstone Bag"};

std::string_view ItemTypeLabel(int16_t type) { return NameAt(ItemTypeLabels, type); }

void DrawItemTypeDescription(int16_t type, int16_t item) {
    for (const DescriptionRule& rule : kRules)
        if (rule.Holds(type, item)) DrawSmallText(50, rule.y, rule.line, kSmallBlue);
}
