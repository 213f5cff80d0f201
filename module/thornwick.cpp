// Thornwick, the town where a new hero starts: an inn, a shop, a temple, a bank with its
// vaults, a training hall, a seer, the elder who gives the main quest, a hunter with a side
// quest, and people who talk. The road east leaves the map for the vale.
#include "campaign.h"
#include "data/square_kinds.h"
#include "events.h"
#include "script_lines.h"

using namespace campaign;
using namespace lines;

namespace {

// Script slots.
constexpr int16_t kElder = 0, kHunter = 1, kGuard = 2, kChild = 3, kBeggar = 4, kAcolyte = 5;

Script ElderScript() {
    return {kElder, "Elder Maren", {
        IfQuest(kQuestSeal, 2, 50),
        IfQuest(kQuestSeal, 1, 20),
        Say("%Welcome, %n. I am Maren, elder of Thornwick."),
        IfCarrying(item::kLetter, 5),
        Say("You come unannounced, but you are welcome all the same."),
        Goto(6),
        Mark(5),
        TakeItem(item::kLetter),
        Say("A letter from the abbey? Then you are the one they sent."),
        Mark(6),
        Quest(kQuestArrival, 2),
        Say("Hear me. Beneath the Barrow Hills, east across the vale,"),
        Say("sleeps the Barrow Knight, once warden of this land. His"),
        Say("seal kept the dead at rest, but thieves took it from our"),
        Say("hall and carried it below. Now the dead are stirring."),
        Say("Bring the Warden's Seal back to me, and be rewarded."),
        Quest(kQuestSeal, 1),
        SetFlag(flag::kMetElder, kSet, 1),
        GiveGold(25),
        GiveXp(50),
        Blue("1. I will go at once."),
        Blue("2. Tell me more of the barrow."),
        Ask(7, 8),
        Mark(7),
        Say("Take the road east. May the old wardens watch over you."),
        Leave(),
        Mark(8),
        Say("It has two levels: the upper halls, and the deep crypt"),
        Say("where the Knight keeps watch. Look for keys, and mind"),
        Say("the traps. Rope and rations from the shop serve well."),
        Leave(),
        Mark(20),
        IfCarrying(item::kSeal, 30),
        Say("%The seal is still below, %n. We count on you."),
        Leave(),
        Mark(30),
        TakeItem(item::kSeal),
        Quest(kQuestSeal, 2),
        Say("The Warden's Seal! With it in the hall, the dead will"),
        Say("sleep again. Thornwick will not forget this."),
        GiveGold(200),
        GiveXp(300),
        Score(40),
        Blue("1. Farewell, Elder."),
        Ask(31, -1),
        Mark(31),
        Win(0),
        Mark(50),
        Say("%Thornwick sleeps in peace, %n, thanks to you."),
        Leave(),
    }};
}

Script HunterScript() {
    return {kHunter, "Brann the Hunter", {
        IfQuest(kQuestWolves, 2, 40),
        IfQuest(kQuestWolves, 1, 20),
        Say("%Wolves, %t. A pack has made its den in the Wolfwood,"),
        Say("north of the vale road. They have taken half my snares."),
        Blue("1. I will deal with them."),
        Blue("2. Not my trouble."),
        Ask(10, 11),
        Mark(10),
        Quest(kQuestWolves, 1),
        Say("Leave the road at the Wolfwood sign and head north."),
        Leave(),
        Mark(11),
        Say("Then keep to the road, and keep your blade drawn."),
        Leave(),
        Mark(20),
        IfFlag(flag::kWolvesCleared, kEqual, 1, 30),
        Say("The pack still howls at night. North of the road sign."),
        Leave(),
        Mark(30),
        Quest(kQuestWolves, 2),
        Say("The pack is gone? Then take these, with my thanks."),
        GiveGold(60),
        GiveItem(item::kShortBow, 0, 0),
        GiveItem(item::kArrows, 0, 20),
        GiveXp(100),
        Score(20),
        Leave(),
        Mark(40),
        Say("The vale is quiet again. Good hunting to you, friend."),
        Leave(),
    }};
}

Script GuardScript() {
    return {kGuard, "Osric of the Gate", {
        IfFlag(flag::kMetElder, kEqual, 1, 5),
        Say("Halt! Strangers see the elder first - in the town hall,"),
        Say("west of the square."),
        Leave(),
        Mark(5),
        Say("The vale road runs east to the Barrow Hills. Wolves in"),
        Say("the woods, and worse under the hills. Take food: the"),
        Say("vale is a long walk on an empty belly."),
        Leave(),
    }};
}

Script ChildScript() {
    return {kChild, "Little Wren", {
        Say("Are you an adventurer? Have you ever seen a dragon?"),
        Blue("1. Many times."),
        Blue("2. Never."),
        Ask(1, 2),
        Mark(1),
        Say("Wow! When I grow up I will fight dragons too!"),
        Leave(),
        Mark(2),
        Say("Me neither. Mother says they live very far away."),
        Leave(),
    }};
}

Script BeggarScript() {
    return {kBeggar, "Old Tam", {
        IfFlag(flag::kBeggarPaid, kEqual, 1, 10),
        Say("Spare a coin? Old Tam knows the runes of the barrow..."),
        Blue("1. Give him a gold piece."),
        Blue("2. Walk on."),
        Ask(1, 2),
        Mark(1),
        TakeGold(1, 3),
        Say("Your purse is as empty as mine, friend."),
        Leave(),
        Mark(3),
        SetFlag(flag::kBeggarPaid, kSet, 1),
        Say("Bless you. Here, the wardens' mark - it means sleep."),
        TeachRune(5),
        Leave(),
        Mark(2),
        Say("Hmph."),
        Leave(),
        Mark(10),
        Say("Remember the wardens' rune, friend. The dead fear it."),
        Leave(),
    }};
}

Script AcolyteScript() {
    return {kAcolyte, "Acolyte Ysolde", {
        IfFlag(flag::kRiddle, kEqual, 1, 20),
        Say("Answer my riddle and take the temple's blessing:"),
        Say("The more of me you take, the more you leave behind."),
        Say("What am I?"),
        Answer("footsteps", 10),
        Answer("steps", 10),
        Say("No. Think on it, and come back to me."),
        Leave(),
        Mark(10),
        SetFlag(flag::kRiddle, kSet, 1),
        Say("Well answered! Take this, and walk in the light."),
        GiveItem(item::kGreaterHealing, 0, 0),
        Leave(),
        Mark(20),
        Say("Walk in the light, friend."),
        Leave(),
    }};
}

}  // namespace

