// The dialogs of the events that change or guard the ground: bridges, thin crusts, elemental
// damage, alternative tiles, splatted objects, felled trees and watered roots.
#include <array>

#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


// The note of each bridge type; a normal bridge has its flag test instead.
constexpr char kBridgeNotes[3][34] = {"", "Use cold spells to create bridge!", "Use lily wand to create bridge!"};

constexpr auto kBridge = Join(
    Choice(1, LabelOf<BridgeTypeLabels>, 3, {150, 85, 100, 5}, ListOf(6, 3), {50, 90, "Bridge Type: "}),
    // Operator and value answer over 30 px, narrower than drawn.
    Only(WordIs(1, 0, 0), Number(2, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then..."}),
         CompareOp(3, {175, 125, 30}), Number(4, -1, 999, {220, 125, 30, 2}),
         Number(5, -1, 2283, {290, 150, 40}, {90, 155, "UNBLOCK square with bridge tile:"}),
         BrowseTile(5, {340, 150, 60}), TileOf(5, Show::kNotNone, 420, 140)),
    Only(WordIsNot(1, 0, 0), Number(6, 0, 7999, {155, 125, 60}, {50, 130, "Status Flag:", kSmallRed}),
         ValueLine(1, LabelOf<kBridgeNotes>, {50, 160, {}, kSmallBlue})));
static_assert(ValidDialog(kBridge));

constexpr auto kThinCrust = Join(
    ActiveCondition(), Choice(4, LabelOf<CrustTypeLabels>, 3, {150, 130, 160, 7}, ListOf(8, 3), {50, 135, "Crust type: "}),
    Number(5, -1, 2283, {150, 160, 40}, {50, 165, "Crust Tile:"}), BrowseTile(5, {200, 160, 60}),
    Number(6, -1, 2283, {150, 185, 40}, {50, 190, "Under Tile:"}), BrowseTile(6, {200, 185, 60}),
    Dice(7, {150, 215, 80}, "Trap Damage", 100, 120, {50, 220, "Damage:", kSmallBlue}),
    Number(10, 0, 7999, {150, 245, 60}, {50, 250, "Status Flag: ", kSmallRed}), TileOf(5, Show::kNotNone, 300, 155),
    TileOf(6, Show::kNotNone, 300, 190));
static_assert(ValidDialog(kThinCrust));

constexpr auto kElementalDamage = Join(
    Number(1, -1, 7999, {110, 75, 60}, {50, 80, "If Flag                              then..."}),
    // Only the first four comparisons; both answer over 20 px.
    CompareOp(2, {175, 75, 20}, 4), Number(3, -1, 999, {220, 75, 20, 2}),
    Choice(4, LabelOf<ElementalDamageLabels>, 5, {150, 110, 160, 7}, ListOf(8, 5), {80, 115, "Elem type: "}),
    Number(8, -1, 2283, {180, 180, 40}, {80, 185, "Effect Tile: "}), BrowseTile(8, {225, 180, 60}),
    Dice(5, {150, 140, 80}, "Elemental Damage", 100, 120, {80, 145, "Damage:", kSmallBlue}),
    Note(50, 300, "Suggested tiles: Acid: 1165, Cold: 1319, Elect: 1320, ", kSmallBlue),
    Note(50, 312, "Fire: 1168, Gas: 1318", kSmallBlue), TileOf(8, Show::kAboveNone, 360, 170));
static_assert(ValidDialog(kElementalDamage));

// The access tiles 1295.. 1298: free, free under the top tile, blocked but seen past, blocked.
constexpr std::array<int16_t, 4> kAccessTiles = {1295, 1296, 1297, 1298};

constexpr auto AltBranch(int8_t tile, int8_t access, int8_t text, int16_t y) {
    return Join(Number(tile, 0, 2283, {150, int16_t(y - 5), 40}, {80, y, "draw tile:"}),
                BrowseTile(tile, {200, int16_t(y - 5), 60}),
                TileCycle(access, 4, kAccessTiles, 150, int16_t(y + 20), 30).Labelled({80, int16_t(y + 30), "Access type:"}),
                EditText(text, {150, int16_t(y + 55), 60}, {80, int16_t(y + 60), "Show Text:               (block access types only)"}));
}

constexpr auto kAltTile = Join(
    Number(1, -1, 7999, {110, 125, 60}, {50, 130, "If Flag                              then..."}),
    CompareOp(2, {175, 125, 40}), Number(3, -1, 999, {220, 125, 40}), AltBranch(4, 5, 0, 160),
    Note(50, 260, "...else...", kSmallBlue), AltBranch(6, 7, 1, 290), TileOf(4, Show::kNotNone, 390, 140),
    TileOf(6, Show::kNotNone, 390, 270));
static_assert(ValidDialog(kAltTile));

constexpr std::array<int16_t, 13> kSplatTiles = {1783, 1782, 257, 1787, 1730, 577, 1848,
                                                 1869, 1867, 1846, 2079, 2161, 2181};

constexpr auto kSplat = Join(
    Choice(1, LabelOf<SplatTypeLabels>, 13, {130, 100, 120, 5}, ListOf(6, 13), {50, 105, "Splat Type:"}),
    Number(2, -1, 7999, {130, 125, 40}, {50, 130, "Status Flag:              (Set to 1 when splatted)", kSmallRed}),
    Number(3, -1, 7999, {110, 175, 60}, {50, 180, "If Flag                              , PC can splat object!"}),
    CompareOp(4, {175, 175, 40}), Number(5, -1, 999, {220, 175, 40}),
    EditText(0, {225, 205, 60}, {80, 210, "otherwise, Display Text:"}),
    Number(6, -1, 7999, {190, 240, 60}, {50, 245, "If splatted, set flag"}), AssignOp(7, {253, 240, 40}),
    Number(8, -1, 999, {296, 240, 40}), Note(50, 295, "A splatted object can be walked over", kSmallGreen),
    PictureByValue(1, Sheet::kWallTile, kSplatTiles, 310, 90));
static_assert(ValidDialog(kSplat));

constexpr auto kChopTree = Join(
    Number(1, -1, 7999, {130, 75, 40}, {50, 80, "Status Flag:              ", kSmallRed}),
    Note(50, 160, "Status flag set to 1 when tree chopped!", kSmallGreen),
    Note(50, 200, "Use ALT TILE event for top of standing tree.", kSmallGreen),
    Note(50, 215, "Use BRIDGE events for chopped (bridging chasm) tree.", kSmallGreen));
static_assert(ValidDialog(kChopTree));

constexpr auto kWaterRoots = Join(
    // No label names this field; it is drawn where it answers.
    Choice(1, LabelOf<WaterRootsTypeLabels>, 5, {150, 100, 120, 5}, ListOf(6, 5)),
    Number(2, -1, 7999, {130, 125, 40}, {50, 130, "Status Flag:              ", kSmallRed}),
    Number(3, -1, 7999, {220, 155, 40}, {50, 160, "Once done, +1 to Count Flag"}),
    Only(WordIs(1, 0, 0), Note(50, 190, "PC must water roots of One Tree using", kSmallGreen),
         Note(50, 205, "Pure Water (item 498): sets StatusFlag to 1.", kSmallGreen)));
static_assert(ValidDialog(kWaterRoots));

}  // namespace

constexpr DialogRows BridgeDialog = kBridge;
constexpr DialogRows ThinCrustDialog = kThinCrust;
constexpr DialogRows ElementalDamageDialog = kElementalDamage;
constexpr DialogRows AltTileDialog = kAltTile;
constexpr DialogRows SplatDialog = kSplat;
constexpr DialogRows ChopTreeDialog = kChopTree;
constexpr DialogRows WaterRootsDialog = kWaterRoots;
