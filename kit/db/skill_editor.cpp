#include "kit/db/skill_editor.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "data/data_files.h"
#include "data/skill_bonus.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 14> SkillPageLabels = {
    "Armsmaster", "Auras",     "Curse",      "Critical Hit", "Disarm Traps", "Dual Weapons", "Gemlore",
    "Pick Locks", "Prayer",    "Resilience", "Stealth",      "Targeteer",    "Quest Skills", "None"};
constinit const std::array<std::string_view, 14> GemlorePowerLabels = {
    "Acid Cloud (3x3)", "Ice Storm (5x5)", "Lightning (1x1)", "Inferno (3x3)", "Acid Shield",
    "Cold Shield",      "Elect Shield",    "Fire Shield",     "Dimension Door", "True Sight",
    "Heroism",          "Magic Shield",    "Water Walk",      "Gills"};
constinit const std::array<std::string_view, 8> PrayerPowerLabels = {
    "Healing", "Divine Cure", "Unbind", "Blessing", "Mind Shield", "Body Shield", "Water Walk", "Smite"};
constinit const std::array<std::string_view, 5> CursePowerLabels = {"Incompetence", "Vulnerability", "Weakness",
                                                                    "Life Drain", "Earth Maw"};

namespace {

// The editor's pages are -1 ("Spend Skill Points") .. 12; the form counts them from 0.
constexpr int16_t kLastPage = 12;
constexpr int16_t kCurse = 2, kGemlore = 6, kPrayer = 8;
constexpr int8_t FormPage(int16_t page) { return int8_t(page + 1); }
constexpr uint8_t kBonus = 0, kPower = 1, kPage = 2;  // the form's bases; the power is the form's record

#define AT(field) offsetof(SkillBonusRecord, field)
constexpr size_t kColumn = sizeof(SkillColumn);
constexpr int16_t kMax = 999;

constexpr std::array<std::string_view, 20> kSkillValues = {"1",  "2",  "3",  "4",  "5",  "6",  "7",
                                                           "8",  "9",  "10", "11", "12", "13", "14",
                                                           "15", "16", "17", "18", "19", "20"};

struct Column {
    size_t offset;
    int16_t max = kMax;
};

// Skill values 1..10 on the left and 11..20 on the right, each column's entry beside them; entry
// 0 of a column is never shown. The right header is the left one unless given.
template <size_t N>
constexpr auto ValueTable(std::string_view header, std::array<Column, N> columns, std::string_view rightHeader = {},
                          int16_t secondX = 200) {
    std::array<FormField, 2 + 20 + 20 * N> out{};
    size_t at = 0;
    out[at++] = FormNote({50, 170, header, kSmallBlue});
    out[at++] = FormNote({330, 170, rightHeader.empty() ? header : rightHeader, kSmallBlue});
    for (int16_t r = 0; r < 10; ++r) {
        out[at++] = FormNote({50, int16_t(190 + 20 * r), kSkillValues[size_t(r)], kSmallBlue});
        out[at++] = FormNote({330, int16_t(190 + 20 * r), kSkillValues[size_t(r + 10)], kSmallBlue});
    }
    for (size_t c = 0; c < N; ++c) {
        const int16_t x = c == 0 ? int16_t(100) : secondX;
        for (int16_t r = 0; r < 10; ++r) {
            const int16_t y = int16_t(185 + 20 * r);
            out[at++] = NumberField(columns[c].offset + 2 * size_t(r + 1), 0, columns[c].max, {x, y, 40});
            out[at++] = NumberField(columns[c].offset + 2 * size_t(r + 11), 0, columns[c].max, {int16_t(x + 280), y, 40});
        }
    }
    return out;
}
constexpr auto OneColumn(std::string_view header, size_t offset) { return ValueTable<1>(header, {{{offset}}}); }
constexpr auto TwoColumns(std::string_view header, size_t first, size_t second, std::string_view rightHeader = {}) {
    return ValueTable<2>(header, {{{first}, {second}}}, rightHeader);
}

constexpr auto SingleValue(size_t offset) {
    return std::array{NumberField(offset, 0, kMax, {200, 165, 40}, {50, 170, "Minimum Skill to use:", kSmallBlue})};
}
constexpr auto ValueAndDuration(size_t offset, size_t duration) {
    return JoinFields(SingleValue(offset),
                      NumberField(duration, 0, kMax, {120, 205, 40}, {50, 210, "Duration:", kSmallBlue}));
}
constexpr auto TextOnly(std::string_view text) { return std::array{FormNote({50, 170, text, kSmallBlue})}; }

template <size_t N, class Make>
constexpr auto PerPower(Make make) {
    std::array<decltype(make(size_t(0))), N> out{};
    for (size_t k = 0; k < N; ++k) out[k] = make(k);
    return out;
}

// ---- The cells of each page and power ----------------------------------------------------------

constexpr auto SpendPointCells = std::array{
    NumberField(AT(NewPcStatPoints), 0, 99, {290, 185, 160, 2}, {140, 190, "New PC Stat points:"}),
    NumberField(AT(LevelUpStatPoints), 0, 99, {290, 215, 160, 2}, {140, 220, "Level up Stat points:"}),
    NumberField(AT(NewPcSkillPoints), 0, 99, {290, 285, 160, 2}, {140, 290, "New PC Skill points:"}),
    NumberField(AT(LevelUpSkillPoints), 0, 99, {290, 315, 160, 2}, {140, 320, "Level up Skill points:"})};

constexpr std::array<std::string_view, 6> kAuraLines = {
    "Evocation: Increase damage of all offensive spells by         Da per skill point",
    "          Looting: Increase percentage of Gp found by         % per skill point",
    "           Overcharge: Increase damage of wands by by         Da per skill point",
    "         Regeneration: Prayer/Potion Healing bonus of         x HP per skill point",
    "       Vengeance: When enemy melee hits you, it takes         Da per 2 skill points",
    "                  Wisdom: Xp rewards are increased by         % per skill point"};
constexpr auto AuraCells = PerPower<6>([](size_t i) {
    return NumberField(AT(AuraValues) + 2 * i, 0, 100, {360, int16_t(170 + 25 * i), 40},
                       {35, int16_t(175 + 25 * i), kAuraLines[i], kSmallBlue});
});

constexpr auto EditArmsmasterCells =
    TwoColumns("Skill   Damage Bonus    To Hit Bonus", AT(ArmsmasterDamage), AT(ArmsmasterHitBonus));
constexpr auto EditCriticalHitCells =
    TwoColumns("Skill   Crit %          Damage Bonus", AT(CriticalChance), AT(CriticalDamage));
constexpr auto EditDualWeaponsCells =
    ValueTable<2>("Skill   Offhand -CS  Offhand -Da%", {{{AT(OffhandHitPenalty)}, {AT(OffhandDamagePenalty), 99}}}, {},
                  190);
constexpr auto EditResilienceCells = TwoColumns("Skill   Elem Resist      DR", AT(ResilienceResist), AT(ResilienceDr),
                                                "Skill   Elem Resist     DR");
constexpr auto EditTargeteerCells =
    TwoColumns("Skill   Damage Bonus    To Hit Bonus", AT(TargeteerDamage), AT(TargeteerHitBonus));

constexpr size_t kNameSize = sizeof(SkillBonusRecord::QuestSkillNames[0]);
constexpr auto EditQuestSkillNames = JoinFields(
    FormNote({100, 170, "Quest Skill names", kSmallBlue}), PerPower<13>([](size_t i) {
        const int16_t x = i < 7 ? 120 : 320;
        const int16_t y = int16_t(185 + 22 * (i < 7 ? i : i - 7));
        return TextField(AT(QuestSkillNames) + kNameSize * i, kNameSize, 15, {x, y, 160, 8},
                         {int16_t(x - 20), int16_t(y + 5), kSkillValues[i]});
    }));

constexpr auto EditGemSpellCells =
    PerPower<4>([](size_t k) { return OneColumn("Skill   Max Damage", AT(GemSpellMaxDamage) + kColumn * k); });
constexpr auto EditGemShieldCells = PerPower<4>([](size_t k) {
    const size_t table = AT(GemResistTables) + 2 * kColumn * k;
    return TwoColumns("Skill   Damage Reduct    Dur", table, table + kColumn);
});
constexpr auto EditDimensionDoorCells = SingleValue(AT(DimensionDoorMinSkill));
constexpr std::array<std::array<std::string_view, 2>, 3> kBuffHeaders = {
    {{"Skill    Aware +       Dur", "Skill   Aware +        Dur"},
     {"Skill    Hit bonus       Dur", "Skill   Hit bonus        Dur"},
     {"Skill   DR bonus        Dur", ""}}};
constexpr auto EditGemBuffCells = PerPower<3>([](size_t k) {
    const size_t table = AT(GemBuffTables) + 2 * kColumn * k;
    return TwoColumns(kBuffHeaders[k][0], table, table + kColumn, kBuffHeaders[k][1]);
});
constexpr auto EditGemWaterWalkCells = ValueAndDuration(AT(WaterWalkMinSkill), AT(WaterWalkDuration));
constexpr auto EditGillsCells = ValueAndDuration(AT(GillsMinSkill), AT(GillsDuration));

constexpr auto EditHealingCells = OneColumn("Skill   Max Heal", AT(HealingMaxHeal));
constexpr std::array<std::string_view, 9> kAfflictions = {"Tired", "Poison",     "Disease", "Drain", "Curse",
                                                          "Feeblemind", "Aged", "Clutz",   "Undead"};
constexpr auto EditDivineCureCells =
    JoinFields(FormNote({50, 170, "Affliction           Req. Skill", kSmallBlue}), PerPower<9>([](size_t i) {
                   return NumberField(AT(DivineCureReqSkill) + 2 * i, 0, 20, {170, int16_t(185 + 20 * i), 60},
                                      {50, int16_t(190 + 20 * i), kAfflictions[i]});
               }));
constexpr auto EditUnbindCells = SingleValue(AT(UnbindMinSkill));
constexpr auto EditBlessingCells = ValueAndDuration(AT(BlessMinSkill), AT(BlessDuration));
constexpr auto EditShieldPrayerCells = PerPower<2>([](size_t k) {
    const size_t table = AT(ShieldPrayerTables) + 2 * kColumn * k;
    return TwoColumns("Skill   +% resist        Dur", table, table + kColumn);
});
constexpr auto EditPrayerWaterWalkCells = ValueAndDuration(AT(PrayerWaterWalkMinSkill), AT(PrayerWaterWalkDuration));
constexpr auto EditSmiteCells = OneColumn("Skill   Max Damage", AT(SmiteMaxDamage));

constexpr std::array<std::string_view, 3> kCurseHeaders = {"Skill   - To Hit", "Skill   - DR",
                                                           "Skill   % Damage removed"};
constexpr auto EditCurseCells =
    PerPower<3>([](size_t k) { return OneColumn(kCurseHeaders[k], AT(CurseTables) + kColumn * k); });
constexpr auto EditLifeDrainCells =
    TwoColumns("Skill   % Transfer       Dur", AT(LifeDrainPercent), AT(LifeDrainDuration));
constexpr auto EditEarthMawCells = OneColumn("Skill   Max Damage", AT(EarthMawMaxDamage));

constexpr auto kDisarmText = TextOnly("If Skill >= Trap Difficulty, Trap disarmed!");
constexpr auto kPickLocksText = TextOnly("If Skill >= Lock Difficulty, Lock picked!");
constexpr auto kStealthText = TextOnly("If Skill >= Monster Awareness, stealth successful!");
#undef AT

// A page's cells; on the pages with powers, one power's (power -1: a page without powers).
struct SkillCells {
    int16_t page, power;
    std::span<const FormField> cells;
};
const SkillCells kCells[] = {
    {-1, -1, SpendPointCells},
    {0, -1, EditArmsmasterCells},
    {1, -1, AuraCells},
    {kCurse, 0, EditCurseCells[0]},
    {kCurse, 1, EditCurseCells[1]},
    {kCurse, 2, EditCurseCells[2]},
    {kCurse, 3, EditLifeDrainCells},
    {kCurse, 4, EditEarthMawCells},
    {3, -1, EditCriticalHitCells},
    {4, -1, kDisarmText},
    {5, -1, EditDualWeaponsCells},
    {kGemlore, 0, EditGemSpellCells[0]},
    {kGemlore, 1, EditGemSpellCells[1]},
    {kGemlore, 2, EditGemSpellCells[2]},
    {kGemlore, 3, EditGemSpellCells[3]},
    {kGemlore, 4, EditGemShieldCells[0]},
    {kGemlore, 5, EditGemShieldCells[1]},
    {kGemlore, 6, EditGemShieldCells[2]},
    {kGemlore, 7, EditGemShieldCells[3]},
    {kGemlore, 8, EditDimensionDoorCells},
    {kGemlore, 9, EditGemBuffCells[0]},
    {kGemlore, 10, EditGemBuffCells[1]},
    {kGemlore, 11, EditGemBuffCells[2]},
    {kGemlore, 12, EditGemWaterWalkCells},
    {kGemlore, 13, EditGillsCells},
    {7, -1, kPickLocksText},
    {kPrayer, 0, EditHealingCells},
    {kPrayer, 1, EditDivineCureCells},
    {kPrayer, 2, EditUnbindCells},
    {kPrayer, 3, EditBlessingCells},
    {kPrayer, 4, EditShieldPrayerCells[0]},
    {kPrayer, 5, EditShieldPrayerCells[1]},
    {kPrayer, 6, EditPrayerWaterWalkCells},
    {kPrayer, 7, EditSmiteCells},
    {9, -1, EditResilienceCells},
    {10, -1, kStealthText},
    {11, -1, EditTargeteerCells},
    {12, -1, EditQuestSkillNames},
};

bool HasPowers(int16_t page) { return page == kCurse || page == kGemlore || page == kPrayer; }

std::span<const FormField> CellsOf(int16_t page, int16_t power) {
    if (!HasPowers(page)) power = -1;
    for (const SkillCells& c : kCells)
        if (c.page == page && c.power == power) return c.cells;
    return {};
}

// The form's fields: the skill list is opened by the loop, which turns to the first power; the
// power lists are the form's. Value v of the skill list is page v - 1.
std::string_view SkillListLabel(int32_t row) {
    if (row == 0) return "Spend Skill Points";
    return row >= 1 && row <= kLastPage + 1 ? SkillPageLabels[size_t(row - 1)] : std::string_view();
}
constexpr FormField kSkillField =
    ChoiceField(0, SkillListLabel, 14, {100, 110, 160, 7}, ListOf(7, 14), {50, 115, "Skill:"}).From(kPage);
constexpr FormField PowerField(LabelFn labels, int16_t count, int16_t page) {
    return ChoiceField(0, labels, count, {350, 110, 160, 7}, ListOf(7, count), {300, 115, "Power:"})
        .From(kPower)
        .Key('G')
        .On(FormPage(page));
}
constexpr FormField kFields[] = {PowerField(LabelsOf<CursePowerLabels>, 5, kCurse),
                                 PowerField(LabelsOf<GemlorePowerLabels>, 14, kGemlore),
                                 PowerField(LabelsOf<PrayerPowerLabels>, 8, kPrayer)};

const FormClose kClose{.save = {"Save", 240, 410, 5, 'S', 0},
                       .cancel = {"Cancel", 440, 410, 5, 27, 'D'},
                       .saver = SaveSkillBonusFile,
                       .loader = LoadSkillBonusFile,
                       .fileName = "SkillBonus.dat",
                       .savedText = " Skill Bonus File Saved!"};

void Bind(FormState& s) {
    s.bases[kBonus] = reinterpret_cast<std::byte*>(&SkillBonus);
    s.bases[kPower] = reinterpret_cast<std::byte*>(&s.record);
    s.bases[kPage] = reinterpret_cast<std::byte*>(&s.page);
}

void DrawCells(int16_t page, int16_t power) {
    FormState state;
    Bind(state);
    DrawFormFields(CellsOf(page, power), state);
}

}  // namespace

