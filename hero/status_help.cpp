#include "hero/status_help.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/status_icons.h"

namespace {

using Lines = std::span<const std::string_view>;

constexpr int16_t kPanelX = 100, kPanelY = 140, kTextX = 120, kTextY = 190, kLineStep = 12;
constexpr int16_t kWhileWornTurns = 999;

struct HelpPage {
    std::string_view title;
    int16_t w, h;
    Lines lines;
};

// ---------------------------------------------------------------- afflictions

constexpr std::string_view kStarving[] = {"You have no food left. You", "lose 1 life point a turn,",
                                          "down to 1."};
constexpr std::string_view kExhausted[] = {"You are out of energy.", "Rest to win it back."};
constexpr std::string_view kPoison[] = {"Poison costs you 1 life", "point a turn, down to 1,", "and -2 Combat."};
constexpr std::string_view kDisease[] = {"Disease gives -2 Combat,", "and your hit points do not",
                                         "heal while you rest."};
constexpr std::string_view kDrain[] = {"Your Endurance drops to 1", "and your hit points are", "halved."};
constexpr std::string_view kCurse[] = {"-2 to all your skills, but", "never below 1."};
constexpr std::string_view kFeeblemind[] = {"Your Willpower and", "Perception drop to 1 and",
                                            "your Mind save to 10%."};
constexpr std::string_view kRadiation[] = {"Radiation costs you 1 life", "point a turn until you die,",
                                           "and -2 Combat."};
constexpr std::string_view kBiohazard[] = {"The biohazard costs you 1", "life point a turn, down to",
                                           "1, and -2 Combat."};
constexpr std::string_view kAged[] = {"Your Strength drops to 1."};
constexpr std::string_view kClutz[] = {"Your Agility and Dexterity", "drop to 1."};
constexpr std::string_view kHeat[] = {"The heat costs you 1 hit", "point a turn."};
constexpr std::string_view kCold[] = {"The cold costs you 1 hit", "point a turn."};
constexpr std::string_view kAntimagic[] = {"No powers can be used here", "and magic items fail."};
constexpr std::string_view kFear[] = {"Fear grips you. Before each", "attack you must make a Mind",
                                      "save.",                       "",
                                      "If the save fails, you are",  "too afraid to strike, and",
                                      "the attack is lost."};
constexpr std::string_view kUndeath[] = {"You are undead: immune to",  "most afflictions, but",
                                         "feebleminded for good.",     "",
                                         "Healing harms you instead", "of healing you."};
constexpr std::string_view kDrowning[] = {"You are drowning!", "", "You lose 1 hit point a turn",
                                          "until you find an exit or", "cast the Gills spell."};

// By topic 1..18.
constexpr HelpPage kAfflictions[] = {
    {"Starving", 10, 6, kStarving},   {"Exhausted", 10, 5, kExhausted},   {"Injured", 11, 8, {}},
    {"Poison", 10, 6, kPoison},       {"Disease", 10, 6, kDisease},       {"Drain", 10, 5, kDrain},
    {"Curse", 10, 6, kCurse},         {"Feeblemind", 10, 6, kFeeblemind}, {"Radiation", 10, 6, kRadiation},
    {"Biohazard", 10, 6, kBiohazard}, {"Aged", 10, 5, kAged},             {"Clutz", 10, 5, kClutz},
    {"Extreme Heat", 10, 5, kHeat},   {"Extreme Cold", 10, 5, kCold},     {"Antimagic", 10, 5, kAntimagic},
    {"Fear", 11, 8, kFear},           {"Undeath", 11, 8, kUndeath},       {"Drowning", 11, 8, kDrowning},
};

// ---------------------------------------------------------------- effects

// What an effect page shows besides its text: the bonus (when it has one) and the duration.
struct EffectValues {
    bool hasBonus;
    int32_t bonus;
    std::string_view unit;
    int32_t turns;  // -1: no turn count ("indefinate")
};

struct EffectPage {
    int16_t topic;
    HelpPage page;
    EffectValues (*values)();
};

const GameStateRecord& G() { return GameState; }
EffectValues Plain(int16_t turns) { return {false, 0, {}, turns}; }
EffectValues Bonus(const int16_t (&effect)[2], std::string_view unit) { return {true, effect[0], unit, effect[1]}; }

constexpr std::string_view kBless[] = {"You are blessed: +1 to", "each statistic but Combat."};
constexpr std::string_view kHeroism[] = {"Heroic courage raises your", "Combat."};
constexpr std::string_view kMagicShield[] = {"A shimmering shield adds", "to your armour points."};
constexpr std::string_view kTrueSight[] = {"Your awareness is raised,", "so traps are easier to spot."};
constexpr std::string_view kInvisible[] = {"You cannot be seen, which", "makes you hard to find and",
                                           "gives you +10 Combat."};
constexpr std::string_view kWaterWalk[] = {"You can walk on water as if", "it were solid ground."};
constexpr std::string_view kAcidShield[] = {"A magical shield protects", "you against acid."};
constexpr std::string_view kColdShield[] = {"A magical shield protects", "you against cold."};
constexpr std::string_view kElectShield[] = {"A magical shield protects", "you against electricity."};
constexpr std::string_view kFireShield[] = {"A magical shield protects", "you against fire."};
constexpr std::string_view kMindShield[] = {"A magical shield protects", "your mind from attack."};
constexpr std::string_view kBodyShield[] = {"A magical shield protects", "your body from disease."};
constexpr std::string_view kBeastForm[] = {"You have taken the form of a", "beast, with its own defences."};
constexpr std::string_view kGills[] = {"You can breathe under water."};
constexpr std::string_view kHidden[] = {"You are hidden in the shadows:", "+5 Combat and double damage",
                                        "until you are found."};
constexpr std::string_view kLifeDrain[] = {"Part of the damage you deal", "flows back to you as life."};
constexpr std::string_view kCombatBonus[] = {"A surge of battle fury", "raises your Combat."};

const EffectPage kEffects[] = {
    {1, {"Bless", 11, 6, kBless}, [] { return Plain(G().BlessTurns); }},
    {2, {"Heroism", 11, 6, kHeroism}, [] { return Bonus(G().Heroism, " Combat"); }},
    {3, {"Magic Shield", 11, 7, kMagicShield}, [] { return Bonus(G().MagicShield, ""); }},
    {7, {"True Sight", 12, 6, kTrueSight}, [] { return Bonus(G().TrueSight, " Awareness"); }},
    {8, {"Invisible", 13, 7, kInvisible}, [] { return Plain(G().InvisibleTurns); }},
    {9, {"Water Walk", 13, 6, kWaterWalk}, [] { return Plain(G().WaterWalkTurns); }},
    {10, {"Acid Shield", 13, 6, kAcidShield}, [] { return Bonus(G().AcidShield, " acid resist"); }},
    {11, {"Cold Shield", 13, 6, kColdShield}, [] { return Bonus(G().ColdShield, " cold resist"); }},
    {12, {"Electrical Shield", 13, 6, kElectShield}, [] { return Bonus(G().ElectShield, " elect resist"); }},
    {13, {"Fire Shield", 13, 6, kFireShield}, [] { return Bonus(G().FireShield, " fire resist"); }},
    {14, {"Mind Shield", 13, 6, kMindShield}, [] { return Bonus(G().MindShield, " % Mind Save"); }},
    {15, {"Body Shield", 13, 6, kBodyShield}, [] { return Bonus(G().BodyShield, " % Body Save"); }},
    {16, {"Beast Form", 13, 7, kBeastForm}, [] { return EffectValues{true, 5, " Strength", G().FormTurns}; }},
    {17, {"Gills", 13, 6, kGills}, [] { return Plain(G().GillsTurns); }},
    {18, {"Hidden", 13, 7, kHidden}, [] { return Plain(-1); }},
    {19, {"Life Drain", 13, 8, kLifeDrain}, [] { return Bonus(G().LifeDrain, " % transferal"); }},
    // The combat bonus has no bonus word of its own: it is always +5.
    {20, {"Combat Bonus", 11, 6, kCombatBonus}, [] { return EffectValues{true, 5, " Combat", G().CombatBonusTurns}; }},
};
constexpr int16_t kAuraTopic = 21;

// ---------------------------------------------------------------- auras

struct AuraPage {
    HelpPage page;
    std::string_view label;
};
constexpr std::string_view kEvocation[] = {"Raises the damage of offensive", "Gemlore spells and EarthMaw."};
constexpr std::string_view kLooting[] = {"More gold is found when you", "loot your fallen foes."};
constexpr std::string_view kOvercharge[] = {"Raises the damage of the", "wands you use."};
constexpr std::string_view kRegeneration[] = {"Raises the healing of potions", "and of the Healing prayer."};
constexpr std::string_view kVengeance[] = {"Enemies who hit you in melee", "take damage in return."};
constexpr std::string_view kWisdom[] = {"Raises the experience you", "are rewarded with."};
constexpr AuraPage kAuraPages[] = {
    {{"Evocation Aura", 12, 6, kEvocation}, "Damage bonus: "},
    {{"Looting Aura", 12, 6, kLooting}, "Additional Gp : "},
    {{"Overcharge Aura", 11, 6, kOvercharge}, "Damage bonus: "},
    {{"Regeneration Aura", 13, 6, kRegeneration}, "Healing bonus: "},
    {{"Vengence Aura", 11, 7, kVengeance}, "Enemy Damage: "},
    {{"Wisodm Aura", 11, 6, kWisdom}, "Additional Xp: "},
};

int16_t DrawPage(const HelpPage& page) {
    DrawPanel(kPanelX, kPanelY, page.w, page.h, 1, page.title);
    return int16_t(kTextY + kLineStep * int32_t(page.lines.size()));
}

}  // namespace

