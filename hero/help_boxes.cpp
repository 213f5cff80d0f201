#include "hero/help_boxes.h"

#include <array>
#include <string>

#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/widgets.h"

namespace {

using Lines = std::span<const std::string_view>;

constexpr int16_t kLineStep = 12;
constexpr int16_t kTextTop = 60;  // below the panel's top

// A box of fixed text: its panel and its lines.
struct TextBox {
    std::string_view title;
    int16_t width, height;
    Lines lines;
};

void DrawTextBox(int16_t x, int16_t y, const TextBox& box) {
    DrawPanel(x, y, box.width, box.height, 1, box.title);
    DrawTextLines(int16_t(x + 20), int16_t(y + kTextTop), box.lines, kSmallBlack);
}

// ---------------------------------------------------------------- statistics

constexpr std::string_view kCombatText[] = {
    "Combat measures your skill at arms:",
    "how often your blows land and how",
    "often you turn the enemy's aside.",
    "",
    "In a fight your Combat value is",
    "set against the enemy's Combat.",
    "The difference between the two",
    "gives your chance to hit, and the",
    "chance that you avoid a blow.",
};

struct StatHelp {
    Lines description;
    Lines governs;  // each item starts with two spaces under its "+"
};
constexpr std::string_view kStrengthText[] = {"Raw physical power: how hard", "you hit and what you can wield."};
constexpr std::string_view kStrengthList[] = {"  Capstat for Critical Hit skill", "  Armour has a strength req",
                                              "  Weapons have a strength req", "  Break stuff (e.g. doors)",
                                              "  Extra damage"};
constexpr std::string_view kEnduranceText[] = {"Toughness and stamina: how much", "punishment you can take."};
constexpr std::string_view kEnduranceList[] = {"  Capstat for Resilience skill", "  Bonus Hit Points",
                                               "  Defines Body saving throw", "  Bonus to Energy"};
constexpr std::string_view kAgilityText[] = {"Speed and nimbleness of body:", "dodging, balance and footwork."};
constexpr std::string_view kAgilityList[] = {"  Capstat for Stealth skill", "  Capstat for Dual Weapons skill",
                                             "  Bonus to Damage Reduction", "  Dodge Traps"};
constexpr std::string_view kDexterityText[] = {"Deftness of hand: fine work with", "weapons, locks and traps."};
constexpr std::string_view kDexterityList[] = {"  Capstat for Armsmaster skill", "  Capstat for Disarm Traps skill",
                                               "  Capstat for Pick Locks skill"};
constexpr std::string_view kWillpowerText[] = {"Strength of mind and spirit: the",
                                               "force behind prayers and curses."};
constexpr std::string_view kWillpowerList[] = {"  Capstat for Prayer skill", "  Capstat for Curse skill",
                                               "  Defines Mind saving throw"};
constexpr std::string_view kPerceptionText[] = {"Awareness of your surroundings:", "you notice what others miss."};
constexpr std::string_view kPerceptionList[] = {"  Capstat for Auras skill",   "  Capstat for Gemlore skill",
                                                "  Capstat for Targeteer skill", "  Spot Secret Doors",
                                                "  Spot Traps",                "  Monster Info",
                                                "  Haggle bonus"};
// By statistic 1..6.
constexpr StatHelp kStatHelp[] = {{kStrengthText, kStrengthList},   {kEnduranceText, kEnduranceList},
                                  {kAgilityText, kAgilityList},     {kDexterityText, kDexterityList},
                                  {kWillpowerText, kWillpowerList}, {kPerceptionText, kPerceptionList}};

// ---------------------------------------------------------------- skills

struct SkillRequirement {
    std::string_view text;
    int16_t item;  // -1: no item to test, the line is always plain
};

struct SkillHelp {
    Lines description;
    SkillRequirement requirement;  // empty text: none
    int16_t heightWithValues, heightWithout;
};

constexpr std::string_view kArmsmasterText[] = {"Training in the arts of melee combat.", "Each point improves your chance to",
                                                "hit and the damage you deal with",
                                                "hand-held weapons."};
constexpr std::string_view kAurasText[] = {
    "Auras are passive powers that surround", "you while they are active.",
    "Only one aura can be active at a time,", "and it can only be changed after a",
    "rest. Its strength grows with your",     "skill."};
constexpr std::string_view kCurseText[] = {"The dark art of laying curses on your",
                                           "enemies. There are four curses, each",
                                           "cast with the 'Activate' button.",
                                           "",
                                           "Every curse uses one charge. You have",
                                           "three charges a day, more with great",
                                           "skill, regained by resting overnight."};
constexpr std::string_view kCriticalHitText[] = {"A knack for finding the weak spot.",
                                                 "Now and then one of your blows",
                                                 "strikes true and deals extra",
                                                 "damage."};
constexpr std::string_view kDisarmTrapsText[] = {"Lets you spot traps before you step",
                                                 "on them, and disarm them once they",
                                                 "are found.",
                                                 "",
                                                 "Traps are spotted with the better of",
                                                 "this skill and your Perception."};
constexpr std::string_view kDualWeaponsText[] = {"Lets you fight with a small weapon in",
                                                 "your off hand instead of a shield.",
                                                 "",
                                                 "The off-hand weapon strikes with a",
                                                 "penalty that falls as you improve."};
constexpr std::string_view kGemloreText[] = {"The lore of the magic bound in",
                                             "gemstones. Thirteen gem powers can be",
                                             "called upon with the 'activate'",
                                             "button.",
                                             "",
                                             "Each casting consumes the gems it",
                                             "needs, which must be kept in your",
                                             "gem bag."};
constexpr std::string_view kPickLocksText[] = {"Lets you open locked doors and chests",
                                               "without a key.",
                                               "The better the lock, the more skill",
                                               "it takes to pick it."};
constexpr std::string_view kPrayerText[] = {"Calls on divine aid for spiritual",
                                            "powers such as Healing and Bless.",
                                            "",
                                            "Every prayer uses one charge. You have",
                                            "three charges a day, more with skill."};
constexpr std::string_view kResilienceText[] = {"Hardens body and spirit against harm.",
                                                "Each point of skill adds to your",
                                                "damage reduction and to your",
                                                "resistance to acid, cold, electricity",
                                                "and fire."};
constexpr std::string_view kStealthText[] = {"The art of hiding in the shadows.",
                                             "A hidden hero is seen only by",
                                             "monsters whose awareness is greater",
                                             "than his skill.",
                                             "",
                                             "While hidden you gain +5 Combat and",
                                             "deal double damage."};
constexpr std::string_view kTargeteerText[] = {"Training with bows and crossbows.",
                                               "Each point improves your chance to",
                                               "hit and the damage you deal with",
                                               "missile weapons."};

constexpr SkillHelp kSkillHelp[] = {
    {kArmsmasterText, {}, 10, 8},
    {kAurasText, {}, 10, 9},
    {kCurseText, {"Requires: Ritual Knife", 236}, 13, 12},
    {kCriticalHitText, {}, 10, 8},
    {kDisarmTrapsText, {"Requires: Thieves Tools", 248}, 11, 10},
    {kDualWeaponsText, {}, 11, 9},
    {kGemloreText, {"Requires: Gemstones", -1}, 12, 12},
    {kPickLocksText, {"Requires: Thieves Tools", 248}, 10, 9},
    {kPrayerText, {"Requires: Holy Symbol", 96}, 11, 10},
    {kResilienceText, {}, 11, 9},
    {kStealthText, {}, 12, 11},
    {kTargeteerText, {}, 10, 8},
};

constexpr int16_t kLoreHelp = 999;
constexpr std::string_view kLoreText[] = {
    "Lores are knowledge picked up on your", "adventure: the secrets of a quest or",
    "a place. Learning the ways of a swamp,", "for instance, may lead you safely",
    "through it."};

std::string Num(int32_t n) { return std::to_string(n); }

// The skill's bonus lines at its current value; none for most skills.
int BonusLines(int16_t skill, std::array<std::string, 2>& out) {
    const SkillBonusRecord& b = SkillBonus;
    const int16_t v = GameState.Skills[skill];
    auto at = [v](const SkillColumn& c) { return Num(SkillColumnValue(c, v)); };
    switch (skill) {
        case kArmsmaster:
            out[0] = "Current Bonus: +" + at(b.ArmsmasterHitBonus) + " Combat, +" + at(b.ArmsmasterDamage) + " Damage.";
            return 1;
        case kCriticalHit:
            out[0] = "Current Bonus: " + at(b.CriticalChance) + "% Frequency, +" + at(b.CriticalDamage) + " Damage.";
            return 1;
        case kDualWeapons:
            out[0] = "Offhand Combat Penalty: -" + at(b.OffhandHitPenalty) + " Combat";
            out[1] = "Offhand Damage Penalty: -" + at(b.OffhandDamagePenalty) + "%";
            return 2;
        case kResilience:
            out[0] = "Current Bonus: +" + at(b.ResilienceDr) + " DR, +" + at(b.ResilienceResist) + " Elem resist.";
            return 1;
        case kTargeteer:
            out[0] = "Current Bonus: +" + at(b.TargeteerHitBonus) + " Combat, +" + at(b.TargeteerDamage) + " Damage.";
            return 1;
        default: return 0;
    }
}

// ---------------------------------------------------------------- skill terms

constexpr std::string_view kCapstatsText[] = {"Every skill has a capping statistic, its",
                                              "Capstat. A skill can never be raised",
                                              "above the current value of its Capstat,",
                                              "so to go further in a skill, first",
                                              "raise its statistic."};
constexpr std::string_view kSkillPointsText[] = {"Each skill row shows two numbers.",
                                                 "The number before the slash is your",
                                                 "current skill; the number after it is",
                                                 "the current value of the skill's",
                                                 "Capstat."};
constexpr std::string_view kChargesText[] = {"Prayers and curses draw on charges.",
                                             "Each use of a power costs one",
                                             "charge.",
                                             "",
                                             "Spent charges are regained by",
                                             "resting overnight. A high skill",
                                             "gives more charges a day.",
                                             "The pips show what is left."};
constexpr std::string_view kBonusPointsText[] = {"You gain skill points at each new",
                                                 "level. Spend them with a trainer,",
                                                 "who raises one of your skills for a",
                                                 "fee. Points you do not spend are kept",
                                                 "until you use them."};
constexpr TextBox kSkillTerms[] = {{"Capstats", 15, 8, kCapstatsText},
                                   {"Skill Points", 15, 8, kSkillPointsText},
                                   {"Charges", 14, 9, kChargesText},
                                   {"Bonus Skill Points", 15, 8, kBonusPointsText}};

// ---------------------------------------------------------------- status figures

constexpr std::string_view kDrText[] = {"Armour does not make you harder to",
                                        "hit. Instead it absorbs part of the",
                                        "damage of every blow.",
                                        "Your DR is taken off each physical",
                                        "hit: with a DR of 4, a blow of 10",
                                        "wounds you for 6.",
                                        "",
                                        "DR is the total of your armour",
                                        "points divided by 2."};
constexpr std::string_view kDrTextSpaced[] = {"Armour does not make you harder to",
                                              "hit. Instead it absorbs part of the",
                                              "damage of every blow.",
                                              "",
                                              "Your DR is taken off each physical",
                                              "hit: with a DR of 4, a blow of 10",
                                              "wounds you for 6.",
                                              "",
                                              "DR is the total of your armour",
                                              "points divided by 2."};
constexpr std::string_view kHitPointsText[] = {"Hit points measure how much",
                                               "punishment you can take. Every",
                                               "wound takes some away; when they",
                                               "reach zero, you die.",
                                               "",
                                               "They come back as you rest and",
                                               "when you drink healing potions.",
                                               "Endurance and level raise them."};
constexpr std::string_view kHitPointsLongText[] = {"Hit points measure how much",
                                                   "punishment you can take. Every",
                                                   "wound takes some away; when they",
                                                   "reach zero, you die.",
                                                   "",
                                                   "Your maximum grows with your",
                                                   "Endurance and your level. Rest",
                                                   "and healing potions bring lost",
                                                   "hit points back."};
constexpr std::string_view kEnergyText[] = {"Every action you take uses a",
                                            "little energy. When it runs",
                                            "out you are exhausted until",
                                            "you rest or drink a potion",
                                            "of stamina. Endurance adds",
                                            "to your energy."};
constexpr std::string_view kGoldText[] = {"The gold pieces you carry. Gold",
                                          "buys goods, training, lodging",
                                          "and services.",
                                          "",
                                          "Gold kept in a bank is not counted."};
constexpr std::string_view kFoodText[] = {"Each night's rest eats one unit of",
                                          "food. You can carry at most ten.",
                                          "",
                                          "Resting without food brings back",
                                          "only 50% of your hit points and",
                                          "energy.",
                                          "Keep a ration or two in your pack!"};
constexpr std::string_view kLevelBarText[] = {"The bar at the top of the view",
                                              "fills as you gain experience.",
                                              "When it is full a star appears:",
                                              "you can then level up on the",
                                              "character screen."};
constexpr std::string_view kCarefulStepText[] = {"While it is on, you take one step",
                                                 "for each key press, so holding a",
                                                 "key cannot carry you into a pit",
                                                 "or over a cliff.",
                                                 "Hot key: K"};
constexpr std::string_view kTopLevelText[] = {"You have reached the highest level",
                                              "there is in Vexmoor!"};
constexpr std::string_view kLevelsText[] = {"You gain experience (Xp) by defeating",
                                            "monsters and completing quests. When you",
                                            "have enough, you can level up on the",
                                            "character screen."};
constexpr std::string_view kLevelsEndText[] = {"Level 50 is the theoretical maximum,",
                                               "but few heroes get that far: most",
                                               "adventures are over by about",
                                               "level 25."};

void ShowLevelsHelp(int16_t x, int16_t y) {
    const int16_t level = GameState.HeroLevel;
    if (level >= kTopLevel) {
        DrawTextBox(x, int16_t(y - 100), {"Levels and Experience", 15, 5, kTopLevelText});
        return;
    }
    // One piece taller than the table's rows need, so the closing lines stay inside the panel.
    DrawTextBox(x, y, {"Levels and Experience", 17, 16, kLevelsText});
    DrawSmallText(int16_t(x + 20), int16_t(y + 120), "     Level             Xp", kSmallBlue);
    int16_t row = int16_t(y + 144);
    for (int32_t i = 0; i < 10; ++i) {
        const int32_t next = level + 1 + i;
        if (next > kTopLevel) break;
        if (next < 1) continue;  // a damaged save's level below 0 has no rows of its own
        DrawSmallText(int16_t(x + 50), row, Num(next), kSmallBlue);
        DrawSmallText(int16_t(x + 150), row, Num(XpTable[size_t(next - 1)]), kSmallBlue);
        row = int16_t(row + kLineStep);
    }
    DrawTextLines(int16_t(x + 20), int16_t(y + 144 + 10 * kLineStep), kLevelsEndText, kSmallBlack);
}

// A box of text and a value line under it, kLineStep * 2 below its last line.
void DrawWithValue(int16_t x, int16_t y, const TextBox& box, const std::string& value) {
    DrawTextBox(x, y, box);
    DrawSmallText(int16_t(x + 20), int16_t(y + kTextTop + kLineStep * (int(box.lines.size()) + 1)), value,
                  kSmallBlue);
}

std::string OutOf(std::string_view label, int32_t value, int32_t max) {
    return std::string(label) + Num(value) + " / " + Num(max);
}

// ---------------------------------------------------------------- saves and resistances

constexpr std::string_view kMindSaveText[] = {"Your Mind save is the chance, in",
                                              "percent, of repelling an attack on",
                                              "your mind, such as confusion or",
                                              "feeblemind.", "Defined by your Willpower."};
constexpr std::string_view kBodySaveText[] = {"Your Body save is the chance, in",
                                              "percent, of repelling an attack on",
                                              "your body, such as disease or",
                                              "poison.", "Defined by your Endurance."};
constexpr std::string_view kResistWords[] = {"acid", "cold", "electrical", "fire"};

constexpr std::string_view kSexText[] = {"In Vexmoor, there is no", "statistical difference between",
                                         "males and female characters."};

}  // namespace

