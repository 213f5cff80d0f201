// The dialogs of the events that act only under a condition: the script run on a step, the
// square passed only with the right items, the stealth test, the time loop and the vision.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


constexpr auto kActivateScript = Join(
    Choice(12, LabelOf<ScriptConditionLabels>, 2, {210, 174, 140, 6}, ListOf(7, 2), {55, 179, "Condition to activate:"}),
    ActiveCondition(5), Number(8, 0, 29, {120, 220, 40}, {55, 225, "Script:"}),
    Browse(8, Picker::kScript, {180, 220, 60}), Name(8, NameOf::kScript, Show::kAlways, {250, 225, {}, kSmallBlue}));
static_assert(ValidDialog(kActivateScript));

// "AND" for 0 or less, "OR" above.
constexpr char kJoinLabels[2][4] = {"AND", "OR"};

// Row i: carrying or wearing (word 1 + 2i) the item of word 2 + 2i.
constexpr auto ItemTestRow() {
    return Join(Choice(1, LabelOf<CarryWearLabels>, 2, {145, 180, 100, 4}, ListOf(5, 2)), ItemButton(2, {290, 180, 40}),
                Name(2, NameOf::kItem, Show::kNotNone, {350, 185, {}, kSmallBlue}));
}

constexpr auto kIfGot = Join(
    ActiveCondition(11, 30), Repeat({.count = 1, .dy = 30, .dword = 2}, ItemTestRow()),
    TwoState(9, Rule::kPositiveGivesZero, LabelOf<kJoinLabels>, Show::kAboveZero, Look::kButton, {95, 210, 40}),
    Repeat({.count = 3, .dy = 30, .dword = 2, .from = 1}, ItemTestRow()),
    Note(50, 185, "Pc may pass if                    item"), Note(50, 215, "                                  item"),
    Note(50, 245, "    BUT NOT IF                    item"), Note(50, 275, "    AND NOT IF                    item"),
    EditText(0, {165, 310, 60}, {50, 315, "Cannot pass Text:"}));
static_assert(ValidDialog(kIfGot));

constexpr auto kHide = Join(
    ActiveCondition(5), Number(1, 0, 20, {250, 130, 40}, {50, 135, "Required Stealth skill to pass:              else"}),
    EditText(0, {195, 160, 60}, {100, 165, "Display Text:"}),
    Number(2, 0, 129, {195, 190, 40}, {85, 195, "Teleport to map:           at location           ,"}),
    Number(3, 0, 49, {330, 190, 40}), Number(4, 0, 49, {400, 190, 40}));
static_assert(ValidDialog(kHide));

constexpr auto kTimeLoop = Join(
    ActiveCondition(), Number(4, -1, 4999, {260, 120, 40}, {50, 125, "Set Time Loop Counter: "}),
    Note(50, 150, "When stepping on this tile:", kSmallGreen),
    Note(50, 162, "A backup of character save file is created...", kSmallGreen),
    Note(50, 174, "and the time loop counter is set and begins counting down...", kSmallGreen),
    Note(50, 186, "when the counter reaches 0, restore character from backup file.", kSmallGreen));
static_assert(ValidDialog(kTimeLoop));

constexpr auto kVision = Join(
    Number(7, -1, 2283, {215, 180, 40}, {50, 185, "Display Tile pic (-1=none):"}), BrowseTile(7, {260, 180, 60}),
    ActiveCondition(), Number(4, 0, 129, {140, 142, 40}, {40, 147, "Vision of: map:           X=         Y=      "}),
    // The 13 x 13 area shown from (X, Y) stays on the map.
    Number(5, 0, 37, {215, 142, 40}), Number(6, 0, 37, {280, 142, 40}), TileOf(7, Show::kAboveZero, 360, 160));
static_assert(ValidDialog(kVision));

}  // namespace

constexpr DialogRows ActivateScriptDialog = kActivateScript;
constexpr DialogRows IfGotDialog = kIfGot;
constexpr DialogRows HideDialog = kHide;
constexpr DialogRows TimeLoopDialog = kTimeLoop;
constexpr DialogRows VisionDialog = kVision;
