// The dialogs of the events that fight or move the hero across the map: the wilderness
// encounter, the wild portal, the teleport by flags, orbs or items, the coach, the elevator
// and the boat.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "kit/level/zone_names_editor.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kByFlags = 0, kByOrbs = 1, kByItem = 2;

constexpr auto SetFlagLine(int8_t word, int16_t y, std::string_view label) {
    return Join(Number(word, -1, 7999, {190, int16_t(y - 5), 60}, {50, y, label}),
                AssignOp(int8_t(word + 1), {253, int16_t(y - 5), 40}),
                Number(int8_t(word + 2), -1, 999, {298, int16_t(y - 5), 40}));
}

constexpr auto kWildernessCombat = Join(
    Choice(26, LabelsOf<TuneNames>, 19, {480, 115, 80, 4}, ListOf(6, 14), {390, 120, "Fight music:"}).Drawn(Look::kTextField),
    ActiveCondition(1, 30),
    Number(4, 0, 100, {290, 115, 40}, {50, 120, "Probability of encounter activating:            %"}),
    Repeat({.count = 3, .dy = 20, .dword = 1}, Number(9, 0, 299, {145, 170, 60}, {50, 175, "Monst Num :"}),
           Browse(9, Picker::kMonster, {210, 170, 60}),
           Number(12, 0, 10, {370, 170, 40}, {280, 175, "Num appearing:         to"}),
           Number(15, 0, 10, {440, 170, 40}), Name(9, NameOf::kMonster, Show::kAboveNone, {490, 175, {}, kSmallBlue})),
    Number(19, 0, 100, {170, 240, 40}, {50, 245, "% prob flee combat:"}),
    SetFlagLine(20, 275, "If win fight, set flag"), SetFlagLine(23, 295, "If flee, set flag"),
    // The arena's look, picked after the numbers; 0 or less shows the empty tile.
    TileButton(5, 140, 350, {50, 360, "Ground tile:"}), Note(250, 360, "Dressing:"),
    Repeat({.count = 3, .dx = 50, .dword = 1}, TileButton(6, 330, 350)),
    Note(50, 150, "RND select ONE of these 3 encounters:", kSmallBlue),
    Note(50, 150, "                                      (All 3 slots must be filled)", kSmallBlue),
    Note(50, 245, "                             (1 chance to flee. Prob modified by agility. 0=cannot flee.)", kSmallBlue),
    Note(50, 330, "RND level look:", kSmallBlue), Note(330, 390, "Note: to add trees, select bottom pic of tree.", kSmallBlue));
static_assert(ValidDialog(kWildernessCombat));

// "If approaching from ..." with the square's X and Y.
constexpr auto ApproachLine(int8_t word, int16_t y, std::string_view label) {
    return Join(Number(word, 0, 49, {290, int16_t(y - 5), 40}, {80, y, label}),
                Number(int8_t(word + 1), 0, 49, {360, int16_t(y - 5), 40}));
}

constexpr auto kWildPortal = Join(
    Number(1, -1, 7999, {110, 100, 60}, {50, 105, "If Flag                              then...", kSmallBlue}),
    CompareOp(2, {175, 100, 40}), Number(3, -1, 999, {220, 100, 40}),
    Number(16, -1, 2283, {375, 345, 40}, {250, 350, "and draw tile:"}), BrowseTile(16, {425, 345, 60}),
    EditText(1, {175, 345, 60}, {80, 350, "Display Text:"}),
    Number(4, -1, 2283, {210, 130, 40}, {80, 135, "Portal Pic: "}), BrowseTile(4, {255, 130, 60}),
    EditText(0, {210, 152, 60}, {80, 157, "Display Text:"}),
    Number(6, 0, 129, {110, 195, 40}, {80, 200, "Map=         ,unless flag          =1, then map="}),
    Number(5, -1, 7999, {240, 195, 60}), Number(7, 0, 129, {380, 195, 40}),
    ApproachLine(8, 240, "If approaching from NORTH: goto X=         Y="),
    ApproachLine(10, 260, "If approaching from SOUTH: goto X=         Y="),
    ApproachLine(12, 280, "If approaching from EAST:  goto X=         Y="),
    ApproachLine(14, 300, "If approaching from WEST:  goto X=         Y="),
    CheckBox(17, {310, 375, 15}, {80, 380, "Alternatively, hide event completely: "}),
    Note(50, 335, "else inactive...", kSmallBlue), TileOf(4, Show::kAboveNone, 390, 120),
    TileOf(16, Show::kAboveZero, 510, 330));
static_assert(ValidDialog(kWildPortal));

// The two lines of notes of each mode.
constexpr char kTelexyNotes1[3][56] = {"Teleport X, Y co-ordinates determined from flags.",
                                       "Total value of placed Orbs (Quest Items 557-560)",
                                       "Determine teleport destination by item (see below)."};
constexpr char kTelexyNotes2[3][56] = {"(e.g. use SWITCH EVENT (Dial) Status flags to set X, Y)",
                                       "defines X and Y co-ordinates.", "Use in conjunction with USE ITEM EVENT."};

// An item row of the item mode: the item with its picker icon and the X and Y it sets.
constexpr auto TelexyItemRow(int8_t item, int8_t setX, int8_t setY) {
    return Join(Number(item, -1, 713, {90, 245, 40}, {50, 250, "Item:             SetX           SetY"}),
                ItemIcon(item, {130, 244, 15}), Number(setX, 0, 49, {190, 245, 40}), Number(setY, 0, 49, {280, 245, 40}),
                Name(item, NameOf::kItem, Show::kAboveZero, {330, 245, {}, kSmallBlue}));
}

