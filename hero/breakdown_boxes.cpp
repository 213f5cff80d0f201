#include "hero/breakdown_boxes.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "data/game_state.h"
#include "data/options.h"
#include "data/skill_bonus.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kBase = kSmallBlack, kBonus = kSmallGreen, kPenalty = kSmallRed;
// Lines that are not part of the sum (the situational bonuses of Combat), below the lines that are.
constexpr int16_t kApart = kSmallBlue;
constexpr int16_t kNumberColumn = 140;  // right of x

struct Line {
    std::string label, value;
    int16_t colour;
};

// The lines of one box: the base line first, then the modifiers in force. Every box takes its
// lines in the order the hero's values are worked out (RecalcHero), keeping the running value,
// so that its lines add up to the value shown. Lines that do not count are set apart: after a
// blank row, in a colour of their own.
struct Breakdown {
    std::array<Line, 20> lines;
    int count = 0;
    int heightLines = -1;  // when the panel's height counts differently from the lines shown
    int apartFrom = -1;    // the first line set apart, -1 for none
    int32_t value = 0;

    void Add(std::string label, std::string value, int16_t colour) {
        if (count < int(lines.size())) lines[size_t(count++)] = {std::move(label), std::move(value), colour};
    }
    void Base(std::string label, int32_t n) {
        Add(std::move(label), std::to_string(n), kBase);
        value = n;
    }
    // "+ n", or "- n" for a loss.
    void Bonus(std::string label, int32_t n) {
        if (n < 0) Add(std::move(label), "- " + std::to_string(-n), kPenalty);
        else Add(std::move(label), "+ " + std::to_string(n), kBonus);
        value += n;
    }
    // A line whose label carries its number ("Poison:            - 2").
    void Penalty(std::string label, int32_t n) {
        Add(std::move(label), "", kPenalty);
        value -= n;
    }
    void SetTo(std::string label, std::string shown, int32_t n) {
        Add(std::move(label), std::move(shown), kPenalty);
        value = n;
    }
    // The bounds the value is held to, each shown when it acts.
    void Clamp(int32_t low, int32_t high) {
        if (value < low) SetTo("Minimum:", "= " + std::to_string(low), low);
        if (value > high) SetTo("Maximum:", "= " + std::to_string(high), high);
    }
    // A line that is not added: shown below the others, after one blank row.
    void Apart(std::string label, std::string shown) {
        if (apartFrom < 0) apartFrom = count;
        Add(std::move(label), std::move(shown), kApart);
    }
    // The modifier lines for the panel's height, the blank row before the lines set apart included.
    int Modifiers() const { return (heightLines >= 0 ? heightLines : count - 1) + (apartFrom >= 0 ? 1 : 0); }
    int16_t Dy(int i) const { return int16_t(12 * (i + (apartFrom >= 0 && i >= apartFrom ? 1 : 0))); }
};

// How a box is framed: without modifiers a message panel, else a list panel.
struct Frame {
    int16_t plainWidth, plainHeight, messageDx, messageDy;
    int16_t listWidth, listHeight;  // listHeight 0: by the number of modifiers (BreakdownPanelHeight)
    int16_t baseDy;
};
constexpr Frame kStatFrame{14, 5, 16, 62, 10, 0, 55};
constexpr Frame kCombatFrame{12, 5, 16, 60, 10, 0, 55};
constexpr Frame kSkillFrame{12, 4, 20, 50, 12, 5, 50};
constexpr Frame kSaveFrame{16, 5, 16, 62, 10, 0, 55};

void DrawBreakdown(int16_t x, int16_t y, std::string_view title, std::string_view message, const Breakdown& b,
                   const Frame& f) {
    const int16_t left = int16_t(x - 8);
    if (b.Modifiers() == 0) {
        DrawPanel(left, y, f.plainWidth, f.plainHeight, 1, title);
        DrawSmallText(int16_t(x + f.messageDx), int16_t(y + f.messageDy), message, kBase);
        return;
    }
    // The height the Part gives (skills: 5 pieces), unless the lines would run past the frame:
    // then as many pieces as the last line needs.
    const int needed = (f.baseDy + b.Dy(b.count - 1) + 26 + 19) / 20;
    int16_t height = f.listHeight ? f.listHeight : BreakdownPanelHeight(int16_t(b.Modifiers()));
    if (height < needed && (f.listHeight || height == 0)) height = int16_t(needed);
    DrawPanel(left, y, f.listWidth, height, 1, title);
    for (int i = 0; i < b.count; ++i) {
        const Line& line = b.lines[size_t(i)];
        const int16_t at = int16_t(y + f.baseDy + b.Dy(i));
        DrawSmallText(int16_t(x + 20), at, line.label, line.colour);
        DrawSmallText(int16_t(x + kNumberColumn), at, line.value, line.colour);
    }
}

