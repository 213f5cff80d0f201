// The dialogs of the switch, the toggled wall, the cracked wall and the climb.
#include <array>

#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kDial = 2, kColourRing = 3, kBigDial = 7;
constexpr int16_t kOver = 2;

// The tile of each switch type; the hidden button has none.
constexpr std::array<int16_t, 10> kSwitchTiles = {713, 715, 717, 717, 732, 733, 491, 717, -1, 1526};

constexpr auto kSwitch = Join(
    EditText(0, {145, 120, 60}, {50, 125, "Display Text:"}),
    Choice(7, LabelOf<SwitchSoundLabels>, 2, {150, 260, 80, 4}, ListOf(7, 2), {50, 265, "Switch sound:"}),
    // Choosing a type clears the critical value; leaving the list with Esc changes nothing.
    Choice(1, LabelOf<SwitchTypeLabels>, 10, {150, 150, 140, 6}, ListOf(7, 10), {50, 155, "Switch type: "}).Reset(2),
    Number(6, 0, 7999, {150, 170, 60}, {50, 175, "Status Flag:", kSmallRed}), Note(50, 195, "Critical Value:"),
    // The critical value as each type takes it: a text, a dial or a ring colour.
    ValueLine(1, LabelOf<SwitchCriticalTexts>, {150, 195, {}, kSmallBlue}),
    Only(WordIs(1, kDial, kDial), Number(2, 0, 9, {150, 190, 60, 3})),
    Only(WordIs(1, kColourRing, kColourRing),
         Choice(2, LabelOf<ColourRingLabels>, 6, {150, 190, 60, 4}, ListOf(7, 6))),
    Only(WordIs(1, kBigDial, kBigDial), Number(2, 0, 49, {150, 190, 60, 3})),
    Number(3, -1, 7999, {190, 230, 60}, {50, 235, "If successful, flag"}), AssignOp(4, {253, 230, 40}),
    Note(300, 235, "1"), Note(50, 300, "This FLAG can be used to activate monster(s) by", kSmallGreen),
    Note(50, 315, "setting their 'Active if' flags!", kSmallGreen),
    PictureByValue(1, Sheet::kWallTile, kSwitchTiles, 360, 170));
static_assert(ValidDialog(kSwitch));

constexpr auto kToggle = Join(
    Number(1, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then..."}),
    CompareOp(2, {175, 125, 40}), Number(3, -1, 999, {220, 125, 40}),
    Number(4, -1, 2283, {250, 150, 40}, {50, 155, "...block this square with tile:"}), BrowseTile(4, {300, 150, 60}),
    CheckBox(5, {235, 200, 15}, {50, 205, "Obstacle lets light past it?"}),
    CheckBox(7, {375, 200, 15}, {290, 205, "Undead wall?"}), EditText(0, {135, 230, 60}, {50, 235, "Closed Txt:"}),
    Note(210, 235, "(No Txt = silent)", kSmallBlue),
    Note(50, 340, "Note: Undead walls can be destroyed by Smite Evil spell", kSmallGreen),
    TileOf(4, Show::kNotNone, 390, 140));
static_assert(ValidDialog(kToggle));

constexpr auto kCrack = Join(
    Number(1, -1, 2283, {180, 80, 40}, {50, 85, "Cracked wall Pic: "}), BrowseTile(1, {225, 80, 60}),
    EditText(0, {180, 110, 60}, {50, 115, "Display Text:"}),
    Number(2, 0, 20, {245, 160, 40}, {50, 165, "Required Strength to Break: "}),
    Number(3, 0, 7999, {245, 190, 40}, {50, 195, "Status Flag: ", kSmallRed}), TileOf(1, Show::kAboveNone, 360, 70));
static_assert(ValidDialog(kCrack));

constexpr auto kClimb = Join(
    EditText(0, {145, 100, 60}, {50, 105, "Display Text:"}),
    CheckBox(6, {310, 140, 15}, {50, 145, "Req agility :              -5 if no rope?"}, Rule::kRope),
    Number(1, 0, 20, {160, 140, 40}),
    // Climbing over goes nowhere; the destination is kept for a change back.
    Only(WordIsNot(5, kOver, kOver),
         Number(2, 0, 129, {160, 160, 40}, {50, 165, "Teleport to map:           at location           ,"}),
         Number(3, 0, 49, {295, 160, 40}), Number(4, 0, 49, {365, 160, 40})),
    Choice(5, LabelOf<ClimbDirectionLabels>, 3, {160, 180, 80, 3}, ListOf(4, 3), {50, 185, "Climb Direction :"}));
static_assert(ValidDialog(kClimb));

}  // namespace

constexpr DialogRows SwitchDialog = kSwitch;
constexpr DialogRows ToggleDialog = kToggle;
constexpr DialogRows CrackDialog = kCrack;
constexpr DialogRows ClimbDialog = kClimb;