int16_t DrawTextLines(int16_t x, int16_t y, std::span<const std::string_view> lines, int16_t colour) {
    int16_t at = y;
    for (size_t i = 0; i < lines.size(); ++i) {
        at = int16_t(y + kLineStep * int32_t(i));
        DrawSmallText(x, at, lines[i], colour);
    }
    return at;
}

void HoldBox(int32_t button) {
    Flip();
    WaitUntilUp(button);
}

void ShowStatHelp(int16_t stat, int16_t x, int16_t y) {
    const std::string_view title = NameAt(StatNames, stat);
    if (stat == kCombat) {
        DrawTextBox(int16_t(x - 8), y, {title, 12, 10, kCombatText});
    } else if (!title.empty()) {
        const StatHelp& help = kStatHelp[stat - 1];
        DrawPanel(x, y, 12, stat == kPerception ? 10 : 9, 1, title);
        const int16_t last = DrawTextLines(int16_t(x + 20), int16_t(y + kTextTop), help.description, kSmallBlue);
        const int16_t first = int16_t(last + 2 * kLineStep);
        DrawTextLines(int16_t(x + 20), first, help.governs, kSmallBlack);
        for (size_t i = 0; i < help.governs.size(); ++i)
            DrawSmallText(int16_t(x + 20), int16_t(first + kLineStep * int32_t(i)), "+", kSmallRed);
    }
    HoldBox(2);
}