LevelPlan ThornwickPlan() {
    LevelPlan p;
    p.number = kThornwick;
    p.name = "Thornwick";
    p.zoneNames = {"Thornwick", "Thornwick", "Thornwick", "Thornwick", "Thornwick", "Thornwick"};
    p.rows = {
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TT,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,TT",
        "TT,,,,,,,,,,,,,,..,,,,,,,,,,,,,,,,%%%%%%%%%%%,,,TT",
        "TT,############,..,########,,,,,,,%qqqqqqqqq%*,,TT",
        "TT,#bi======bb#,..,#bb__bb#,,,,,,,%qqqqpqqqy%,*,TT",
        "TT,#==========#,..,#__s___#,,,,,,,%qqqqqqqqq%,,,TT",
        "TT,#====t=t===#,..,#______#,,,,,,,%qaqqqqqqq%,,,TT",
        "TT,#==========DW..,#______#,,,,,,,%qqqqqqqqq%,,,TT",
        "TT,#==========#,..,#______#,,,,,,,%qqqqqqqqq%,,,TT",
        "TT,#====t=====#,..,#______#,,,,,,,%qqqqqqqqq%,,,TT",
        "TT,#==========#,..,###D####,,,,,,,%qqqqqqqqq%,,,TT",
        "TT,#P=====nn=Y#,..,,,,.,,,,,,,,,,,%%%%D%%%%%%,,,TT",
        "TT,############,..,,,,.,,,*,,,,,,,,,,,.,,,,,,,,,TT",
        "TT,,*,,,,,,,,,,,..,,,,.,,,,,,,,,,,,,,,.,,,,,,,,,TT",
        "TT,,,*,,,,,,,,,,..l....u...u...l,,,,,,.,,,,,,,,,TT",
        "TT,###########,,................,,,,,,.,,,,,,,,,TT",
        "TT,#x________#H,.........f....h.,,,,,,.,,,,,,,,,TT",
        "TT,#_________#,,.............S..,,,,,,.,,,,,,g,,TT",
        "TT,#___M_____D.............................::::::E",
        "TT,#_________#.............................::::::E",
        "TT,#_________#,,................,,,,,,.,,,,,BC,,TT",
        "TT,#_________#,,....c...........,,,,,,.,,,,,,,,,TT",
        "TT,#bb_______#,,................,,,,,,.,,,,,,,,,TT",
        "TT,###########,,..l....u...u...l,,,,,,.,,,,,,,,,TT",
        "TT*,,,,,,,,,,,,,..,,,,,.,,,,,,,,,,,,,,.,,,,,,,,,TT",
        "TT,,,,,,,,,,,,,,..,####D#####,,,,,,###D###,,,,,,TT",
        "TT,##########,,,..,#________#,,,,,,#_j___#,,,,,,TT",
        "TT,#________#,,,..,#______z_#,,,,,,#_____#,,,,,,TT",
        "TT,#_k______#,,,..,#________#,,,,,,#__e__#,,,,,,TT",
        "TT,#________D.....,#________#,,,,,,#_____#,,,,,,TT",
        "TT,#________#,,,..,#___r____#,,,,,,#######,,,,,,TT",
        "TT,#_v______#,,,..,#________#,,,,,,,,,,,,,~~~~~,TT",
        "TT,#________#,,,..,#________#,,,,,,,,,,,,o~~~~~,TT",
        "TT,##########,,,..,##########,,,,,,,,,,,,,~~~~~,TT",
        "TT,,,,,,,,,,,,,,..,,,,,,,,,,,,*,,,,,,,,,,,~~~~~,TT",
        "TT,,,,,,,,,,,,,,..*,,,,,,,,,,,,*,,,,,,,,,,,,,,,,TT",
        "TT,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,TT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
        "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT",
    };
    p.legend = {
        {'T', 1, 761},            // pines round the town
        {',', 1},                 // grass
        {'*', 2},                 // grass with flowers
        {'.', 10},                // cobbled streets
        {':', 4},                 // the dirt road east
        {'E', 4, 0, 1294},        // where the road leaves the map
        {'#', 28},                // brick walls
        {'_', 11},                // plank floors
        {'=', 11, 0, kSafeRestAccess},  // the inn's floor, where a guest may rest
        {'%', 80},                // the temple's stone walls
        {'q', 12},                // the temple's tiled floor
        {'~', 200, 0, 1300},      // the pond, shallow enough to wade
        {'b', 11, 1807},          // bookshelves
        {'t', 11, 1804},          // tables
        {'n', 11, 1806},          // beds
        {'l', 10, 592},           // lamp posts
        {'u', 10, 599},           // benches
        {'C', 1, picture::kCart},  // the carter's cart
    };
    const std::array<Loot, 6> pack = {{{item::kShortSword, 0, 0}, {item::kLeatherArmour, 0, 0}, {item::kGold, 0, 40},
                                       {item::kRations, 0, 5}, {item::kHealing, 0, 0}, {item::kHealing, 0, 0}}};
    // A ration line is priced by its count, and a buyer takes one ration a purchase: one ration
    // alone is worth less than a coin at the shop's price, so the line counts two.
    const std::array<Loot, 8> stock = {{{item::kShortSword, 0, 0}, {item::kDagger, 0, 0},
                                        {item::kLeatherArmour, 0, 0}, {item::kRoundShield, 0, 0}, {item::kRope, 0, 0},
                                        {item::kLockPicks, 0, 0}, {item::kRations, 0, 2}, {item::kHealing, 0, 0}}};
    // Plain arrows are worth nothing to a shop; these are a little better, and cost something.
    const std::array<Loot, 8> armoury = {{{item::kBroadsword, 0, 0}, {item::kHandAxe, 0, 0}, {item::kMace, 0, 0},
                                          {item::kSpear, 0, 0}, {item::kShortBow, 0, 0}, {item::kArrows, 1, 20},
                                          {item::kIronCap, 0, 0}, {}}};
    const std::array<Loot, 8> templeStall = {{{item::kHolySymbol, 0, 0}, {item::kAntidote, 0, 0}, {}, {}, {}, {}, {}, {}}};
    const std::array<Loot, 8> seerShelf = {{{item::kRitualKnife, 0, 0}, {}, {}, {}, {}, {}, {}, {}}};
    p.events = {
        {'D', '_', SimpleDoor(0)},
        {'W', ',', StepText({flag::kWelcomed, kEqual, -1}, {flag::kWelcomed, kSet, 1})
                       .Say({"The morning air is cold.", "Thornwick wakes around", "you: chimney smoke and",
                             "a bell from the temple.", "", "Elder Maren waits for", "you in the town hall,",
                             "west of the square."})},
        {'Y', '_', ItemsCache(flag::kPack, pack, 650).Say({"Your pack lies where you", "left it, by the bed."})},
        {'P', '_', Pantry(picture::kPantry).Say({"The innkeeper's pantry.", "'Help yourself - the", "road is long.'"})},
        {'i', '_', Inn(npc::kInnkeeper, 5).Say({"The Crooked Lantern.", "'A room, a meal, a", "drink? Sit, sit!'"})},
        {'s', '_', Shop(npc::kShopkeeper, stock, 60, 1)
                       .Say({"Odds and Ends. 'Blades,", "rope, bread - whatever", "the road asks of you.'"})
                       .Else({"Odds and Ends"})},
        {'z', '_', Shop(npc::kTrainer + 1, armoury, 60, 0)
                       .Say({"Hedda's armoury. 'Good", "steel, and a bow for", "those who keep their", "distance.'"})
                       .Else({"Hedda's armoury"})},
        {'y', 'q', Shop(npc::kPriest + 1, templeStall, 20, 0)
                       .Say({"The temple's alms table.", "'A holy symbol, for", "those who would pray,", "and cures for the road.'"})
                       .Else({"The alms table"})},
        {'j', '_', Shop(npc::kSeer + 1, seerShelf, 20, 0)
                       .Say({"On a shelf, a black", "knife. 'For those who", "would curse. Blood is", "its price, and a little", "gold.'"})
                       .Else({"The seer's shelf"})},
        {'p', 'q', Temple(npc::kPriest).Say({"The temple of the Dawn.", "'Be healed, be blessed,", "for a gift to the",
                                             "temple.'"})},
        {'a', 'q', Talk(kAcolyte, npc::kAcolyte)},
        {'M', '_', Talk(kElder, npc::kElder)},
        {'x', '_', OneItem({}, flag::kChronicle, {item::kChronicle, 0, 0}, 659)
                       .Say({"A chronicle of the town", "lies open on a lectern."})},
        {'H', ',', Heraldry(0, 640).Say({"The arms of Thornwick:", "a lantern over a thorn,", "for the wardens who",
                                         "watched over the dead."})},
        {'k', '_', Bank(npc::kBanker).Say({"The Thornwick Lenders.", "'Your gold is safe with",
                                           "us, and grows a little", "while it sleeps.'"})},
        {'v', '_', Vault(npc::kBanker + 1, 50, 0).Say({"Strongboxes for rent:", "fifty gold, and yours for",
                                                       "as long as you live."})},
        {'r', '_', Trainer(npc::kTrainer, 8, 5)
                       .Say({"Hedda, master-at-arms.", "'I can teach you a", "little of everything.'"})},
        {'e', '_', Seer(npc::kSeer, 0).Say({"The seer's eyes are milky", "white. 'Sit. Let me see",
                                            "what you have become.'"})},
        {'h', '.', Talk(kHunter, npc::kHunter)},
        {'c', '.', Talk(kChild, npc::kChild)},
        {'g', ',', Talk(kGuard, npc::kGuard)},
        {'o', ',', Talk(kBeggar, npc::kBeggar)},
        {'f', '.', StatPlus(0, 0, 0, -1, 591)
                       .Say({"The town fountain. Its", "water is cold and clean,", "and they say it heals."})
                       .Else({"", "", "", "", "", "", "", "", "", "fountain"})},
        {'S', '.', PushText(999).Say({"THORNWICK", "", "Inn: north-west", "Shop: north", "Temple: north-east",
                                      "Town hall: west", "Bank: south-west", "Training hall: south",
                                      "Seer: south-east", "Vale road: east"})},
        {'B', ',', Coach(npc::kCoachman, {{{flag::kBarrowFound, 5, kBarrowHalls, 5, 25}}})
                       .Say({"Sunken Barrow, 5 gp"})
                       .Else({"A carter leans on his", "cart. 'The barrow? I'd", "take you, for five gold,",
                              "if anyone knew where its", "door was. Find it, and", "come back to me.'"})},
    };
    p.scripts = {ElderScript(), HunterScript(), GuardScript(), ChildScript(), BeggarScript(), AcolyteScript()};
    p.exits = {{2, kVale, 1, 25}};
    p.zoneTunes = {3};
    return p;
}
