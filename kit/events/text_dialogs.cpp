// The dialogs of the push and step texts and of the smoke signal.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


// "Display Npc pic (-1=none):" with its field and Browse, on the line at y.
constexpr auto NpcPictureLine(int8_t word, int16_t y) {
    return Join(Number(word, -1, 1747, {265, int16_t(y - 5), 40}, {100, y, "Display Npc pic (-1=none):"}),
                BrowseNpc(word, {310, int16_t(y - 5), 60}, 1));
}
constexpr auto TilePictureLine(int8_t word, int16_t y) {
    return Join(Number(word, -1, 2283, {265, int16_t(y - 5), 40}, {100, y, "Display Tile pic (-1=none):"}),
                BrowseTile(word, {310, int16_t(y - 5), 60}));
}
constexpr auto SetFlagLine(int8_t word, int16_t y) {
    return Join(Number(word, -1, 7999, {202, int16_t(y - 5), 60}, {100, y, "Set flag"}),
                AssignOp(int8_t(word + 1), {265, int16_t(y - 5), 40}),
                Number(int8_t(word + 2), -1, 999, {308, int16_t(y - 5), 40}));
}
constexpr auto FlagTestLine(int8_t word) {
    return Join(Number(word, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then..."}),
                CompareOp(int8_t(word + 1), {175, 125, 40}), Number(int8_t(word + 2), -1, 999, {220, 125, 40}));
}

constexpr auto kPushText = Join(
    ActiveCondition(), FlagTestLine(4), NpcPictureLine(7, 155), TilePictureLine(8, 180),
    EditText(0, {310, 200, 60}, {100, 205, "Display Text:"}), SetFlagLine(10, 230),
    Note(350, 230, "Can activate monsters!", kSmallGreen),
    Number(19, -1, 199, {202, 245, 40}, {100, 250, "Remove quest             Add quest"}),
    Number(20, -1, 199, {308, 245, 40}), Note(350, 250, "if 'Remove' exists!", kSmallRed), Note(50, 265, "else..."),
    NpcPictureLine(13, 290), TilePictureLine(14, 315), EditText(1, {310, 335, 60}, {100, 340, "Display Text:"}),
    SetFlagLine(16, 365), Note(350, 365, "Can activate monsters!", kSmallGreen),
    // The NPC's corner over the tile, in each branch.
    TileOf(8, Show::kNotNone, 400, 140), Picture(7, Sheet::kNpcCorner, Show::kNotNone, 400, 140),
    TileOf(14, Show::kNotNone, 400, 275), Picture(13, Sheet::kNpcCorner, Show::kNotNone, 400, 275));
static_assert(ValidDialog(kPushText));

constexpr auto QuestLine(int8_t word, int16_t y, std::string_view label) {
    return Join(Number(word, -1, 199, {202, int16_t(y - 5), 60}, {100, y, label}),
                Choice(int8_t(word + 1), LabelOf<QuestStateLabels>, 4, {308, int16_t(y - 5), 120, 5}, ListOf(5, 4),
                       {270, y, " to"}),
                Name(word, NameOf::kQuest, Show::kAboveNone, {460, y, {}, kSmallBlue}));
}

constexpr auto kStepText = Join(
    ActiveCondition(1, 29),
    Choice(19, LabelOf<ArrivalDirectionLabels>, 5, {450, 75, 120, 5}, ListOf(6, 5), {350, 80, "and came from", kSmallBlue}),
    FlagTestLine(4), TilePictureLine(8, 155), EditText(0, {310, 175, 60}, {100, 180, "Display Text:"}),
    SetFlagLine(10, 205), QuestLine(20, 230, "Set Quest 1"), QuestLine(22, 255, "Set Quest 2"),
    Number(24, 0, 5000, {202, 275, 60}, {100, 280, "Give Xp:"}), Note(50, 300, "else..."), TilePictureLine(14, 315),
    EditText(1, {310, 335, 60}, {100, 340, "Display Text:"}), SetFlagLine(16, 365),
    TileOf(8, Show::kNotNone, 400, 140), TileOf(14, Show::kNotNone, 400, 310));
static_assert(ValidDialog(kStepText));

// "S" for -1, "B" for any other value.
constexpr char kSignalLabels[2][2] = {"S", "B"};

constexpr auto kSmokeSignal = Join(
    EditText(0, {145, 120, 60}, {50, 125, "Inactive Text:"}), Note(50, 200, "Signal:"),
    Repeat({.count = 6, .dx = 45, .dword = 1},
           TwoState(3, Rule::kNoneSwap, LabelOf<kSignalLabels>, Show::kNotNone, Look::kButton, {150, 200, 40})),
    Number(1, 0, 7999, {150, 150, 60}, {50, 155, "Status Flag:", kSmallRed}),
    Note(50, 155, "                             Set to 1 to activate this event", kSmallBlue),
    Number(2, -1, 7999, {192, 235, 60}, {50, 240, "If correct, set flag               = 1"}));
static_assert(ValidDialog(kSmokeSignal));

}  // namespace

constexpr DialogRows PushTextDialog = kPushText;
constexpr DialogRows StepTextDialog = kStepText;
constexpr DialogRows SmokeSignalDialog = kSmokeSignal;
