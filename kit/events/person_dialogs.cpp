// The dialogs of the script NPC, the monster, the shop and the inn.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


// "Left" for 0, "Right" for any other value.
constexpr char kFacingLabels[2][6] = {"Left", "Right"};

constexpr auto kScript = Join(
    CheckBox(12, {420, 75, 15}, {360, 80, "Silent?"}), ActiveCondition(1, 23, -10),
    Number(4, 0, 29, {130, 150, 40}, {50, 155, "Script Num: "}), Browse(4, Picker::kScript, {180, 150, 60}),
    Number(5, -1, 1747, {130, 190, 40}, {50, 195, "NPC Pic: "}), BrowseNpc(5, {180, 190, 60}, 0),
    Number(6, -1, 2283, {130, 220, 40}, {50, 225, "'Wall' Pic: "}), BrowseTile(6, {180, 220, 60}),
    Note(50, 295, "Alternative pic tiles:", kSmallBlue),
    Number(8, -1, 7999, {110, 315, 40}, {50, 320, "If Flag           >=          use NPC:"}),
    Number(11, -1, 999, {180, 315, 40}), Number(9, -1, 1747, {280, 315, 40}), BrowseNpc(9, {330, 315, 60}, 0),
    Number(10, -1, 2283, {280, 340, 40}, {50, 345, "                   and alt 'Wall' Pic:"}),
    BrowseTile(10, {330, 340, 60}), Name(4, NameOf::kScript, Show::kAboveNone, {250, 155, {}, kSmallBlue}),
    Picture(5, Sheet::kNpcWhole, Show::kAboveNone, 350, 180), TileOf(6, Show::kAboveNone, 350, 215),
    Picture(9, Sheet::kNpcWhole, Show::kAboveNone, 410, 300), TileOf(10, Show::kAboveNone, 410, 335));
static_assert(ValidDialog(kScript));

constexpr auto kMonster = Join(
    Number(14, 0, 299, {215, 330, 60, 2}, {100, 335, "Pic:"}), Browse(14, Picker::kMonster, {263, 330, 60}),
    ActiveCondition(), Number(4, 0, 299, {145, 130, 60, 3}, {50, 135, "Monst Num :"}),
    Browse(4, Picker::kMonster, {210, 130, 60}),
    Cycle(9, 2, LabelOf<kFacingLabels>, Look::kTextField, {145, 150, 60, 3}, {50, 155, "Default Facing: "},
          Show::kNonZero),
    Number(5, 0, 7999, {145, 180, 60, 3}, {50, 185, "Status Flag: ", kSmallRed}),
    Number(6, 0, 7999, {190, 220, 60}, {50, 225, "If killed, set flag"}), AssignOp(7, {253, 220, 30}),
    Number(8, 0, 999, {296, 220, 40, 2}), EditText(0, {263, 300, 60}, {100, 305, "If dormant, Display Text:"}),
    Number(15, -1, 713, {200, 255, 40}, {50, 260, "PC Disguise (wear):"}),
    Number(10, -1, 7999, {200, 275, 60}, {50, 280, "Monster Dormant if Flag"}), CompareOp(11, {263, 275, 40}),
    Number(12, -1, 999, {306, 275, 40}),
    Note(50, 357, "Dormant monsters will not attack the PC until the dormant", kSmallGreen),
    Note(50, 369, "flag is unset.", kSmallGreen), Name(4, NameOf::kMonster, Show::kAlways, {280, 135, {}, kSmallBlue}),
    // Facing right shows the picture three further on.
    MonsterPicture(4, 9, Show::kAlways, 370, 150), MonsterPicture(14, 9, Show::kAboveZero, 340, 315),
    Name(15, NameOf::kItem, Show::kAboveZero, {250, 260, {}, kSmallBlue}));
static_assert(ValidDialog(kMonster));

constexpr auto kShop = Join(
    ActiveCondition(1, 30), EditText(0, {145, 120, 60}, {50, 125, "Display Text:"}),
    // The name is the first line of text 1.
    TextEntry(1, 0, 0, 25, {120, 148, 180, 9}, {50, 150, "Shop name:"}),
    Number(29, 10, 500, {345, 120, 40}, {250, 125, "Cost modifier:           %"}),
    Number(30, -1, 1747, {120, 170, 40}, {50, 175, "NPC Pic: "}), BrowseNpc(30, {170, 170, 60}, 1),
    Repeat({.count = 8, .dy = 22, .dword = 1}, Number(5, 0, 713, {115, 210, 40}, {50, 215, "Item Num"}),
           ItemIcon(5, {155, 209, 15}), Number(13, 0, 20, {205, 210, 40}, {180, 215, "Pow"}),
           Number(21, 0, 5000, {275, 210, 40}, {250, 215, "Chr"}),
           ItemRowName(5, 13, 21, Show::kAlways, {360, 215, {}, kSmallBlue})),
    CheckBox(31, {150, 188, 15}, {50, 193, "Sell gems here?"}), Picture(30, Sheet::kNpcWhole, Show::kAboveNone, 350, 150));
static_assert(ValidDialog(kShop));

constexpr auto kInn = Join(
    CheckBox(8, {235, 250, 15}, {50, 255, "Rooms available for rent?"}), ActiveCondition(),
    EditText(0, {145, 120, 60}, {50, 125, "Display Text:"}), Number(4, -1, 1747, {130, 150, 40}, {50, 155, "NPC Pic: "}),
    BrowseNpc(4, {180, 150, 60}, 1), Number(5, 0, 100, {145, 180, 40}, {50, 185, "Rent Room Cost: "}),
    Number(6, 0, 100, {115, 210, 40}, {50, 215, "On drink           set flag          = 1"}),
    Number(7, 0, 7999, {220, 210, 40}), Picture(4, Sheet::kNpcWhole, Show::kAboveNone, 350, 140));
static_assert(ValidDialog(kInn));

}  // namespace

constexpr DialogRows ScriptDialog = kScript;
constexpr DialogRows MonsterDialog = kMonster;
constexpr DialogRows ShopDialog = kShop;
constexpr DialogRows InnDialog = kInn;
