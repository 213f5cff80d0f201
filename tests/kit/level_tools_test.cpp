// The whole-level tools (clear, wipe, shift, replace), the tile sheet, the map overview and
// the editor's screen.
#include "kit/level/level_tools.h"

#include <memory>

#include "kit/events/level_records.h"
#include "kit/level/editor_state.h"
#include "kit/level/event_clipboard.h"
#include "kit/level/map_overview.h"
#include "kit/level/tile_pickers.h"
#include "kit/level/tile_sheet.h"
#include "platform/display.h"
#include "tests/kit/kit_test.h"
#include "tests/support/surface_match.h"
#include "view/view_pictures.h"

namespace {

class LevelToolsTest : public KitTest {
protected:
    EditorState editor;
    // Square (x, y) with every layer and a shop.
    static void Mark(int x, int y) {
        Bottom(x, y) = 80, Top(x, y) = 81, Access(x, y) = 1297, Zone(x, y) = 3;
        CreateEvent(int16_t(x), int16_t(y), 1248);
    }
    static bool Marked(int x, int y) {
        return Bottom(x, y) == 80 && Top(x, y) == 81 && Access(x, y) == 1297 && Zone(x, y) == 3 && EventAt(x, y) &&
               CurrentLevel.EventGrid[x * 50 + y] == 1;
    }
    static bool Reset(int x, int y, int16_t fill) {
        return Bottom(x, y) == fill && Top(x, y) == 0 && Access(x, y) == 1295 && Zone(x, y) == 0 && !EventAt(x, y) &&
               CurrentLevel.EventGrid[x * 50 + y] == 0;
    }
};

TEST_F(LevelToolsTest, ShiftMovesEverythingAndResetsTheNewLine) {
    const struct {
        void (*shift)(int16_t);
        int dx, dy;        // where a square's contents go
        int lostX, lostY;  // a square of the line that is lost
        int newX, newY;    // a square of the line that comes in
    } cases[] = {
        {ShiftLevelUp, 0, -1, 10, 0, 10, 49},
        {ShiftLevelDown, 0, 1, 10, 49, 10, 0},
        {ShiftLevelLeft, -1, 0, 0, 10, 49, 10},
        {ShiftLevelRight, 1, 0, 49, 10, 0, 10},
    };
    for (const auto& c : cases) {
        NewLevel(1);
        Mark(20, 20);
        Mark(c.lostX, c.lostY);
        CopyEventToClipboard(*EventAt(20, 20));
        c.shift(7);
        EXPECT_TRUE(Marked(20 + c.dx, 20 + c.dy)) << c.dx << c.dy;
        EXPECT_FALSE(EventAt(20, 20)) << c.dx << c.dy;
        EXPECT_TRUE(Reset(c.newX, c.newY, 7)) << c.dx << c.dy;
        EXPECT_EQ(EventClipboard, EventAt(20 + c.dx, 20 + c.dy));  // the moved copy stays copied
        // The lost line's shop went; the square took its neighbour's place.
        int events = 0;
        for (const auto& e : EventGrid) events += e ? 1 : 0;
        EXPECT_EQ(events, 1) << c.dx << c.dy;
    }
    CopyEventToClipboard(*EventAt(21, 20));
    Mark(0, 5);
    CopyEventToClipboard(*EventAt(0, 5));
    ShiftLevelLeft(7);
    EXPECT_EQ(EventClipboardType, -1);
}

TEST_F(LevelToolsTest, ClearChoicesAndWipe) {
    Mark(3, 3);
    Mark(37, 37);
    Mark(36, 49);
    CurrentLevel.ScriptTable[2] = 1;
    ScriptTable[2] = std::make_unique<LevelScript>();
    CopyEventToClipboard(*EventAt(3, 3));
    ClickAt(225, 180);  // events only
    ClickAt(130, 288);
    Run([&] { RunClearFunctions(9, editor); });
    EXPECT_EQ(EventClipboardType, -1);
    EXPECT_FALSE(EventAt(3, 3));
    EXPECT_EQ(Bottom(3, 3), 80);
    EXPECT_TRUE(ScriptTable[2]);

    ClickAt(225, 155);  // tiles and scripts, then Cancel
    ClickAt(225, 205);
    TapKey('C');
    Run([&] { RunClearFunctions(9, editor); });
    EXPECT_EQ(Bottom(3, 3), 80);
    ClickAt(225, 155);
    ClickAt(225, 205);
    ClickAt(130, 288);
    Run([&] { RunClearFunctions(9, editor); });
    EXPECT_TRUE(Reset(3, 3, 9));
    EXPECT_FALSE(ScriptTable[2]);

    Mark(37, 37);
    Mark(36, 49);
    WipeScreen(37, 37, 5);
    EXPECT_EQ(Bottom(37, 37), 5);
    EXPECT_EQ(Bottom(49, 49), 5);
    EXPECT_EQ(Access(37, 37), 1295);
    EXPECT_TRUE(EventAt(37, 37));  // events stay
    EXPECT_TRUE(Marked(36, 49));
}

// Tile 0 of the top layer (every empty top square) replaced by a picked wall tile.
TEST_F(LevelToolsTest, ReplaceInTheTopLayer) {
    const int16_t picked = WallTileGrids[0][0];
    ASSERT_GT(picked, 0);
    Top(4, 4) = 81;
    Bottom(5, 5) = 0;
    ClickAt(226, 201);  // the to-tile: the wall picker's first cell
    ClickAt(66, 156);
    ClickAt(230, 243);  // layer: Top
    ClickAt(130, 288);
    Run([&] { RunReplaceTile(editor); });
    EXPECT_EQ(Top(0, 0), picked);
    EXPECT_EQ(Top(49, 49), picked);
    EXPECT_EQ(Top(4, 4), 81);
    EXPECT_EQ(Bottom(5, 5), 0);
    EXPECT_TRUE(TextShownAt(host, "Top", 210, 241));
}

// Page9 shows four rows; Cancel keeps the tile, and the sheet reopens at the page last shown.
TEST_F(LevelToolsTest, TileSheetPages) {
    int16_t page = 0, result = 0;
    TapKey('9');
    host.MoveMouse(16, 4 * 32 + 16).Wait(100).Hold(1, 100);  // below the last row
    TapKey(27);
    Run([&] { result = PickTileFromSheet(77, page); });
    EXPECT_EQ(result, 77);
    EXPECT_EQ(page, 8);
    EXPECT_TRUE(Shows(BackSurface, 0, 96, WallTiles[2375]));
    ClickAt(2 * 32 + 16, 32 + 16);
    Run([&] { result = PickTileFromSheet(77, page); });
    EXPECT_EQ(result, 2337);
}

TEST_F(LevelToolsTest, OverviewTeleportsAndDraws) {
    int16_t x = 20, y = 20;
    ClickAt(2 * 8 + 4, 48 * 8 + 4);
    Run([&] { RunMapOverview(x, y, 1); });
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 37);

