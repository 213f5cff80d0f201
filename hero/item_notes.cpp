// The effect lines of the built-in item set, by item type and by item number.
#include <cstdlib>
#include <string_view>

#include "hero/item_info.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "hero/item_types.h"

namespace {

using std::to_string;

// Lines 15 apart from the first; Add keeps the drawing order.
struct Notes {
    ItemText& out;
    int16_t y;
    int lines = 0;
    void Line(int16_t colour, std::string text) {
        out.Add(static_cast<int16_t>(y + 15 * lines), colour, std::move(text));
        ++lines;
    }
    void Blank() { Line(kPlainText, {}); }
    void Highlight(std::string text) { Line(kHighlightText, std::move(text)); }
    void Plain(std::string text) { Line(kPlainText, std::move(text)); }
};

bool InRange(int16_t v, int16_t first, int16_t last) { return v >= first && v <= last; }

// A text picked by item number from a run of consecutive items; empty outside the run.
template <size_t N>
std::string_view ByItem(int16_t item, int16_t first, const std::array<std::string_view, N>& texts) {
    return InRange(item, first, static_cast<int16_t>(first + N - 1)) ? texts[item - first] : std::string_view{};
}

void HighlightIf(Notes& n, std::string_view text) {
    if (!text.empty()) n.Highlight(std::string(text));
}

void PotionNotes(Notes& n, int16_t item) {
    static constexpr std::array<std::string_view, 8> kPotions = {
        "Heals 10 Hit points!", "Heals 30 Hit points!", "Heals 50 Hit points!",  "Restores Energy!",
        "Cures Poison!",        "Cures Disease!",       "Cures Aged and Drain!", "Restores Power Charges!",
    };
    HighlightIf(n, ByItem(item, 1, kPotions));
    if (item == 195) n.Highlight("Heals Undead!");
}

void RingNotes(Notes& n, int16_t item, int16_t x) {
    static constexpr std::array<std::string_view, 6> kBonuses = {
        "Acid resist bonus +", "Cold resist bonus +", "Electrical resist bonus +",
        "Fire resist bonus +", "Mind save bonus +",   "Body save bonus +",
    };
    static constexpr std::array<std::string_view, 3> kImmunities = {
        "Petrification immunity!", "Paralysis immunity!", "Poison immunity!"};
    const std::string_view bonus = item == 93 ? "Hit Point bonus +" : ByItem(item, 11, kBonuses);
    if (!bonus.empty()) n.Highlight(std::string(bonus) + to_string(x));
    HighlightIf(n, ByItem(item, 17, kImmunities));
}

void AmuletNotes(Notes& n, int16_t item, int16_t x) {
    static constexpr std::array<std::string_view, 8> kBonuses = {
        "Strength bonus +",  "Endurance bonus +",  "Agility bonus +",        "Dexterity bonus +",
        "Willpower bonus +", "Perception bonus +", "Mind/Body save bonus +", "Hit Points bonus +",
    };
    const std::string_view bonus = ByItem(item, 30, kBonuses);
    if (!bonus.empty()) n.Highlight(std::string(bonus) + to_string(x));
}

void BeltNotes(Notes& n, int16_t item, int16_t x) {
    static constexpr std::array<std::string_view, 12> kBonuses = {
        "Armsmaster skill bonus +",   "Curse skill bonus +",     "Critical Hit skill bonus +",
        "Disarm Traps skill bonus +", "Dual Weapons skill bonus +", "Gemlore skill bonus +",
        "Pick Locks skill bonus +",   "Prayer skill bonus +",    "Resilience skill bonus +",
        "Stealth skill bonus +",      "Targeteer skill bonus +", "Bonus to ALL skills +",
    };
    const std::string_view bonus = ByItem(item, 38, kBonuses);
    if (!bonus.empty()) n.Highlight(std::string(bonus) + to_string(x));
}

void ScrollNotes(Notes& n, int16_t item) {
    static constexpr std::array<std::string_view, 6> kScrolls66 = {
        "Removes Curses!",      "Cure Feeblemind condition!", "Unlocks door or chest!",
        "Walk on water power!", "Teleportation power!",       "Set and return to becon!",
    };
    if (item == 50) n.Highlight("Breath Underwater!");
    if (item == 51) n.Highlight("Inhibit enemy Powers!");
    HighlightIf(n, ByItem(item, 66, kScrolls66));
    if (item == 175) n.Highlight("Damages constructs!");
    if (item == 187) n.Highlight("Effect Unknown!");
}

void NemesisNotes(Notes& n, int16_t item) {
    static constexpr std::array<std::string_view, 6> kFoes = {
        "Attacking Giants take", "Attacking Dragons take", "Attacking Slimes take",
        "Attacking Undead take", "Attacking Demons take",  "Attacking Plants take",
    };
    HighlightIf(n, ByItem(item, kFirstNemesisStone, kFoes));
    n.Highlight("damage equal to your level!");
}

void WandNotes(Notes& n, int16_t item, int16_t x, int16_t y) {
    static constexpr std::array<std::string_view, 5> kPlainWands = {
        "Acid Damage (3x3)!", "Cold damage (3x3)!", "Elect damage (1x1)!", "Fire damage (3x3)!",
        "Physical damage (1x1)!",
    };
    static constexpr std::array<std::string_view, 4> kWands = {
        "Enlarge lilypads!", "Incompetence Curse!", "Slay living creature!", "Neutralizing Effect!"};
    const std::string_view plain = ByItem(item, 261, kPlainWands);
    if (!plain.empty()) n.Plain(std::string(plain));
    HighlightIf(n, ByItem(item, 266, kWands));
    if (InRange(item, 261, 265) && y > 0) n.Highlight("Damage: " + to_string(x) + (item == 263 ? "d8" : "d6"));
    if (y < 1)
        n.Line(kWarningText, "Charges depleted!");
    else
        n.Highlight("Charges: " + to_string(y));
}

void WeaponNotes(Notes& n, int16_t item, int16_t x) {
    static constexpr std::array<std::string_view, 4> kElements = {" acid damage", " cold damage",
                                                                   " electrical damage", " fire damage"};
    const ItemRecord* r = ItemRecordOf(item);
    if (!r) return;
    std::string damage = "Damage: " + to_string(r->ItemDamage[0]) + "d" + to_string(r->ItemDamage[1]);
    if (r->ItemDamage[2] > 0 || x != 0) damage += "+" + to_string(r->ItemDamage[2] + std::abs(int32_t{x}));
    n.Plain(std::move(damage));
    if (r->ItemElement > 0) {
        const std::string_view element = ByItem(r->ItemElement, 1, kElements);
        std::string line = "plus " + to_string(r->ItemElementDamage[0]) + "d" + to_string(r->ItemElementDamage[1]);
        if (r->ItemElementDamage[2] > 0) line += "+" + to_string(r->ItemElementDamage[2]);
        if (!element.empty()) n.Highlight(line + std::string(element));
    }
    // A slaying class from a file that the name table lacks names nothing.
    const std::string_view foe = r->ItemSlayType > 0 ? MonsterTypeName(r->ItemSlayType) : std::string_view{};
    if (!foe.empty()) n.Highlight(std::string(foe) + " slayer!");
}

void SkullNotes(Notes& n, int16_t item) {
    static constexpr std::array<std::array<std::string_view, 2>, 5> kSkulls = {{
        {"The skull is massive, even", "for a giant."},
        {"The skull is criss-crossed", "with dents and scratches."},
        {"The skull appears somewhat", "gracile."},
        {"The skull is unremarkable", "except for its gold teeth."},
        {"The skull is clearly male,", "but is otherwise nondescript."},
    }};
    n.Blank();
    n.Blank();
    n.Highlight(std::string(kSkulls[item - 604][0]));
    n.Highlight(std::string(kSkulls[item - 604][1]));
}

// The lines by item number, whatever the type (item 142 has its own place).
void NumberedNotes(Notes& n, int16_t item, int16_t y) {
    switch (item) {
        case 89: n.Highlight("Bonus to perception!"); break;
        case 54:
        case 55:
        case 189:
        case 190:
        case 191:
            n.Plain("It's not clear what the");
            n.Plain("orb does, if anything...");
            break;
        case 90:
            n.Blank();
            n.Highlight("Strength bonus + " + to_string(y) + "!");
            break;
        case 91:
            n.Blank();
            n.Highlight("Water Walk power!");
            n.Blank();  // counted as one line more
            break;
        case 92: n.Highlight("Bless power!"); break;
        case 143:
            n.Highlight("Reduces enemy Combat");
            n.Highlight("skill!");
            break;
        case 144:
            n.Highlight("Reduces enemy damage");
            n.Highlight("reduction!");
            break;
        case 145:
            n.Highlight("Reduces the damage");
            n.Highlight("monsters inflict on you!");
            break;
        case 156: n.Highlight("Heals all!"); break;
        case 188: n.Highlight("Kills all tribbles!"); break;
        case 228: n.Highlight("Gain bonus Xp!!"); break;
        case 229: n.Highlight("Gain strength bonus!"); break;
        case 237: n.Highlight("Use to create food!"); break;
        case 335: n.Plain("Click dig button to use."); break;
        case 422: n.Plain("Plays music!"); break;
        default:
            if (InRange(item, 604, 608)) SkullNotes(n, item);
            break;
    }
}

}  // namespace

