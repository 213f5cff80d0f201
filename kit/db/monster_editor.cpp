#include "kit/db/monster_editor.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "adventure/encounters.h"
#include "data/data_files.h"
#include "data/game_state.h"
#include "data/monster_records.h"
#include "hero/item_names.h"
#include "kit/db/database_editors.h"
#include "kit/db/item_editor.h"
#include "kit/db/picture_pickers.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 4> MonsterSpeedLabels = {"Stationary", "Slow", "Normal", "Fast"};
constinit const std::array<std::string_view, 12> MonsterPowerLabels = {
    "None",           "Blast Acid",    "Blast Cold",  "Blast Elect", "Blast Fire", "Drain Charges",
    "Suicide Bomber", "Psionic Blast", "Summon Ally", "Steal Food",  "Steal Item", "Teleport"};
constinit const std::array<std::string_view, 11> AfflictionLabels = {
    "None", "Poison", "Disease", "Curse", "Drain", "Petrify", "Paralysis", "Feeblemind", "Aged", "Clutz", "Undeath"};
constinit const std::array<std::string_view, 8> MissileTypeLabels = {"None", "Arrow", "Acid",   "Cold",
                                                                     "Elect", "Fire", "Poison", "Laser"};
constinit const std::array<std::string_view, 5> OnDeathLabels = {"Blood Splat", "Disappear", "Explode (fire)",
                                                                 "Acid pool", "Explode (cold)"};
constinit const std::array<std::string_view, 8> XpMultiplierLabels = {"x0.5", "x0.75", "x1",   "x1.1",
                                                                      "x1.2", "x1.3",  "x1.4", "x1.5"};