std::string Num(int32_t n) { return std::to_string(n); }
bool Tattoo(int n) { return GameState.Tattoos[n] != 0; }
bool Lasts(const int16_t (&effect)[2]) { return effect[1] > 0; }

// ---------------------------------------------------------------- statistics

void CombatLines(Breakdown& b) {
    const GameStateRecord& g = GameState;
    b.Base("Base Combat:", g.BaseStats[kCombat]);
    if (g.HeroLevel != 0) b.Bonus("Level bonus:", g.HeroLevel);
    if (WornY(kWeaponSlot) > 0) b.Bonus("Weapon:", WornY(kWeaponSlot));
    if (WornY(kBowSlot) > 0) b.Bonus("Weapon:", WornY(kBowSlot));
    if (ItemTypeOf(WornItem(kOffhandSlot)) == kSmallWeapon && WornY(kOffhandSlot) > 0)
        b.Bonus("Weapon:", WornY(kOffhandSlot));
    if (Tattoo(6)) b.Bonus("Tattoo:", 1);
    if (g.InvisibleTurns > 0)
        b.Bonus("Invisible:", 10);
    else if (g.Hidden)
        b.Bonus("Steathy:", 5);
    if (Options.Difficulty == 0) b.Bonus("Pansy bonus:", 4);
    if (Options.Difficulty == 4) b.Bonus("Balls of steel:", -4);
    if (Lasts(g.Heroism)) b.Bonus("Heroism:", g.Heroism[0]);
    if (g.CombatBonusTurns > 0) b.Bonus("Combat Bonus:", 5);
    // Tiredness costs no Combat, so it has no line.
    if (g.Poisoned) b.Penalty("Poison:            - 2", 2);
    if (g.Diseased) b.Penalty("Disease:           - 2", 2);
    if (g.Radiation) b.Penalty("Radiation:         - 2", 2);
    if (g.Biohazard) b.Penalty("Biohazard:         - 2", 2);
    b.Clamp(1, INT32_MAX);
    // Added at the time of an attack, not to the value shown: set apart, so that the
    // lines above add up to the Combat shown.
    const auto situational = [&b](const char* label, const SkillColumn& column, int16_t skill) {
        if (skill <= 0) return;
        const int16_t n = SkillColumnValue(column, skill);
        b.Apart(label, n < 0 ? "- " + Num(-n) : "+ " + Num(n));
    };
    situational("Armsmaster (sit):", SkillBonus.ArmsmasterHitBonus, g.Skills[kArmsmaster]);
    situational("Targeteer: (sit)", SkillBonus.TargeteerHitBonus, g.Skills[kTargeteer]);
}

// One row of a statistic box other than Combat.
enum class StatRule { Tattoo, Amulet, Gauntlet, Boots, Gloves, Helmet, Blessing, Affliction, AtLeast1 };
struct StatRow {
    StatRule rule;
    int16_t n = 0;  // tattoo or item number
};
struct StatBox {
    std::string_view message, base, affliction;
    uint32_t GameStateRecord::*afflicted;
    std::array<StatRow, 7> rows;
    int rowCount;
};
// Strength .. Perception, each box's rows in the order the value is worked out.
const StatBox kStatBoxes[] = {
    {"Your Strength is currently unmodified!", "Base Strength:", "Aged:             = 1", &GameStateRecord::Aged,
     {{{StatRule::Tattoo, 3}, {StatRule::Amulet, 30}, {StatRule::Blessing}, {StatRule::Affliction},
       {StatRule::AtLeast1}, {StatRule::Gauntlet, 90}}},
     6},
    {"Your Endurance is currently unmodified!", "Base Endurance:", "Drain:              = 1",
     &GameStateRecord::Drained,
     {{{StatRule::Amulet, 31}, {StatRule::Blessing}, {StatRule::Affliction}, {StatRule::AtLeast1},
       {StatRule::Tattoo, 4}}},
     5},
    {"Your Agility is currently unmodified!", "Base Agility:", "Clutz:              = 1", &GameStateRecord::Clutz,
     {{{StatRule::Tattoo, 7}, {StatRule::Amulet, 32}, {StatRule::Blessing}, {StatRule::Affliction},
       {StatRule::Gloves, 113}, {StatRule::AtLeast1}}},
     6},
    {"Your Dexterity is currently unmodified!", "Base Dexterity:", "Clutz:              = 1",
     &GameStateRecord::Clutz,
     {{{StatRule::Amulet, 33}, {StatRule::Blessing}, {StatRule::Affliction}, {StatRule::Boots, 112},
       {StatRule::AtLeast1}}},
     5},
    {"Your Willpower is currently unmodified!", "Base Willpower:", "Feeblemind:         = 1",
     &GameStateRecord::Feebleminded,
     {{{StatRule::Tattoo, 1}, {StatRule::Amulet, 34}, {StatRule::Blessing}, {StatRule::Affliction},
       {StatRule::AtLeast1}}},
     5},
    {"Your Perception is currently unmodified!", "Base Perception:", "Feeblemind:         = 1",
     &GameStateRecord::Feebleminded,
     {{{StatRule::Tattoo, 0}, {StatRule::Blessing}, {StatRule::Amulet, 35}, {StatRule::Affliction},
       {StatRule::AtLeast1}, {StatRule::Helmet, 89}}},
     6},
};

