#include "events/fountains.h"

#include <array>
#include <string>
#include <vector>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "hero/level_advance.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "script/flags.h"

namespace {

constexpr int16_t kEnhancementsPanel = 1;

// What an effect changes; the amount and the duration come from the event.
enum Change : uint8_t {
    kHeal,
    kCure,
    kRestoreCharges,
    kStat,
    kResist,
    kSave,
    kSkillPoints,
    kXp,
    kShield,
    kBless,
    kHeroism,
    kPoison,
};

struct StatPlusEffect {
    Change change;
    int16_t index;  // the statistic, resistance, save or shield
    // Fixed lines; for the amount kinds the first is what follows "You gain +" and the amount.
    std::array<std::string_view, 3> lines;
    int16_t colour;
    std::string_view sound;
};

constexpr std::array<StatPlusEffect, 27> kStatPlusEffects = {{
    {kHeal, 0, {"Your wounds are healed!"}, kSmallBlue, "Pray"},
    {kCure, 0, {"You are cured of", "ailments!"}, kSmallBlue, "Pray"},
    {kRestoreCharges, 0, {"Your skill charges", "(if any) have been fully", "restored!"}, kSmallBlue, "Pray"},
    {kStat, 0, {}, kSmallBlue, "PowerUp"},
    {kStat, 1, {}, kSmallBlue, "PowerUp"},
    {kStat, 2, {}, kSmallBlue, "PowerUp"},
    {kStat, 3, {}, kSmallBlue, "PowerUp"},
    {kStat, 4, {}, kSmallBlue, "PowerUp"},
    {kStat, 5, {}, kSmallBlue, "PowerUp"},
    {kStat, 6, {}, kSmallBlue, "PowerUp"},
    {kResist, 0, {" acid resistance!"}, kSmallBlue, "PowerUp"},
    {kResist, 1, {" cold resistance!"}, kSmallBlue, "PowerUp"},
    {kResist, 2, {" elect resistance!"}, kSmallBlue, "PowerUp"},
    {kResist, 3, {" fire resistance!"}, kSmallBlue, "PowerUp"},
    {kSave, 0, {" mind save!"}, kSmallBlue, "PowerUp"},
    {kSave, 1, {" body save!"}, kSmallBlue, "PowerUp"},
    {kSkillPoints, 0, {" skill points!"}, kSmallBlue, "PowerUp"},
    {kXp, 0, {" xp!"}, kSmallBlue, "PowerUp"},
    {kShield, 0, {" temporary", "acid shield effect!"}, kSmallBlue, "PowerUp"},
    {kShield, 1, {" temporary", "cold shield effect!"}, kSmallBlue, "PowerUp"},
    {kShield, 2, {" temporary", "electric shield effect!"}, kSmallBlue, "PowerUp"},
    {kShield, 3, {" temporary", "fire shield effect!"}, kSmallBlue, "PowerUp"},
    {kShield, 4, {" temporary", "mind shield effect!"}, kSmallBlue, "PowerUp"},
    {kShield, 5, {" temporary", "body shield effect!"}, kSmallBlue, "PowerUp"},
    {kBless, 0, {"You are blessed!"}, kSmallBlue, "Pray"},
    {kHeroism, 0, {"You feel heroic!"}, kSmallBlue, "PowerUp"},
    {kPoison, 0, {"You have been poisoned!", "It was poisoned but you're immune!"}, kSmallRed, "Drink"},
}};

// What word 4 makes of the object: its button, the button's key and the spent message.
struct UseType {
    std::string_view button;
    int16_t hotkey;
    std::string_view spent;
};
constexpr std::array<UseType, 5> kUseTypes = {{
    {"Drink", 'D', "You drink from the"},
    {"Touch", 'T', "You touch the"},
    {"Examine", 'E', "You look into the"},
    {"Sit down", 'S', "You sit upon the"},
    {"Read", 'R', "You read from the"},
}};

void Raise(int16_t& base, int16_t& current, int16_t amount) {
    base = int16_t(base + amount);
    current = int16_t(current + amount);
}

int16_t SkillCharges(int16_t skill) { return int16_t(3 + (skill > 7 ? 1 : 0) + (skill > 15 ? 1 : 0)); }

// Applies the effect and answers its message lines.
std::vector<std::string> ApplyStatPlus(const StatPlusEffect& f, int16_t amount, int16_t duration) {
    GameStateRecord& g = GameState;
    const std::string gain = "You gain +" + std::to_string(amount);
    std::vector<std::string> lines;
    auto fixed = [&](size_t from) {
        for (size_t i = from; i < f.lines.size(); ++i)
            if (!f.lines[i].empty()) lines.emplace_back(f.lines[i]);
    };
    switch (f.change) {
        case kHeal:
            g.HitPoints = g.HitPointsMax;
            g.Energy = g.EnergyMax;
            fixed(0);
            break;
        case kCure:
            for (uint32_t* a : {&g.Poisoned, &g.Drained, &g.Cursed, &g.Diseased, &g.Feebleminded, &g.Clutz, &g.Aged,
                                &g.Exhausted})
                *a = 0;
            RecalcHero();  // the energy fills to the maximum of the cured hero
            g.Energy = g.EnergyMax;
            fixed(0);
            break;
        case kRestoreCharges:
            g.PrayerCharges = SkillCharges(g.Skills[kPrayer]);
            g.CurseCharges = SkillCharges(g.Skills[kCurseSkill]);
            fixed(0);
            break;
        case kStat:
            Raise(g.BaseStats[f.index], g.Stats[f.index], amount);
            lines.push_back((amount >= 0 ? "You gain +" : "You loose ") + std::to_string(amount) + " " +
                            std::string(StatNames[size_t(f.index)]) + "!");
            break;
        case kResist: Raise(g.BaseResists[f.index], g.Resists[f.index], amount); break;
        case kSave: GainLastingSave(f.index, amount); break;
        case kSkillPoints: g.SkillPoints = int16_t(g.SkillPoints + amount); break;
        case kXp: AddXp(amount); break;
        case kShield: {
            int16_t* shields[] = {g.AcidShield, g.ColdShield, g.ElectShield, g.FireShield, g.MindShield, g.BodyShield};
            shields[f.index][0] = amount;
            shields[f.index][1] = duration;
            g.SidePanelMode = kEnhancementsPanel;
            break;
        }
        case kBless:
            g.BlessTurns = duration;
            g.SidePanelMode = kEnhancementsPanel;
            fixed(0);
            break;
        case kHeroism:
            g.Heroism[0] = amount;
            g.Heroism[1] = duration;
            g.SidePanelMode = kEnhancementsPanel;
            fixed(0);
            break;
        case kPoison:
            if (!g.PoisonImmune) g.Poisoned = 1;
            lines.emplace_back(f.lines[g.PoisonImmune ? 1 : 0]);
            break;
    }
    if (f.change == kResist || f.change == kSave || f.change == kSkillPoints || f.change == kXp ||
        f.change == kShield) {
        lines.push_back(gain + std::string(f.lines[0]));
        fixed(1);
    }
    return lines;
}

enum StatPlusAction : int16_t { kLeave, kUse };

}  // namespace

void RunStatPlusEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    result = 0;
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    PlaySoundEffect("Text");
    Screen screen("stat plus");
    if (!CheckFlagCondition(w.Word[1], w.Word[2], w.Word[3])) {
        RunEventChoice(screen,
                       [&] {
                           DrawEventBackground();
                           for (int16_t i = 0; i < 9; ++i)
                               DrawSmallText(465, int16_t(120 + 12 * i), EventLine(w, 1, i), kSmallBlack);
                       },
                       {kLeaveOrEscButton});
        return;
    }
    const int16_t useType = w.Word[4], effect = w.Word[5], amount = w.Word[6], status = w.Word[7];
    const bool knownUse = useType >= 0 && useType < int16_t(kUseTypes.size());
    const UseType& use = kUseTypes[knownUse ? size_t(useType) : 0];
    const EventButton action{.action = kUse, .label = knownUse ? use.button : "", .y = 260,
                             .hotkey1 = int16_t(knownUse ? use.hotkey : 0)};
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); }, {action, kLeaveOrEscButton}) != kUse ||
        !knownUse)
        return;
    if (status != -1 && GameFlag(status) == 1) {
        const std::string name(EventLine(w, 1, 9));
        std::vector<PageLine> lines{{120, use.spent}};
        const std::string nothing = name + " but nothing happens.", noGain = name + " but gain no";
        if (amount < 0) {
            lines.push_back({132, nothing});
        } else {
            lines.push_back({132, noGain});
            lines.push_back({144, "further benefits."});
        }
        RunEventChoice(screen,
                       [&] {
                           DrawEventBackground();
                           DrawPageLines(lines);
                       },
                       {kLeaveOrEscButton});
        return;
    }
    std::vector<std::string> lines;
    int16_t colour = kSmallBlue;
    if (effect >= 0 && effect < int16_t(kStatPlusEffects.size())) {
        const StatPlusEffect& f = kStatPlusEffects[size_t(effect)];
        lines = ApplyStatPlus(f, amount, w.Word[11]);
        // The effect page shows the hero as the change leaves him.
        RecalcHero();
        colour = f.colour;
        PlaySoundEffect(f.sound);
    }
    RunEventChoice(screen,
                   [&] {
                       DrawEventBackground();
                       for (size_t i = 0; i < lines.size(); ++i) DrawSmallText(465, int16_t(120 + 12 * i), lines[i], colour);
                   },
                   {kLeaveOrEscButton});
    if (status != -1) SetGameFlag(status, 1);
}