    ClickAt(500, 98);  // Draw
    ClickAt(10 * 8 + 4, 11 * 8 + 4);
    TapKey('M');
    Run([&] { RunMapOverview(x, y, 1); });
    EXPECT_EQ(Bottom(10, 11), 1327);
    EXPECT_EQ(x, 0);
    EXPECT_TRUE(ButtonShownAt(host, "Draw", 465, 90, 4));
}

TEST_F(LevelToolsTest, EditorScreen) {
    editor.viewX = editor.viewY = 37;
    editor.grid = 0;
    CreateEvent(40, 40, 1248);
    DrawEditorScreen(editor, 1);
    EXPECT_EQ(LastTextAt(21, 1), "37");
    EXPECT_EQ(LastTextAt(21 + 32 * 12, 1), "49");
    EXPECT_EQ(LastTextAt(1, 21 + 32 * 12), "49");
    EXPECT_EQ(LastTextAt(229, 438), "No");
    EXPECT_EQ(LastTextAt(223, 448), "Clip");
    EXPECT_TRUE(Shows(BackSurface, CellX(3), CellY(3), WallTiles[1248]));
    EXPECT_FALSE(Shows(BackSurface, CellX(0), CellY(0), WallTiles[1010]));

    editor.events = 0;
    editor.grid = 1;
    CopyEventToClipboard(*EventAt(40, 40));
    DrawEditorScreen(editor, 1);
    EXPECT_FALSE(Shows(BackSurface, CellX(3), CellY(3), WallTiles[1248]));
    EXPECT_TRUE(Shows(BackSurface, CellX(0), CellY(0), WallTiles[1010]));
    EXPECT_TRUE(Shows(BackSurface, 220, 433, WallTiles[1248]));

    // A damaged level draws what it can.
    Bottom(38, 38) = 5000, Top(38, 38) = -7, Access(38, 38) = 30000, Zone(38, 38) = 9;
    EventAt(40, 40)->Word[0] = -3;
    editor.events = editor.zones = 1;
    editor.page = 9;
    CopyEventToClipboard(*EventAt(40, 40));
    DrawEditorScreen(editor, 1);
    EXPECT_TRUE(Shows(BackSurface, CellX(2), CellY(2), WallTiles[1010]));
}

}  // namespace
