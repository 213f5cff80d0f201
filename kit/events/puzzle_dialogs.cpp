// The dialogs of the level's mechanical puzzles: the pushed object and its reset, the beam
// and its lens, the genie lamp and the puzzle devices.
#include <array>

#include "events/genie_lamp.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kWishStatsOffered = 13;
constexpr int16_t kAlienNumbers = 1, kPicPuzzle = 2, kPatternless = 3, kPowerSupply = 4;

constexpr auto TileLine(std::string_view label) {
    return Join(Number(1, 0, 2284, {160, 80, 40}, {50, 85, label}), BrowseTile(1, {205, 80, 60}),
                TileOf(1, Show::kAboveNone, 290, 70));
}

constexpr auto kPush = TileLine("Push tile: ");
static_assert(ValidDialog(kPush));

constexpr auto kResetPush = Join(
    TileLine("Reset tile: "), EditText(0, {160, 110, 60}, {50, 115, "Display Text:"}),
    Number(2, 0, 49, {100, 155, 40}, {50, 160, "FromX: "}), Number(3, 0, 49, {200, 155, 40}, {150, 160, "FromY: "}),
    Number(4, 0, 49, {100, 180, 40}, {50, 185, "ToX: "}), Number(5, 0, 49, {200, 180, 40}, {150, 185, "ToY: "}),
    Number(6, 0, 7999, {205, 210, 40}, {50, 215, "On reset, also reset flag           to -1"}),
    Note(50, 255, "Flag reset req. to reset 'push objects on pad' flag counter", kSmallGreen));
static_assert(ValidDialog(kResetPush));

// "Horizontal" for 0, "Vertical" for any other value.
constexpr char kOrientationLabels[2][11] = {"Horizontal", "Vertical"};

constexpr auto kBeam = Join(
    Note(50, 85, "Beam is ON if :"),
    Repeat({.count = 4, .dy = 20, .dword = 1},
           Number(1, -1, 7999, {90, 110, 40}, {50, 115, "Flag           =              and"}),
           Number(6, -1, 999, {160, 110, 40})),
    Number(5, -1, 7999, {90, 190, 40}, {50, 195, "Flag           ="}), Number(10, -1, 999, {160, 190, 40}),
    Cycle(11, 2, LabelOf<kOrientationLabels>, Look::kTextField, {160, 230, 80}, {50, 235, "Orientation:"},
          Show::kNonZero),
    Number(12, -1, 7999, {165, 260, 40}, {50, 265, "Placed Lens flag(s)=                  (-1 = always white)", kSmallRed}),
    Number(16, -1, 7999, {215, 260, 40}),
    // The box and the last flag answer over 80 px, wider than drawn.
    CheckBox(13, {50, 305, 80}),
    Cycle(14, 7, LabelOf<BeamColourLabels>, Look::kTextField, {195, 305, 80},
          {70, 310, "If this beam ON and                the set flag          to 1."}),
    Number(15, -1, 7999, {360, 305, 80, 2}),
    Note(50, 350, "The colour of the beam is determined by the lens(es)", kSmallGreen),
    Note(50, 362, "placed in the 'Placed Lens Flags' above which should", kSmallGreen),
    Note(50, 374, "be the same flags used in the USE LENS EVENT(s).", kSmallGreen));
static_assert(ValidDialog(kBeam));

constexpr auto kUseLens = Join(
    TileLine("Pic tile: "), EditText(0, {160, 110, 60}, {50, 115, "Display Text:"}),
    Number(2, -1, 7999, {210, 140, 40}, {50, 145, "Placed Gem Flag:", kSmallRed}), Note(185, 145, "Num"),
    Note(50, 200, "This event should be used in tandem with the BEAM Event.", kSmallGreen),
    Note(50, 212, "The 'Placed Gem Flag' value (flag) above should be the SAME", kSmallGreen),
    Note(50, 224, "as the one in the BEAM event.", kSmallGreen));
static_assert(ValidDialog(kUseLens));

constexpr auto kLamp = Join(
    ActiveCondition(1, 30), EditText(0, {180, 120, 60}, {50, 125, "Display Text:"}),
    Number(10, 0, 7999, {180, 150, 60}, {50, 155, "Status Flag", kSmallRed}),
    Number(4, 0, 5000, {180, 190, 60}, {50, 195, "Gp Wish:"}), Number(5, 0, 5000, {180, 215, 60}, {50, 220, "Xp Wish:"}),
    Choice(6, LabelsOf<WishStatNames>, kWishStatsOffered, {180, 240, 140, 6}, ListOf(7, 6), {50, 245, "Stat Wish: +1 to"}),
    Note(50, 295, "Item Wish:"), Number(7, 0, 713, {135, 290, 40}, {110, 295, "Num"}), ItemIcon(7, {175, 289, 15}),
    Number(8, 0, 20, {225, 290, 40}, {200, 295, "Pow"}), Number(9, 0, 5000, {295, 290, 40}, {270, 295, "Chr"}),
    Name(7, NameOf::kItem, Show::kAboveNone, {345, 295, {}, kSmallBlue}));
static_assert(ValidDialog(kLamp));

// A grid cell's picture by its word; 5 is an empty cell.
constexpr std::array<int16_t, 6> kCellTiles = {1697, 1693, 1694, 1695, 1696, -1};

constexpr auto kDigits = Join(Note(50, 140, "Number:"),
                              Repeat({.count = 5, .dx = 50, .dword = 1}, Number(4, 0, 9, {150, 135, 40})));

constexpr auto kPuzzle = Join(
    TileLine("Puzzle tile: "),
    Choice(2, LabelOf<PuzzleLabels>, 8, {130, 110, 160, 7}, ListOf(8, 7), {50, 115, "Puzzle: "}),
    Number(3, 0, 7999, {180, 160, 40}, {50, 165, "If won, +1 to flag"}),
    Only(WordIs(2, kAlienNumbers, kAlienNumbers), kDigits), Only(WordIs(2, kPatternless, kPatternless), kDigits),
    // Cell (r, c) is word 9 + 4r + c; the cells are tested while the button is held on the grid.
    Only(WordIs(2, kPicPuzzle, kPicPuzzle),
         WhileHeld(140, 205, 122, 152,
                   Repeat({.count = 5, .dy = 30, .dword = 4},
                          Repeat({.count = 4, .dx = 30, .dword = 1}, TileCycle(9, 6, kCellTiles, 140, 205, 29))))),
    // The megavolts share word 4 with the first digit.
    Only(WordIs(2, kPowerSupply, kPowerSupply), Number(4, 0, 27, {180, 190, 40}, {50, 195, "Req Megavolts:"})));
static_assert(ValidDialog(kPuzzle));

}  // namespace

constexpr DialogRows PushDialog = kPush;
constexpr DialogRows ResetPushDialog = kResetPush;
constexpr DialogRows BeamDialog = kBeam;
constexpr DialogRows UseLensDialog = kUseLens;
constexpr DialogRows LampDialog = kLamp;
constexpr DialogRows PuzzleDialog = kPuzzle;
