// The dialogs of the events that set a flag when the hero does the right thing: casts a spell
// at the square, places an item in it, types the answer or sleeps there.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


constexpr auto kUseSpell = Join(
    EditText(0, {145, 90, 60}, {50, 95, "Display Text:"}),
    Number(1, 0, 2284, {150, 125, 40}, {50, 130, "Inactive Pic:"}), BrowseTile(1, {195, 125, 60}),
    Choice(3, LabelOf<SpellTypeLabels>, 5, {150, 150, 100, 4}, ListOf(5, 5), {50, 155, "Spell type:"}),
    Number(5, 0, 7999, {150, 175, 60}, {50, 180, "Status Flag", kSmallRed}),
    Number(4, 0, 7999, {220, 220, 60}, {50, 225, "If activated, +1 to flag"}),
    Number(2, 0, 2284, {220, 245, 40}, {100, 250, "Triggered Pic:"}), BrowseTile(2, {265, 245, 60}),
    EditText(1, {220, 270, 60}, {100, 275, "Display Text:"}),
    Note(50, 310, "The activated FLAG can be used to activate monster(s) by", kSmallGreen),
    Note(50, 325, "setting their 'Active if' flags!", kSmallGreen), TileOf(1, Show::kNotNone, 300, 130),
    TileOf(2, Show::kNotNone, 350, 240));
static_assert(ValidDialog(kUseSpell));

constexpr auto kUseItem = Join(
    Number(7, 0, 2284, {150, 90, 40}, {50, 95, "Tile Pic:"}), BrowseTile(7, {195, 90, 60}),
    EditText(0, {145, 125, 60}, {50, 130, "Display Text:"}),
    ItemButton(1, {210, 160, 40}, {50, 165, "Item Required: "}),
    Number(2, 0, 7999, {210, 185, 60}, {50, 190, "If activated, +1 to flag"}),
    Number(4, 0, 7999, {210, 210, 60}, {50, 215, "Status Flag: ", kSmallRed}),
    Choice(5, LabelOf<PlaceableItemLabels>, 3, {180, 265, 100, 6}, ListOf(7, 3), {50, 270, "What can be placed?"}),
    CheckBox(3, {235, 290, 15}, {50, 295, "Item removeable once placed?"}),
    // The event uses the four flags word 6 .. word 6 + 3.
    Number(6, 0, 7996, {180, 310, 40}, {50, 315, "Placed Item Flags:", kSmallRed}), NumberText(6, 3, {230, 315, "- "}),
    TileOf(7, Show::kNotNone, 350, 80), Name(1, NameOf::kItem, Show::kAboveNone, {260, 165, {}, kSmallBlue}));
static_assert(ValidDialog(kUseItem));

constexpr auto kGetAnswer = Join(
    ActiveCondition(), Number(5, 0, 2284, {150, 125, 40}, {50, 130, "Answer Pic:"}), BrowseTile(5, {195, 125, 60}),
    EditText(0, {145, 150, 60}, {50, 155, "Display Text:"}),
    // The answer is line 9 of text 1, which the text editor below leaves alone.
    TextEntry(1, 9, 1, 10, {145, 190, 120, 6}, {50, 195, "Answer: "}),
    Number(4, 0, 7999, {200, 220, 60}, {50, 225, "If activated, set flag              = 1"}),
    EditText(1, {235, 250, 60}, {50, 255, "Display Correct answer Text:"}, 9), TileOf(5, Show::kNotNone, 300, 130));
static_assert(ValidDialog(kGetAnswer));

constexpr auto kIfAsleep = Join(
    ActiveCondition(), Number(4, 0, 7999, {200, 130, 60}, {50, 135, "If sleep here, set flag              = 1"}),
    EditText(0, {220, 160, 60}, {115, 165, "and Display Text:"}),
    Number(5, 0, 129, {80, 190, 40}, {50, 195, "map:          X=         Y=      "}), Number(7, 0, 49, {155, 190, 40}),
    Number(8, 0, 49, {225, 190, 40}));
static_assert(ValidDialog(kIfAsleep));

}  // namespace

constexpr DialogRows UseSpellDialog = kUseSpell;
constexpr DialogRows UseItemDialog = kUseItem;
constexpr DialogRows GetAnswerDialog = kGetAnswer;
constexpr DialogRows IfAsleepDialog = kIfAsleep;
