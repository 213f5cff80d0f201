#include "kit/script/script_line_layouts.h"

#include "adventure/square_triggers.h"
#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "hero/hero_names.h"
#include "platform/fonts.h"
#include "script/script_codes.h"
#include "script/symbol_names.h"

namespace {

using K = RowPieceKind;

constexpr std::array<std::string_view, 4> kQuestStates = {"Inactive", "Active", "Complete", "Cancelled"};
constexpr std::array<std::string_view, 8> kStatBonusesAfterStats = {
    "Acid Resist", "Cold Resist", "Elec Resist", "Fire Resist", "Mind Save", "Body Save", "Skill Pts", "Stat Pts"};
constexpr std::array<std::string_view, 11> kAfflictions = {
    "None", "Poison", "Disease", "Curse", "Drain", "Petrify", "Paralysis", "Feeblemind", "Aged", "Clutz", "Undeath"};
constexpr std::array<std::string_view, 5> kShapes = {"Falcon", "Wolf", "Bear", "Shrink", "Restore"};
constexpr std::array<std::string_view, 5> kHealTypes = {"Wounds", "Charges", "Afflictions", "All", "Rest"};
constexpr std::array<std::string_view, 2> kWinTexts = {"VexWin1", "VexWin2"};
constexpr std::array<std::string_view, 2> kGlyphKinds = {"Rune", "Hiero"};
constexpr std::array<std::string_view, 2> kMonsterAreas = {"All level", "Spell circle"};
constexpr std::array<std::string_view, 2> kTakeOrDiscard = {"Taken", "Discarded"};
constexpr std::array<std::string_view, 2> kFacings = {"Left", "Right"};

std::string_view SexName(int32_t i) { return NameAt(SexNames, i); }
std::string_view StatName(int32_t i) { return NameAt(StatNames, i); }
std::string_view TattooName(int32_t i) { return NameAt(TattooNames, i); }
std::string_view TakenName(int32_t i) { return NameAt(kTakeOrDiscard, i); }
std::string_view FacingName(int32_t i) { return NameAt(kFacings, i); }
std::string_view SoundEffectName(int32_t i) {
    return i >= 0 && size_t(i) < SoundNames.size() && SoundNames[size_t(i)] ? SoundNames[size_t(i)] : "";
}

constexpr RowPiece Label(int16_t x, std::string_view text, int16_t colour = kSmallBlack) {
    return {K::Label, x, 0, 0, 0, 0, nullptr, text, colour, 0, 0};
}
// A number field of two pieces (three for the big sums), entered within lo..hi.
constexpr RowPiece Entry(int16_t x, int16_t op, int16_t lo, int16_t hi, int16_t pieces = 2) {
    return {K::Number, x, pieces, op, lo, hi, nullptr, {}, kSmallBlack, 0, 0};
}
constexpr RowPiece Cycle(int16_t x, int16_t pieces, int16_t op, int16_t last, RowNames names, int16_t clickUnits = 0,
                         int16_t clickX = 0) {
    return {K::Names, x, pieces, op, 0, last, names, {}, kSmallBlack, clickX, clickUnits};
}
constexpr RowPiece Toggle(int16_t x, int16_t pieces, int16_t op, RowNames names, int16_t clickUnits = 0) {
    return {K::Toggle, x, pieces, op, 0, 1, names, {}, kSmallBlack, 0, clickUnits};
}
constexpr RowPiece Compare(int16_t x, int16_t op) { return {K::CompareOp, x, 2, op, 0, 5, nullptr, {}, kSmallBlack, 0, 0}; }
constexpr RowPiece Assign(int16_t x, int16_t op) { return {K::AssignOp, x, 2, op, 0, 2, nullptr, {}, kSmallBlack, 0, 0}; }
constexpr RowPiece ItemBrowse(int16_t x) { return {K::ItemIcon, x, 0, 0, 0, 0, nullptr, {}, kSmallBlack, 0, 0}; }
constexpr RowPiece MonsterBrowse(int16_t x) { return {K::MonsterIcon, x, 0, 0, 0, 0, nullptr, {}, kSmallBlack, 0, 0}; }
constexpr RowPiece ShownName(int16_t x, RowNames names) { return {K::NameText, x, 0, 0, 0, 0, names, {}, kSmallBlue, 0, 0}; }
constexpr RowPiece LineText(RowPieceKind kind, int16_t pieces, int16_t length, int16_t clickUnits) {
    return {kind, 100, pieces, 0, 0, length, nullptr, {}, kSmallBlack, 0, clickUnits};
}

constexpr RowPiece EditTextLineOperands[] = {
    LineText(K::ChainText, 18, 56, 36),
    {K::ImportIcon, 460, 0, 0, 0, 0, nullptr, {}, kSmallBlack, 0, 0},
};
constexpr RowPiece EditUSEOperands[] = {
    Label(100, " Op1"), Entry(135, 0, -1, 1000), Label(175, " Op2"), Entry(210, 1, -1, 1000),
    Label(250, " Op3"), Entry(285, 2, -1, 1000), Label(325, " Op4"), Entry(360, 3, -1, 1000),
    Label(400, " Op5"), Entry(435, 4, -1, 1000),
};
constexpr RowPiece EditMRKOperands[] = {
    Label(100, "Mark          ////////////////////////////////////////////////", kSmallBlue), Entry(135, 0, -1, 99)};
constexpr RowPiece EditCSCOperands[] = {Label(100, "Script"), Entry(145, 0, -1, 99), Label(190, "Mark"),
                                        Entry(220, 1, -1, 99)};
constexpr RowPiece EditGOTOperands[] = {Label(100, "GOTO"), Entry(135, 0, -1, 1000)};
constexpr RowPiece LSCLabels[] = {Label(100, "<Leave> to end script!")};
constexpr RowPiece EditSFLOperands[] = {Label(100, "Flag"), Entry(135, 0, 0, 7999), Label(175, " Op"),
                                        Assign(210, 1),     Label(250, " Val"),     Entry(285, 2, -1, 999)};
constexpr RowPiece EditSQUOperands[] = {Label(100, " Num"), Entry(135, 0, 0, 199), Label(175, " Val"),
                                        Cycle(205, 4, 1, 3, QuestStateName, 4, 210), ShownName(295, QuestTitleOf)};
constexpr RowPiece EditBSEOperands[] = {Label(100, "Item"),        Entry(135, 0, -1, 713), Label(185, "GP (Each)"),
                                        Entry(245, 1, -1, 5000),   Label(290, "+1 Flag"),  Entry(345, 2, -1, 7999),
                                        ShownName(390, ItemNameOf)};
constexpr RowPiece EditIFLOperands[] = {Label(100, "Flag"),  Entry(135, 0, -1, 7999), Label(175, " Op"),
                                        Compare(210, 1),     Label(250, " Val"),      Entry(285, 2, -1, 999),
                                        Label(325, " Goto"), Entry(360, 3, -1, 1000)};
constexpr RowPiece EditILEOperands[] = {Label(100, "If Level >="), Entry(185, 0, -1, 99), Label(225, " GOTO"),
                                        Entry(260, 1, -1, 1000)};
constexpr RowPiece EditICAOperands[] = {Label(100, " Num            +       +"),
                                        Entry(135, 0, -1, 713),
                                        ItemBrowse(175),
                                        Entry(205, 2, -1, 713),
                                        Entry(255, 3, -1, 713),
                                        Label(295, " Goto"),
                                        Entry(330, 1, -1, 1000),
                                        ShownName(375, ItemNameOf)};
constexpr RowPiece EditIWEOperands[] = {Label(100, " Num"),  Entry(135, 0, -1, 713),  ItemBrowse(175),
                                        Label(195, " Goto"), Entry(230, 1, -1, 1000), ShownName(285, ItemNameOf)};
constexpr RowPiece EditISEOperands[] = {Label(100, " Sex"), Cycle(140, 3, 0, 1, SexName, 6, 135), Label(205, " Goto"),
                                        Entry(240, 1, -1, 1000)};
constexpr RowPiece EditIQUOperands[] = {Label(100, " Num"),  Entry(135, 0, 0, 199),
                                        Label(175, " =="),   Cycle(210, 4, 1, 3, QuestStateName, 4),
                                        Label(305, " Goto"), Entry(340, 2, -1, 1000)};
constexpr RowPiece EditISTOperands[] = {Label(100, " Stat"),   Cycle(135, 4, 0, 6, StatName), Label(215, "  >="),
                                        Entry(250, 1, -1, 99), Label(290, " GOTO"),           Entry(325, 2, -1, 1000)};
constexpr RowPiece EditISKOperands[] = {Label(97, " Skill"), Cycle(135, 5, 0, 11, ScriptSkillName),
                                        Label(225, "  >="),  Entry(260, 1, -1, 99),
                                        Label(300, " GOTO"), Entry(335, 2, -1, 1000)};
constexpr RowPiece EditTALOperands[] = {
    Label(90, "If Flag"),   Entry(135, 0, -1, 7999),       Label(175, " Op"),      Compare(210, 1), Label(250, " Val"),
    Entry(285, 2, -1, 999), Label(330, "then +1 to Flag"), Entry(425, 3, -1, 7999)};
constexpr RowPiece EditIANOperands[] = {LineText(K::Text, 10, 23, 20), Label(320, "Goto"), Entry(350, 0, -1, 1000)};
constexpr RowPiece EditGGPOperands[] = {Label(100, " Gp"), Entry(145, 0, -1, 5000, 3)};
constexpr RowPiece EditGXPOperands[] = {Label(100, " Xp"), Entry(145, 0, -1, 5000, 3)};
constexpr RowPiece EditGITOperands[] = {Label(100, "Num"),     Entry(135, 0, 0, 713),     ItemBrowse(175),
                                        Label(199, "Powr"),    Entry(230, 1, -1, 99),     Label(274, "Char"),
                                        Entry(305, 2, -1, 99), ShownName(350, ItemNameOf)};
constexpr RowPiece EditGIFOperands[] = {Label(100, "Food"), Entry(135, 0, -1, 99)};
constexpr RowPiece EditAFFOperands[] = {Label(100, " Afflict"), Cycle(165, 4, 0, 9, AfflictionName)};
constexpr RowPiece EditGSTOperands[] = {Label(100, " Stat"), Cycle(135, 4, 0, 14, StatBonusName), Label(215, " plus"),
                                        Entry(250, 1, -1, 99)};
constexpr RowPiece EditGSKOperands[] = {Label(97, " Skill"), Cycle(135, 5, 0, 11, ScriptSkillName),
                                        Label(225, "  plus"), Entry(270, 1, -1, 99)};
constexpr RowPiece EditSSHOperands[] = {Label(97, "Form: "),         Cycle(130, 3, 0, 4, ShapeName, 10),
                                        Label(205, "CS:"),           Entry(230, 1, 0, 50),
                                        Label(285, "DR:"),           Entry(310, 2, 0, 50),
                                        Label(365, "DA:        d6"), Entry(390, 3, 0, 50)};
constexpr RowPiece EditASHOperands[] = {Label(97, "Access shop at X=          Y="), Entry(205, 0, 0, 49),
                                        Entry(285, 1, 0, 49)};
constexpr RowPiece EditTGPOperands[] = {Label(105, "Amount"), Entry(150, 0, -1, 9999), Label(200, " GOTO"),
                                        Entry(235, 1, -1, 1000)};
constexpr RowPiece ROBLabels[] = {Label(100, "Take all gp!")};
constexpr RowPiece EditTITOperands[] = {Label(100, "Num"), Entry(135, 0, -1, 713), ItemBrowse(175),
                                        Toggle(200, 4, 1, TakenName, 4), ShownName(290, ItemNameOf)};
constexpr RowPiece EditTFOOperands[] = {Label(100, "food"), Entry(135, 0, -1, 99), Label(175, " GOTO"),
                                        Entry(210, 1, -1, 1000)};
// Operand 1 has no field. The game refuses a level or square outside the world, so the
// entries offer none.
constexpr RowPiece EditTELOperands[] = {Label(100, "Map"),    Entry(135, 0, 0, 129), Label(180, "  X"),
                                        Entry(215, 2, 0, 49), Label(255, "  Y"),     Entry(290, 3, 0, 49)};
constexpr RowPiece EditHEAOperands[] = {Label(100, " Type"), Cycle(135, 4, 0, 4, HealTypeName)};
constexpr RowPiece EditWINOperands[] = {Label(100, "Win game!                      (refer to 'Win Text' editor)"),
                                        Cycle(185, 4, 0, 1, WinTextName)};
constexpr RowPiece EditBLAOperands[] = {LineText(K::Text, 18, 56, 36)};
constexpr RowPiece KILLabels[] = {Label(100, "Instantly Kill PC here!", kSmallRed)};
constexpr RowPiece EditDAMOperands[] = {Label(100, " Type"),
                                        Cycle(135, 4, 0, 4, DamageTypeName, 7),
                                        Label(225, "Damage"),
                                        {K::Dice, 285, 4, 1, 0, 0, nullptr, {}, kSmallBlack, 0, 4}};
constexpr RowPiece EditSCOOperands[] = {Label(100, "Score +="), Entry(155, 0, 0, 100)};
constexpr RowPiece EditGTAOperands[] = {Label(100, " Tattoo"), Cycle(155, 5, 0, 9, TattooName, 5)};
constexpr RowPiece REMLabels[] = {Label(100, "---------------------------------------------------", kSmallRed)};
constexpr RowPiece EditSMOOperands[] = {Label(100, "Monst:"),
                                        Entry(140, 0, 0, 299),
                                        MonsterBrowse(180),
                                        Label(205, "X="),
                                        Entry(220, 1, 0, 49),
                                        Label(265, "Y="),
                                        Entry(280, 2, 0, 49),
                                        Label(325, "Face"),
                                        Toggle(353, 2, 3, FacingName),
                                        ShownName(400, MonsterNameOf)};
constexpr RowPiece TAILabels[] = {Label(105, "All PC items removed (and stored)", kSmallRed)};
constexpr RowPiece RAILabels[] = {Label(105, "All PC items returned (from store)", kSmallRed)};
constexpr RowPiece EditIGPOperands[] = {Label(105, "If PC Gp >="), Entry(185, 0, 0, 5000), Label(225, " Goto"),
                                        Entry(260, 1, -1, 1000)};
constexpr RowPiece EditCGGOperands[] = {Label(105, "Give Gp = Flag"), Entry(205, 0, 0, 7999), Label(245, " x "),
                                        Entry(280, 1, -1, 1000)};
constexpr RowPiece EditGRHOperands[] = {{K::GlyphKind, 100, 3, 0, 0, 1, GlyphKindName, {}, kSmallBlack, 0, 0},
                                        {K::GlyphChoice, 200, 7, 1, 0, 41, nullptr, {}, kSmallBlack, 0, 0},
                                        {K::NumberText, 360, 0, 1, 0, 0, nullptr, {}, kSmallRed, 0, 0}};
constexpr RowPiece EditPSOOperands[] = {Label(100, "Play sound effect"), Cycle(260, 4, 0, 25, SoundEffectName, 6)};
constexpr RowPiece BAGLabels[] = {Label(100, "Give PC the Bag of Holding!")};
// -1 is the interpreter's "no jump" for a roll.
constexpr RowPiece EditRoll1d5Operands[] = {Label(100, "Roll 1d5, goto"), Entry(195, 0, -1, 99), Entry(240, 1, -1, 99),
                                            Entry(285, 2, -1, 99),        Entry(330, 3, -1, 99), Entry(375, 4, -1, 99)};
constexpr RowPiece EditIfRollOperands[] = {Label(100, "Roll 1d"), Entry(145, 0, -1, 1000), Label(185, ". If roll"),
                                           Compare(240, 1),       Label(280, " Val"),      Entry(315, 2, -1, 999),
                                           Label(355, " Goto"),   Entry(390, 3, -1, 1000)};
constexpr RowPiece EditRollStatOperands[] = {
    Label(100, "Roll 1d"), Entry(145, 0, -1, 1000),       Label(185, ". If roll"), Compare(240, 1),
    Label(280, " Stat"),   Cycle(320, 4, 2, 6, StatName), Label(405, " Goto"),     Entry(440, 3, -1, 1000)};
constexpr RowPiece EditRollSkillOperands[] = {Label(100, "Roll 1d"),   Entry(145, 0, -1, 1000),
                                              Label(185, ". If roll"), Compare(240, 1),
                                              Label(280, " Skill"),    Cycle(320, 4, 2, 10, ScriptSkillName),
                                              Label(405, " Goto"),     Entry(440, 3, -1, 1000)};
constexpr RowPiece EditSFFOperands[] = {Label(100, "Flag"), Entry(135, 0, 0, 7999),    Label(175, " Op"),
                                        Assign(210, 1),     Label(250, " Flag", kSmallRed), Entry(285, 2, -1, 7999)};
constexpr RowPiece EditCMOOperands[] = {Label(100, "Change monster"), Entry(195, 0, 0, 299),
                                        Label(235, " to         Area:"), Entry(260, 1, 0, 299),
                                        Cycle(350, 4, 2, 1, MonsterAreaName)};
constexpr RowPiece EditIPAOperands[] = {Label(97, "If portal         active, goto"), Entry(155, 0, 0, 49),
                                        Entry(295, 1, 0, 49)};
constexpr RowPiece EditRMOOperands[] = {Label(97, "Remove monster, flag ="), Entry(245, 0, 0, 7999)};
constexpr RowPiece EditPUIOperands[] = {Label(97, "Select item to power up! Power plus:"), Entry(385, 0, 0, 20)};
constexpr RowPiece EditICXOperands[] = {Label(97, "If carrying         or more of item         goto"),
                                        Entry(170, 0, -1, 50), Entry(315, 1, -1, 713), Entry(400, 2, -1, 99)};
constexpr RowPiece EditSTLOperands[] = {Label(97, "Set Time Loop counter="), Entry(245, 0, 0, 1000)};
constexpr RowPiece EditTSPOperands[] = {Label(105, "Amount"), Entry(150, 0, -1, 9999), Label(200, " GOTO"),
                                        Entry(235, 1, -1, 1000)};
constexpr RowPiece RGWLabels[] = {Label(105, "Reset all flags. Remove all quest items.", kSmallRed)};
constexpr RowPiece EditGLOOperands[] = {Cycle(105, 5, 0, 12, QuestSkillName)};

const std::array<std::span<const RowPiece>, kScriptCodeCount> kLayouts = {{
    {},                     // 0
    EditTextLineOperands,   // 1 TXT
    EditTextLineOperands,   // 2 BTX
    EditTextLineOperands,   // 3 RTX
    EditUSEOperands,        // 4
    EditMRKOperands,        // 5
    EditCSCOperands,        // 6
    EditGOTOperands,        // 7
    LSCLabels,              // 8
    {},                     // 9 END
    EditSFLOperands,        // 10
    EditSQUOperands,        // 11
    EditBSEOperands,        // 12
    EditIFLOperands,        // 13
    EditILEOperands,        // 14
    EditICAOperands,        // 15
    EditIWEOperands,        // 16
    EditISEOperands,        // 17
    EditIQUOperands,        // 18
    EditISTOperands,        // 19
    EditISKOperands,        // 20
    EditTALOperands,        // 21
    EditIANOperands,        // 22
    EditGGPOperands,        // 23
    EditGXPOperands,        // 24
    EditGITOperands,        // 25
    EditGIFOperands,        // 26
    EditAFFOperands,        // 27
    EditGSTOperands,        // 28
    EditGSKOperands,        // 29
    EditSSHOperands,        // 30
    EditASHOperands,        // 31
    EditTGPOperands,        // 32
    ROBLabels,              // 33
    EditTITOperands,        // 34
    EditTFOOperands,        // 35
    EditTELOperands,        // 36
    EditHEAOperands,        // 37
    EditWINOperands,        // 38
    EditBLAOperands,        // 39
    KILLabels,              // 40
    EditDAMOperands,        // 41
    EditSCOOperands,        // 42
    EditGTAOperands,        // 43
    REMLabels,              // 44
    EditSMOOperands,        // 45
    TAILabels,              // 46
    RAILabels,              // 47
    EditIGPOperands,        // 48
    EditCGGOperands,        // 49
    EditGRHOperands,        // 50
    EditPSOOperands,        // 51
    BAGLabels,              // 52
    EditRoll1d5Operands,    // 53
    EditIfRollOperands,     // 54
    EditRollStatOperands,   // 55
    EditRollSkillOperands,  // 56
    EditSFFOperands,        // 57
    EditCMOOperands,        // 58
    EditIPAOperands,        // 59
    EditRMOOperands,        // 60
    EditPUIOperands,        // 61
    EditICXOperands,        // 62
    EditSTLOperands,        // 63
    EditTSPOperands,        // 64
    RGWLabels,              // 65
    EditGLOOperands,        // 66
}};

}  // namespace