static_assert(ValidForm(kFields));
static_assert(ValidForm(EditQuestSkillNames) && ValidForm(EditDivineCureCells) && ValidForm(EditDualWeaponsCells));

void DrawGemlorePowerTable(int16_t power) { DrawCells(kGemlore, power); }
void DrawPrayerPowerTable(int16_t power) { DrawCells(kPrayer, power); }
void DrawCursePowerTable(int16_t power) { DrawCells(kCurse, power); }

void DrawSkillEditor(int16_t page, int16_t power, int16_t flip) {
    FormState state;
    state.page = FormPage(std::clamp<int16_t>(page, -1, kLastPage));
    state.record = power;
    Bind(state);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 29, 22, 1, "Skill Editor");
    DrawFormFields({&kSkillField, 1}, state);
    DrawFormFields(kFields, state);
    DrawDivider(25, 140, 28);
    switch (page) {
        case kCurse: DrawCursePowerTable(power); break;
        case kGemlore: DrawGemlorePowerTable(power); break;
        case kPrayer: DrawPrayerPowerTable(power); break;
        default: DrawCells(page, power);
    }
    DrawDivider(25, 390, 28);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunSkillEditor() {
    const RecordForm form{.screen = "skill editor", .fields = kFields, .steppers = {}, .close = kClose};
    FormState state;
    state.page = FormPage(-1);
    FormHooks hooks;
    hooks.before = [](FormState& s, const FormRedraw& redraw) {
        if (!ButtonClicked(100, 110, 16, 'C', 0, 1, 1)) return 0;
        redraw(0);
        // The list stays open until a row is taken.
        s.page = ChooseFormValue(kSkillField, s.page, 0);
        s.record = 0;
        return 1;
    };
    hooks.after = [](FormState& s, const FormRedraw& redraw) {
        EditFormFields(CellsOf(int16_t(s.page - 1), s.record), s, redraw);
        return 0;  // a hit has redrawn already
    };
    RunRecordForm(form, state, Bind, [](const FormState& s, uint32_t flip) {
        DrawSkillEditor(int16_t(s.page - 1), s.record, int16_t(flip));
    }, hooks);
}
