// The module card and the module editor: the banner rule, the inset's picture and window,
// the frame by colour, the pointer placed by a click, the hidden preview and the saved file.
#include "kit/db/module_description.h"
#include "kit/db/module_editor.h"

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "platform/display.h"
#include "platform/source_rects.h"
#include "tests/kit/db_test.h"
#include "tests/support/surface_match.h"

namespace {

class ModuleEditorTest : public DbEditorTest {
protected:
    ModuleRecord& Card() { return ModuleTable[3]; }
    // The inset's pixel (dx, dy) against the picture's pixel at the window's corner + (dx, dy).
    bool InsetShows(int picture, int left, int top) {
        for (auto [dx, dy] : {std::pair{0, 0}, std::pair{120, 70}, std::pair{241, 149}})
            if (BackSurface->Row(100 + 90 + dy)[100 + 14 + dx] != WorldMapSurfaces[size_t(picture)]->Row(top + dy)[left + dx])
                return false;
        return true;
    }
};

TEST_F(ModuleEditorTest, TheBannerStandsAboveATitleOfOneLine) {
    SetFieldText(Card().ModuleTitle[0], "The Drowned Vault");
    DrawModuleDescription(100, 20, 3);
    EXPECT_TRUE(TextShownAt(host, "A Quillmark Adventure!", 165, 65));
    EXPECT_TRUE(TextShownAt(host, "The Drowned Vault", 120, 80, 273));
    host.texts.clear();
    SetFieldText(Card().ModuleTitle[1], "of Sorrow");
    Card().ModuleLevels[0] = 3;
    Card().ModuleLevels[1] = 7;
    DrawModuleDescription(100, 20, 3);
    EXPECT_FALSE(TextShown(host, "A Quillmark Adventure!"));
    EXPECT_TRUE(TextShownAt(host, "The Drowned Vault", 120, 60, 273));
    EXPECT_TRUE(TextShownAt(host, "of Sorrow", 120, 80, 273));
    EXPECT_TRUE(TextShownAt(host, "For character levels 3 to 7", 145, 30));
    EXPECT_EQ(std::string(Card().ModuleTitle[1]), "of Sorrow");  // the record is only read
}

TEST_F(ModuleEditorTest, TheInsetComesFromTheMapsPictureInsideItsBounds) {
    Card().ModuleColour = 99;  // no coloured frame pieces over the inset
    struct Case {
        int16_t map, topX, topY;
        int picture, left, top;
    };
    const Case cases[] = {{0, 10, 20, 2, 10, 20},
                          {1, 10, 20, 0, 10, 20},
                          {2, 10, 20, 1, 10, 20},
                          {1, 500, 500, 0, 398, 330},  // moved inside the picture
                          {1, -40, 7, 0, 0, 7}};
    for (const Case& c : cases) {
        Clear(BackSurface);
        Card().ModuleMap = c.map;
        Card().ModuleTopXY[0] = c.topX;
        Card().ModuleTopXY[1] = c.topY;
        DrawModuleDescription(100, 100, 3);
        EXPECT_TRUE(InsetShows(c.picture, c.left, c.top)) << c.map << " " << c.topX << "," << c.topY;
    }
    Clear(BackSurface);
    Card().ModuleMap = 3;
    DrawModuleDescription(100, 100, 3);
    EXPECT_EQ(BackSurface->Row(190 + 70)[114 + 120], 0);  // no inset
}

TEST_F(ModuleEditorTest, FramePiecesFollowTheColour) {
    Card().ModuleColour = 2;
    SetFieldText(Card().ModuleCredit2, "");
    Card().ModulePointer[0] = 150;  // clear of the pieces looked at
    Card().ModulePointer[1] = 0;
    Clear(BackSurface);
    DrawModuleDescription(100, 20, 3);
    const int b = 30;
    EXPECT_TRUE(Shows(BackSurface, 100, 20, ModuleIcons[0]));
    EXPECT_TRUE(Shows(BackSurface, 340, 20, ModuleIcons[2]));
    EXPECT_TRUE(Shows(BackSurface, 100, 50, ModuleIcons[size_t(b + 3)]));
    EXPECT_TRUE(Shows(BackSurface, 130, 110, ModuleIcons[size_t(b + 7)]));
    EXPECT_TRUE(Shows(BackSurface, 340, 230, ModuleIcons[size_t(b + 14)]));
    EXPECT_TRUE(Shows(BackSurface, 100, 350, ModuleIcons[size_t(b + 15)]));
    EXPECT_TRUE(Shows(BackSurface, 290, 325, ModuleIcons[kModuleBanner]));
    // Outside the table: nothing at all.
    Clear(BackSurface);
    DrawModuleDescription(100, 20, 50);
    EXPECT_FALSE(Shows(BackSurface, 100, 20, ModuleIcons[0]));
}

TEST_F(ModuleEditorTest, APointerClickOnThePreviewAndTheSavedRecord) {
    EnterAt(115, 80, "60");                // at most 50
    TypeAt(40, 151, "of the Fens");
    ClickAt(95, 345);                      // Front2
    ClickAt(120, 105);
    ChooseRow(115, 100, 6);                // Orange
    ClickAt(120, 145);
    TapKey(kEsc);                          // the map stays
    ClickAt(450, 200);                     // the pointer
    ClickAt(220, 345);                     // Start
    EnterAt(82, 115, "140");               // at most 129
    EnterAt(100, 195, "4321");
    TapKey('N');
    TapKey('P');
    TapKey('P');                           // stays on 0
    const auto bytes = SavedFile(RunModuleEditor, "Module.dat");
    EXPECT_EQ(I16At(bytes, 0), 50);
    EXPECT_EQ(I16At(bytes, 4), 6);
    EXPECT_EQ(TextAt(bytes, 32, 26), "of the Fens");
    EXPECT_EQ(I16At(bytes, 206), 450 - 378);
    EXPECT_EQ(I16At(bytes, 208), 200 - 122);
    EXPECT_EQ(I16At(bytes, 210), ModuleTable[0].ModuleMap);
    EXPECT_EQ(I16At(bytes, 216), 129);
    EXPECT_EQ(I16At(bytes, 222), 4321);
    EXPECT_TRUE(Shows(BackSurface, 435, 184, UiIcons[41]));  // the pointer where the cursor was, less (15, 16)
    EXPECT_TRUE(TextShownAt(host, "   Module File Saved!", 230, 210));
    EXPECT_TRUE(TextShown(host, "Module Number: 1"));
}

TEST_F(ModuleEditorTest, AHiddenPreviewTakesNoPointerClicks) {
    const int16_t x = ModuleTable[0].ModulePointer[0];
    ClickAt(95, 345);
    TapKey('T');
    host.MoveMouse(450, 200).Wait(100).Hold(1, 20);
    ClickAt(515, 385);                     // the unmarked place: shown again
    TapKey(kEsc);
    TapKey(kEnter);
    Run(RunModuleEditor);
    EXPECT_EQ(ModuleTable[0].ModulePointer[0], x);
    EXPECT_TRUE(TextShownAt(host, "    Changes Aborted!", 230, 210));
}

}  // namespace