void StatLines(int16_t stat, const StatBox& box, Breakdown& b) {
    const GameStateRecord& g = GameState;
    b.Base(std::string(box.base), g.BaseStats[stat]);
    for (int i = 0; i < box.rowCount; ++i) {
        const StatRow& row = box.rows[size_t(i)];
        switch (row.rule) {
            case StatRule::Tattoo:
                if (Tattoo(row.n)) b.Bonus("Tattoo:", 1);
                break;
            case StatRule::Amulet:
                if (Wears(kAmuletSlot, row.n)) b.Bonus("Amulet Bonus:", WornX(kAmuletSlot));
                break;
            case StatRule::Gauntlet:
                if (Wears(kGlovesSlot, row.n)) b.Bonus("Gauntlet Bonus:", WornY(kGlovesSlot));
                break;
            case StatRule::Boots:
                if (Wears(kBootsSlot, row.n)) b.Bonus("Boot Bonus:", 1);
                break;
            case StatRule::Gloves:
                if (Wears(kGlovesSlot, row.n)) b.Bonus("Glove Bonus:", 1);
                break;
            case StatRule::Helmet:
                if (Wears(kHelmetSlot, row.n)) b.Bonus("Helmet Bonus:", WornX(kHelmetSlot));
                break;
            case StatRule::Blessing:
                if (g.BlessTurns > 0) b.Bonus("Blessing:", 1);
                break;
            case StatRule::Affliction:
                if (g.*box.afflicted) b.SetTo(std::string(box.affliction), "", 1);
                break;
            case StatRule::AtLeast1: b.Clamp(1, INT32_MAX); break;
        }
    }
}

// ---------------------------------------------------------------- skills

// The steps of RecalcHero for one skill: a skill above 0 takes the curse and its belt and is held
// to 1..20; then the helmet of stealth (item 147) and the Gemlore armour (item 440). The
// afflictions lower statistics, not skills, so they have no line here.
void SkillLines(int16_t skill, Breakdown& b) {
    const GameStateRecord& g = GameState;
    b.Base("Base Skill:", g.BaseSkills[skill]);
    if (g.BaseSkills[skill] > 0) {
        if (BeltSkillBonus(skill) != 0) b.Bonus("Belt Bonus:", BeltSkillBonus(skill));
        if (g.Cursed) b.Bonus("Curse:", -2);
        b.Clamp(1, 20);
        if (Wears(kHelmetSlot, 147) && (skill == kStealth || skill == kDisarmTraps || skill == kPickLocks) &&
            WornX(kHelmetSlot) != 0)
            b.Bonus("Helmet Bonus:", WornX(kHelmetSlot));
    }
    if (skill == kGemlore && Wears(kArmourSlot, 440)) {
        const int32_t n = std::min<int32_t>(WornX(kArmourSlot), g.Stats[kWillpower]);
        if (n != 0) b.Bonus("Armour Bonus:", n);
    }
}

// ---------------------------------------------------------------- saves and resistances

void SaveLines(int16_t save, Breakdown& b) {
    const GameStateRecord& g = GameState;
    const int16_t ring = save == 0 ? 15 : 16;
    b.Base("Base Save:", g.BaseSaves[save]);
    if (const int16_t lasting = LastingSaveBonus(save); lasting != 0)
        b.Bonus(lasting > 0 ? "Lasting Bonus:" : "Lasting Penalty:", lasting);
    if (Wears(kAmuletSlot, 36)) b.Bonus("Amulet Bonus:", WornX(kAmuletSlot));
    for (int slot : {kRing1Slot, kRing2Slot})
        if (Wears(slot, ring) && WornX(slot) != 0) b.Bonus("Ring Bonus:", WornX(slot));
    const int16_t(&shield)[2] = save == 0 ? g.MindShield : g.BodyShield;
    if (Lasts(shield)) b.Bonus(save == 0 ? "Mind Shield:" : "Body Shield:", shield[0]);
    if (save == 0 && g.Feebleminded) b.SetTo("Feeblemind:", "= 10", 10);
    b.Clamp(0, 95);
    if (Wears(kHelmetSlot, 314)) b.Bonus("Helm Bonus:", 25);
}