namespace {

constexpr int16_t kLastMonster = kMonsterCount - 1;
constexpr int16_t kStats = 0, kMelee = 1, kMissile = 2, kResistance = 3, kOnDeath = 4;
constexpr int16_t kSummonAlly = 8, kTeleport = 11;
constexpr uint8_t kShown = 0, kRecordZero = 1, kState = 2;  // the form's bases

const MonsterRecord& Shown(const FormState& s) { return MonsterTable[size_t(s.record)]; }

// The missile dice also serve a Blast, the Suicide Bomber, the Psionic Blast and an explosion.
int PowerUsesMissileDamage(const FormState& s) {
    const int16_t p = Shown(s).MonsterPower;
    return (p >= 1 && p <= 4) || p == 6 || p == 7;
}
int Explodes(const FormState& s) { return Shown(s).MonsterOnDeath == 2 || Shown(s).MonsterOnDeath == 4; }
int PowerWithoutMissile(const FormState& s) { return PowerUsesMissileDamage(s) && Shown(s).MonsterMissileType == 0; }
int PowerNoteOnly(const FormState& s) { return PowerWithoutMissile(s) && !Explodes(s); }
int ExplodeNoteOnly(const FormState& s) { return Explodes(s) && !PowerWithoutMissile(s); }
int BothNotes(const FormState& s) { return PowerWithoutMissile(s) && Explodes(s); }
int SummonsAlly(const FormState& s) { return Shown(s).MonsterPower == kSummonAlly; }
int Teleports(const FormState& s) { return Shown(s).MonsterPower == kTeleport; }

void Autocalc(const FormState& s, const FormRedraw&) { CalcMonsterXp(s.record, s.record); }
void AutocalcAll(const FormState&, const FormRedraw& redraw) {
    redraw(0);
    if (Confirm(200, 170, "Really autocalc ALL?")) CalcMonsterXp(0, kLastMonster);
}

#define AT(field) offsetof(MonsterRecord, field)
constexpr FormField kMonsterFields[] = {
    // The header, on every tab.
    NumberField(0, 0, kLastMonster, {150, 66, 40}, {50, 70, "Monster Number:"}).From(kState),
    CheckField(AT(MonsterUnique), 250, 66, {200, 70, "Unique?"}),
    PickerField(AT(MonsterPicture), PickMonsterPicture, {340, 66, 40, 2}, {300, 70, "Pic:"}),
    TextField(AT(MonsterName), sizeof(MonsterRecord::MonsterName), 12, {100, 98, 120, 6}, {50, 102, "Name:"}),
    ChoiceField(AT(MonsterType), MonsterTypeName, 19, {100, 120, 140, 6}, ListOf(6, 10),
                {50, 124, "Type:"}),
    // Stats.
    NumberField(AT(MonsterDr), 0, 99, {130, 194, 40}, {50, 199, "DR:"}).On(kStats),
    ChoiceField(AT(MonsterSpeed), LabelsOf<MonsterSpeedLabels>, 4, {330, 194, 140, 4}, ListOf(5, 4),
                {250, 199, "Speed:"})
        .On(kStats),
    NumberField(AT(MonsterAwareness), 0, 99, {330, 216, 40}, {250, 221, "Awareness:"}).On(kStats),
    NumberField(AT(MonsterHitPoints), 1, 999, {130, 216, 40}, {50, 221, "Hit Points:"}).On(kStats),
    CheckField(AT(MonsterGhostTouch), 170, 238, {50, 243, "GhostTouch to hit?:"}).On(kStats),
    CheckField(AT(MonsterFearInducing), 350, 238, {250, 243, "Fear inducing?"}).On(kStats),
    ChoiceField(AT(MonsterPower), LabelsOf<MonsterPowerLabels>, 12, {130, 270, 140, 6}, ListOf(6, 5),
                {50, 275, "Power:"})
        .On(kStats),
    FormNote({280, 275, "Damage as per 'Missile damage'.", kSmallBlue}).On(kStats).When(PowerUsesMissileDamage),
    NumberField(AT(MonsterSummonId), 0, kLastMonster, {370, 270, 40}, {285, 275, "Summon ID"})
        .On(kStats)
        .When(SummonsAlly),
    NumberField(AT(MonsterPowerTarget), 0, 49, {310, 270, 40}, {270, 275, " To X=          Y="})
        .On(kStats)
        .When(Teleports),
    NumberField(AT(MonsterPowerTarget) + 2, 0, 49, {380, 270, 40}).On(kStats).When(Teleports),
    CheckField(AT(MonsterOpensDoors), 150, 310, {50, 315, "Open Doors?"}).On(kStats),
    CheckField(AT(MonsterWaterWalk), 150, 330, {50, 335, "Water walk?"}).On(kStats),
    CheckField(AT(MonsterWalksThroughWalls), 150, 350, {50, 355, "Walk Thr Walls?"}).On(kStats),
    CheckField(AT(MonsterSpellImmune), 360, 310, {250, 315, "Immune spell?"}).On(kStats),
    CheckField(AT(MonsterDetectsInvisible), 360, 350, {250, 355, "Detect Invisible?"}).On(kStats),
    CheckField(AT(MonsterFlies), 360, 370, {250, 375, "Fly (over pits)?"}).On(kStats),
    // Melee.
    NumberField(AT(MonsterMeleeSkill), 0, 99, {180, 194, 40},
                {50, 199, "Melee Combat Skill:              (if 0, non-combatant)"})
        .On(kMelee),
    DiceField(AT(MonsterDamage), "Damage", {130, 245, 80}, {50, 250, "Damage:"}).On(kMelee),
    ChoiceField(AT(MonsterElement), LabelsOf<ElementLabels>, 5, {130, 267, 100, 4}, ListOf(5, 5),
                {50, 272, "Elem Damage:"})
        .On(kMelee),
    DiceField(AT(MonsterElementDamage), "Elemental damage", {300, 267, 80}, {250, 272, "amount:"}).On(kMelee),
    ChoiceField(AT(MonsterAffliction), LabelsOf<AfflictionLabels>, 11, {130, 289, 100, 4}, ListOf(5, 5),
                {50, 294, "Affliction:"})
        .On(kMelee),
    // Missile.
    NumberField(AT(MonsterMissileSkill), 0, 99, {180, 194, 40}, {50, 199, "Missile Combat Skill:"}).On(kMissile),
    ChoiceField(AT(MonsterMissileType), LabelsOf<MissileTypeLabels>, 8, {130, 245, 100, 4}, ListOf(5, 8),
                {50, 250, "Missile type:"})
        .On(kMissile),
    DiceField(AT(MonsterMissileDamage), "Damage", {130, 267, 80}, {50, 272, "Damage:"}).On(kMissile),
    // The missile affliction offers the first eight afflictions only.
    ChoiceField(AT(MonsterMissileAffliction), LabelsOf<AfflictionLabels>, 8, {130, 289, 100, 4}, ListOf(5, 5),
                {50, 294, "Affliction:"})
        .On(kMissile),
    FormNote({230, 272, "Damage applies to POWER!", kSmallRed}).On(kMissile).When(PowerNoteOnly),
    FormNote({230, 272, "Damage applies to death EXPLODE!", kSmallRed}).On(kMissile).When(ExplodeNoteOnly),
    FormNote({230, 272, "Damage applies to POWER and death EXPLODE!", kSmallRed}).On(kMissile).When(BothNotes),
    // Resistance.
    NumberField(AT(MonsterResists), -1, 99, {120, 200, 40}, {50, 205, "Acid:"}).On(kResistance),
    NumberField(AT(MonsterResists) + 2, -1, 99, {120, 222, 40}, {50, 227, "Cold:"}).On(kResistance),
    NumberField(AT(MonsterResists) + 4, -1, 99, {120, 244, 40}, {50, 249, "Elect:"}).On(kResistance),
    NumberField(AT(MonsterResists) + 6, -1, 99, {120, 266, 40}, {50, 271, "Fire:"}).On(kResistance),
    FormNote({50, 300, "Note: A resist of -1 results in double damage taken!", kSmallBlue}).On(kResistance),
    CheckField(AT(MonsterNeedsGhostText), 340, 336, {50, 341, "Monster unkillable if NOT on active ghost txt"})
        .On(kResistance),
    CheckField(AT(MonsterWandImmune), 400, 358,
               {50, 363, "Immune to Nemesis Da, Paralysis, Frog wand and Deathspell:"})
        .On(kResistance),
    // On Death.
    NumberField(AT(MonsterDeathItem), -1, 713, {180, 200, 40},
                {50, 205, "On death give item:              power:         charges:"})
        .On(kOnDeath),
    PickerField(AT(MonsterDeathItem), PickItemInEditor, {220, 199, 15}).On(kOnDeath),
    NumberField(AT(MonsterDeathItem) + 2, -1, 20, {290, 200, 40}).On(kOnDeath),
    NumberField(AT(MonsterDeathItem) + 4, -1, 50, {390, 200, 40}).On(kOnDeath),
    ChoiceField(AT(MonsterOnDeath), LabelsOf<OnDeathLabels>, 5, {150, 260, 140, 6}, ListOf(6, 5),
                {50, 265, "On Death:"})
        .Wide()
        .On(kOnDeath),
    FormNote({300, 265, "Damage as per 'Missile damage'.", kSmallBlue}).On(kOnDeath).When(Explodes),
    NumberField(AT(MonsterXpAward), 0, 5000, {150, 290, 80}, {50, 295, "Xp award:"}).On(kOnDeath),
    ActionButton("Autocalc", Autocalc, {250, 290, 80}).On(kOnDeath),
    ActionButton("Autocalc ALL", AutocalcAll, {350, 290, 80}).On(kOnDeath),
    ChoiceField(AT(UniversalXpMultiplier), LabelsOf<XpMultiplierLabels>, 8, {200, 350, 140, 2}, ListOf(4, 8).At(200, 200),
                {50, 355, "Universal XP multiplier:", kSmallBlue})
        .From(kRecordZero)
        .On(kOnDeath),
};
#undef AT
static_assert(ValidForm(kMonsterFields));

constexpr Stepper kSteppers[] = {{"-10", 50, 410, 2, 0, 0, Counter::kRecord, -10},
                                 {"Prev", 100, 410, 2, 'P', 0, Counter::kRecord, -1},
                                 {"Next", 150, 410, 2, 'N', 0, Counter::kRecord, 1},
                                 {"+10", 200, 410, 2, 0, 0, Counter::kRecord, 10}};

const FormClose kClose{.save = {"Save", 300, 410, 3, 'S', 0},
                       .cancel = {"Cancel", 370, 410, 3, kEsc, 'C'},
                       .saver = SaveMonsterFile,
                       .loader = LoadMonsterFile,
                       .fileName = "Monster.dat",
                       .savedText = "  Monster File Saved!"};

// Where a picture of each size class stands in the header; other classes are not drawn.
struct PicturePlace {
    int16_t sizeClass, x, y;
};
constexpr PicturePlace kPicturePlaces[] = {{0, 420, 70}, {1, 405, 70}, {2, 420, 55}, {6, 405, 55}, {9, 385, 55}};

void DrawMonsterPicture(int16_t picture) {
    if (picture < 0 || size_t(picture) >= MonsterPictures.size()) return;
    const int16_t sizeClass = PictureSizeClass(picture);
    for (const PicturePlace& p : kPicturePlaces)
        if (p.sizeClass == sizeClass)
            BltFast(BackSurface, p.x, p.y, MonsterPictures[size_t(picture)], ViewPieceRects[size_t(sizeClass)],
                    kBltKeyed);
}

void BindMonster(FormState& s) {
    s.bases[kShown] = reinterpret_cast<std::byte*>(&MonsterTable[size_t(s.record)]);
    s.bases[kRecordZero] = reinterpret_cast<std::byte*>(&MonsterTable[0]);
    s.bases[kState] = reinterpret_cast<std::byte*>(&s.record);
}

}  // namespace

