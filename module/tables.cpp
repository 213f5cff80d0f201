// The default module's data files: the items and monsters the campaign uses, its quests,
// books, objective pages, win text, campaign settings and skill tables. Each
// table starts from the game's own defaults and is written by the game's own saver.
#include "tables.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "campaign.h"
#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "hero/item_types.h"

using namespace campaign;

namespace {

bool ok = true;

// Into a field; a text that does not fit stops the build.
template <size_t N>
void Put(char (&field)[N], std::string_view text) {
    if (text.size() > N - 1) {
        std::fprintf(stderr, "make_module: '%.*s' is longer than %zu characters\n", int(text.size()), text.data(),
                     N - 1);
        ok = false;
    }
    SetFieldText(field, text);
}

struct ItemPlan {
    int16_t number;
    std::string_view name;
    int16_t type;
    int16_t armour = 0;
    int16_t dice = 0, sides = 0, bonus = 0;
    int16_t strength = 0;
    int16_t hand = -1;  // the hero's figure while it is in the weapon slot
};

// Hand figures: 0 dagger, 1 sword, 2 axe, 3 mace, 6 polearm, 9 great sword.
constexpr ItemPlan kItems[] = {
    {item::kHealing, "Healing Potion", kPotion},
    {item::kGreaterHealing, "Greater Healing Potion", kPotion},
    {item::kAntidote, "Antidote", kPotion},
    {20, "Emerald", kGemstone},
    {21, "Sapphire", kGemstone},
    {22, "Diamond", kGemstone},
    {23, "Ruby", kGemstone},
    {24, "Aquamarine", kGemstone},
    {25, "Amethyst", kGemstone},
    {26, "Topaz", kGemstone},
    {27, "Jade", kGemstone},
    {28, "Turquoise", kGemstone},
    {item::kBoots, "Leather Boots", kBootsType, 1},
    {item::kGloves, "Leather Gloves", kGlovesType, 1},
    {item::kOpening, "Scroll of Opening", kScroll},
    {item::kKeyring, "Keyring", kKeyringItem},
    {item::kRope, "Rope and Grapple", kRope},
    {item::kHolySymbol, "Holy Symbol", kHolySymbol},
    {item::kWolfPelt, "Wolf Pelt", kTradeGoods},
    {item::kBoneKey, "Bone Key", kKey},
    {item::kCryptKey, "Crypt Key", kKey},
    {item::kPrimer, "A Warden's Primer", kBook},
    {item::kChronicle, "Thornwick Chronicle", kBook},
    {item::kLetter, "Letter of Passage", kQuestItem},
    {item::kGold, "Gold", kCoins},
    {item::kRations, "Rations", kFood},
    {item::kRitualKnife, "Ritual Knife", kRitualKnife},
    {item::kLockPicks, "Lock Picks", kThievesTools},
    {item::kArrows, "Arrows", kArrows},
    {item::kShortSword, "Short Sword", kOneHandedWeapon, 0, 1, 6, 0, 0, 1},
    {item::kBroadsword, "Broadsword", kOneHandedWeapon, 0, 1, 8, 0, 10, 1},
    {item::kHandAxe, "Hand Axe", kOneHandedWeapon, 0, 1, 6, 0, 0, 2},
    {item::kMace, "Mace", kOneHandedWeapon, 0, 1, 6, 1, 8, 3},
    {item::kDagger, "Dagger", kSmallWeapon, 0, 1, 4, 0, 0, 0},
    {item::kIronCap, "Iron Cap", kHelmetType, 1},
    {item::kGreatsword, "Greatsword", kTwoHandedWeapon, 0, 2, 6, 0, 13, 9},
    {item::kSpear, "Spear", kTwoHandedWeapon, 0, 1, 8, 1, 8, 6},
    {item::kRoundShield, "Round Shield", kShieldType, 1},
    {item::kShortBow, "Short Bow", kBow, 0, 1, 6, 0},
    {item::kLeatherArmour, "Leather Armour", kArmourType, 2},
    {item::kChainMail, "Chain Mail", kArmourType, 4, 0, 0, 0, 11},
    {item::kSeal, "Warden's Seal", kQuestItem},
};

void MakeItems() {
    for (const ItemPlan& p : kItems) {
        ItemRecord& r = ItemTable[size_t(p.number)];
        Put(r.ItemName, p.name);
        r.ItemPicture = p.number;  // each item shows its own number's picture
        r.ItemType = p.type;
        r.ItemArmourBonus = p.armour;
        r.ItemDamage[0] = p.dice;
        r.ItemDamage[1] = p.sides;
        r.ItemDamage[2] = p.bonus;
        r.ItemReqStrength = p.strength;
        r.ItemPcIcon = p.hand >= 0 ? p.hand : 0;
    }
}

struct MonsterPlan {
    int16_t number;
    std::string_view name;
    int16_t picture, type, speed, hp, melee, missile, dr, awareness;
    int16_t dice, sides, bonus;
    int16_t xp;
};

// Types: 2 animal, 10 humanoid, 11 insect, 16 walking dead, 17 spirit.
// A fair fight for a hero of levels 1 to 5: his Combat (5 and his level) against their skill,
// his 25 to 50 hit points against their damage.
constexpr MonsterPlan kMonsters[] = {
    {monster::kRat, "Giant Rat", 96, 2, 2, 4, 3, 0, 0, 4, 1, 3, 0, 8},
    {monster::kBat, "Cave Bat", 104, 2, 3, 3, 3, 0, 0, 6, 1, 2, 0, 6},
    {monster::kWolf, "Grey Wolf", 156, 2, 3, 8, 5, 0, 0, 8, 1, 4, 1, 15},
    {monster::kGoblin, "Goblin", 0, 10, 2, 7, 5, 0, 0, 5, 1, 6, 0, 15},
    {monster::kGoblinArcher, "Goblin Archer", 8, 10, 2, 6, 3, 5, 0, 6, 1, 4, 0, 18},
    {monster::kSkeleton, "Skeleton", 324, 16, 2, 10, 6, 0, 1, 5, 1, 6, 0, 25},
    {monster::kSkeletonArcher, "Skeleton Archer", 332, 16, 2, 8, 4, 5, 1, 6, 1, 4, 0, 28},
    {monster::kGhoul, "Ghoul", 336, 16, 2, 12, 6, 0, 0, 6, 1, 6, 0, 40},
    {monster::kSpider, "Giant Spider", picture::kSpider, 11, 2, 14, 6, 0, 1, 7, 1, 6, 0, 60},
    {monster::kWight, "Barrow Wight", 360, 17, 2, 12, 6, 0, 0, 8, 1, 4, 0, 70},
    {monster::kBarrowKnight, "Barrow Knight", picture::kKnight, 16, 2, 26, 8, 0, 1, 10, 1, 8, 0, 200},
};

void MakeMonsters() {
    MonsterTable[0].UniversalXpMultiplier = 2;  // x1
    for (const MonsterPlan& p : kMonsters) {
        MonsterRecord& m = MonsterTable[size_t(p.number)];
        Put(m.MonsterName, p.name);
        m.MonsterPicture = p.picture;
        m.MonsterType = p.type;
        m.MonsterSpeed = p.speed;
        m.MonsterHitPoints = p.hp;
        m.MonsterMeleeSkill = p.melee;
        m.MonsterMissileSkill = p.missile;
        m.MonsterDr = p.dr;
        m.MonsterAwareness = p.awareness;
        m.MonsterDamage[0] = p.dice;
        m.MonsterDamage[1] = p.sides;
        m.MonsterDamage[2] = p.bonus;
        m.MonsterXpAward = p.xp;
        // Animals and the dead do not work door handles.
        m.MonsterOpensDoors = p.type == 10 ? 1 : 0;
    }
    auto archer = [](int16_t n) {
        MonsterRecord& m = MonsterTable[size_t(n)];
        m.MonsterMissileType = 1;  // arrows
        m.MonsterMissileDamage[0] = 1;
        m.MonsterMissileDamage[1] = 6;
    };
    archer(monster::kGoblinArcher);
    archer(monster::kSkeletonArcher);
    MonsterTable[monster::kBat].MonsterFlies = 1;
    MonsterTable[monster::kWolf].MonsterDeathItem[0] = item::kWolfPelt;
    MonsterTable[monster::kGoblin].MonsterDeathItem[0] = item::kGold;
    MonsterTable[monster::kGoblin].MonsterDeathItem[2] = 5;
    MonsterTable[monster::kSpider].MonsterAffliction = 1;  // poison
    MonsterTable[monster::kWight].MonsterElement = 2;      // cold
    MonsterTable[monster::kWight].MonsterElementDamage[0] = 1;
    MonsterTable[monster::kWight].MonsterElementDamage[1] = 3;
    MonsterTable[monster::kWight].MonsterOnDeath = 1;      // fades away
    for (int16_t undead : {monster::kSkeleton, monster::kSkeletonArcher, monster::kWight, monster::kBarrowKnight})
        MonsterTable[size_t(undead)].MonsterResists[1] = 25;  // the cold of the grave
    MonsterRecord& knight = MonsterTable[monster::kBarrowKnight];
    knight.MonsterUnique = 1;
    knight.MonsterWandImmune = 1;
}

struct QuestPlan {
    int16_t number;
    std::array<std::string_view, 6> lines;  // the title, then the description
    std::string_view award;
    std::string_view returnTo;
};

constexpr QuestPlan kQuests[] = {
    {kQuestArrival,
     {"A Stranger in Thornwick", "You carry a letter of passage for Elder Maren of",
      "Thornwick. She is to be found in the town hall, west of",
      "the market square.", "", ""},
     "", "Elder Maren, Thornwick town hall"},
    {kQuestSeal,
     {"The Warden's Seal", "Thieves carried the Warden's Seal into the Sunken",
      "Barrow, east across the vale. Without it the dead of the",
      "barrow are waking. Find the seal, which the Barrow", "Knight guards in the crypt, and bring it to the elder.",
      ""},
     "Warden of Thornwick", "Elder Maren, Thornwick town hall"},
    {kQuestWolves,
     {"Wolves of the Vale", "A wolf pack dens in the Wolfwood, north of the vale",
      "road, and robs the hunters' snares. Drive it out.", "", "", ""},
     "", "Brann the Hunter, Thornwick square"},
};

void MakeQuests() {
    for (const QuestPlan& q : kQuests) {
        QuestTextRecord& r = QuestTextTable[size_t(q.number)];
        for (size_t l = 0; l < 6; ++l) Put(r.Line[l], q.lines[l]);
        r.HasAward = q.award.empty() ? 0 : 1;
        Put(r.Award, q.award);
        Put(r.ReturnAddress, q.returnTo);
    }
}

struct BookPlan {
    int16_t book;
    std::string_view title;
    std::array<std::array<std::string_view, 11>, 2> pages;
};

const BookPlan kBooks[] = {
    {0, "A Warden's Primer",
     {{{"The wardens kept the dead of the barrow", "asleep with a seal of silver and horn.",
        "While the seal lay in the hall above,", "no bone stirred below.", "",
        "The last warden, Sir Aldric, swore to", "guard the seal in death as in life. He",
        "lies in the crypt, in his armour, with", "his blade across his knees.", "",
        "Rest, and let rest."},
       {"On the barrow's making:", "", "The upper halls were cut for the living",
        "who tended the dead. A grate of iron", "closed the way to the stair; its lever",
        "lies in the hall itself.", "", "The old shaft was a road for the", "bearers of the dead. A rope is wise.",
        "", ""}}}},
    {1, "Thornwick Chronicle",
     {{{"In the year of the long frost the town", "of Thornwick was raised beside the",
        "thorn wood, on land the wardens gave.", "", "The wardens are gone now, but the town",
        "keeps their lantern on its arms, and", "the elders keep their seal in the hall.", "",
        "May it never leave it.", "", ""},
       {"Of late: travellers speak of wolves in", "the vale, and of lights beneath the",
        "Barrow Hills. The hunter Brann will pay", "whoever drives the wolves away.", "", "", "", "", "", "", ""}}}},
};

void MakeBooks() {
    for (const BookPlan& b : kBooks) {
        BookRecord& r = BookTable[size_t(b.book)];
        Put(r.Title, b.title);
        for (size_t p = 0; p < b.pages.size(); ++p)
            for (size_t l = 0; l < 11; ++l) Put(r.Line[p][l], b.pages[p][l]);
    }
}

// Objective pages 1..3 tell the story; pages 4..6 serve the dream screens.
const std::array<std::array<std::string_view, 11>, 5> kPages = {{
    {"The abbey of the Dawn has sent you with", "a letter of passage to the small town",
     "of Thornwick at the edge of the Barrow", "Hills.", "", "Its elder, Maren, has asked the abbey",
     "for help. She did not say why.", "", "You arrive at the Crooked Lantern inn", "late at night, and sleep.", ""},
    {"Thornwick was raised on land that the", "wardens gave long ago. The wardens kept",
     "the dead of the Sunken Barrow asleep,", "and their last warden lies there still.", "",
     "Find Elder Maren in the town hall. Take", "your pack from beside your bed first:",
     "the road out of Thornwick is not safe.", "", "", ""},
    {"Talk to the people of Thornwick. Buy", "what you need at the shop, rest at the",
     "inn, and pray at the temple.", "", "The road east crosses the vale to the",
     "Barrow Hills. Keep food with you: the", "vale is a long walk.", "",
     "Your journal (the quest book) keeps", "what you have promised to do.", ""},
    {"You dream of a knight in old armour,", "sitting very still in the dark, a sword",
     "across his knees. He does not sleep.", "", "He is waiting for something.", "", "", "", "",
     "", ""},
    {"You dream of the seal: silver and horn,", "warm as a living hand. Somewhere a",
     "lantern is lit, and the dead lie down.", "", "", "", "", "", "", "", ""},
}};

void MakeIntro() {
    GameIntroRecord& g = GameIntro;
    g.StartLevel[0] = kThornwick;
    g.StartLevel[1] = 13;
    g.StartLevel[2] = 16;
    g.StartingQuest = kQuestArrival;
    for (size_t p = 0; p < kPages.size(); ++p)
        for (size_t l = 0; l < 11; ++l) Put(g.ObjectiveText[p * 11 + l], kPages[p][l]);
    const std::array<std::string_view, 5> captions = {"Thornwick", "The wardens' land", "The road east",
                                                      "The dreaming knight", "The seal"};
    for (size_t p = 0; p < captions.size(); ++p) {
        Put(g.ObjectiveCaptions[p], captions[p]);
        g.ObjectivePictures[p] = int16_t(p);
    }
    g.ObjectiveTune = 1;
    Put(g.CampaignAuthor, "Vexmoor 2 project");
}

void MakeWinText() {
    WinTextRecord& w = WinTexts[0];
    const std::string_view lines[] = {
        "The Warden's Seal is home.", "", "In the barrow the dead lie down,", "and in Thornwick the lantern",
        "burns again over the hall.", "", "The people will tell of you", "for a long time.", "", "%", "",
        "Thank you for playing.", "!",
    };
    w.Indent = 120;
    w.Tune = 2;
    for (size_t l = 0; l < std::size(lines); ++l) Put(w.Line[l], lines[l]);
}

void MakeCustom() {
    // No city of districts: no city map and no fast travel. One world map page.
    CustomCampaign.DurwichEnabled = 0;
    CustomCampaign.DurwichFastTravel = 0;
    CustomCampaign.WorldMapPages = 0;
    Put(CustomCampaign.WorldMapName[0], "Thornwick Vale");
}

// Columns by skill value 0..20.
template <class F>
void Fill(SkillColumn& column, F valueOf) {
    for (int v = 0; v <= 20; ++v) column[v] = int16_t(valueOf(v));
}

// The skills earn their keep: every bonus column grows with the skill; the penalties of two
// weapons and the durations keep their defaults.
void MakeSkillBonus() {
    SkillBonusRecord& s = SkillBonus;
    Fill(s.ArmsmasterDamage, [](int v) { return v / 2; });
    Fill(s.ArmsmasterHitBonus, [](int v) { return (v + 1) / 2; });
    Fill(s.CriticalChance, [](int v) { return 2 * v; });
    Fill(s.CriticalDamage, [](int v) { return v; });
    for (SkillColumn& spell : s.GemSpellMaxDamage) Fill(spell, [](int v) { return v > 0 ? 6 + 2 * v : 0; });
    for (auto& shield : s.GemResistTables) Fill(shield[0], [](int v) { return 5 * v; });
    for (auto& buff : s.GemBuffTables) {
        Fill(buff[0], [](int v) { return (v + 1) / 2; });
        Fill(buff[1], [](int v) { return v > 0 ? 20 + 5 * v : 0; });
    }
    Fill(s.HealingMaxHeal, [](int v) { return v > 0 ? 5 + 3 * v : 0; });
    for (auto& shield : s.ShieldPrayerTables) {
        Fill(shield[0], [](int v) { return 5 * v; });
        Fill(shield[1], [](int v) { return v > 0 ? 30 + 5 * v : 0; });
    }
    Fill(s.SmiteMaxDamage, [](int v) { return v > 0 ? 6 + 2 * v : 0; });
    Fill(s.ResilienceResist, [](int v) { return 2 * v; });
    Fill(s.ResilienceDr, [](int v) { return v / 4; });
    Fill(s.TargeteerDamage, [](int v) { return v / 2; });
    Fill(s.TargeteerHitBonus, [](int v) { return (v + 1) / 2; });
    Fill(s.CurseTables[0], [](int v) { return (v + 1) / 2; });
    Fill(s.CurseTables[1], [](int v) { return v / 3; });
    Fill(s.CurseTables[2], [](int v) { return std::min(3 * v, 60); });
    Fill(s.LifeDrainPercent, [](int v) { return 5 * v; });
    Fill(s.EarthMawMaxDamage, [](int v) { return v > 0 ? 8 + 3 * v : 0; });
}

struct TableStep {
    DataFile file;
    void (*make)();
};

// The thirteen files but the player's options, which the game makes at its first start.
constexpr TableStep kTables[] = {
    {DataFile::Monster, MakeMonsters}, {DataFile::Item, MakeItems},     {DataFile::QuestText, MakeQuests},
    {DataFile::GameIntro, MakeIntro},  {DataFile::Forge, nullptr},      {DataFile::Book, MakeBooks},
    {DataFile::Penta, nullptr},        {DataFile::Module, nullptr}, {DataFile::SkillBonus, MakeSkillBonus},
    {DataFile::Custom, MakeCustom},    {DataFile::WinTxt, MakeWinText},
};

}  // namespace

bool WriteCampaignTables() {
    for (const TableStep& t : kTables) {
        // The game's defaults first, then the campaign's own records over them.
        if (!WriteDefaultDataFile(t.file)) ok = false;
        if (!t.make) continue;
        t.make();
        if (!SaveDataFile(t.file)) ok = false;
    }
    return ok;
}
