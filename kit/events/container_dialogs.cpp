// The dialogs of the chest, the search, the food source and the prised gems.
#include <array>

#include "data/square_kinds.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_editor.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kFirstKey = 125;

// The tile of each chest picture; "No Pic" has none.
constexpr std::array<int16_t, 9> kChestTiles = {1470, 565, 568, 517, 1112, 571, 915, -1, 562};
constexpr std::array<int16_t, 16> kSearchTiles = {673, 39, 720, 571, 642, 641, 662, 1450,
                                                  1787, 1139, 285, 286, 1530, 915, 1036, 887};

void ToggleChestPage(EventRecord&) { ChestEditorPage = ChestEditorPage == 0 ? 1 : 0; }

constexpr When PageIs(int16_t page) { return {kChestPageSource, page, page, 0}; }

constexpr auto kLocked = Join(
    Number(1, 0, 20, {250, 140, 40}, {50, 145, "Required Strength to Break: "}),
    Number(2, 0, 20, {250, 160, 40}, {50, 165, "Required Pick Locks skill:"}),
    // The key is chosen from the key list only.
    ShownNumber(3, {250, 180, 40}, {50, 185, "Key required (-1 = no key):"}),
    Browse(3, Picker::kKeyItem, {295, 180, 60}, kFirstKey),
    CheckBox(4, {248, 200, 15}, {50, 205, "Deactivate Knock Spell?"}),
    Number(9, 0, 7999, {155, 230, 60}, {50, 235, "Lock Status Flag:", kSmallRed}),
    Name(3, NameOf::kItem, Show::kAboveZero, {370, 185, {}, kSmallBlue}));

constexpr auto kTrapped = Join(
    Choice(5, LabelOf<ContainerTrapLabels>, 8, {115, 175, 120, 5}, ListOf(6, 8), {50, 180, "Trap Type:", kSmallBlue}),
    Only(WordIs(5, -32768, kFireBlastTrap),  // the poison traps roll no damage
         Dice(6, {300, 175, 80}, "Trap Damage", 100, 120, {250, 180, "Damage:", kSmallBlue})),
    Number(31, 0, 20, {200, 205, 40}, {50, 210, "Required Disarm skill:"}),
    Number(10, 0, 20, {200, 230, 40}, {50, 235, "Req. Agility to dodge:"}),
    Note(50, 260, "Disarm Xp Reward = Required Disarm Skill x 2", kSmallBlue),
    Number(9, 0, 7999, {200, 280, 60}, {50, 285, "Trap Status Flag:", kSmallRed}));

constexpr auto kChest = Join(
    Only(PageIs(0),
         // Choosing a type clears the Knock word; leaving the list with Esc changes nothing.
         Choice(32, LabelOf<ChestTypeLabels>, 2, {145, 70, 120, 5}, ListOf(6, 2), {50, 75, "Chest Type:"}).Reset(4),
         Choice(30, LabelOf<ChestPictureLabels>, 9, {145, 100, 120, 5}, ListOf(6, 9), {50, 105, "Chest Pic:"}),
         Only(WordIs(32, 0, 0), kLocked), Only(WordIsNot(32, 0, 0), kTrapped),
         PictureByValue(30, Sheet::kWallTile, kChestTiles, 310, 90)),
    Only(PageIs(1), Note(50, 135, "Items inside chest:", kSmallBlue),
         // Row i takes flag word 11 + i: the first flag stops where the sixth is the last flag.
         Number(11, 0, 7994, {155, 160, 40}),
         Repeat({.count = 6, .dy = 22, .dword = 1}, Note(80, 165, "Item Flag", kSmallRed),
                Number(12, -1, 713, {235, 160, 40}, {210, 165, "Num"}), ItemIcon(12, {275, 159, 15}),
                Number(18, -10, 20, {325, 160, 40}, {300, 165, "Pow"}),
                Number(24, 0, 5000, {395, 160, 40}, {370, 165, "Chr"}),
                // The name alone: Pow and Chr stand beside it, and a bonus text would hide a minus.
                Name(12, NameOf::kItem, Show::kAboveZero, {440, 165, {}, kSmallBlue})),
         Repeat({.count = 5, .dy = 22, .from = 1}, NumberText(11, 0, {165, 165}))),
    ActionButton("Toggle Page", {50, 370, 120, 6}, ToggleChestPage));