void DrawMonsterEditor(int16_t monster, int16_t tab, int16_t flip, int16_t copySource) {
    FormState state;
    state.record = std::clamp<int16_t>(monster, 0, kLastMonster);
    state.page = tab;
    BindMonster(state);
    const MonsterRecord& m = Shown(state);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 23, 1, "Monster Editor");
    DrawMonsterPicture(m.MonsterPicture);
    DrawTabRow(30, 150, 5, tab, {"Stats", "Melee", "Missile", "Resistance", "On Death"}, 4);
    DrawDivider(25, 160, 23);
    DrawDivider(25, 388, 23);
    DrawFormFields(kMonsterFields, state);
    if (tab == kOnDeath && m.MonsterDeathItem[0] > 0) {
        std::array<char, kItemNameSize> name{};
        ItemDisplayName(m.MonsterDeathItem[0], m.MonsterDeathItem[1], m.MonsterDeathItem[2], 0, name);
        DrawSmallText(180, 230, name.data(), kSmallBlue);
    }
    DrawSteppers(kSteppers);
    DrawButton(50, 435, 3, "Copy");
    DrawButton(120, 435, 3, "Paste");
    DrawFormClose(kClose);
    if (copySource >= 0) DrawSmallText(200, 440, "Copy M=" + std::string(NumberText(copySource)), kSmallBlue);
    if (flip) Flip();
}

