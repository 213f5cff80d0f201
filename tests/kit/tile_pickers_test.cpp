// The four tile pickers run through the headless back end: every input with its result and
// the caller's category or page afterwards.
#include "kit/level/tile_pickers.h"

#include <algorithm>

#include "platform/display.h"
#include "platform/keys.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

namespace {

class TilePickersTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
    }
    int16_t Wall(int16_t current, int16_t& category) {
        int16_t result = -99;
        Run([&] { result = PickWallTile(current, category); });
        return result;
    }
    int16_t Event(int16_t current, int16_t& page) {
        int16_t result = -99;
        Run([&] { result = PickEventTile(current, page); });
        return result;
    }
    int16_t Zone(int16_t current) {
        int16_t result = -99;
        Run([&] { result = PickZoneTile(current); });
        return result;
    }
    int16_t Access(int16_t current) {
        int16_t result = -99;
        Run([&] { result = PickAccessTile(current); });
        return result;
    }
    bool Clicked() const { return std::count(host.effects.begin(), host.effects.end(), "Click") > 0; }
};

TEST_F(TilePickersTest, WallPickerKeysAndTabsChangeTheCategory) {
    const struct {
        int16_t from;
        std::vector<int> keys;
        int16_t shown;
    } cases[] = {
        {26, {kRight}, 0},   {0, {kLeft}, 26},     {18, {kDown}, 18},  {16, {kUp}, 7},  // minus 9: Marsh
        {3, {kDown}, 12},    {12, {kUp}, 3},       {5, {kUp}, 5},      {26, {kTab}, 0},
        {4, {104}, 4},       {13, {104}, 4},       {4, {98}, 13},      {4, {102}, 5},   // the keypad
        {4, {100}, 3},       {0, {'X'}, 1},        {0, {'1'}, 9},      {0, {'3'}, 11},
        {0, {'D'}, 17},      {0, {'O'}, 21},       {0, {'K'}, 19},     {9, {'G'}, 0},
        {99, {}, 0},         {-1, {kRight}, 1},    // a category from outside opens at 0
    };
    for (const auto& c : cases) {
        for (int key : c.keys) TapKey(key);
        TapKey(kEsc);
        int16_t category = c.from;
        EXPECT_EQ(Wall(1556, category), 1556) << "from " << c.from;
        EXPECT_EQ(category, c.shown) << "from " << c.from;
    }

    // Tab does nothing while the left Alt key is down.
    int16_t category = 2;
    host.Press(kLeftAlt).Wait(2).Hold(kTab, 5).Wait(2).Release(kLeftAlt);
    TapKey(kEsc);
    Wall(0, category);
    EXPECT_EQ(category, 2);

    // a tab of each row
    for (auto [x, y, shown] : {std::tuple{30, 72, 0}, std::tuple{270, 92, 13}, std::tuple{330, 112, 23}}) {
        ClickAt(x, y);
        TapKey(kEsc);
        category = 5;
        Wall(0, category);
        EXPECT_EQ(category, shown) << x << "," << y;
    }
}

TEST_F(TilePickersTest, WallPickerGridClicksAndCancel) {
    int16_t category = 0;
    ClickAt(60, 150);  // Ground, cell (0, 0)
    EXPECT_EQ(Wall(77, category), 1);
    EXPECT_TRUE(Clicked());

    category = 26;
    ClickAt(50 + 33 * 14 + 31, 140 + 33 * 5 + 31);  // Custom, the last pixel of cell (14, 5)
    EXPECT_EQ(Wall(77, category), 2314);

    category = 7;
    ClickAt(530, 380);  // Marsh's empty row 7
    EXPECT_EQ(Wall(77, category), 0);
    EXPECT_EQ(category, 7);

    category = 0;
    ClickAt(82, 150);  // the gap between the first two cells
    ClickAt(60, 172);  // the gap under the first cell
    ClickAt(49, 150);  // inside the grid's area, left of the first cell
    TapKey(kEsc);
    EXPECT_EQ(Wall(77, category), 77);

    for (auto [current, expected] : {std::pair{-5, 0}, std::pair{1556, 1556}}) {
        category = 1;
        TapKey(kRight);
        ClickAt(450, 425);
        EXPECT_EQ(Wall(int16_t(current), category), expected);
        EXPECT_EQ(category, 2);
    }
    category = 3;
    TapKey('T');
    EXPECT_EQ(Wall(-1, category), 0);
    EXPECT_EQ(category, 3);
}

