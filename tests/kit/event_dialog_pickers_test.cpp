// What the dialogs' dice buttons, picture pickers, item icons and tile pictures store, driven
// as an author does: a click on the control, a choice in the box or picker it opens, and the
// words the event record holds afterwards.
#include <tuple>
#include <utility>
#include <vector>

#include "data/item_records.h"
#include "kit/level/tile_pickers.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/event_editor_test.h"

namespace {

enum : int16_t {
    kWild = 256, kPushText = 1226, kAutoPilot = 1229, kModuleAccess = 1238, kOneItem = 1240, kItemsCache = 1241,
    kChest = 1242, kSearch = 1243, kPrise = 1245, kScript = 1246, kShop = 1248, kInn = 1249, kBank = 1250,
    kTrap = 1256, kPit = 1257, kUseItem = 1263, kIfGot = 1269, kElem = 1288, kCrust = 1289,
};

class DialogPickersTest : public EventEditorTest {};

// Each dice button opens the dice box at its place, which writes count, sides and bonus into
// the button's three words on OK and leaves them on Cancel.
TEST_F(DialogPickersTest, DiceButtonsWriteTheirThreeWords) {
    struct Case {
        int16_t type;
        std::vector<std::pair<int, int16_t>> set;  // words that show the button
        int x, y;                                  // a point of the button
        int boxX, boxY;                            // where the dice box opens
        const char* title;
        int first;  // the count's word
    };
    const Case cases[] = {
        {kTrap, {{5, 2}}, 375, 195, 100, 120, "Trap Damage", 6},
        {kPit, {{14, 0}}, 230, 330, 155, 120, "Trap Damage", 6},
        {kChest, {{32, 1}, {5, 0}}, 375, 180, 100, 120, "Trap Damage", 6},
        {kPrise, {}, 335, 150, 100, 120, "Trap Damage", 2},  // its left 40 px only
        {kCrust, {}, 225, 220, 100, 120, "Trap Damage", 7},
        {kElem, {}, 225, 145, 100, 120, "Elemental Damage", 5},
    };
    for (const Case& c : cases) {
        for (bool ok : {true, false}) {
            EventRecord& e = Make(c.type);
            for (const auto& [word, value] : c.set) e.Word[word] = value;
            e.Word[c.first] = 1, e.Word[c.first + 1] = 4, e.Word[c.first + 2] = 0;
            host.texts.clear();
            ClickAt(c.x, c.y);
            ClickAt(c.boxX + 35, c.boxY + 55);
            TypeNumber("3");
            ClickAt(c.boxX + 95, c.boxY + 55);
            TypeNumber("6");
            ClickAt(c.boxX + 155, c.boxY + 55);
            TypeNumber("12");
            TapKey(ok ? 'O' : 'C');
            Edit();
            const EventRecord& after = *EventAt(kX, kY);
            const std::vector<int16_t> dice(after.Word + c.first, after.Word + c.first + 3);
            const std::vector<int16_t> expected = ok ? std::vector<int16_t>{3, 6, 12} : std::vector<int16_t>{1, 4, 0};
            EXPECT_EQ(dice, expected)
                << c.type << (ok ? " OK" : " Cancel");
            EXPECT_TRUE(TextShown(host, c.title)) << c.type;
            EXPECT_EQ(TextShown(host, "3d6+12"), ok) << c.type;  // on the button after OK
        }
    }
}

// "Browse" beside an NPC picture opens the picture picker; a picked cell is stored in the word.
TEST_F(DialogPickersTest, NpcPictureBrowseStoresThePickedPicture) {
    const struct {
        int16_t type;
        int word, x, y;
    } cases[] = {
        {kPushText, 7, 310, 150}, {kPushText, 13, 310, 285}, {kAutoPilot, 29, 380, 340},
        {kModuleAccess, 22, 180, 152}, {kScript, 9, 330, 315}, {kShop, 30, 170, 170},
        {kInn, 4, 180, 150}, {kBank, 4, 180, 150},
    };
    for (const auto& c : cases) {
        Make(c.type).Word[c.word] = -1;
        ClickAt(c.x + 5, c.y + 5);
        ClickAt(23 + 32 + 10, 30 + 10);  // the second picture of the page the picker opens on
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[c.word], 1365) << c.type << " word " << c.word;
    }
}

// An item icon opens the item picker; the item shown at "Select" is stored in the row's word
// (the Amulets' second item, one step on from where the picker opens).
TEST_F(DialogPickersTest, ItemIconsStoreTheSelectedItem) {
    const struct {
        int16_t type;
        int word, x, y;
        bool chestPage = false;
    } cases[] = {
        {kOneItem, 5, 275, 189},  {kItemsCache, 10, 275, 269}, {kSearch, 4, 245, 189},
        {kPrise, 8, 245, 329},    {kShop, 12, 155, 363},       {kUseItem, 1, 210, 160},
        {kIfGot, 8, 290, 270},    {kChest, 17, 275, 159 + 22 * 5, true},
    };
    for (const auto& c : cases) {
        Make(c.type).Word[c.word] = 130;
        if (c.chestPage) ClickAt(55, 375);  // "Toggle Page"
        ClickAt(c.x + 5, c.y + 5);
        TapKey('N');
        TapKey('S');
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[c.word], 31) << c.type << " word " << c.word;
    }
}

// The arena's ground and dressing pictures share one picker category within a pass of the
// dialog: a picker opened in the same pass as another starts where that one was left, one
// opened in a later pass starts on "Ground". A press that comes once the picker is closed, on a
// picked tile that lies over a dressing slot, opens that slot's picker in the same pass.
TEST_F(DialogPickersTest, WildernessTilePicturesShareTheirCategoryWithinAPass) {
    const auto cell = [](int i, int j) { return std::pair{50 + 33 * i + 16, 140 + 33 * j + 16}; };
    const auto tile = [](int category, int i, int j) { return WallTileGrids[size_t(category)][size_t(j * 15 + i)]; };
    constexpr int kWater = 3;
    // Later passes: the ground from the Water page, then dressing slot 1 from the first page.
    Make(kWild);
    ClickAt(150, 360);
    TapKey('W');
    auto [x, y] = cell(2, 1);
    ClickAt(x, y);
    ClickAt(390, 360);
    ClickAt(x, y);
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[5], tile(kWater, 2, 1));
    EXPECT_EQ(EventAt(kX, kY)->Word[7], tile(0, 2, 1));

    // One pass: the picked cell (8, 6) lies over dressing slot 0, pressed again at once.
    Make(kWild);
    ClickAt(150, 360);
    TapKey('W');
    std::tie(x, y) = std::pair{338, 360};
    ClickAt(x, y);
    host.AwaitScreen("event editor").Press(1).Release(1);
    std::tie(x, y) = cell(1, 1);
    ClickAt(x, y);
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[5], tile(kWater, 8, 6));
    EXPECT_EQ(EventAt(kX, kY)->Word[6], tile(kWater, 1, 1));
}

}  // namespace