constexpr auto kTelexy = Join(
    EditText(0, {155, 70, 60}, {50, 75, "Display Text:"}),
    Choice(2, LabelOf<TelexyModeLabels>, 3, {200, 100, 180, 8}, ListOf(9, 3), {50, 105, "Set X and Y by:"}),
    ValueLine(2, LabelOf<kTelexyNotes1>, {50, 140, {}, kSmallGreen}),
    ValueLine(2, LabelOf<kTelexyNotes2>, {50, 152, {}, kSmallGreen}),
    Only(WordIs(2, kByFlags, kByFlags), Number(12, -1, 7999, {190, 195, 40}, {50, 200, "X setting from Flag:", kSmallRed}),
         Number(13, -1, 7999, {190, 215, 40}, {50, 220, "Y setting from Flag:", kSmallRed})),
    Only(WordIs(2, kByOrbs, kByOrbs), Note(50, 200, "Orb X ref:", kSmallRed), Note(50, 230, "Orb Y ref:", kSmallRed),
         Repeat({.count = 3, .dx = 50, .dword = 1}, Number(15, -1, 7999, {160, 195, 40})),
         Repeat({.count = 3, .dx = 50, .dword = 1}, Number(18, -1, 7999, {160, 225, 40}))),
    // Rows 0..2 take words 3..11, rows 3 and 4 words 21..26.
    Only(WordIs(2, kByItem, kByItem),
         Number(14, -1, 7999, {380, 195, 40}, {50, 200, "First 'placed Item Flag' (defined in USE ITEM EVENT):", kSmallRed}),
         Repeat({.count = 3, .dy = 25, .dword = 1}, TelexyItemRow(3, 6, 9)),
         Repeat({.count = 2, .dy = 25, .dword = 1, .from = 3}, TelexyItemRow(18, 20, 22))));
static_assert(ValidDialog(kTelexy));

constexpr auto kCoach = Join(
    EditText(1, {185, 340, 60}, {50, 345, "No Destination Text:"}),
    Number(1, -1, 1747, {120, 90, 40}, {50, 95, "NPC Pic: "}), BrowseNpc(1, {170, 90, 60}, 1),
    Note(50, 150, "Location Name           Cost      Map     X      Y         Flag"),
    // Location r is line r of text 0 and the words 2 + r, 8 + r, 14 + r, 20 + r and 26 + r.
    Repeat({.count = 5, .dy = 30, .dword = 1}, TextEntry(0, 0, 0, 18, {50, 180, 120, 6}),
           Number(2, 0, 1000, {190, 180, 40}), Number(8, 0, 129, {250, 180, 40}), Number(14, 0, 49, {295, 180, 40}),
           Number(20, 0, 49, {340, 180, 40}), Number(26, 0, 7999, {405, 180, 40})),
    Note(50, 375, "Location only available if Flag = 1", kSmallBlue), Picture(1, Sheet::kNpcWhole, Show::kAboveNone, 300, 80));
static_assert(ValidDialog(kCoach));

constexpr auto kElevator = Join(
    EditText(0, {135, 80, 60}, {50, 85, "Display Text:"}),
    Number(21, 0, 2284, {135, 105, 40}, {50, 110, "Elevator Pic:"}), BrowseTile(21, {180, 105, 60}),
    Repeat({.count = 5, .dy = 30, .dword = 1}, Note(30, 155, {}).Labelled({30, 155, "Lvl ", kSmallBlue, 1}),
           Number(1, 0, 129, {110, 150, 40}, {80, 155, "map:          X=         Y=      "}),
           Number(11, 0, 49, {185, 150, 40}), Number(16, 0, 49, {255, 150, 40})),
    TileOf(21, Show::kAlways, 280, 95));
static_assert(ValidDialog(kElevator));

constexpr auto kBoat = Join(
    ActiveCondition(), Number(4, 0, 2284, {160, 130, 40}, {50, 135, "Boat tile: "}), BrowseTile(4, {205, 130, 60}),
    // The boat uses the flags word 5 .. word 5 + 2: the first stops where the third is the last flag.
    Number(5, 0, 7997, {160, 150, 40}, {50, 155, "Location Flags             -", kSmallRed}),
    NumberText(5, 2, {220, 155, {}, kSmallRed}),
    Note(50, 195, "For big rowing boat, select tile: 1181 (east), 1195 (west),", kSmallGreen),
    Note(50, 220, "1799 (north) or 1791 (south)!", kSmallGreen),
    Note(50, 265, "A Boat event can also be placed over 'Fall to your death!' access", kSmallGreen),
    Note(50, 290, "tiles to create a 'flying carpet' event.", kSmallGreen), TileOf(4, Show::kAboveNone, 290, 120));
static_assert(ValidDialog(kBoat));

}  // namespace

constexpr DialogRows WildernessCombatDialog = kWildernessCombat;
constexpr DialogRows WildPortalDialog = kWildPortal;
constexpr DialogRows TelexyDialog = kTelexy;
constexpr DialogRows CoachDialog = kCoach;
constexpr DialogRows ElevatorDialog = kElevator;
constexpr DialogRows BoatDialog = kBoat;