void DrawAfflictionHelp(int16_t topic) {
    PlaySoundEffect("Info");
    if (topic >= 1 && topic <= int16_t(std::size(kAfflictions))) {
        const HelpPage& page = kAfflictions[topic - 1];
        DrawPage(page);
        DrawTextLines(kTextX, kTextY, page.lines, kSmallBlack);
    }
    HoldBox(2);
}

void DrawEffectHelp(int16_t topic) {
    PlaySoundEffect("Info");
    if (topic == kAuraTopic) return ShowAuraHelp(kPanelX, kPanelY, GameState.ActiveAura);
    for (const EffectPage& effect : kEffects) {
        if (effect.topic != topic) continue;
        int16_t y = DrawPage(effect.page);
        DrawTextLines(kTextX, kTextY, effect.page.lines, kSmallBlack);
        const EffectValues v = effect.values();
        if (v.hasBonus) {
            DrawSmallText(kTextX, y, "Current bonus: +" + std::to_string(v.bonus) + std::string(v.unit), kSmallBlue);
            y = int16_t(y + kLineStep);
        }
        // A turn count of 999 belongs to a worn item: it lasts as long as the item.
        std::string duration = "Duration left: ";
        if (v.turns < 0)
            duration += "indefinate";
        else if (v.turns == kWhileWornTurns)
            duration += "indefinate!";
        else
            duration += std::to_string(v.turns) + " turns";
        DrawSmallText(kTextX, y, duration, kSmallBlack);
    }
    HoldBox(2);
}

