// The editors on the one record form: books, forge recipes, quest texts, penta portals and
// the custom campaign. Each is run editing every kind of its fields, and the saved file is
// read back at the offsets of its layout.
#include <vector>

#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/text_field.h"
#include "kit/db/campaign_editor.h"
#include "kit/db/database_editors.h"
#include "platform/display.h"
#include "platform/widgets.h"
#include "tests/kit/db_test.h"

namespace {

class RecordEditorTest : public DbEditorTest {};

TEST_F(RecordEditorTest, BookPagesStayWhenTheBookChangesAndTheLinesLandInTheirPlaces) {
    TypeAt(170, 65, "Tome");
    TypeAt(50, 110, "First");
    TapKey('N');
    TypeAt(50, 310, "Last line");          // line 10 of page 2
    ClickAt(155, 415);                     // Next Book: the page stays
    TypeAt(50, 110, "Second book");
    const auto bytes = SavedFile(RunBookEditor, "Book.dat");
    EXPECT_EQ(TextAt(bytes, 0, 40), "Tome");
    EXPECT_EQ(TextAt(bytes, 40, 40), "First");
    EXPECT_EQ(TextAt(bytes, 40 + 440 + 400, 40), "Last line");
    EXPECT_EQ(TextAt(bytes, 3560 + 40 + 440, 40), "Second book");
    EXPECT_TRUE(TextShownAt(host, "Page: 2 of 8", 60, 95, 182));
    EXPECT_TRUE(TextShownAt(host, "149", 400, 70, 182));  // book 1 is read through item 149
    EXPECT_TRUE(TextShownAt(host, "    Book File Saved!", 230, 210));
}

TEST_F(RecordEditorTest, BookButtonsStopAtTheEndsAndTheKeysStepPagesOnly) {
    TapKey('P');
    ClickAt(85, 415);  // Prev Book on book 0
    for (int i = 0; i < 9; ++i) TapKey('N');
    for (int i = 0; i < 6; ++i) ClickAt(155, 415);
    TypeAt(50, 110, "End");
    TapKey('S');
    TapKey(kEnter);
    Run(RunBookEditor);
    EXPECT_TRUE(TextShown(host, "Page: 8 of 8"));
    EXPECT_FALSE(TextShown(host, "Page: 9 of 8"));
    EXPECT_FALSE(TextShown(host, "Page: 0 of 8"));
    EXPECT_EQ(std::string(BookTable[4].Line[7][0]), "End");
    EXPECT_FALSE(TextShown(host, "153"));
}

TEST_F(RecordEditorTest, ForgeRecipeFieldsAndTheirNames) {
    SetFieldText(ItemTable[0].ItemName, "Nothing much");
    SetFieldText(ItemTable[7].ItemName, "Blade");
    ClickAt(155, 100);
    ChooseRow(150, 95, 3);   // Forge of Deroz
    ClickAt(155, 100);
    TapKey(kEsc);            // Esc keeps it
    EnterAt(150, 125, "0");
    EnterAt(150, 213, "-1");
    EnterAt(190, 290, "7");
    EnterAt(290, 290, "3");
    EnterAt(400, 290, "800");  // at most 713
    TapKey(35);                // End: recipe 59
    EnterAt(150, 125, "9");
    const auto bytes = SavedFile(RunForgeEditor, "Forge.dat");
    EXPECT_EQ(I16At(bytes, 0), 3);
    EXPECT_EQ(I16At(bytes, 2), 0);
    EXPECT_EQ(I16At(bytes, 10), -1);
    EXPECT_EQ(I16At(bytes, 12), 7);
    EXPECT_EQ(I16At(bytes, 14), 3);
    EXPECT_EQ(I16At(bytes, 16), 713);
    EXPECT_EQ(I16At(bytes, 59 * 18 + 2), 9);
    EXPECT_TRUE(TextShownAt(host, "Forge of Deroz", 160, 101));
    EXPECT_TRUE(TextShownAt(host, "Nothing much", 220, 130, 182));  // item 0 as a requirement
    EXPECT_TRUE(TextShownAt(host, "Blade", 60, 310, 182));
    EXPECT_TRUE(TextShownAt(host, "59", 160, 70, 182));

    host.texts.clear();
    EnterAt(190, 290, "0");  // item 0 is no product: no name
    for (int i = 0; i < 5; ++i) TapKey('N');
    ClickAt(55, 415);        // -10 from 5
    TapKey(35);
    ClickAt(105, 415);       // Prev: 58
    ClickAt(205, 415);       // +10: 59
    TapKey(36);              // Home
    TapKey(kEsc);
    TapKey(kEnter);
    Run(RunForgeEditor);
    EXPECT_FALSE(TextShownAt(host, "Nothing much", 60, 310, 182));
    for (const char* n : {"5", "0", "58", "59"}) EXPECT_TRUE(TextShownAt(host, n, 160, 70, 182)) << n;
    EXPECT_EQ(ForgeTable[0].ForgeResult[0], 7);  // Cancel read the file again
}

TEST_F(RecordEditorTest, QuestTextsAwardAndNumberEntry) {
    TypeAt(50, 100, "Find the ring");
    TypeAt(50, 210, "It is lost.");
    ClickAt(35, 265);                    // the award box
    TypeAt(50, 260, "A sword");
    TypeAt(50, 310, "The smith");
    ClickAt(145, 345);
    Keys({"250", kEnter});               // at most 199
    TapKey('N');                         // stays
    TapKey('P');
    TypeAt(50, 100, "Last but one");
    TapKey('G');
    Keys({"0", kEnter});
    TapKey('P');                         // stays
    const auto bytes = SavedFile(RunQuestTextEditor, "QuestText.dat");
    EXPECT_EQ(TextAt(bytes, 0, 57), "Find the ring");
    EXPECT_EQ(TextAt(bytes, 5 * 57, 57), "It is lost.");
    EXPECT_EQ(U32At(bytes, 344), 1u);
    EXPECT_EQ(TextAt(bytes, 348, 57), "A sword");
    EXPECT_EQ(TextAt(bytes, 405, 57), "The smith");
    EXPECT_EQ(TextAt(bytes, 198 * 464, 57), "Last but one");
    EXPECT_TRUE(TextShownAt(host, "199", 150, 346));
    EXPECT_FALSE(TextShownAt(host, "200", 150, 346));
    EXPECT_TRUE(TextShownAt(host, "Quest Text File Saved!", 230, 210));
}

TEST_F(RecordEditorTest, QuestEraseAsksAndCancelLeavesTheFile) {
    const auto before = FileBytes(DataPath("QuestText.dat"));
    TypeAt(50, 100, "Kept");
    ClickAt(205, 345);
    TapKey('N');                         // erase answered No
    TapKey(kEsc);
    TapKey(kEnter);
    Run(RunQuestTextEditor);
    EXPECT_TRUE(TextShown(host, "Really erase this quest?"));
    EXPECT_TRUE(TextShown(host, "Kept"));
    EXPECT_EQ(FileBytes(DataPath("QuestText.dat")), before);
    EXPECT_TRUE(TextShownAt(host, "    Changes Aborted!", 230, 210));

    SetFieldText(QuestTextTable[0].Line[0], "Gone");
    QuestTextTable[0].HasAward = 1;
    ClickAt(205, 345);
    TapKey('Y');
    TapKey('S');
    TapKey(kEnter);
    Run(RunQuestTextEditor);
    EXPECT_EQ(std::string(QuestTextTable[0].Line[0]), "");
    EXPECT_EQ(QuestTextTable[0].HasAward, 0u);
}

TEST_F(RecordEditorTest, PentaDestinationsAreStoredAsTyped) {
    const auto before = FileBytes(DataPath("Penta.dat"));
    TypeAt(110, 100, "Sunken Gate");
    EnterAt(270, 200, "999");            // portal 5
    EnterAt(350, 200, "77");
    EnterAt(420, 200, "50");
    TapKey(kEsc);
    TapKey(kEnter);
    Run(RunPentaEditor);
    EXPECT_EQ(FileBytes(DataPath("Penta.dat")), before);

    TypeAt(110, 100, "Sunken Gate");
    EnterAt(270, 200, "999");
    EnterAt(350, 200, "77");
    EnterAt(420, 200, "50");
    const auto bytes = SavedFile(RunPentaEditor, "Penta.dat");
    EXPECT_EQ(TextAt(bytes, 0, 16), "Sunken Gate");
    EXPECT_EQ(I16At(bytes, 4 * 22 + 16), 999);
    EXPECT_EQ(I16At(bytes, 4 * 22 + 18), 77);
    EXPECT_EQ(I16At(bytes, 4 * 22 + 20), 50);
    EXPECT_TRUE(TextShownAt(host, "5", 50, 205));
    EXPECT_TRUE(TextShownAt(host, "  Penta File Saved!", 230, 210));
}

// The dividers drawn after the check boxes, one just above the first and one just inside the
// last, leave them whole: drawing a box again changes nothing.
TEST_F(RecordEditorTest, TheCampaignsDividersLeaveItsCheckBoxesWhole) {
    const auto boxAt = [](int32_t top) {
        std::vector<uint16_t> pixels;
        for (int32_t y = top; y < top + 20; ++y)
            pixels.insert(pixels.end(), BackSurface->Row(y) + 330, BackSurface->Row(y) + 350);
        return pixels;
    };
    for (uint32_t ticked : {0u, 1u}) {
        CustomCampaign.DurwichEnabled = CustomCampaign.EndQuotesEnabled = ticked;
        DrawCustomCampaign(0);
        for (int16_t top : {315, 362}) {
            const std::vector<uint16_t> drawn = boxAt(top);
            DrawCheckBox(330, top, ticked);
            EXPECT_EQ(drawn, boxAt(top)) << top << " " << ticked;
        }
    }
}

TEST_F(RecordEditorTest, CampaignSavesWithoutAWordAndItsCountListKeepsOnEsc) {
    CustomCampaign.DurwichEnabled = 7;  // any value but 1 turns into 1
    ClickAt(245, 211);
    ChooseRow(240, 206, 3);               // "None"
    ClickAt(245, 211);
    TapKey(kEsc);
    TypeAt(240, 249, "Eastmarch");        // map 2
    ClickAt(335, 320);
    ClickAt(335, 367);
    TapKey('R');
    Run(RunCustomCampaignEditor);
    const auto bytes = FileBytes(DataPath("Custom.dat"));
    EXPECT_EQ(U32At(bytes, 0), 1u);
    EXPECT_EQ(I16At(bytes, 8), 3);
    EXPECT_EQ(TextAt(bytes, 10 + 30, 30), "Eastmarch");
    EXPECT_EQ(U32At(bytes, 100), 0u);     // on at start: turned off
    EXPECT_FALSE(TextShown(host, "OK"));  // no message after Save
}

TEST_F(RecordEditorTest, AFailedSaveShowsTheFileAndKeepsTheEditorOpen) {
    LockFile("Custom.dat");
    TypeAt(240, 227, "Westreach");
    TapKey('R');
    TapKey(kEnter);
    // The editor is still open when the script runs out.
    EXPECT_THROW(RunCustomCampaignEditor(), host::ScriptEnded);
    EXPECT_TRUE(TextShown(host, " Custom.dat not saved!"));
    EXPECT_EQ(std::string(CustomCampaign.WorldMapName[0]), "Westreach");

    // The campaign editor has no Cancel: Esc does nothing until a save has failed, then leaves.
    host.Wait(100).Hold(kEsc, 20);  // never read
    EXPECT_THROW(RunCustomCampaignEditor(), host::ScriptEnded);
    TapKey('R');
    TapKey(kEnter);
    TapKey(kEsc);
    Run(RunCustomCampaignEditor);
    EXPECT_EQ(std::string(CustomCampaign.WorldMapName[0]), "Westreach");

    LockFile("Book.dat");
    TypeAt(170, 65, "Kept");
    TapKey('S');
    TapKey(kEnter);
    TapKey(kEsc);
    TapKey(kEnter);
    Run(RunBookEditor);
    EXPECT_TRUE(TextShown(host, " Book.dat not saved!"));
    EXPECT_FALSE(TextShown(host, "    Book File Saved!"));
    EXPECT_TRUE(TextShown(host, "Kept"));
}

}  // namespace
