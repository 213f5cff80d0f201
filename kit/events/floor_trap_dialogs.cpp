// The dialogs of the floor trap, the pit, the trigger and the pressure pad.
#include "adventure/square_triggers.h"
#include "data/square_kinds.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kSoundsOffered = 25;  // the last sound is never offered

constexpr auto kTrap = Join(
    Number(1, -1, 7999, {190, 75, 60}, {50, 80, "Event ACTIVE if Flag", kSmallBlue}),
    // Tested inside the condition, over 40 px from the box's left edge.
    CheckBox(11, {390, 220, 40}, {310, 225, "No Xp reward:"}), CompareOp(2, {253, 75, 40}),
    Number(3, -1, 999, {296, 75, 40}), Divider(15, 100, 23),
    Number(4, -1, 99, {230, 140, 40}, {50, 145, "Required Disarm Traps skill: "}),
    Number(10, -1, 99, {230, 160, 40}, {50, 165, "Required Agility to Dodge: "}),
    Choice(5, LabelOf<TrapTypeLabels>, 8, {115, 190, 120, 5}, ListOf(6, 8), {50, 195, "Trap Type:"}),
    Only(WordIs(5, -32768, kFireBlastTrap),
         Dice(6, {300, 190, 80}, "Trap Damage", 100, 120, {250, 195, "Damage:", kSmallBlue})),
    Number(9, 0, 7999, {155, 250, 60}, {50, 255, "Trap Status Flag:", kSmallRed}),
    Only(WordIs(5, kTeleportTrap, kTeleportTrap),
         Number(16, 0, 129, {160, 300, 40}, {50, 305, "Teleport to map:           at location           ,"}),
         Number(17, 0, 49, {295, 300, 40}), Number(18, 0, 49, {365, 300, 40}),
         CheckBox(19, {160, 330, 15}, {50, 335, "Silent teleport?"})),
    // Above the skill it explains: beside "No Xp reward:" it ran into that label.
    Note(50, 125, "Disarm Xp reward = Required Disarm Skill x 2", kSmallBlue),
    Note(50, 355, "A trap will be SPOTTED if the PC disarm traps skill OR the PC", kSmallGreen),
    Note(50, 365, "Perception stat is >= the 'Required Disarm Traps Skill'.", kSmallGreen));
static_assert(ValidDialog(kTrap));

constexpr auto kPit = Join(
    ActiveCondition(), Number(15, 0, 20, {160, 170, 40}, {50, 175, "Req agility :              -5 if no rope?"}),
    CheckBox(16, {310, 170, 15}, {}, Rule::kRope),
    Choice(14, LabelOf<PitEndLabels>, 2, {200, 150, 100, 4}, ListOf(5, 2), {50, 155, "Top or bottom of pit?: "}),
    Number(9, 0, 7999, {155, 245, 60}, {50, 250, "Pit Status Flag:", kSmallRed}),
    Only(WordIs(14, 0, 0), Number(4, -1, 20, {230, 295, 40}, {50, 300, "Required Disarm Traps skill: "}),
         Dice(6, {155, 325, 80}, "Trap Damage", 155, 120, {50, 335, "Fall Damage:", kSmallBlue})),
    Note(50, 200, "Destination:"),
    Number(10, 0, 129, {80, 210, 40}, {50, 215, "map:          X=         Y=      "}),
    Number(12, 0, 49, {155, 210, 40}), Number(13, 0, 49, {225, 210, 40}));
static_assert(ValidDialog(kPit));

constexpr auto kTrigger = Join(
    Number(14, -1, 100, {152, 230, 60, 2}, {50, 235, "Increase Score:            %"}), ActiveCondition(),
    Number(4, -1, 7999, {152, 125, 60}, {50, 130, "Set flag"}), AssignOp(5, {215, 125, 40}),
    Number(6, -1, 999, {258, 125, 40}), Number(8, -1, 7999, {152, 150, 60}, {50, 155, "Also Set flag"}),
    AssignOp(9, {215, 150, 40}), Number(10, -1, 999, {258, 150, 40}),
    Number(13, -1, 999, {152, 175, 40},
           {50, 180, "Set Plot Dream:             (1,2,3,4; 0=N/A, -1 = set to no dreams)"}),
    Choice(7, LabelsOf<SoundNames>, kSoundsOffered, {200, 200, 100, 4}, ListOf(5, 6), {50, 205, "Trigger sound effect? "}),
    Note(50, 270, "These SET FLAGs can be used to activate monsters by", kSmallGreen),
    Note(50, 285, "setting their 'Active if' flags!", kSmallGreen));
static_assert(ValidDialog(kTrigger));

constexpr auto kPressurePad = Join(
    Number(1, -1, 7999, {152, 125, 60}, {50, 130, "+1 to flag"}),
    CheckBox(2, {250, 225, 15}, {50, 230, "Invisible/silent pressure pad?"}),
    Note(50, 170, "When pressure pad released, restore Flag value", kSmallGreen));
static_assert(ValidDialog(kPressurePad));

}  // namespace

constexpr DialogRows TrapDialog = kTrap;
constexpr DialogRows PitDialog = kPit;
constexpr DialogRows TriggerDialog = kTrigger;
constexpr DialogRows PressurePadDialog = kPressurePad;
