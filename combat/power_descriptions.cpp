#include "power_descriptions.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "combat/activate_skill.h"
#include "combat/gemlore.h"
#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/host/host.h"
#include "platform/input.h"
#include "platform/widgets.h"

namespace {

struct ValueLine {
    std::string text;
    int16_t colour;
};

// The requirement and cost lines that follow the value line.
enum Cost : uint8_t { kGemCost, kPrayerCost, kCurseCost };

struct Description {
    std::string_view title;
    int16_t width, height;
    std::array<std::string_view, 4> lines;
    int16_t valueY;
    ValueLine (*value)();  // null: the Divine Cure list
    Cost cost;
    int16_t gem;  // of a gem cost
    int16_t costY;
};

constexpr std::array<std::string_view, 9> kGemNames{"Emerald", "Sapphire", "Diamond",  "Ruby",    "Skystone",
                                                    "Amythest", "Kingstone", "Jadestone", "Seastone"};
constexpr std::array<std::string_view, 9> kCures{" Cures Tired",      " Cures Poison", " Cures Disease",
                                                 " Cures Drain",      " Cures Curse",  " Cures Feeblemind",
                                                 " Cures Aged",       " Cures Clutz",  " Cures Undeath"};

std::string Num(int32_t n) { return std::to_string(n); }
int16_t At(const SkillColumn& column, int skill) { return SkillColumnValue(column, GameState.Skills[skill]); }

// "n/2 - n", doubled on the enhancing square when asked.
ValueLine Range(std::string_view label, int16_t n, bool doubles) {
    const int32_t factor = doubles && OnEnhanceGemloreSquare() ? 2 : 1;
    return {std::string(label) + Num(n / 2 * factor) + " - " + Num(n * factor), kSmallBlue};
}
ValueLine Blast(int column) { return Range("Damage: ", At(SkillBonus.GemSpellMaxDamage[column], kGemlore), true); }
ValueLine Shield(int element, std::string_view name) {
    return {"Resistance: " + Num(At(SkillBonus.GemResistTables[element][0], kGemlore)) + " (" + std::string(name) +
                ") <Temp>",
            kSmallBlue};
}
ValueLine Buff(int buff, std::string_view label) {
    return {std::string(label) + Num(At(SkillBonus.GemBuffTables[buff][0], kGemlore)) + " <Temp>", kSmallBlue};
}
ValueLine MinSkill(int16_t setting, int skill, bool timed) {
    return {"Min Skill Req: " + Num(setting) + (timed ? " <Temp>" : ""),
            GameState.Skills[skill] < setting ? kSmallRed : kSmallBlue};
}
ValueLine PrayerShield(int shield, std::string_view name) {
    return {"Resistance: " + Num(At(SkillBonus.ShieldPrayerTables[shield][0], kPrayer)) + "% (" + std::string(name) +
                ") <Temp>",
            kSmallBlue};
}
ValueLine CurseEffect(const SkillColumn& column, std::string_view what) {
    return {"Effect: -" + Num(At(column, kCurseSkill)) + std::string(what), kSmallBlue};
}

// In the order of the menu's power numbers.
constexpr Description kDescriptions[] = {
    {"Acid Cloud", 12, 9,
     {"Creates a 3x3 cloud of acidic", "mist that inflicts acid", "damage."}, 208,
     [] { return Blast(0); }, kGemCost, 0, 232},
    {"Ice Storm", 12, 9,
     {"Creates a 5x5 explosion of ice", "crystals, inflicting cold", "damage on enemies caught within."}, 208,
     [] { return Blast(1); }, kGemCost, 1, 232},
    {"Lightning Bolt", 12, 9,
     {"A bolt of electricity strikes", "a single selected enemy target,", "causing severe damage."}, 208,
     [] { return Blast(2); }, kGemCost, 2, 244},
    {"Inferno", 12, 9,
     {"Creates a 3x3 inferno which", "inflicting fire damage upon", "enemies."}, 208,
     [] { return Blast(3); }, kGemCost, 3, 232},
    {"Acid Shield", 12, 8,
     {"Grants a level of acid resistance", "relative to your skill."}, 196,
     [] { return Shield(0, "acid"); }, kGemCost, 0, 220},
    {"Cold Shield", 13, 8,
     {"Grants a level of cold resistance", "relative to your skill."}, 196,
     [] { return Shield(1, "cold"); }, kGemCost, 1, 220},
    {"Electrical Shield", 13, 8,
     {"Grants a level of elect resistance", "relative to your skill."}, 196,
     [] { return Shield(2, "elect"); }, kGemCost, 2, 220},
    {"Fire Shield", 13, 8,
     {"Grants a level of fire resistance", "relative to your skill."}, 196,
     [] { return Shield(3, "fire"); }, kGemCost, 3, 220},
    {"Dimension Door", 12, 8,
     {"Instantly teleport to a nearby,", "visible location (e.g. over a", "chasm or body of water)."}, 208,
     [] { return MinSkill(SkillBonus.DimensionDoorMinSkill, kGemlore, false); }, kGemCost, 4, 232},
    {"True Sight", 12, 8,
     {"Grants an awareness bonus", "relative to your skill."}, 196,
     [] { return Buff(0, "Awareness: +"); }, kGemCost, 5, 220},
    {"Heroism", 12, 8,
     {"Grants a Combat (To hit) bonus", "relative to your skill level."}, 198,
     [] { return Buff(1, "Combat bonus: + "); }, kGemCost, 6, 222},
    {"Magic Shield", 12, 8,
     {"Grants a Damage Reduction (DR)", "bonus relative to your skill."}, 198,
     [] { return Buff(2, "DR bonus: + "); }, kGemCost, 7, 222},
    {"Water Walk", 12, 7,
     {"Confers ability to walk on water."}, 184,
     [] { return MinSkill(SkillBonus.WaterWalkMinSkill, kGemlore, true); }, kGemCost, 8, 208},
    {"Healing", 12, 10,
     {"Heals your wounds (hit points).", "A higher skill means more hit", "points restored."}, 208,
     [] { return Range("Heal: ", At(SkillBonus.HealingMaxHeal, kPrayer), true); }, kPrayerCost, -1, 232},
    {"Divine Cure", 12, 14,
     {"Cures one or more afflictions,", "according to skill level:"}, 196,
     nullptr, kPrayerCost, -1, 316},
    {"Unbind", 12, 10,
     {"Unbinds and destroys all cursed", "items in your possession."}, 196,
     [] { return MinSkill(SkillBonus.UnbindMinSkill, kPrayer, false); }, kPrayerCost, -1, 220},
    {"Blessing", 12, 10,
     {"Adds a +1 bonus to all your", "primary statistics (strength", "to perception)."}, 208,
     [] { return MinSkill(SkillBonus.BlessMinSkill, kPrayer, true); }, kPrayerCost, -1, 232},
    {"Mind Shield", 12, 10,
     {"Confers a bonus to your mind", "resistance, relative to your", "current skill level."}, 208,
     [] { return PrayerShield(0, "mind"); }, kPrayerCost, -1, 232},
    {"Body Shield", 12, 10,
     {"Confers a bonus to your body", "resistance, relative to your", "current skill level."}, 208,
     [] { return PrayerShield(1, "body"); }, kPrayerCost, -1, 232},
    {"Water Walk", 12, 9,
     {"Confers ability to walk on water."}, 184,
     [] { return MinSkill(SkillBonus.PrayerWaterWalkMinSkill, kPrayer, true); }, kPrayerCost, -1, 208},
    {"Smite", 13, 10,
     {"Damages all undead and demons", "within sight. A higher skill", "results in more damage caused."}, 208,
     [] { return Range("Damage: ", At(SkillBonus.SmiteMaxDamage, kPrayer), false); }, kPrayerCost, -1, 232},
    {"Curse of Incompetence", 13, 10,
     {"Area 5x5. Enemies suffer a Combat", "(to hit) penalty that increases with", "a higher curse skill."}, 208,
     [] { return CurseEffect(SkillBonus.CurseTables[0], " Combat (to hit)"); }, kCurseCost, -1, 232},
    {"Curse of Vulnerability", 13, 10,
     {"Area 5x5. Enemies suffer a DR", "penalty that increases with a", "higher curse skill."}, 208,
     [] { return CurseEffect(SkillBonus.CurseTables[1], " Damage Reduction (DR)"); }, kCurseCost, -1, 232},
    {"Curse of Weakness", 13, 10,
     {"Area 5x5. Enemies suffer a reduction", "to the melee damage they dish out.", "Penalty increases with skill."},
     208, [] { return CurseEffect(SkillBonus.CurseTables[2], "% Damage"); }, kCurseCost, -1, 232},
    {"Life Drain", 13, 11,
     {"During effect, a percentage of", "melee damage you inflict upon",
      "an enemy is transfered to your", "hit points."},
     220, [] { return CurseEffect(SkillBonus.LifeDrainPercent, "% Transferal <Temp>"); }, kCurseCost, -1, 244},
    {"Earth Maw", 13, 10,
     {"Causes massive physical damage", "to a single individual."}, 208,
     [] { return Range("Damage: ", At(SkillBonus.EarthMawMaxDamage, kCurseSkill), false); }, kCurseCost, -1, 232},
};

int16_t Unmet(bool unmet) { return unmet ? kSmallRed : kSmallBlue; }

void DrawCostLines(const Description& d, int hasRitualKnife, int hasHolySymbol) {
    const GameStateRecord& g = GameState;
    const int16_t y = d.costY, next = int16_t(d.costY + 24);
    switch (d.cost) {
        case kGemCost:
            DrawSmallText(100, y, "Cost: One " + std::string(kGemNames[size_t(d.gem)]),
                          Unmet(g.GembagCounts[d.gem] < 1));
            break;
        case kPrayerCost:
            DrawSmallText(100, y, "Req: Holy Symbol", Unmet(!hasHolySymbol));
            DrawSmallText(100, next, "Cost: One Charge", Unmet(g.PrayerCharges < 1));
            break;
        case kCurseCost:
            DrawSmallText(100, y, "Req: Ritual Knife", Unmet(!hasRitualKnife));
            DrawSmallText(100, next, "Cost: One Charge and " + Num(g.Skills[kCurseSkill]) + " Hp",
                          Unmet(g.CurseCharges == 0 || g.HitPoints < g.Skills[kCurseSkill]));
            break;
    }
}

}  // namespace