void DrawSkillPanel(int16_t x, int16_t y, int16_t heightPieces, int16_t skill) {
    DrawPanel(x, y, 14, heightPieces, 1, NameAt(SkillNames, skill));
}

void DrawCapstatLine(int16_t x, int16_t y, int16_t stat, int16_t dy, int16_t withValues) {
    if (stat < 0 || stat > 6) return;
    const std::string line = "Cap stat: " + std::string(StatNames[size_t(stat)]) + " (" +
                             Num(GameState.Stats[stat]) + ")";
    DrawSmallText(int16_t(x + 20), int16_t(y + dy), line, withValues ? kSmallBlack : kSmallBlue);
}

void ShowSkillHelp(int16_t skill, int16_t x, int16_t y, int16_t withValues) {
    if (skill == kLoreHelp) {
        DrawTextBox(x, y, {"Lores", 14, 8, kLoreText});
    } else if (skill >= 0 && skill < 12) {
        const SkillHelp& help = kSkillHelp[skill];
        DrawSkillPanel(x, y, withValues ? help.heightWithValues : help.heightWithout, skill);
        int16_t at = DrawTextLines(int16_t(x + 20), int16_t(y + kTextTop), help.description, kSmallBlack);
        auto next = [&](std::string_view text, int16_t colour) {
            at = int16_t(at + 22);
            DrawSmallText(int16_t(x + 20), at, text, colour);
        };
        const SkillRequirement& req = help.requirement;
        if (withValues) {
            next("Current Skill Points: " + Num(GameState.Skills[skill]), kSmallBlack);
            std::array<std::string, 2> bonus;
            const int count = BonusLines(skill, bonus);
            if (count > 0) next(bonus[0], kSmallBlue);
            if (count > 1) {
                at = int16_t(at + kLineStep);
                DrawSmallText(int16_t(x + 20), at, bonus[1], kSmallBlue);
            }
            if (!req.text.empty())
                next(req.text, req.item < 0 ? kSmallBlack : HasItem(req.item) ? kSmallGreen : kSmallRed);
        } else if (!req.text.empty()) {
            next(req.text, kSmallBlack);
        }
        DrawCapstatLine(x, y, CapstatTable[size_t(skill)], int16_t(at + 22 - y), withValues);
    }
    HoldBox(2);
}

