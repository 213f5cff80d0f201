// The dialogs of the rune, hieroglyph and heraldry signs.
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "script/symbol_names.h"

namespace {

constexpr int16_t kSymbolsOffered = 41;  // "None" and the forty symbols, never "ALL"
constexpr int16_t kSymbolFieldRaised = 5;  // a symbol's field is drawn 5 px above its click area and list

constexpr auto TileLine(int8_t word) {
    return Join(Number(word, -1, 2283, {215, 140, 40}, {50, 145, "Display Tile pic (-1=none):"}),
                BrowseTile(word, {260, 140, 60}), TileOf(word, Show::kNotNone, 400, 140));
}

constexpr auto kRune = Join(
    ActiveCondition(), TileLine(10),
    Repeat({.count = 5, .dy = 25, .dword = 1},
           Choice(4, RuneName, kSymbolsOffered, {120, 180, 160, 7}, ListOf(8, 7), {50, 185, "Rune ", 0, 1})
               .ClickedBelow(kSymbolFieldRaised)));
static_assert(ValidDialog(kRune));

constexpr auto kHieroglyph = Join(
    ActiveCondition(), TileLine(10),
    Repeat({.count = 5, .dy = 25, .dword = 1},
           Choice(4, HieroglyphName, kSymbolsOffered, {120, 180, 160, 7}, ListOf(8, 7), {50, 180, "Glyph ", 0, 1})
               .ClickedBelow(kSymbolFieldRaised),
           // Picture n - 1 shows symbol n.
           Picture(4, Sheet::kHieroglyph, Show::kAboveZero, 300, 180, -1)));
static_assert(ValidDialog(kHieroglyph));

constexpr auto kHeraldrySign = Join(
    ActiveCondition(), TileLine(4), EditText(0, {150, 170, 60}, {50, 175, "Display Text:"}),
    Choice(5, LabelOf<HeraldryLabels>, 10, {150, 200, 160, 7}, ListOf(8, 10), {50, 205, "Heraldry sign:"}),
    Picture(5, Sheet::kHeraldry, Show::kAboveNone, 210, 250));
static_assert(ValidDialog(kHeraldrySign));

}  // namespace

constexpr DialogRows RuneDialog = kRune;
constexpr DialogRows HieroglyphDialog = kHieroglyph;
constexpr DialogRows HeraldrySignDialog = kHeraldrySign;
