// The level editor's main loop end to end: entry, pages and keys, quick slots, scrolling,
// painting, the event clipboard, the level number and leaving.
#include "kit/level/construction_kit.h"

#include <cmath>
#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "kit/events/level_records.h"
#include "kit/level/editor_state.h"
#include "kit/level/event_clipboard.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "platform/fonts.h"
#include "tests/kit/kit_test.h"
#include "tests/support/surface_match.h"

namespace fs = std::filesystem;

namespace {

class ConstructionKitTest : public KitTest {
protected:
    // Level 3: a shop at (2, 3) and a chest at (4, 3); the kit starts on it.
    void StartOnLevel3() {
        CreateEvent(2, 3, 1248);
        CreateEvent(4, 3, 1242);
        KitTest::StartOnLevel3();
    }
    // The cursor rests a pass over the cell before Ctrl and the letter go down.
    void CopyAt(int column, int row) {
        host.MoveMouse(CellCentreX(column), CellCentreY(row)).Wait(150);
        CtrlKey('C');
    }
    void PasteAt(int column, int row) {
        host.MoveMouse(CellCentreX(column), CellCentreY(row)).Wait(150);
        CtrlKey('P');
    }
    // The first button of the panel page, each time it changed.
    std::vector<std::string> PagesShown() const {
        std::vector<std::string> pages;
        for (const auto& t : host.texts) {
            if (t.y == 264 && t.x >= 475 && t.x < 595 && (pages.empty() || pages.back() != t.text))
                pages.push_back(t.text);
        }
        return pages;
    }
    void SaveWithF4() { Keys({kF4, 'Y'}); }
};

TEST_F(ConstructionKitTest, ReloadPreviousLevelYesNoAndMissing) {
    NewLevel(1300);
    ASSERT_EQ(SaveLevel(5, 0), 1u);
    KitPreviousLevel = 5;
    TapKey('Y');
    RunKit();
    EXPECT_EQ(Shown("Reload previous level?"), 1u);
    EXPECT_EQ(LastTextAt(13, 438), "Level5.dat");
    EXPECT_EQ(Bottom(0, 0), 1300);

    KitPreviousLevel = 6;  // no such file: the fresh level stays, the offer too
    Keys({'Y', 13});
    RunKit();
    EXPECT_EQ(Shown("  Level does not exist!"), 1u);
    EXPECT_EQ(LastTextAt(13, 438), "Level0.dat");
    EXPECT_EQ(Bottom(0, 0), 1);
    EXPECT_EQ(KitPreviousLevel, 6);

    TapKey('N');
    RunKit();
    EXPECT_EQ(KitPreviousLevel, 0);
    host.texts.clear();
    RunKit();
    EXPECT_EQ(Shown("Reload previous level?"), 0u);
}

TEST_F(ConstructionKitTest, PageKeysAndTabs) {
    Keys({'B', 'B', 'U', kTab});
    host.MoveMouse(CellCentreX(0), CellCentreY(0));
    CtrlKey('C');     // a copy, not the Clear page
    Keys({'C', 'V'});
    ClickAt(480 + 40, 225);  // the DB2 tab
    RunKit();
    EXPECT_EQ(PagesShown(), (std::vector<std::string>{"Define Zones", "Objective", "Books", "Search X",
                                                       "Define Zones", "Clear", "View Grid", "Books"}));
    // The upper row marks no tab on pages 3 to 5.
    EXPECT_EQ(LastTextAt(1, 21), "0");
}

TEST_F(ConstructionKitTest, TileOrderFillsTheSelectedSlotOnly) {
    Keys({'5', 'U'});
    ClickAt(530, 310);            // "Tile Order"
    host.Wait(5).Tap('5');        // sheet page 5: tiles 1120..1399
    ClickAt(8 * 32 + 16, 6 * 32 + 16);  // row 6, column 8: the shop's tile
    Keys({'1'});
    host.Wait(50);
    Keys({'5'});
    host.Wait(50);
    Keys({'1'});
    RunKit();
    std::vector<std::string> numbers;
    for (const auto& t : host.texts) {
        if (t.x == 530 && t.y == 15 && (numbers.empty() || numbers.back() != t.text)) numbers.push_back(t.text);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"0", "1248", "0", "1248", "0"}));
    EXPECT_TRUE(Shows(BackSurface, 448, 70, WallTiles[1248]));
    EXPECT_FALSE(Shows(BackSurface, 448, 35, WallTiles[1248]));
}

