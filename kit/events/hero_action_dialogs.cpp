// The dialogs of the events that act on the hero: an item used from the backpack, the
// auto-pilot, the bed and the DMF2 square.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


constexpr auto kUseItemFromBackpack = Join(
    ActiveCondition(),
    // Items past the table are accepted as the field allows and named by nothing.
    Number(8, -1, 999, {120, 140, 40}, {50, 145, "Use item:"}), Name(8, NameOf::kItem, Show::kAboveZero, {120, 125, {}, kSmallBlue}),
    CheckBox(12, {350, 140, 15}, {200, 145, "Item not consumed on use:"}, Rule::kOneGivesZero),
    EditText(0, {152, 175, 60}, {50, 180, "Activated Text:"}),
    Number(5, -1, 7999, {152, 200, 60}, {50, 205, "Set flag"}), AssignOp(6, {215, 200, 40}),
    Number(7, -1, 999, {258, 200, 40}),
    Number(9, 0, 129, {150, 230, 40}, {50, 235, "Teleport to Map=        X=          Y="}),
    Number(10, 0, 49, {215, 230, 40}), Number(11, 0, 49, {285, 230, 40}),
    Note(50, 270, "The SET FLAG can be used to activate monsters by", kSmallGreen),
    Note(50, 285, "setting their 'Active if' flags!", kSmallGreen));
static_assert(ValidDialog(kUseItemFromBackpack));

constexpr auto kAutoPilotPc = Join(
    ActiveCondition(), Note(50, 130, "Follow directions:"),
    Repeat({.count = 8, .dy = 22, .dword = 1},
           Cycle(7, 6, LabelOf<AutoPilotDirectionLabels>, Look::kButton, {90, 150, 40},
                 {50, 155, " Dir=          Dist=          ->"}),
           Number(17, -1, 49, {175, 150, 40})),
    Choice(28, LabelOf<EscortLabels>, 3, {100, 340, 100, 4}, ListOf(5, 3),
           {50, 345, "Escort:                    Pic (left facing):"}),
    Number(29, -1, 1747, {330, 340, 40}), BrowseNpc(29, {380, 340, 60}, 1),
    Number(4, -1, 7999, {152, 370, 60}, {50, 375, "Then Set flag"}), AssignOp(5, {215, 370, 40}),
    Number(6, -1, 999, {258, 370, 40}), Picture(29, Sheet::kNpcWhole, Show::kAboveNone, 360, 300));
static_assert(ValidDialog(kAutoPilotPc));

constexpr auto kBed = Join(
    Number(3, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then NO rest here"}),
    CompareOp(4, {175, 125, 40}), Number(5, -1, 999, {220, 125, 40}),
    EditText(0, {185, 150, 60}, {100, 155, "No Rest Txt:"}));
static_assert(ValidDialog(kBed));

constexpr auto kDmf2 = Join(
    // Flag -1 is never set: the square would move its counters at every step.
    Number(1, 0, 7999, {60, 100, 60, 2}, {60, 85, "Status Flag:", kSmallRed}), Note(150, 85, "Counter Flag:"),
    Note(250, 85, "Counter Mod"),
    Repeat({.count = 5, .dy = 25, .dword = 1}, Note(40, 105, {}).Labelled({40, 105, {}, 0, 1}),
           Number(2, -1, 7999, {150, 100, 60, 2}), Number(12, -1, 1, {250, 100, 60, 2})),
    Number(11, 0, 2283, {145, 290, 40}, {50, 295, "Lit tile:"}), BrowseTile(11, {190, 290, 60}),
    TileOf(11, Show::kNotNone, 300, 305));
static_assert(ValidDialog(kDmf2));

}  // namespace

constexpr DialogRows UseItemFromBackpackDialog = kUseItemFromBackpack;
constexpr DialogRows AutoPilotPcDialog = kAutoPilotPc;
constexpr DialogRows BedDialog = kBed;
constexpr DialogRows Dmf2Dialog = kDmf2;