void ItemText::Add(int16_t y, int16_t colour, std::string text) {
    if (count >= int(lines.size())) return;
    lines[count++] = {y, colour, std::move(text)};
}

int ItemNoteLines(int16_t type, int16_t item, int16_t y, int16_t x, int16_t yValue, ItemText& out) {
    Notes n{out, y};
    switch (type) {
        case kQuestItem: n.Plain("A quest specific item!"); break;
        case kPortalKey: n.Plain("Waypoint portal key!"); break;
        case kTradeGoods: n.Plain(item == 421 ? "Blackmarket goods!" : "Valuable trade commodity!"); break;
        case kJunk: n.Plain(item == 86 ? "Eating Utensils!" : "Worthless trash!"); break;
        case kBedroll: n.Plain("Get a good night sleep!"); break;
        case kThievesTools:
            n.Plain("Required to pick locks");
            n.Plain("and disarm traps!");
            break;
        case kSpiritBones: n.Plain("Forge bone items!"); break;
        case kPotion: PotionNotes(n, item); break;
        case kMagicDust:
            if (item == 9) n.Highlight("Invisibility effect!");
            if (item == 10) n.Plain("3x3 physical damage!");
            break;
        case kPills:
            if (item == 64) n.Highlight("Immune to Radiation!");
            if (item == 65) n.Highlight("Immune to Biohazards!");
            break;
        case kRope: n.Plain("For climbing!"); break;
        case kMedicalKit:
            n.Highlight("Heals all wounds, and");
            n.Highlight("cures poison and disease!");
            break;
        case kRingType: RingNotes(n, item, x); break;
        case kGemstone: n.Plain("A precious gemstone!"); break;
        case kGoldType: n.Plain("A valuable comodity!"); break;
        case kAmuletType: AmuletNotes(n, item, x); break;
        case kBeltType: BeltNotes(n, item, x); break;
        default: break;
    }
    if (IsArmourPieceType(type)) {
        const ItemRecord* r = ItemRecordOf(item);
        const int32_t points = (r ? r->ItemArmourBonus : 0) + (x > 0 ? x : 0);
        if (points > 0) n.Plain("Armour Points: " + to_string(points));
    }
    if (type == kRobes) {
        if (item == 440)
            n.Highlight("Gemlore skill bonus!");
        else if (item == 441)
            n.Plain("Keeps you warm!");
        else
            n.Blank();
    }
    switch (type) {
        case kScroll: ScrollNotes(n, item); break;
        case kMagicTome:
            if (item == 72) n.Highlight("Bless power!");
            if (item == 73) n.Highlight("Heroism power!");
            if (item == 74) n.Highlight("+1 skill point!");
            if (item == 75) n.Highlight("Slay living creature!");
            break;
        case kNemesisStone: NemesisNotes(n, item); break;
        case kLuckyCharm: n.Plain("Improves your luck!"); break;
        case kFood:
            if (item == 176) n.Highlight("Cures 5 Hp of damage!");
            if (item == 186) n.Plain("Effect unknown!");
            break;
        case kLoadstone:
            n.Line(kWarningText, "This cursed item has no");
            n.Line(kWarningText, "use or value!");
            break;
        case kMagicalFigurine:
            n.Plain("Use in wilderness area");
            n.Plain("to summon a fortress!");
            break;
        default: break;
    }
    if (item == 142) {
        n.Plain("Creates Magic barrier");
        n.Plain("Hit Points: " + to_string(x));
    }
    switch (type) {
        case kBook: n.Highlight("Use book to read!"); break;
        case kWand: WandNotes(n, item, x, yValue); break;
        case kArrows:
        case kBolts:
            n.Plain(type == kArrows ? "Ammunition for bows!" : "Ammunition for crossbows!");
            n.Line(yValue < 1 ? kWarningText : kHighlightText, "Amount: " + to_string(yValue));
            break;
        default: break;
    }
    NumberedNotes(n, item, yValue);
    if (type == kHolySymbol) n.Plain("Channels divine powers!");
    if (type == kRitualKnife) n.Plain("Ritual Blood Magic Knife!");
    if (IsWeaponType(type) || type == kLaserWeapon) WeaponNotes(n, item, x);
    return n.lines > 1 ? n.lines - 1 : 0;
}
