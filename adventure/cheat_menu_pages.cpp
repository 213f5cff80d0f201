// The cheat menu's pages of the hero: statistics, skills, timed effects, protections,
// afflictions and collections.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "cheat_menu.h"
#include "cheat_menu_controls.h"
#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "hero/undead_state.h"
#include "platform/fonts.h"

namespace {

using Kind = CheatControlKind;

constexpr std::array<std::string_view, 6> kAuraNames = {"Evocation",    "Looting",   "Overcharge",
                                                        "Regeneration", "Vengeance", "Wisdom"};
constexpr std::array<std::string_view, 2> kFalseTrue = {"FALSE", "TRUE"};
constexpr std::array<std::string_view, 2> kVisibleHidden = {"Visible", "Hidden"};
constexpr std::array<std::string_view, 2> kNoYes = {"No", "Yes"};
constexpr int16_t kShrunkTurns = 50;

GameStateRecord& G = GameState;

// A raised maximum lifts the current value with it; a lowered one leaves it.
void RaiseHitPoints(const CheatControl&) { G.HitPoints = std::max(G.HitPoints, G.HitPointsMax); }
void RaiseEnergy(const CheatControl&) { G.Energy = std::max(G.Energy, G.EnergyMax); }

// A skill never stands above its capping statistic.
void CapSkill(const CheatControl& c) {
    int16_t& skill = G.BaseSkills[c.index];
    const int16_t cap = G.BaseStats[CapstatTable[size_t(c.index)]];
    if (skill > cap) skill = cap;
}

// A save's field shows and takes base plus lasting gain, so what is typed is what shows; the
// base itself is Willpower or Endurance x 4, as edited on this page, and only the gain keeps a
// change.
template <int kSave>
int32_t SaveWithBonus(const CheatMenuState&) {
    return BaseSaveNow(kSave) + LastingSaveBonus(kSave);
}
template <int kSave>
void SetSaveWithBonus(CheatMenuState&, int32_t v) {
    SetLastingSaveBonus(kSave, v - BaseSaveNow(kSave));
}

CheatControlList StatsPage() {
    CheatControlList p;
    p.Add({.kind = Kind::kChoice, .label = "Sex", .labelX = 60, .labelY = 95, .x = 150, .y = 90, .pieces = 4,
           .value = {.i16 = &G.HeroSex}, .names = SexNames, .listPieces = 5});
    p.Add(CheatNumber("Level", 60, 135, 150, 130, 3, {.i16 = &G.HeroLevel}, 1, 50));
    p.Add(CheatNumber("Xp points", 60, 155, 150, 150, 3, {.i32 = &G.HeroXp}, 0, 9999));
    p.Add(CheatNumber("Hit points                / ", 60, 185, 150, 180, 3, {.i16 = &G.HitPoints}, 1, 255));
    CheatControl hpMax = CheatField(230, 180, 3, {.i16 = &G.HitPointsMax}, 1, 255);
    hpMax.after = RaiseHitPoints;
    p.Add(hpMax);
    p.Add(CheatNumber("Energy                    / ", 60, 205, 150, 200, 3, {.i16 = &G.Energy}, 1, 3000));
    CheatControl energyMax = CheatField(230, 200, 3, {.i16 = &G.EnergyMax}, 1, 3000);
    energyMax.after = RaiseEnergy;
    p.Add(energyMax);
    for (int16_t i = 0; i < 7; ++i)
        p.Add(CheatNumber(StatNames[size_t(i)], 60, int16_t(235 + 20 * i), 140, int16_t(230 + 20 * i), 2,
                          {.i16 = &G.BaseStats[i]}, 1, 50));
    for (int16_t i = 0; i < 4; ++i) {
        CheatControl resist = CheatNumber(ElementNames[size_t(i)], 330, int16_t(95 + 20 * i), 390, int16_t(90 + 20 * i),
                                          1, {.i16 = &G.BaseResists[i]}, 0, 30);
        resist.entryPieces = 2;
        p.Add(resist);
    }
    static constexpr std::array<std::string_view, 2> kSaveLabels = {"Mind              %", "Body              %"};
    static constexpr std::array<CheatValue, 2> kSaveValues = {
        CheatValue{.get = SaveWithBonus<0>, .set = SetSaveWithBonus<0>},
        CheatValue{.get = SaveWithBonus<1>, .set = SetSaveWithBonus<1>}};
    for (int16_t i = 0; i < 2; ++i) {
        CheatControl save = CheatNumber(kSaveLabels[size_t(i)], 330, int16_t(175 + 20 * i), 390, int16_t(170 + 20 * i),
                                        1, kSaveValues[size_t(i)], 0, 99);
        save.entryPieces = 2;
        p.Add(save);
    }
    p.Add(CheatNumber("Gp:", 330, 225, 390, 220, 3, {.i32 = &G.HeroGold}, 0, 9999));
    p.Add(CheatNumber("Food", 330, 245, 390, 240, 3, {.i16 = &G.HeroFood}, 0, 10));
    p.Add(CheatNumber("Score %", 330, 275, 420, 270, 2, {.i16 = &G.Score}, 0, 100));
    p.Add(CheatNumber("Skill points", 330, 295, 420, 290, 2, {.i16 = &G.SkillPoints}, 0, 30));
    p.Add({.kind = Kind::kChoice, .label = "Bag of Holding", .labelX = 330, .labelY = 325, .x = 420, .y = 320,
           .pieces = 3, .value = {.u32 = &G.HasBagOfHolding}, .names = NoYesLabels, .listPieces = 4});
    return p;
}

std::string QuestSkillName(const CheatControl& c) {
    return std::string(FieldText(SkillBonus.QuestSkillNames[c.index]));
}

std::string ActiveAuraName(const CheatControl&) {
    const int16_t aura = G.ActiveAura;
    return aura >= 0 && size_t(aura) < kAuraNames.size() ? std::string(kAuraNames[size_t(aura)]) : std::string();
}

CheatControlList SkillsPage() {
    CheatControlList p;
    for (int16_t i = 0; i < 12; ++i) {
        CheatControl skill = CheatNumber(SkillNames[size_t(i)], 70, int16_t(110 + 20 * i), 170, int16_t(105 + 20 * i),
                                         3, {.i16 = &G.BaseSkills[i]}, 0, 20);
        skill.after = CapSkill;
        skill.index = i;
        p.Add(skill);
    }
    p.Add(CheatLabel("Quest Skills (BOOLEAN)", 270, 105, kSmallBlue));
    for (int16_t i = 0; i < 13; ++i) {
        p.Add({.kind = Kind::kText, .x = 270, .y = int16_t(120 + 20 * i), .index = i, .text = QuestSkillName});
        p.Add(CheatCheck(390, int16_t(115 + 20 * i), G.LoreKnown[i]));
    }
    p.Add(CheatLabel("NOTE: Skills cannot be ", 70, 355, kSmallRed));
    p.Add(CheatLabel("set > CapStats!", 70, 367, kSmallRed));
    p.Add(CheatLabel("Prayer Charges:", 450, 100));
    p.Add(CheatField(450, 120, 3, {.i16 = &G.PrayerCharges}, 0, 5));
    p.Add(CheatLabel("Curse Charges:", 450, 200));
    p.Add(CheatField(450, 220, 3, {.i16 = &G.CurseCharges}, 0, 5));
    p.Add(CheatLabel("Active Aura:", 450, 300));
    p.Add(CheatField(450, 320, 3, {.i16 = &G.ActiveAura}, -1, 5));
    p.Add({.kind = Kind::kText, .x = 450, .y = 350, .colour = kSmallBlue, .text = ActiveAuraName});
    return p;
}

// A timed effect's row: the label 5 pixels below its fields, a degree field at x 220 and,
// when it has one, a duration field at x 380.
struct EffectRow {
    std::string_view label;
    int16_t y;
    int16_t* degree;
    int16_t* duration;
    int16_t degreeMax, durationMax;
};

void AddEffectRows(CheatControlList& p, std::span<const EffectRow> rows) {
    for (const EffectRow& r : rows) {
        p.Add(CheatNumber(r.label, 60, int16_t(r.y + 5), 220, r.y, 3, {.i16 = r.degree}, 0, r.degreeMax));
        if (r.duration) p.Add(CheatField(380, r.y, 3, {.i16 = r.duration}, 0, r.durationMax));
    }
}

// Tiny: a shrunk hero grows back, any other shrinks for 50 turns.
int ToggleShrunk(CheatMenuState&) {
    G.Shrunk = G.Shrunk > 0 ? int16_t{0} : kShrunkTurns;
    return 0;
}

CheatControlList EffectsPage() {
    CheatControlList p;
    const EffectRow rows[] = {
        {"Bless:            Duration", 110, &G.BlessTurns, nullptr, 999, 0},
        {"Heroism:          Degree                  Duration", 130, &G.Heroism[0], &G.Heroism[1], 999, 999},
        {"Magic Shield:     Degree                  Duration", 150, &G.MagicShield[0], &G.MagicShield[1], 999, 999},
        {"Life Draining:    Degree                  Duration", 170, &G.LifeDrain[0], &G.LifeDrain[1], 999, 999},
        {"True Sight:       Degree                  Duration", 190, &G.TrueSight[0], &G.TrueSight[1], 999, 999},
        {"Beast Form:       Degree                  Duration", 210, &G.HeroForm, &G.FormTurns, 4, 999},
    };
    AddEffectRows(p, rows);
    p.Add(CheatToggle("No Rad:", 60, 235, 220, 230, {.u32 = &G.RadiationImmune}, kFalseTrue));
    p.Add(CheatToggle("No Bio:", 60, 255, 220, 250, {.u32 = &G.BiohazardImmune}, kFalseTrue));
    p.Add(CheatNumber("Invisible:   Duration", 60, 295, 220, 290, 3, {.i16 = &G.InvisibleTurns}, 0, 100));
    p.Add(CheatNumber("Water Walk:  Duration", 60, 315, 220, 310, 3, {.i16 = &G.WaterWalkTurns}, 0, 100));
    p.Add(CheatNumber("Gills:       Duration", 60, 335, 220, 330, 3, {.i16 = &G.GillsTurns}, 0, 100));
    p.Add(CheatToggle("Hide:", 60, 355, 120, 350, {.u32 = &G.Hidden}, kVisibleHidden));
    p.Add(CheatNumber("Trippin:", 60, 375, 120, 370, 3, {.i16 = &G.MagicFoodTurns}, 0, 100));
    p.Add(CheatToggle("Nude:", 330, 295, 390, 290, {.u32 = &G.ItemsStripped}, kNoYes));
    CheatControl tiny = CheatToggle("Tiny:", 330, 315, 390, 310, {.i16 = &G.Shrunk}, kNoYes);
    tiny.act = ToggleShrunk;
    p.Add(tiny);
    p.Add(CheatNumber("TimeLoop Counter:", 330, 335, 450, 330, 3, {.i16 = &G.TimeLoopCountdown}, 0, 4999));
    return p;
}

// Immunities that follow worn items, shown only while they hold.
struct Immunity {
    std::string_view text;
    uint32_t GameStateRecord::*word;
    int16_t x;
};
constexpr std::array<Immunity, 3> kImmunities = {{{"NoPetrify!", &GameStateRecord::PetrifyImmune, 60},
                                                  {"NoParalyse!", &GameStateRecord::ParalysisImmune, 160},
                                                  {"NoPoison!", &GameStateRecord::PoisonImmune, 260}}};

std::string ImmunityText(const CheatControl& c) {
    const Immunity& i = kImmunities[size_t(c.index)];
    return G.*i.word ? std::string(i.text) : std::string();
}

CheatControlList ProtPage() {
    CheatControlList p;
    const EffectRow shields[] = {
        {"Acid Shield:      Degree                  Duration", 110, &G.AcidShield[0], &G.AcidShield[1], 10, 100},
        {"Cold Shield:      Degree                  Duration", 130, &G.ColdShield[0], &G.ColdShield[1], 10, 100},
        {"Elect Shield:     Degree                  Duration", 150, &G.ElectShield[0], &G.ElectShield[1], 10, 100},
        {"Fire Shield:      Degree                  Duration", 170, &G.FireShield[0], &G.FireShield[1], 10, 100},
        {"Mind Shield:      Degree                  Duration", 200, &G.MindShield[0], &G.MindShield[1], 10, 100},
        {"Body Shield:      Degree                  Duration", 220, &G.BodyShield[0], &G.BodyShield[1], 10, 100},
    };
    AddEffectRows(p, shields);
    for (int16_t i = 0; i < int16_t(kImmunities.size()); ++i)
        p.Add({.kind = Kind::kText, .x = kImmunities[size_t(i)].x, .y = 255, .colour = kSmallGreen, .index = i,
               .text = ImmunityText});
    return p;
}

CheatControlList AfflictPage() {
    CheatControlList p;
    struct Affliction {
        std::string_view label;
        uint32_t& word;
    };
    const Affliction afflictions[] = {
        {"Tired", G.Exhausted},   {"Poison", G.Poisoned},       {"Disease", G.Diseased}, {"Drain", G.Drained},
        {"Curse", G.Cursed},      {"Feeblemind", G.Feebleminded}, {"Biohazard", G.Biohazard},
        {"Radiation", G.Radiation}, {"Aged", G.Aged},           {"Clutz", G.Clutz},     {"Cold", G.ExtremeCold},
        {"Hot", G.ExtremeHeat},   {"Fear", G.Fear},
    };
    int16_t y = 100;
    for (const Affliction& a : afflictions) {
        p.Add(CheatToggle(a.label, 60, int16_t(y + 5), 140, y, {.u32 = &a.word}, NoYesLabels));
        y = int16_t(y + 22);
    }
    CheatControl undead = CheatToggle("Undead", 260, 105, 340, 100, {.u32 = &G.HeroIsUndead}, NoYesLabels);
    undead.act = [](CheatMenuState&) {
        if (G.HeroIsUndead) ClearUndeadState();
        else ApplyUndeadState();
        return 0;
    };
    p.Add(undead);
    return p;
}

std::string PortalKeyLabel(const CheatControl& c) { return "Portal Key " + std::to_string(c.index + 1); }

CheatControlList CollectPage() {
    CheatControlList p;
    for (int16_t i = 0; i < 5; ++i) {
        p.Add(CheatCheck(270, int16_t(110 + 20 * i), G.PentaActive[i]));
        p.Add({.kind = Kind::kText, .x = 300, .y = int16_t(115 + 20 * i), .index = i, .text = PortalKeyLabel});
    }
    p.Add(CheatButton("Know all Runes", 270, 230, 7, [](CheatMenuState&) {
        std::fill(std::begin(G.KnownRunes), std::end(G.KnownRunes), 1u);
        return 0;
    }));
    p.Add(CheatButton("Know all Hieroglyphs", 270, 252, 7, [](CheatMenuState&) {
        std::fill(std::begin(G.KnownHieroglyphs), std::end(G.KnownHieroglyphs), 1u);
        return 0;
    }));
    // The tenth tattoo word has no tattoo behind it and is not offered.
    for (int16_t i = 0; i < 9; ++i)
        p.Add(CheatToggle(TattooNames[size_t(i)], 60, int16_t(115 + 20 * i), 170, int16_t(110 + 20 * i),
                     {.u32 = &G.Tattoos[i]}, NoYesLabels));
    return p;
}

}  // namespace

std::span<const CheatControl> CheatPageControls(int16_t page) {
    static const std::array<CheatControlList, 6> kPages = {StatsPage(),   SkillsPage(),  EffectsPage(),
                                                           ProtPage(),    AfflictPage(), CollectPage()};
    return page >= 0 && size_t(page) < kPages.size() ? kPages[size_t(page)].Controls()
                                                     : std::span<const CheatControl>();
}
