// The game objective and win text editors: every field kind down to the saved file's bytes,
// page and text stepping, the picture cycle, the tune played and stopped, clearing a text.
#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "platform/keys.h"
#include "tests/kit/db_test.h"

namespace {

class CampaignTextEditorTest : public DbEditorTest {
protected:
    bool MediaSent(std::string_view command) const {
        return std::find(host.mediaCommands.begin(), host.mediaCommands.end(), command) != host.mediaCommands.end();
    }
};

TEST_F(CampaignTextEditorTest, ObjectiveFieldsPagesAndPicture) {
    GameIntro.ObjectivePictures[1] = 3;
    TypeAt(100, 55, "Ann Wright");
    EnterAt(140, 75, "99");             // at most 62
    EnterAt(210, 75, "12");
    EnterAt(285, 75, "60");             // at most 49
    EnterAt(140, 95, "250");            // at most 199
    TypeAt(50, 150, "Begin");
    TapKey('P');                        // stays on page 1
    TapKey('N');
    TypeAt(50, 350, "Last");            // line 11 of page 2
    TypeAt(410, 310, "The gate");
    for (int i = 0; i < 5; ++i) ClickAt(400, 200);  // round to where it was
    ClickAt(400, 200);                               // 3 -> 4
    ClickAt(400, 200);                               // 4 -> 0
    for (int i = 0; i < 10; ++i) TapKey('N');        // stops at page 10
    TapKey('S');
    Run(RunGameObjectiveEditor);
    const auto bytes = FileBytes(DataPath("GameIntro.dat"));
    EXPECT_EQ(I16At(bytes, 0), 62);
    EXPECT_EQ(I16At(bytes, 2), 12);
    EXPECT_EQ(I16At(bytes, 4), 49);
    EXPECT_EQ(TextAt(bytes, 6, 40), "Begin");
    EXPECT_EQ(TextAt(bytes, 6 + 40 * 21, 40), "Last");
    EXPECT_EQ(I16At(bytes, 4406), 199);
    EXPECT_EQ(I16At(bytes, 4408 + 2), 0);
    EXPECT_EQ(TextAt(bytes, 4430 + 20, 20), "The gate");
    EXPECT_EQ(TextAt(bytes, 4630, 20), "Ann Wright");
    EXPECT_TRUE(TextShownAt(host, "10", 160, 130, 182));
    EXPECT_FALSE(TextShownAt(host, "11", 160, 130, 182));
    EXPECT_FALSE(TextShownAt(host, "0", 160, 130, 182));
}

TEST_F(CampaignTextEditorTest, ObjectiveTuneIsPlayedAndStopped) {
    const auto before = FileBytes(DataPath("GameIntro.dat"));
    GameIntro.ObjectiveTune = 40;       // from a damaged file: no tune to play
    ClickAt(545, 360);
    ClickAt(360, 360);
    ChooseRow(355, 15, 0);              // "None"
    ClickAt(545, 360);                  // nothing either
    ClickAt(360, 360);
    ChooseRow(355, 15, 4);              // "Swamp", tune 3
    ClickAt(545, 360);
    ClickAt(360, 360);                  // stops it before the list
    TapKey(kEsc);                       // keeps tune 3
    ClickAt(545, 360);                  // plays again
    TapKey(kEsc);                       // Cancel stops it on leaving
    TapKey(kEnter);
    Run(RunGameObjectiveEditor);
    EXPECT_EQ(std::count(host.mediaCommands.begin(), host.mediaCommands.end(), "open music/tune3.mp3 alias currtune"), 2);
    EXPECT_EQ(std::count(host.mediaCommands.begin(), host.mediaCommands.end(), "stop currtune"), 2);
    EXPECT_EQ(host.mediaCommands.back(), "close currtune");
    EXPECT_TRUE(TextShown(host, "Swamp"));
    EXPECT_TRUE(TextShown(host, "Stop"));
    EXPECT_EQ(FileBytes(DataPath("GameIntro.dat")), before);
    EXPECT_TRUE(TextShownAt(host, "    Changes Aborted!", 230, 210));
}

TEST_F(CampaignTextEditorTest, WinTextsPagesAndFields) {
    TapKey(kPageDown);
    ClickAt(55, 90);
    ChooseRow(50, 85, 0);               // the same text: page 2 stays
    TypeAt(70, 165, "Line ten");
    ClickAt(55, 90);
    ChooseRow(50, 85, 1);               // the other text: its first page
    TypeAt(70, 165, "Second text");
    TapKey(kEnd);
    TapKey(kPageDown);                  // stays on the last page
    TypeAt(70, 345, "! The end");       // line 99
    EnterAt(140, 130, "600");           // at most 500
    ClickAt(285, 135);
    ChooseRow(280, 130, 3);             // "Ruins"
    TapKey(kHome);
    TapKey(kUp);                        // stays on the first page
    const auto bytes = SavedFile(RunWinTextEditor, "WinTxt.dat");
    EXPECT_EQ(TextAt(bytes, 4 + 10 * 50, 50), "Line ten");
    EXPECT_EQ(TextAt(bytes, 5004 + 4, 50), "Second text");
    EXPECT_EQ(TextAt(bytes, 5004 + 4 + 99 * 50, 50), "! The end");
    EXPECT_EQ(I16At(bytes, 5004), 500);
    EXPECT_EQ(I16At(bytes, 5004 + 2), 3);
    EXPECT_TRUE(TextShownAt(host, "90", 55, 170));
    EXPECT_TRUE(TextShownAt(host, "99", 55, 350));
    EXPECT_FALSE(TextShownAt(host, "100", 55, 170));
    EXPECT_TRUE(TextShown(host, "Ruins"));
    EXPECT_TRUE(TextShownAt(host, "Win Text File Saved!", 180, 210));
}

TEST_F(CampaignTextEditorTest, ClearingAsksAndKeepsIndentAndTune) {
    WinTexts[0].Indent = 40;
    WinTexts[0].Tune = 5;
    SetFieldText(WinTexts[0].Line[0], "Kept");
    SetFieldText(WinTexts[0].Line[73], "Gone later");
    SetFieldText(WinTexts[1].Line[0], "Other text");
    ClickAt(295, 90);
    TapKey('N');
    TapKey(kPageUp);                    // stays on the first page
    TapKey('S');
    TapKey(kEnter);
    Run(RunWinTextEditor);
    EXPECT_TRUE(TextShown(host, "Really clear txt?"));
    EXPECT_EQ(std::string(WinTexts[0].Line[0]), "Kept");
    EXPECT_EQ(std::string(WinTexts[0].Line[73]), "Gone later");

    ClickAt(295, 90);
    TapKey('Y');
    TapKey('S');
    TapKey(kEnter);
    Run(RunWinTextEditor);
    for (const auto& line : WinTexts[0].Line) EXPECT_EQ(line[0], 0);
    EXPECT_EQ(WinTexts[0].Indent, 40);
    EXPECT_EQ(WinTexts[0].Tune, 5);
    EXPECT_EQ(std::string(WinTexts[1].Line[0]), "Other text");
}

TEST_F(CampaignTextEditorTest, AFailedSaveKeepsTheEditorOpen) {
    LockFile("WinTxt.dat");
    TypeAt(70, 165, "Kept");
    TapKey('S');
    TapKey(kEnter);
    EXPECT_THROW(RunWinTextEditor(), host::ScriptEnded);
    EXPECT_TRUE(TextShown(host, " WinTxt.dat not saved!"));
    EXPECT_FALSE(TextShown(host, "Win Text File Saved!"));
    EXPECT_EQ(std::string(WinTexts[0].Line[0]), "Kept");
}

}  // namespace