void RunMonsterEditor() {
    const RecordForm form{.screen = "monster editor",
                          .fields = kMonsterFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastMonster,
                          .lastPage = kOnDeath};
    FormState state;
    int16_t copySource = -1;
    const FormDraw draw = [&](const FormState& s, uint32_t flip) {
        DrawMonsterEditor(s.record, s.page, int16_t(flip), copySource);
    };
    FormHooks hooks;
    hooks.before = [](FormState& s, const FormRedraw&) {
        int changed = 0;
        for (int16_t tab = 0; tab <= kOnDeath; ++tab) {
            if (ButtonClicked(int16_t(30 + 80 * tab), 150, 8, 0, 0, 1, 1)) {
                s.page = tab;
                changed = 1;
            }
        }
        if (TabPressed(1)) {
            s.page = int16_t((s.page + 1) % (kOnDeath + 1));
            changed = 1;
        }
        return changed;
    };
    hooks.after = [&](FormState& s, const FormRedraw&) {
        int changed = 0;
        if (ButtonClicked(50, 435, 6, 0, 0, 1, 1)) {
            copySource = s.record;
            changed = 1;
        }
        if (ButtonClicked(120, 435, 6, 0, 0, 1, 0)) {
            // The whole record: name, picture and, onto record 0, the universal multiplier.
            if (copySource >= 0 && copySource != s.record) {
                MonsterTable[size_t(s.record)] = MonsterTable[size_t(copySource)];
                copySource = -1;
                PlaySoundEffect("click");
                changed = 1;
            } else {
                PlaySoundEffect("no");
            }
        }
        return changed;
    };
    RunRecordForm(form, state, BindMonster, draw, hooks);
}

void CalcMonsterXp(int16_t first, int16_t last) {
    const auto add = [](int16_t xp, int32_t n) { return int16_t(uint16_t(xp + n)); };
    const int32_t heroLevel = GameState.HeroLevel;
    const int16_t multiplier = MonsterTable[0].UniversalXpMultiplier;
    // x0.5, x0.75, x1, x1.1 .. x1.5 as fractions; any other multiplier leaves the award.
    constexpr std::array<std::array<int32_t, 2>, 8> kFractions = {
        {{1, 2}, {3, 4}, {1, 1}, {11, 10}, {12, 10}, {13, 10}, {14, 10}, {15, 10}}};
    for (int32_t n = std::max<int16_t>(first, 0); n <= std::min<int16_t>(last, kLastMonster); ++n) {
        MonsterRecord& m = MonsterTable[size_t(n)];
        if (m.MonsterType <= 0) continue;
        const int16_t base = std::max(m.MonsterMeleeSkill, m.MonsterMissileSkill);
        const int16_t unit = std::max<int16_t>(int16_t(base / 5), 1);
        int16_t xp = base;
        if (m.MonsterPower > 0) xp = add(xp, unit);
        if (m.MonsterAffliction > 0) xp = add(xp, unit);
        if (m.MonsterElement > 0) xp = add(xp, unit);
        if (m.MonsterOnDeath > 1) xp = add(xp, 2 * unit);
        if (m.MonsterWalksThroughWalls) xp = add(xp, unit);
        if (m.MonsterSpellImmune) xp = add(xp, unit);
        if (m.MonsterGhostTouch) xp = add(xp, unit);
        if (m.MonsterFearInducing) xp = add(xp, 2 * unit);
        if (m.MonsterDr > heroLevel) xp = add(xp, unit);
        if (m.MonsterHitPoints > 10 * heroLevel) xp = add(xp, unit);
        xp = std::max<int16_t>(int16_t(xp * 8 / 10), 1);
        if (multiplier >= 0 && size_t(multiplier) < kFractions.size()) {
            const auto& [num, den] = kFractions[size_t(multiplier)];
            xp = int16_t(uint16_t(xp * num / den));
        }
        m.MonsterXpAward = xp;
    }
}