TEST_F(ConstructionKitTest, HeldArrowScrollsToTheEdgeAndDragPaints) {
    host.Hold(39, 6000);
    host.Hold(98, 60);  // the keypad's down arrow, one step or two
    RunKit();
    EXPECT_EQ(LastTextAt(21, 1), "37");
    EXPECT_EQ(LastTextAt(21 + 32 * 12, 1), "49");
    EXPECT_NE(LastTextAt(1, 21), "0");

    // Tile 0 dragged from cell (1, 1) to cell (4, 1), a pass on each.
    host.MoveMouse(CellCentreX(1), CellCentreY(1)).Wait(100).Press(1);
    for (int c = 2; c <= 4; ++c) host.Wait(150).MoveMouse(CellCentreX(c), CellCentreY(1));
    host.Wait(150).Release(1);
    RunKit();
    for (int x = 0; x <= 5; ++x) EXPECT_EQ(Bottom(x, 1), x >= 1 && x <= 4 ? 0 : 1) << x;
}

// Strokes begun where nothing reads the button: right of the last row, on the column numbers
// above column 6 and on the row numbers left of row 9. Each paints every square it then passes.
TEST_F(ConstructionKitTest, StrokeBegunBesideTheMapPaints) {
    const struct {
        int32_t x, y;  // where the button goes down
        int c, r, dc, dr;  // the first square reached, and the way on
    } strokes[] = {{440, CellCentreY(12), 12, 12, -1, 0}, {CellCentreX(6), 4, 6, 0, 0, 1}, {4, CellCentreY(9), 0, 9, 1, 0}};
    for (const auto& s : strokes) {
        host.MoveMouse(s.x, s.y).Wait(100).Press(1);
        for (int i = 0; i < 3; ++i) host.Wait(150).MoveMouse(CellCentreX(s.c + i * s.dc), CellCentreY(s.r + i * s.dr));
        host.Wait(150).Release(1);
        RunKit();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Bottom(s.c + i * s.dc, s.r + i * s.dr), 0) << s.x << ", " << s.y << ": " << i;
    }
}

TEST_F(ConstructionKitTest, CtrlFFloodsTheWindowOnly) {
    StartOnLevel3();
    host.MoveMouse(CellCentreX(6), CellCentreY(6)).Wait(150);
    CtrlKey('F');  // tile 0, the first slot's
    RunKit();
    EXPECT_EQ(Bottom(0, 0), 0);
    EXPECT_EQ(Bottom(12, 12), 0);
    EXPECT_EQ(Bottom(13, 0), 1);
    EXPECT_EQ(Bottom(0, 13), 1);
}

TEST_F(ConstructionKitTest, CopyAndPasteOfLiveEvents) {
    StartOnLevel3();
    CopyAt(2, 3);
    PasteAt(5, 5);
    PasteAt(4, 3);  // onto the chest: nothing
    SaveWithF4();
    TapKey('Y');  // "File Exists! Overwrite?"
    RunKit();
    EXPECT_TRUE(Shows(BackSurface, 220, 433, WallTiles[1248]));  // the clipboard cell
    EXPECT_EQ(EventClipboardType, -1);  // the records went with the kit
    for (const auto& event : EventGrid) EXPECT_FALSE(event);
    ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
    ASSERT_TRUE(EventAt(5, 5));
    EXPECT_EQ(EventAt(5, 5)->Word[29], 100);
    EXPECT_EQ(EventAt(4, 3)->Word[0], 1242);

    // The clipboard names the live record: an edit after the copy shows in the paste.
    CreateEvent(1, 1, 1248);
    CopyEventToClipboard(*EventAt(1, 1));
    EventAt(1, 1)->Word[29] = 55;
    ASSERT_EQ(PasteEvent(1, 2), 1);
    EXPECT_EQ(EventAt(1, 2)->Word[29], 55);

    // After New Level the clipboard is empty: Ctrl+P pastes nothing.
    StartOnLevel3();
    CopyAt(2, 3);
    Keys({'C'});
    ClickAt(530, 287);  // "New Level"
    TapKey('Y');
    PasteAt(6, 6);
    SaveWithF4();
    RunKit();
    ASSERT_EQ(LoadLevel(0, 1, 0), 1u);
    EXPECT_FALSE(EventAt(6, 6));
}