void ShowSkillTermHelp(int16_t topic) {
    if (topic >= 0 && topic < int16_t(std::size(kSkillTerms))) {
        const TextBox& box = kSkillTerms[topic];
        DrawPanel(100, 140, box.width, box.height, 1, box.title);
        DrawTextLines(120, 200, box.lines, kSmallBlack);
    }
    HoldBox(2);
}

void ShowStatusHelp(int16_t topic, int16_t x, int16_t y) {
    const GameStateRecord& g = GameState;
    switch (topic) {
        case 0: DrawTextBox(x, y, {"Damage Reduction (DR)", 12, 11, kDrText}); break;
        case 1:
            DrawWithValue(x, y, {"Hit Points", 12, 11, kHitPointsText}, OutOf("Hit Points: ", g.HitPoints, g.HitPointsMax));
            break;
        case 2: DrawWithValue(x, y, {"Energy", 11, 9, kEnergyText}, OutOf("Energy: ", g.Energy, g.EnergyMax)); break;
        case 4: DrawTextBox(x, y, {"Gold Pieces (Gp)", 12, 8, kGoldText}); break;
        case 5: DrawTextBox(x, y, {"Food", 12, 9, kFoodText}); break;
        case 6: ShowLevelsHelp(x, y); break;
        case 7: DrawTextBox(x, y, {"Next level bar", 12, 8, kLevelBarText}); break;
        case 9: DrawTextBox(x, y, {"Careful Step Toggle", 12, 8, kCarefulStepText}); break;
        default: break;
    }
    HoldBox(2);
}