void ShowAuraHelp(int16_t x, int16_t y, int16_t aura) {
    if (aura >= 0 && aura < int16_t(std::size(kAuraPages))) {
        const AuraPage& a = kAuraPages[aura];
        DrawPanel(x, y, a.page.w, a.page.h, 1, a.page.title);
        DrawTextLines(int16_t(x + 20), int16_t(y + 50), a.page.lines, kSmallBlack);
        const int32_t value = int32_t(GameState.Skills[kAuras]) * SkillBonus.AuraValues[aura];
        DrawSmallText(int16_t(x + 20), int16_t(y + 86), std::string(a.label) + std::to_string(value), kSmallBlue);
    }
    HoldBox(2);
}

void RunAfflictionHelp() {
    int32_t active = 0;
    for (const StatusIcon& icon : AfflictionIcons) active += icon.Active();
    for (int32_t k = 1; k <= active; ++k)
        if (AreaClicked(int16_t(415 - 25 * (k - 1)), 440, 25, 25, 0, 2, 0, 1)) {
            DrawAfflictionHelp(NthActiveTopic(AfflictionIcons, k));
            return;
        }
}

void RunEffectHelp() {
    int32_t active = 0;
    for (const StatusIcon& icon : EnhancementIcons) active += icon.Active();
    for (int32_t k = 1; k <= active; ++k) {
        const int32_t column = (k - 1) % 4, row = (k - 1) / 4;
        if (AreaClicked(int16_t(493 + 25 * column), int16_t(166 + 25 * row), 25, 25, 0, 2, 0, 1)) {
            DrawEffectHelp(NthActiveTopic(EnhancementIcons, k));
            return;
        }
    }
}