void ShowPowerDescriptions(int16_t selected, const int16_t (&kinds)[3], int16_t page, int16_t row,
                           int hasRitualKnife, int hasHolySymbol) {
    const int16_t skill = selected >= 0 && selected < 3 ? kinds[selected] : int16_t{-1};
    const int16_t n = PowerNumber(skill, page, row);
    if (n >= 0) {
        const Description& d = kDescriptions[n];
        DrawPanel(80, 100, d.width, d.height, 1, d.title);
        int16_t y = 160;
        for (std::string_view line : d.lines) {
            if (line.empty()) break;
            DrawSmallText(100, y, line, kSmallBlack);
            y = int16_t(y + 12);
        }
        if (d.value) {
            const ValueLine v = d.value();
            DrawSmallText(100, d.valueY, v.text, v.colour);
        } else {
            DrawDivineCureList(80, 100);
        }
        DrawCostLines(d, hasRitualKnife, hasHolySymbol);
    }
    Flip();
    WaitUntilUp(2);
}

void DrawDivineCureList(int16_t x, int16_t y) {
    std::array<int, 9> order{0, 1, 2, 3, 4, 5, 6, 7, 8};
    const int16_t(&req)[9] = SkillBonus.DivineCureReqSkill;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return req[a] < req[b]; });
    for (int i = 0; i < 9; ++i) {
        const int cure = order[size_t(i)];
        DrawSmallText(int16_t(x + 20), int16_t(y + 96 + 12 * i),
                      "Skill " + Num(req[cure]) + " :" + std::string(kCures[size_t(cure)]),
                      Unmet(GameState.Skills[kPrayer] < req[cure]));
    }
}
