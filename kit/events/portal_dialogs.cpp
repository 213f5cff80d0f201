// The dialogs of the portal, the dig portal, the module access and the penta-portal.
#include "data/level.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kTrippin = 5;
constexpr int16_t kFirstPortalItem = 156;

// The flag set after a teleport belongs to the "Trippin" condition alone: any use of the
// condition list (Esc too) clears it otherwise.
void KeepFlagForTrippin(EventRecord& e) {
    if (e.Word[5] != kTrippin) e.Word[22] = 0;
}

constexpr auto MapLine(int8_t level, int8_t x, int16_t y) {
    return Join(Number(level, 0, 129, {140, int16_t(y - 5), 40}, {110, y, "map:          X=         Y=      "}),
                Number(x, 0, 49, {215, int16_t(y - 5), 40}), Number(int8_t(x + 1), 0, 49, {280, int16_t(y - 5), 40}));
}

constexpr auto kPortal = Join(
    CheckBox(21, {310, 375, 15}, {80, 380, "Alternatively, hide event completely: "}),
    Number(18, -1, 2283, {375, 345, 40}, {250, 350, "and draw tile:"}), BrowseTile(18, {425, 345, 60}),
    EditText(1, {175, 345, 60}, {80, 350, "Display Text:"}),
    Number(1, -1, 7999, {110, 100, 60}, {50, 105, "If Flag                              then...", kSmallBlue}),
    CompareOp(2, {175, 100, 40}), Number(3, -1, 999, {220, 100, 40}),
    Number(4, -1, 2283, {210, 130, 40}, {80, 135, "Portal Pic: "}), BrowseTile(4, {255, 130, 60}),
    EditText(0, {210, 152, 60}, {80, 157, "Display Text:"}),
    Choice(5, LabelOf<PortalConditionLabels>, 6, {210, 174, 140, 6}, ListOf(7, 6), {80, 179, "Condition to enter:"})
        .After(KeepFlagForTrippin),
    // Word 6 is the item for "Carrying Item" and "Wearing Item", the Hide skill for "Hiding".
    Only(WordIs(5, 1, 2), Number(6, -1, 713, {410, 174, 40}, {360, 179, "Item:"}),
         Browse(6, Picker::kItemNumber, {455, 174, 60}, kFirstPortalItem, 1),
         Picture(6, Sheet::kItem, Show::kAboveNone, 530, 170)),
    Only(WordIs(5, 4, 4), Number(6, 0, 30, {410, 174, 40}, {360, 179, "Req Hide skill:"})),
    Number(7, -1, 7999, {140, 220, 60}, {80, 225, "If Flag                              then goto..."}),
    CompareOp(8, {205, 220, 40}), Number(9, -1, 999, {250, 220, 40}), MapLine(10, 12, 247), Note(80, 265, "else..."),
    MapLine(14, 16, 285), CheckBox(19, {180, 307, 15}, {80, 312, "Magic sound?"}),
    CheckBox(20, {470, 242, 15}, {350, 247, "Heal after portal:", kSmallBlue}),
    Number(22, 0, 7999, {505, 272, 60}, {350, 277, "After teleport, set flag             =1", kSmallBlue}),
    Note(50, 335, "else inactive...", kSmallBlue), TileOf(4, Show::kAboveNone, 390, 120),
    TileOf(18, Show::kAboveZero, 510, 330));
static_assert(ValidDialog(kPortal));

constexpr auto kDigPortal = Join(
    Number(1, -1, 2283, {155, 75, 40}, {50, 80, "Covered Pic: "}), BrowseTile(1, {200, 75, 60}),
    Number(2, -1, 2283, {155, 105, 40}, {50, 110, "Dug Pic: "}), BrowseTile(2, {200, 105, 60}),
    Number(3, -1, 7999, {155, 135, 40}, {50, 140, "Dug Status Flag: ", kSmallRed}),
    Number(4, 0, 129, {80, 180, 40}, {50, 185, "map:          X=         Y=      "}), Number(6, 0, 49, {155, 180, 40}),
    Number(7, 0, 49, {225, 180, 40}), Note(50, 240, "If Covered Pic = 0, hide entrance", kSmallBlue),
    Note(50, 252, "      (can walk over entrance and need to use DIG button)", kSmallBlue),
    TileOf(1, Show::kAboveNone, 290, 60), TileOf(2, Show::kAboveNone, 290, 90));
static_assert(ValidDialog(kDigPortal));

constexpr auto kModuleAccess = Join(
    ActiveCondition(), EditText(0, {180, 130, 60}, {50, 135, "Display Text:"}),
    Number(22, -1, 1747, {130, 152, 40}, {50, 157, "NPC Pic: "}), BrowseNpc(22, {180, 152, 60}, 0),
    Note(50, 180, "Modules available from here ( -1 = None ):", kSmallBlue),
    Repeat({.count = 6, .dy = 25, .dword = 1}, Number(4, -1, 49, {130, 205, 40}, {50, 210, "Module Num:"}),
           Number(10, -1, 7999, {305, 205, 40}, {190, 210, "Available if Flag           >="}),
           Number(16, -1, 999, {380, 205, 40})),
    Picture(22, Sheet::kNpcWhole, Show::kAboveNone, 350, 140));
static_assert(ValidDialog(kModuleAccess));

constexpr auto kPentaPortal = Join(Number(1, 0, 4, {145, 80, 40}, {50, 85, "Portal ID: "}),
                                   ValueLine(1, LabelOf<PentaPortalKeyLabels>, {200, 85, {}, kSmallBlue}),
                                   Note(50, 145, "Refer to Penta Portal database for portal settings.", kSmallBlue));
static_assert(ValidDialog(kPentaPortal));

}  // namespace

constexpr DialogRows PortalDialog = kPortal;
constexpr DialogRows DigPortalDialog = kDigPortal;
constexpr DialogRows ModuleAccessDialog = kModuleAccess;
constexpr DialogRows PentaPortalDialog = kPentaPortal;