constexpr std::string_view kResistTitles[] = {"Acid Resist", "Cold Resist", "Electrical Resist", "Fire Resist"};
constexpr std::string_view kResistMessages[] = {
    "Your Acid Resistance is currently unmodified!", "Your Cold Resistance is currently unmodified!",
    "Your Elect Resistance is currently unmodified!", "Your Fire Resistance is currently unmodified!"};
constexpr std::string_view kShieldLabels[] = {"Acid Shield:", "Cold Shield:", "Elect Shield:", "Fire Shield:"};

void ResistLines(int16_t k, Breakdown& b) {
    const GameStateRecord& g = GameState;
    b.Base("Base Resistance:", g.BaseResists[k]);
    if (g.Skills[kResilience] > 0) {
        const int16_t resilience = SkillColumnValue(SkillBonus.ResilienceResist, g.Skills[kResilience]);
        if (resilience != 0) b.Bonus("Resilience skill:", resilience);
    }
    if ((k == 2 && Tattoo(8)) || (k == 3 && Tattoo(2))) b.Bonus("Tatoo:", 5);
    for (int slot : {kRing1Slot, kRing2Slot})
        if (Wears(slot, int16_t(11 + k)) && WornX(slot) != 0) b.Bonus("Ring Bonus:", WornX(slot));
    if (Wears(kOffhandSlot, int16_t(649 + k)) && WornY(kOffhandSlot) != 0)
        b.Bonus("Shield Bonus:", WornY(kOffhandSlot));
    else if (Wears(kOffhandSlot, 655))
        b.Bonus("Shield Bonus:", 5);
    const int16_t(*shields[4])[2] = {&g.AcidShield, &g.ColdShield, &g.ElectShield, &g.FireShield};
    if (Lasts(*shields[k])) b.Bonus(std::string(kShieldLabels[k]), (*shields[k])[0]);
}

// ---------------------------------------------------------------- damage reduction and hit points

void DrLines(Breakdown& b) {
    const GameStateRecord& g = GameState;
    int counted = 2;
    b.Add("Base reduction:", "0", kBase);
    if (g.Stats[kAgility] >= 2) {
        ++counted;
        b.Bonus("Agility Bonus:", g.Stats[kAgility] / 2);
    }
    const int16_t resilience = SkillColumnValue(SkillBonus.ResilienceDr, g.Skills[kResilience]);
    if (g.Skills[kResilience] > 0 && resilience != 0) {
        ++counted;
        b.Bonus("Resilience:", resilience);
    }
    const std::pair<int, const char*> pieces[] = {{kArmourSlot, "Armour Bonus:"},
                                                  {kOffhandSlot, "Shield Bonus:"},
                                                  {kHelmetSlot, "Helmet Bonus:"},
                                                  {kGlovesSlot, "Gloves Bonus:"},
                                                  {kBootsSlot, "Boots Bonus:"}};
    for (const auto& [slot, label] : pieces) {
        if (WornInstance(slot)) ++counted;
        // A cursed piece whose curse is not yet known takes its loss off the sum.
        if (ArmourPieceDR(int16_t(slot)) != 0) b.Bonus(label, ArmourPieceDR(int16_t(slot)));
    }
    if (Lasts(g.MagicShield)) {
        ++counted;
        b.Bonus("Magic Shield:", g.MagicShield[0]);
    }
    b.Add("Divide by 2 to get DR.", "", kBase);
    b.heightLines = counted;
}

// The hit point box's lines carry their sign in the label ("Ring:             +" 12), as the
// Part draws them; a loss turns the sign.
void HitPointTerm(Breakdown& b, std::string label, int32_t n) {
    label[label.find('+')] = n < 0 ? '-' : '+';
    b.Add(std::move(label), Num(n < 0 ? -n : n), n < 0 ? kPenalty : kBonus);
    b.value += n;
}

