// The dialogs of the simple, complex and secret doors.
#include <array>

#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kFirstKey = 125;

// The tile shown for each door style.
constexpr std::array<int16_t, 10> kDoorStyleTiles = {1531, 1532, 1533, 1534, 1537, 1136, 1104, 1517, 401, 402};

constexpr auto kSimpleDoor = Join(
    Choice(1, LabelOf<DoorStyleLabels>, 10, {130, 81, 120, 5}, ListOf(6, 10), {50, 85, "Door Pic: "}),
    Number(3, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then block door access"}),
    CompareOp(4, {175, 125, 40}), Number(5, -1, 999, {220, 125, 40}),
    EditText(0, {185, 150, 60}, {100, 155, "Blocked Txt:"}), Note(310, 86, "Pic:"),
    PictureByValue(1, Sheet::kWallTile, kDoorStyleTiles, 340, 71));
static_assert(ValidDialog(kSimpleDoor));

constexpr auto kComplexDoor = Join(
    Choice(1, LabelOf<DoorStyleLabels>, 10, {150, 70, 120, 5}, ListOf(6, 10), {50, 75, "Door Pic: "}),
    Choice(2, LabelOf<DoorStateLabels>, 4, {150, 90, 100, 4}, ListOf(5, 4), {50, 95, "Default Status:"}),
    EditText(0, {150, 111, 60}, {50, 116, "Display Text:                      (If none, auto-txt generated)"}),
    Number(3, 0, 99, {250, 150, 40}, {50, 155, "Required Strength to Break: "}),
    Number(4, 0, 99, {250, 170, 40}, {50, 175, "Required Pick Locks skill:"}),
    // The key is chosen from the key list only.
    ShownNumber(5, {250, 190, 40}, {50, 195, "Key required (-1 = no key):"}),
    Browse(5, Picker::kKeyItem, {295, 190, 60}, kFirstKey),
    CheckBox(6, {248, 210, 15}, {50, 215, "Deactivate Knock Spell?"}),
    CheckBox(8, {248, 230, 15}, {50, 235, "See through door?"}),
    Number(7, 0, 7999, {250, 250, 60}, {50, 255, "Status Flag:", kSmallRed}),
    PictureByValue(1, Sheet::kWallTile, kDoorStyleTiles, 330, 60),
    Name(5, NameOf::kItem, Show::kNotNone, {370, 195, {}, kSmallBlue}));
static_assert(ValidDialog(kComplexDoor));

constexpr auto kSecretDoor = Join(
    Number(1, 0, 2283, {195, 90, 40}, {50, 95, "Secret Door pic:"}), BrowseTile(1, {240, 90, 60}),
    Number(2, 1, 20, {195, 120, 40}, {50, 125, "Req Perception to spot: "}),
    CheckBox(4, {175, 155, 15}, {50, 160, "Lock if can't spot? "}),
    Number(5, -1, 7999, {150, 185, 60}, {50, 190, "Lock If Flag"}), CompareOp(6, {215, 185, 40}),
    Number(7, -1, 999, {260, 185, 40}), Number(8, 0, 7999, {150, 250, 60}, {50, 255, "Status Flag:", kSmallRed}),
    Only(WordIsNot(1, -1, -1), Note(350, 95, "Pic:"), TileOf(1, Show::kAlways, 350, 105)));
static_assert(ValidDialog(kSecretDoor));

}  // namespace

constexpr DialogRows SimpleDoorDialog = kSimpleDoor;
constexpr DialogRows ComplexDoorDialog = kComplexDoor;
constexpr DialogRows SecretDoorDialog = kSecretDoor;
