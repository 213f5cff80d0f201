// The dialogs of the forge, the mushroom, the stat plus, the buried cache, the swap item,
// the retrieve and the spawn.
#include <array>

#include "kit/db/forge_editor.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


constexpr std::array<int16_t, 4> kForgeTiles = {1680, 1681, 1682, 1683};

constexpr auto kForge = Join(
    Choice(1, LabelsOf<ForgeTypeLabels>, 4, {150, 100, 160, 7}, ListOf(8, 4), {50, 105, "Forge type: "}),
    PictureByValue(1, Sheet::kWallTile, kForgeTiles, 350, 90, 0));
static_assert(ValidDialog(kForge));

constexpr auto kMushroom = Join(
    Choice(2, LabelOf<MushroomTypeLabels>, 3, {150, 85, 100, 5}, ListOf(6, 3), {50, 90, "Mushroom Type: "}),
    Number(1, 0, 7999, {155, 110, 60}, {50, 115, "Status Flag:", kSmallRed}));
static_assert(ValidDialog(kMushroom));

constexpr auto PicTile(int8_t word, int16_t y) {
    return Join(Number(word, -1, 2283, {110, int16_t(y - 5), 40}, {50, y, "Pic Tile:"}),
                BrowseTile(word, {160, int16_t(y - 5), 60}));
}

// The object's name is line 9 of text 1, which the else branch's text editor leaves alone.
constexpr auto kStatPlus = Join(
    PicTile(9, 80), Number(1, -1, 7999, {110, 115, 60}, {50, 120, "If Flag                              then..."}),
    CompareOp(2, {175, 115, 40}), Number(3, -1, 999, {220, 115, 20, 2}),
    EditText(0, {195, 150, 60}, {80, 155, "Display Text:"}),
    Choice(4, LabelOf<UseTypeLabels>, 5, {190, 180, 100, 5}, ListOf(8, 5), {80, 185, "Use type:                               object"}),
    TextEntry(1, 9, 1, 10, {370, 180, 60, 5}),
    Choice(5, LabelOf<StatPlusLabels>, 27, {190, 200, 160, 7}, ListOf(8, 10), {80, 205, "Plus Type: "}),
    // No amount for healing, curing, restoring charges, blessing or poisoning.
    Only(WordIs(5, 3, 25), Only(WordIsNot(5, 24, 24), Number(6, -5, 5000, {190, 220, 40}, {80, 225, "Amount: "}))),
    Only(WordIs(5, 18, 25), Number(11, 0, 5000, {190, 240, 40}, {80, 245, "Duration: "})),
    Number(7, -1, 7999, {190, 270, 60}, {80, 275, "Status Flag: ", kSmallRed}), PicTile(10, 355),
    EditText(1, {160, 375, 60}, {80, 380, "Display Text:"}, 9), Note(280, 275, "(if -1, can be re-used)"),
    Note(50, 325, "else..."), TileOf(9, Show::kNotNone, 320, 65), TileOf(10, Show::kNotNone, 320, 345));
static_assert(ValidDialog(kStatPlus));

constexpr auto kBuriedCache = Join(
    EditText(0, {155, 70, 60}, {50, 75, "Display Text:"}),
    Number(3, -1, 2283, {120, 95, 40}, {50, 100, "Dug tile:"}), BrowseTile(3, {170, 95, 60}),
    Number(2, -1, 7999, {155, 120, 40}, {50, 125, "Dug Status Flag:", kSmallRed}),
    // Row i takes flag word 4 + i: the first flag stops where the sixth is the last flag.
    Number(4, 0, 7994, {125, 160, 40}),
    Repeat({.count = 6, .dy = 22, .dword = 1}, Note(50, 165, "Item Flag", kSmallRed),
           Number(5, 0, 713, {205, 160, 40}, {180, 165, "Num"}), ItemIcon(5, {245, 159, 15}),
           Number(11, 0, 20, {295, 160, 40}, {270, 165, "Pow"}), Number(17, 0, 5000, {365, 160, 40}, {340, 165, "Chr"}),
           Name(5, NameOf::kItem, Show::kAboveZero, {410, 165, {}, kSmallBlue})),
    Repeat({.count = 5, .dy = 22, .from = 1}, NumberText(4, 0, {135, 165})), TileOf(3, Show::kNotNone, 360, 80));
static_assert(ValidDialog(kBuriedCache));

constexpr auto kSwapItem = Join(
    CheckBox(12, {150, 345, 60}, {50, 350, "Auto Swap?:"}, Rule::kOneGivesZero), ActiveCondition(9),
    Number(8, 0, 2284, {150, 120, 40}, {50, 125, "Tile Pic:"}), BrowseTile(8, {195, 120, 60}),
    EditText(0, {145, 155, 60}, {50, 160, "Display Text:"}), Note(50, 195, "Item Required: "),
    ItemButton(1, {175, 190, 40}, {140, 195, "Num"}),
    Number(4, 0, 7999, {210, 245, 60}, {50, 250, "If activated, +1 to flag"}), Note(80, 275, "Give Item :"),
    ItemButton(5, {205, 270, 40}, {170, 275, "Num"}), EditText(1, {205, 295, 60}, {80, 300, "Display Text:"}),
    TileOf(8, Show::kNotNone, 350, 110), Name(1, NameOf::kItem, Show::kAboveNone, {230, 195, {}, kSmallBlue}),
    ItemShownName(5, 6, 7, Show::kAboveNone, {260, 275, {}, kSmallBlue}));
static_assert(ValidDialog(kSwapItem));

constexpr auto kRetrieve = Join(Note(50, 105, "Equipment stolen/robbed from the PC via the 'RAI' script", kSmallBlue),
                                Note(50, 117, "code, can be recovered from here.", kSmallBlue));
static_assert(ValidDialog(kRetrieve));

constexpr std::array<int16_t, 4> kSpawnTiles = {728, 729, 730, 731};

constexpr auto kSpawn = Join(
    ActiveCondition(), Choice(4, LabelOf<SpawnPicLabels>, 4, {130, 130, 120, 5}, ListOf(6, 4), {50, 135, "Spawn Pic:"}),
    EditText(0, {130, 155, 60}, {50, 160, "Display Text:"}),
    EditText(1, {240, 215, 60}, {50, 220, "If NOT active, display Text:"}),
    Number(6, -1, 7999, {310, 185, 40}, {50, 190, "Spawns monsters with 'if active' flag of"}),
    Note(50, 250, "Monsters respawned when leaving and returning to this map.", kSmallGreen),
    Note(50, 265, "Monsters must be within 6 tiles of event to spawn", kSmallGreen),
    PictureByValue(4, Sheet::kWallTile, kSpawnTiles, 310, 120));
static_assert(ValidDialog(kSpawn));

}  // namespace

constexpr DialogRows ForgeDialog = kForge;
constexpr DialogRows MushroomDialog = kMushroom;
constexpr DialogRows StatPlusDialog = kStatPlus;
constexpr DialogRows BuriedCacheDialog = kBuriedCache;
constexpr DialogRows SwapItemDialog = kSwapItem;
constexpr DialogRows RetrieveDialog = kRetrieve;
constexpr DialogRows SpawnDialog = kSpawn;