// The terms of the hit point maximum in RecalcHero: the halving of a drain, then armour 433's
// 50, amulet 37, rings 93 (either slot) and the loss of ring 94 (the first slot only).
void HitPointLines(Breakdown& b) {
    const GameStateRecord& g = GameState;
    int counted = 1;
    b.Base("Base Hit Points:", 5 * g.Stats[kEndurance] + 5 * g.HeroLevel);
    if (g.Drained) {
        ++counted;
        b.Add("Drain:", "/ 2", kPenalty);
        b.value /= 2;
    }
    if (Wears(kArmourSlot, 433)) {
        ++counted;
        HitPointTerm(b, "Armour:           +", 50);
    }
    if (Wears(kAmuletSlot, 37)) {
        ++counted;
        if (WornX(kAmuletSlot) != 0) HitPointTerm(b, "Amulet            +:", WornX(kAmuletSlot));
    }
    int32_t rings = 0;
    for (int slot : {kRing1Slot, kRing2Slot})
        if (Wears(slot, 93)) {
            ++counted;
            rings += WornX(slot);
        }
    if (rings != 0) HitPointTerm(b, "Ring:             +", rings);
    if (Wears(kRing1Slot, 94)) {
        ++counted;
        if (WornX(kRing1Slot) != 0) HitPointTerm(b, "Ring:             +", -WornX(kRing1Slot));
    }
    b.heightLines = counted;
}

}  // namespace

int16_t BreakdownPanelHeight(int16_t lines) {
    if (lines < 1 || lines > 14) return 0;
    return lines == 1 ? 5 : int16_t(5 + (lines + 1) / 2);
}

int16_t BeltSkillBonus(int16_t skill) {
    const int16_t belt = WornItem(kBeltSlot);
    const bool raises = belt == 49 || (belt == 38 && skill == kArmsmaster) ||
                        (belt >= 39 && belt <= 48 && skill == belt - 37);
    return raises ? WornX(kBeltSlot) : int16_t{0};
}

void ShowStatBreakdown(int16_t stat, int16_t x, int16_t y) {
    Breakdown b;
    if (stat == kCombat) {
        CombatLines(b);
        DrawBreakdown(x, y, StatNames[0], "Your Combat value is unmodified!", b, kCombatFrame);
    } else if (stat > 0 && stat < 7) {
        const StatBox& box = kStatBoxes[stat - 1];
        StatLines(stat, box, b);
        DrawBreakdown(x, y, StatNames[size_t(stat)], box.message, b, kStatFrame);
    }
    HoldBox(1);
}

void ShowSkillBreakdown(int16_t skill, int16_t x, int16_t y) {
    if (skill >= 0 && skill < 12) {
        Breakdown b;
        SkillLines(skill, b);
        DrawBreakdown(x, y, SkillNames[size_t(skill)], "Skill is currently unmodifed!", b, kSkillFrame);
    }
    HoldBox(1);
}

void ShowSaveBreakdown(int16_t save, int16_t x, int16_t y) {
    if (save == 0 || save == 1) {
        Breakdown b;
        SaveLines(save, b);
        DrawBreakdown(x, y, save == 0 ? "Mind Save" : "Body Save",
                      save == 0 ? "Your Mind Save is currently unmodified!" : "Your Body Save is currently unmodified!",
                      b, kSaveFrame);
    }
    HoldBox(1);
}

void ShowResistBreakdown(int16_t resist, int16_t x, int16_t y) {
    if (resist >= 0 && resist < 4) {
        Breakdown b;
        ResistLines(resist, b);
        DrawBreakdown(x, y, kResistTitles[resist], kResistMessages[resist], b, kSaveFrame);
    }
    HoldBox(1);
}

void ShowDrBreakdown(int16_t topic, int16_t x, int16_t y) {
    Breakdown b;
    if (topic == 0) {
        DrLines(b);
        DrawBreakdown(x, y, "Damage Reduction", "", b, kStatFrame);
    } else if (topic == 1) {
        HitPointLines(b);
        DrawBreakdown(x, y, "Hit Points", "", b, kStatFrame);
    }
    HoldBox(1);
}

void ShowSkillRowBox(int16_t row, int16_t button) {
    int16_t listed = 0;
    for (int16_t skill = 0; skill < 12; ++skill) {
        if (GameState.Skills[skill] <= 0) continue;
        if (listed++ != row) continue;
        PlaySoundEffect("Info");
        if (button == 2)
            ShowSkillHelp(skill, 80, 140, 1);
        else
            ShowSkillBreakdown(skill, 80, 140);
        return;
    }
}

int CheckSkillRowClicks(int16_t button) {
    for (int16_t i = 0; i < 12; ++i)
        if (AreaClicked(340, int16_t(134 + 18 * i), 278, 18, 0, button, 0, 0)) {
            ShowSkillRowBox(i, button);
            return 1;
        }
    return 0;
}