// Every way a copied record is released leaves nothing to paste (a read would be caught by
// the address sanitizer); a shift that only moves it keeps it.
TEST_F(ConstructionKitTest, NoPasteReadsAReleasedRecord) {
    ASSERT_EQ(SaveLevel(0, 0), 1u);
    StartOnLevel3();
    CopyAt(2, 3);
    TapKey(kF1);
    ClickAt(300, 60 + 16);  // import level 0
    TapKey('Y');
    PasteAt(7, 7);
    SaveWithF4();
    TapKey('Y');  // "File Exists! Overwrite?"
    RunKit();
    ASSERT_EQ(LoadLevel(0, 1, 0), 1u);
    EXPECT_FALSE(EventAt(7, 7));

    StartOnLevel3();
    CopyAt(2, 3);
    Keys({'C'});
    ClickAt(530, 264);  // "Clear": events only
    ClickAt(225, 180);
    ClickAt(130, 288);
    PasteAt(7, 8);
    SaveWithF4();
    TapKey('Y');
    RunKit();
    ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
    for (const auto& event : EventGrid) EXPECT_FALSE(event);

    // A shift up loses row 0 with the copied event; one that moves the copy keeps it.
    CreateEvent(2, 0, 1248);
    CreateEvent(3, 1, 1242);
    ASSERT_EQ(SaveLevel(3, 0), 1u);
    TapKey('Y');
    CopyAt(3, 1);
    Keys({'U'});
    ClickAt(530, 333);  // "Shift Level"
    Keys({38, 27});
    PasteAt(8, 8);
    CopyAt(2, 0);  // nothing there any more
    Keys({'U'});
    ClickAt(530, 333);
    Keys({38, 27});
    PasteAt(9, 9);
    SaveWithF4();
    TapKey('Y');
    RunKit();
    ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
    ASSERT_TRUE(EventAt(8, 7));  // pasted at (8, 8), shifted once
    EXPECT_EQ(EventAt(8, 7)->Word[0], 1242);
    EXPECT_FALSE(EventAt(9, 9));
    EXPECT_FALSE(EventAt(2, 0));
    EXPECT_FALSE(EventAt(3, 0));
}

// The event editor opens on a right click; its Erase leaves nothing to paste.
TEST_F(ConstructionKitTest, EraseInTheEventEditorEmptiesTheClipboard) {
    StartOnLevel3();
    CopyAt(2, 3);
    ClickCell(2, 3, 2);
    ClickAt(380, 425);  // the shop dialog's "Erase"
    PasteAt(6, 6);
    SaveWithF4();
    TapKey('Y');
    RunKit();
    ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
    EXPECT_FALSE(EventAt(2, 3));
    EXPECT_FALSE(EventAt(6, 6));
}

TEST_F(ConstructionKitTest, SaveAtLevelZeroListsIt) {
    SaveWithF4();
    RunKit();
    EXPECT_EQ(Shown("Save Level0.map?"), 1u);
    EXPECT_TRUE(fs::exists("Mod/LevelData/Level0.dat"));
    LevelList = LevelListRecord{};
    ASSERT_EQ(LoadLevelList(), 1u);
    EXPECT_EQ(LevelList.LevelListUsed[0], 1u);
    EXPECT_EQ(FieldText(LevelList.LevelListName[0]), "Unnamed Map Area");
}

// A No to the overwrite question leaves the list alone; a file that cannot be written is said
// and lists nothing.
TEST_F(ConstructionKitTest, SaveListsOnlyWhatWasWritten) {
    ASSERT_EQ(SaveLevel(0, 0), 1u);
    LevelList.LevelListUsed[0] = 1;
    SetFieldText(LevelList.LevelListName[0], "Old name");
    SaveWithF4();
    TapKey('N');
    RunKit();
    EXPECT_EQ(Shown("File Exists! Overwrite?"), 1u);
    EXPECT_EQ(FieldText(LevelList.LevelListName[0]), "Old name");
    // The overwrite box stands on the editor, not beside the save box.
    EXPECT_TRUE(BoxShown(host, 200, 150));
    EXPECT_FALSE(BoxLeftBeside(host, 200, 150, 210, 175));

    fs::remove("Mod/LevelData/Level0.dat");
    fs::create_directories("Mod/LevelData/Level0.dat");  // a folder where the file goes
    LevelList.LevelListUsed[0] = 0;
    SaveWithF4();
    TapKey(13);
    RunKit();
    EXPECT_EQ(SecondLineOfBox(host, "Level0.dat could not"), "be written!");
    EXPECT_EQ(LevelList.LevelListUsed[0], 0u);
}