TEST_F(TilePickersTest, WallPickerShowsTheCategoryAndRedrawsOnRegain) {
    int16_t category = 23;
    host.Wait(2).LoseFocus().Wait(5).GainFocus().Wait(5);
    TapKey(kEsc);
    EXPECT_EQ(Wall(5, category), 5);
    EXPECT_EQ(host.flips, 2u);  // opened, then drawn again when the surfaces came back
    EXPECT_TRUE(TextShown(host, "Select Wall Tile"));
    EXPECT_TRUE(TextShown(host, "VX3"));
    OpenDisplay();
    const host::Frame& shown = host.frames.back();
    Surface frame(640, 480);
    std::copy(shown.pixels.begin(), shown.pixels.end(), frame.pixels.get());
    // the right ends of the tabs, clear of their labels
    EXPECT_TRUE(Shows(&frame, 25 + 60 * 5 + 40, 105, UiIcons[75])) << "VX3 selected in the bottom row";
    EXPECT_TRUE(Shows(&frame, 25 + 60 * 8 + 40, 65, UiIcons[78])) << "Ice not selected";
    EXPECT_TRUE(Shows(&frame, 25 + 60 * 7 + 40, 85, UiIcons[78])) << "Sea not selected";
    for (int i = 0; i < 15; ++i) EXPECT_TRUE(Shows(&frame, 50 + 33 * i, 140, WallTiles[1634])) << "empty cell " << i;
    EXPECT_TRUE(Shows(&frame, 50 + 33, 140 + 33, WallTiles[2315]));
}

TEST_F(TilePickersTest, EventPickerPagesAndPicks) {
    const struct {
        int16_t from;
        std::vector<int> keys;
        int16_t shown;
    } cases[] = {
        {13, {kTab}, 0}, {3, {kUp}, 3},    {3, {kDown}, 10},  {10, {kUp}, 3},  {10, {kDown}, 10},
        {13, {kRight}, 0}, {0, {kLeft}, 13}, {0, {102}, 1},   {0, {100}, 13},
        {0, {'X'}, 13},  {0, {'T'}, 6},     {0, {'R'}, 7},     {5, {'I'}, 0},   {99, {}, 0},
    };
    for (const auto& c : cases) {
        for (int key : c.keys) TapKey(key);
        TapKey('C');
        int16_t page = c.from;
        EXPECT_EQ(Event(80, page), 80) << "from " << c.from;  // Cancel gives back even a wall tile
        EXPECT_EQ(page, c.shown) << "from " << c.from;
    }

    int16_t page = 3;
    host.Hold(104, 5);  // the keypad's 8 is not Up here
    TapKey('C');
    Event(0, page);
    EXPECT_EQ(page, 3);

    page = 4;
    TapKey('4');
    EXPECT_EQ(Event(1226, page), 256);
    EXPECT_TRUE(Clicked());
    EXPECT_TRUE(TextShown(host, "Talk to an NPC"));

    page = 1;
    host.Hold('4', 5);  // slot 4 of "Doors" is empty
    host.MoveMouse(70, 120 + 33 * 3 + 10).Wait(2).Hold(1, 5);
    TapKey(kEsc);
    EXPECT_EQ(Event(1226, page), 1226);
    EXPECT_EQ(page, 1);

    page = 5;
    ClickAt(60 + 31, 120 + 33 * 8 + 31);
    EXPECT_EQ(Event(0, page), 1328);

    page = 0;
    ClickAt(25 + 60 * 2 + 5, 88 + 5);  // "Obstacle"
    TapKey('7');
    EXPECT_EQ(Event(0, page), 1628);
    EXPECT_EQ(page, 9);
    EXPECT_TRUE(TextShown(host, "Select rune/heiro based on text (riddle?)"));
}

TEST_F(TilePickersTest, ZoneAndAccessPickers) {
    TapKey('5');
    EXPECT_EQ(Zone(1220), 1225);
    host.Hold('6', 5);
    TapKey(kEsc);
    EXPECT_EQ(Zone(1296), 1296);
    ClickAt(60 + 32, 70 + 30 * 2 + 32);
    EXPECT_EQ(Zone(1220), 1222);
    ClickAt(245, 400);
    EXPECT_EQ(Zone(1221), 1221);
    EXPECT_TRUE(TextShown(host, "Purple Zone (No automap available!)"));

    host.effects.clear();
    TapKey('9');
    EXPECT_EQ(Access(1220), 1291);
    ClickAt(345, 75);
    EXPECT_EQ(Access(1220), 1312);
    ClickAt(340, 70 + 30 * 4 + 32);  // the rows' areas overlap: the upper one is tested first
    EXPECT_EQ(Access(1220), 1959);
    ClickAt(372, 70 + 30 * 5 + 32);
    EXPECT_EQ(Access(1220), 1979);
    ClickAt(65, 75);
    EXPECT_EQ(Access(1220), 1295);
    EXPECT_FALSE(Clicked());  // slot hits are silent
    TapKey('C');
    EXPECT_EQ(Access(1299), 1295);
    ClickAt(310, 400);  // Cancel is 80 pixels wide here
    EXPECT_EQ(Access(407), 1295);
    EXPECT_TRUE(TextShown(host, "Can't see past (but can walk thru)"));
}

}  // namespace