void ShowDrHelp(int16_t topic, int16_t x, int16_t y) {
    if (topic == 0) DrawTextBox(x, y, {"Damage Reduction (DR)", 12, 11, kDrTextSpaced});
    if (topic == 1) DrawTextBox(x, y, {"Hit Points", 12, 10, kHitPointsLongText});
    HoldBox(2);
}

void ShowSaveHelp(int16_t save, int16_t x, int16_t y) {
    if (save == 0) DrawTextBox(x, y, {SaveNames[0], 12, 8, kMindSaveText});
    if (save == 1) DrawTextBox(x, y, {SaveNames[1], 12, 8, kBodySaveText});
    HoldBox(2);
}

void ShowResistHelp(int16_t resist, int16_t x, int16_t y) {
    const std::string_view title = NameAt(ElementNames, resist);
    if (!title.empty()) {
        const std::string damage = std::string(kResistWords[resist]) + " attacks by 1.";
        const std::string_view lines[] = {"Each point of resistance reduces",
                                          "the damage you take from",
                                          damage,
                                          "",
                                          "Rings, shields, tattoos and the",
                                          "Resilience skill raise it."};
        DrawTextBox(x, y, {title, 12, 8, lines});
    }
    HoldBox(2);
}

void ShowSexHelp(int16_t sex, int16_t x, int16_t y) {
    const std::string_view title = NameAt(SexNames, sex);
    if (!title.empty()) DrawTextBox(x, y, {title, 12, 6, kSexText});
    HoldBox(2);
}