std::span<const RowPiece> ScriptLineLayout(int16_t code) {
    return code >= 0 && code < kScriptCodeCount ? kLayouts[size_t(code)] : std::span<const RowPiece>();
}

std::string_view QuestStateName(int32_t i) { return NameAt(kQuestStates, i); }
std::string_view StatBonusName(int32_t i) {
    return i < 7 ? NameAt(StatNames, i) : NameAt(kStatBonusesAfterStats, i - 7);
}
std::string_view ScriptSkillName(int32_t i) { return i == 12 ? "Quest Skills" : NameAt(SkillNames, i); }
std::string_view AfflictionName(int32_t i) { return NameAt(kAfflictions, i); }
std::string_view ShapeName(int32_t i) { return NameAt(kShapes, i); }
std::string_view HealTypeName(int32_t i) { return NameAt(kHealTypes, i); }
std::string_view WinTextName(int32_t i) { return NameAt(kWinTexts, i); }
std::string_view DamageTypeName(int32_t i) { return i == 0 ? "Physical" : NameAt(ElementNames, i - 1); }
std::string_view GlyphKindName(int32_t i) { return NameAt(kGlyphKinds, i); }
std::string_view MonsterAreaName(int32_t i) { return NameAt(kMonsterAreas, i); }

std::string_view QuestSkillName(int32_t i) {
    return i >= 0 && i < 13 ? FieldText(SkillBonus.QuestSkillNames[i]) : std::string_view();
}
std::string_view ItemNameOf(int32_t item) {
    return item >= 0 && item < kItemCount ? FieldText(ItemTable[size_t(item)].ItemName) : std::string_view();
}
std::string_view MonsterNameOf(int32_t monster) {
    return monster >= 0 && monster < kMonsterCount ? FieldText(MonsterTable[size_t(monster)].MonsterName)
                                                   : std::string_view();
}
std::string_view QuestTitleOf(int32_t quest) {
    return quest >= 0 && size_t(quest) < QuestTextTable.size() ? FieldText(QuestTextTable[size_t(quest)].Line[0])
                                                               : std::string_view();
}