static_assert(ValidDialog(kChest));

constexpr auto kSearch = Join(
    Choice(1, LabelOf<SearchTypeLabels>, 16, {130, 130, 120, 5}, ListOf(6, 8), {50, 135, "Search Type:"}),
    Number(2, -1, 7999, {130, 155, 40}, {50, 160, "Status Flag:              (Set to 1 when searched)", kSmallRed}),
    Number(3, -1, 7999, {125, 190, 40}, {50, 195, "Item Flag", kSmallRed}),
    Number(4, -1, 713, {205, 190, 40}, {180, 195, "Num"}), ItemIcon(4, {245, 189, 15}),
    Number(5, 0, 20, {295, 190, 40}, {270, 195, "Pow"}), Number(6, 0, 5000, {365, 190, 40}, {340, 195, "Chr"}),
    Note(50, 330, "This STATUS FLAG can be used to activate monster(s) by", kSmallGreen),
    Note(50, 345, "setting their 'Active if' flags (e.g. open a coffin!)!", kSmallGreen),
    PictureByValue(1, Sheet::kWallTile, kSearchTiles, 310, 120),
    Name(4, NameOf::kItem, Show::kAboveNone, {415, 195, {}, kSmallBlue}));
static_assert(ValidDialog(kSearch));

constexpr auto kFood = Join(
    ActiveCondition(1, 23, -10), Number(4, -1, 2283, {130, 130, 40}, {50, 135, "Pic: "}),
    BrowseTile(4, {180, 130, 60}), EditText(0, {145, 160, 60}, {50, 165, "Display Text:"}),
    Note(50, 210, "An unlimited food source (e.g. fruit tree):", kSmallGreen), TileOf(4, Show::kAboveNone, 350, 120));
static_assert(ValidDialog(kFood));

constexpr auto kPrise = Join(
    EditText(0, {145, 90, 60}, {50, 95, "Display Text:"}),
    Choice(1, LabelOf<ContainerTrapLabels>, 6, {115, 145, 120, 5}, ListOf(6, 6), {50, 150, "Trap Type:", kSmallBlue}),
    // Drawn four pieces wide, clicked over its left 40 px.
    Dice(2, {300, 145, 40, 4}, "Trap Damage", 100, 120, {250, 150, "Damage:", kSmallBlue}),
    Number(19, 0, 20, {200, 195, 40}, {50, 200, "Required Disarm skill:"}),
    Number(21, 0, 20, {200, 220, 40}, {50, 225, "Req Agility to dodge trap:"}),
    Number(5, 0, 7999, {155, 245, 60}, {50, 250, "Trap Status Flag:", kSmallRed}),
    Number(15, -1, 7999, {115, 170, 60}, {50, 175, "Set flag"}), AssignOp(16, {178, 170, 40}),
    Number(17, -1, 999, {221, 170, 40}),
    // Row i takes flag word 18 + i.
    Number(18, 0, 7997, {125, 285, 40}),
    Repeat({.count = 3, .dy = 22, .dword = 1}, Note(50, 290, "Item Flag", kSmallRed),
           Number(6, -1, 713, {205, 285, 40}, {180, 290, "Num"}), ItemIconAt(6, {245, 284, 15}, 1),
           Number(9, 0, 20, {295, 285, 40}, {270, 290, "Pow"}), Number(12, 0, 5000, {365, 285, 40}, {340, 290, "Chr"}),
           Name(6, NameOf::kItem, Show::kAboveNone, {420, 290, {}, kSmallBlue})),
    Repeat({.count = 2, .dy = 22, .from = 1}, NumberText(18, 0, {135, 290})),
    Note(250, 200, "Disarm Xp reward = Required Disarm Skill x 2", kSmallBlue));
static_assert(ValidDialog(kPrise));

}  // namespace

constexpr DialogRows ChestDialog = kChest;
constexpr DialogRows SearchDialog = kSearch;
constexpr DialogRows FoodDialog = kFood;
constexpr DialogRows PriseDialog = kPrise;
