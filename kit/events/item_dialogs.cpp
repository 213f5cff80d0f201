// The dialogs of the one item and the items cache.
#include "kit/events/event_dialogs.h"
#include "platform/fonts.h"

namespace {


constexpr auto FlagTestLine() {
    return Join(Number(1, -1, 7999, {110, 100, 60}, {50, 105, "If Flag                              then..."}),
                CompareOp(2, {175, 100, 40}), Number(3, -1, 999, {220, 100, 40}));
}

// "Num", its picker icon, "Pow" and "Chr" of an item row whose labels stand at y, its name at
// nameX: the name alone, since Pow and Chr stand beside it and play reads them by the item's
// type (gold's Chr is its amount).
constexpr auto ItemRow(int8_t item, int8_t power, int8_t charges, int16_t powerMin, int16_t powerMax, int16_t y,
                       int16_t nameX) {
    const auto fy = int16_t(y - 5);
    return Join(Number(item, -1, 713, {235, fy, 40}, {210, y, "Num"}), ItemIcon(item, {275, int16_t(y - 6), 15}),
                Number(power, powerMin, powerMax, {325, fy, 40}, {300, y, "Pow"}),
                Number(charges, 0, 5000, {395, fy, 40}, {370, y, "Chr"}),
                Name(item, NameOf::kItem, Show::kAboveZero, {nameX, y, {}, kSmallBlue}));
}

constexpr auto kOneItem = Join(
    CheckBox(9, {310, 295, 15}, {80, 300, "Alternatively, hide event completely: "}), FlagTestLine(),
    EditText(0, {175, 130, 60}, {80, 135, "Display Text:"}),
    Number(8, -1, 2283, {175, 160, 40}, {80, 165, "Draw tile:"}), BrowseTile(8, {225, 160, 60}),
    // Flag -1 is never set: the item could be taken again and again.
    Number(4, 0, 7999, {155, 190, 40}, {80, 195, "Item Flag", kSmallRed}), ItemRow(5, 6, 7, -10, 4999, 195, 445),
    Note(50, 230, "else..."), EditText(1, {175, 260, 60}, {80, 265, "Display Text:"}),
    TileOf(8, Show::kAboveZero, 310, 150));
static_assert(ValidDialog(kOneItem));

constexpr auto kItemsCache = Join(
    CheckBox(25, {310, 365, 15}, {80, 370, "Alternatively, hide event completely: "}),
    Number(23, -1, 2283, {375, 130, 40}, {280, 135, "Draw tile:"}), BrowseTile(23, {425, 130, 60}),
    Number(24, -1, 2283, {375, 335, 40}, {250, 340, "and draw tile:"}), BrowseTile(24, {425, 335, 60}),
    FlagTestLine(), EditText(0, {175, 130, 60}, {80, 135, "Display Text:"}),
    // Row i takes flag word 4 + i: the first flag stops where the sixth is the last flag.
    Number(4, 0, 7994, {155, 160, 40}),
    Repeat({.count = 6, .dy = 22, .dword = 1}, Note(80, 165, "Item Flag", kSmallRed), ItemRow(5, 11, 17, -10, 500, 165, 440)),
    Repeat({.count = 5, .dy = 22, .from = 1}, NumberText(4, 0, {165, 165})), Note(50, 310, "else..."),
    EditText(1, {175, 335, 60}, {80, 340, "Display Text:"}), TileOf(23, Show::kAboveZero, 510, 120),
    TileOf(24, Show::kAboveZero, 510, 320));
static_assert(ValidDialog(kItemsCache));

}  // namespace

constexpr DialogRows OneItemDialog = kOneItem;
constexpr DialogRows ItemsCacheDialog = kItemsCache;
