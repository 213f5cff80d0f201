// The dialogs of the floor text, the ghost text, the colour text, the rune riddle and the dance.
#include <array>

#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"
#include "script/symbol_names.h"

namespace {

constexpr int16_t kSymbolsOffered = 41;  // "None" and the forty symbols, never "ALL"
// Geo picture n (1..9) is icon 90 + n; other values from a file show nothing.
constexpr std::array<int16_t, 10> kGeoIcons = {-1, 91, 92, 93, 94, 95, 96, 97, 98, 99};

constexpr char kSymbolTypes[2][6] = {"Rune", "Heiro"};

constexpr auto kFloorText = Join(
    TextEntry(1, 0, 1, 3, {145, 95, 60, 3}, {50, 100, "Floor Txt: "}),
    Choice(4, RuneName, kSymbolsOffered, {145, 125, 160, 7}, ListOf(8, 12), {50, 130, "Rune: "}),
    Choice(5, HieroglyphName, kSymbolsOffered, {145, 150, 160, 7}, ListOf(8, 12), {50, 155, "Hieroglyph: "}),
    Number(6, 0, 9, {145, 175, 60, 3}, {50, 180, "Geo Pic: "}),
    Number(1, -1, 7999, {152, 225, 60}, {50, 230, "Set flag"}), AssignOp(2, {215, 225, 40}),
    Number(3, -1, 999, {258, 225, 40}),
    // Picture n - 1 shows symbol n.
    Picture(4, Sheet::kRune, Show::kAboveZero, 345, 115, -1),
    Picture(5, Sheet::kHieroglyph, Show::kAboveZero, 345, 140, -1),
    PictureByValue(6, Sheet::kIcon, kGeoIcons, 215, 175));
static_assert(ValidDialog(kFloorText));

constexpr auto kGhostText = Join(
    Choice(1, LabelOf<CarryWearLabels>, 2, {145, 80, 100, 4}, ListOf(5, 2), {50, 85, "Reveal txt if                    item"}),
    ItemButton(2, {290, 80, 40}), Number(3, -1, 2283, {200, 150, 40}, {50, 155, "Reveal this tile:"}),
    BrowseTile(3, {250, 150, 60}),
    Number(4, -1, 7999, {100, 200, 40},
           {50, 205, "If flag         =         then +1 to that flag, else flag = -1"}),
    Number(5, -1, 999, {160, 200, 40}), CheckBox(6, {250, 232, 15}, {50, 235, "Set Flag only if text visible?"}),
    Note(50, 265, "The If flag is triggered only if the event is stood on!", kSmallGreen),
    Name(2, NameOf::kItem, Show::kNotNone, {100, 120, {}, kSmallBlue}), TileOf(3, Show::kAboveZero, 390, 140));
static_assert(ValidDialog(kGhostText));

constexpr auto kColourText = Repeat(
    {.count = 3, .dy = 100, .dword = 1}, Number(1, 0, 713, {220, 95, 40}, {50, 100, "Visible if wearing item:"}),
    Choice(4, LabelOf<TextColourLabels>, 3, {200, 125, 140, 3}, ListOf(6, 3), {50, 130, "Text Colour:"}),
    TextEntry(0, 0, 1, 2, {345, 125, 120, 3}, {300, 130, "Text: "}),
    Name(1, NameOf::kItem, Show::kAboveZero, {280, 100, {}, kSmallBlue}));
static_assert(ValidDialog(kColourText));

// The correct symbol from the list and the pictures of the symbol kind.
constexpr auto SymbolChoice(When kind, LabelFn names, Sheet sheet) {
    return Only(kind, Choice(2, names, kSymbolsOffered, {140, 165, 140, 6}, ListOf(8, 7), {50, 170, "Correct symbol:"}),
                Picture(2, sheet, Show::kAboveZero, 330, 160, -1));
}

constexpr auto kRuneRiddle = Join(
    EditText(0, {155, 70, 60}, {50, 75, "Display Text:"}),
    // Another kind of symbol makes the chosen one meaningless.
    Cycle(1, 2, LabelOf<kSymbolTypes>, Look::kChoiceField, {140, 135, 140, 6}, {50, 140, "Symbol type:"},
          Show::kNonZero)
        .Reset(2),
    Number(4, -1, 2283, {215, 110, 40}, {50, 115, "Display Tile pic (-1=none):"}), BrowseTile(4, {260, 110, 60}),
    SymbolChoice(WordIs(1, 0, 0), RuneName, Sheet::kRune),
    SymbolChoice(WordIsNot(1, 0, 0), HieroglyphName, Sheet::kHieroglyph),
    Number(3, 0, 7999, {210, 245, 60}, {50, 250, "If activated, +1 to flag"}),
    Number(5, 0, 7999, {220, 290, 40}, {50, 295, "Status Flag: ", kSmallRed}), TileOf(4, Show::kAboveZero, 360, 100));
static_assert(ValidDialog(kRuneRiddle));

constexpr auto kDance = Join(
    Choice(4, LabelOf<DanceTypeLabels>, 2, {220, 120, 140, 6}, ListOf(6, 2), {50, 125, "Dance type: "}),
    Number(3, 0, 2283, {220, 150, 40}, {50, 155, "Lit tile: "}),
    Number(1, 0, 7999, {220, 190, 40}, {50, 195, "Status Flag: ", kSmallRed}),
    Number(2, 0, 7999, {220, 220, 40}, {50, 225, "Counter Flag: "}), TileOf(3, Show::kAboveNone, 350, 145));
static_assert(ValidDialog(kDance));

}  // namespace

constexpr DialogRows FloorTextDialog = kFloorText;
constexpr DialogRows GhostTextDialog = kGhostText;
constexpr DialogRows ColourTextDialog = kColourText;
constexpr DialogRows RuneRiddleDialog = kRuneRiddle;
constexpr DialogRows DanceDialog = kDance;