// Load Num keeps the level's number when nothing was loaded: F4 then saves where it did.
TEST_F(ConstructionKitTest, LoadNumChangesTheNumberOnlyWhenLoaded) {
    ClickAt(560, 410);
    ClickAt(340, 165);
    host.Wait(2).Type("40").Tap(13);
    ClickAt(250, 215);
    TapKey(13);
    SaveWithF4();
    RunKit();
    EXPECT_EQ(Shown("  Level does not exist!"), 1u);
    EXPECT_EQ(Shown("Save Level0.map?"), 1u);
    EXPECT_EQ(Shown("Save Level40.map?"), 0u);

    NewLevel(1300);
    ASSERT_EQ(SaveLevel(12, 0), 1u);
    ClickAt(560, 410);
    ClickAt(340, 165);
    host.Wait(2).Type("12").Tap(13);
    ClickAt(250, 215);
    RunKit();
    EXPECT_EQ(LastTextAt(13, 438), "Level12.dat");
    EXPECT_EQ(KitPreviousLevel, 12);
    EXPECT_EQ(Bottom(0, 0), 1300);
}

// The relative luminance of a screen pixel, 0 black to 1 white.
double Luminance(uint16_t p) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(((p >> 11) & 31) / 31.0) + 0.7152 * linear(((p >> 5) & 63) / 63.0) +
           0.0722 * linear((p & 31) / 31.0);
}

// The numbers along the view and the tile number, in the dark ink, stand on art of at least
// 4.5 : 1 against it wherever they are written.
TEST_F(ConstructionKitTest, DarkTextsStandOnPaleArt) {
    EditorState e;
    e.viewX = e.viewY = 37;
    e.quickSlots[0] = 2284;
    DrawEditorScreen(e, 0);
    const Surface* glyph = SmallGlyphs[size_t(GlyphIndex('8', kSmallBlack))];
    uint16_t ink = glyph->key;
    for (int32_t i = 0; i < glyph->width * glyph->height && ink == glyph->key; ++i) ink = glyph->pixels[size_t(i)];
    struct Text {
        int x, y, chars;
    };
    std::vector<Text> texts = {{450, 15, 13}, {530, 15, 4}};
    for (int i = 0; i < 13; ++i) {
        texts.push_back({21 + 32 * i, 1, 2});
        texts.push_back({1, 21 + 32 * i, 2});
    }
    for (const Text& t : texts) {
        EXPECT_NE(LastTextAt(t.x, t.y), "(none)") << t.x << "," << t.y;
        double darkest = 1;
        for (int y = t.y; y < t.y + 10; ++y) {
            for (int x = t.x; x < t.x + 6 * t.chars; ++x) {
                const uint16_t p = BackSurface->Row(y)[x];
                if (p != ink) darkest = std::min(darkest, Luminance(p));
            }
        }
        EXPECT_GE((darkest + 0.05) / (Luminance(ink) + 0.05), 4.5) << t.x << "," << t.y;
    }
}

TEST_F(ConstructionKitTest, LevelOptionsOnTheDefinePage) {
    ClickAt(580, 332);      // "Wilderness lvl?"
    ClickAt(560, 355);      // View Dist: Long to Medium
    ClickAt(560, 355);      // to Short
    ClickAt(560, 355);      // and back to Long
    ClickAt(560, 355);
    host.MoveMouse(500, 340).Wait(100).Press(2).Wait(300).Release(2);
    RunKit();
    EXPECT_EQ(CurrentLevel.WildernessLevel, 1);
    EXPECT_EQ(CurrentLevel.ViewDistance, 1);
    EXPECT_EQ(Shown("feature is sceduled for a later"), 1u);
    EXPECT_EQ(LastTextAt(140, 160), "If set, the PC icon is replaced");
}

}  // namespace
