// The title loop run whole: the first start, the trimmed title, the menu's conditions and
// hotkeys, and the exit sequence with its checks.
#include "frontend/title.h"

#include <tuple>
#include <vector>

#include "data/game_state.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "tests/frontend/frontend_test.h"

namespace fs = std::filesystem;

namespace {

class TitleTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        QuitProgram = 0;
    }
    void RunProgram() {
        Run([&] { AppMain(); });
        EXPECT_EQ(std::count(host.posted.begin(), host.posted.end(), host::kMsgClose), 1);
        host.posted.clear();
    }
};

TEST_F(TitleTest, FirstStartMakesTheModuleAndQuitsThroughTheEndQuotes) {
    host.Wait(5).Tap(32);  // ends the intro
    TapKey(27);
    TapKey('Y');
    host.Wait(100).Hold(13, 10);  // leaves the end quotes
    RunProgram();

    const std::pair<const char*, uintmax_t> sizes[] = {
        {"Monster", 40800}, {"Option", 24},   {"Item", 45696},     {"QuestText", 92800}, {"GameIntro", 4650},
        {"Forge", 1080},    {"Book", 17800},  {"Penta", 110},      {"Module", 11200},    {"SkillBonus", 1948},
        {"Custom", 104},    {"WinTxt", 10008}};
    for (const auto& [name, size] : sizes) {
        const auto path = fs::path("Mod/GameData") / (std::string(name) + ".dat");
        ASSERT_TRUE(fs::exists(path)) << path;
        EXPECT_EQ(fs::file_size(path), size) << path;
    }
    EXPECT_EQ(fs::file_size("Mod/LevelData/LevelList.dat"), 3900u);

    EXPECT_TRUE(TextShown(host, "Quillmark Presents"));
    EXPECT_TRUE(MediaSent("open music/tune0.mp3 alias currtune"));
    EXPECT_TRUE(MediaSent("setaudio currtune left volume to 600"));
    for (const char* label : {"    World Map", "    Objective", "  New Character", "Restore Character",
                              "    Settings", "   Help Files", "    Credits", "      Quit"})
        EXPECT_EQ(CountShown(label), 2u) << label;  // again under the question
    EXPECT_TRUE(TextShown(host, "   Really Quit?"));
    EXPECT_TRUE(AnyShownContaining(", Philosopher"));
    EXPECT_TRUE(TextShown(host, "Press ESCAPE to leave game"));
    EXPECT_FALSE(AnyShownContaining("Leak!"));
    EXPECT_TRUE(host.cursorShown);
}

TEST_F(TitleTest, TrimmedTitleOverTheMenuPictureAndTheGuardWords) {
    WriteOptions(1);
    TapKey(27);
    RunProgram();
    EXPECT_FALSE(TextShown(host, "Quillmark Presents"));
    EXPECT_TRUE(host.mediaCommands.empty());  // no title tune
    EXPECT_FALSE(TextShown(host, "   Really Quit?"));
    EXPECT_FALSE(TextShown(host, "Press ESCAPE to leave game"));
    EXPECT_FALSE(AnyShownContaining("Leak!"));
    ASSERT_EQ(host.flips, 1u);  // the menu alone, over the module's picture
    OpenDisplay();
    for (auto [x, y] : {std::pair{5, 5}, std::pair{600, 100}, std::pair{320, 470}})
        EXPECT_EQ(host.frames.back().At(x, y), TitleMenuPicture->Row(y)[x]) << x << "," << y;
    ReleaseDirectDraw();

    const auto intact = GuardWords;
    GuardWords[4] = 1;
    GuardWords[9] = 666 + 65536;  // the same as a 16-bit value
    TapKey(27);
    TapKey(13);
    RunProgram();
    GuardWords = intact;
    EXPECT_EQ(CountShown("Boundry5 Leak!"), 1u);
    EXPECT_FALSE(TextShown(host, "Boundry10 Leak!"));
}

TEST_F(TitleTest, EveryLabelInPlaceAndEveryButtonOpensItsScreen) {
    WriteOptions(1);
    ClickAt(410, 175);  // World Map, far corner of its button
    TapKey('B');
    TapKey('M');
    TapKey('B');
    ClickAt(230, 182);  // Objective
    TapKey(27);
    TapKey('N');
    TapKey(27);  // leaves character creation on its first page
    TapKey('S');
    TapKey(27);
    ClickAt(410, 285);  // Help Files
    TapKey('B');
    TapKey('C');
    TapKey('B');
    ClickAt(230, 329);  // Quit, bottom edge of its button
    RunProgram();

    const struct {
        const char* label;
        int32_t x, y;
    } table[] = {{"    World Map", 230, 160}, {"    Objective", 230, 182}, {"  New Character", 230, 204},
                 {"Restore Character", 230, 226}, {"    Settings", 230, 248}, {"   Help Files", 230, 270},
                 {"    Credits", 230, 292}, {"      Quit", 227, 314}};
    for (const auto& row : table) {
        const auto at = std::find_if(host.texts.begin(), host.texts.end(),
                                     [&](const host::TextRecord& t) { return t.text == row.label; });
        ASSERT_NE(at, host.texts.end()) << row.label;
        EXPECT_EQ(std::tuple(at->x, at->y, at->colour), std::tuple(row.x, row.y, 455)) << row.label;
    }
    EXPECT_EQ(CountShown("Hotkey: C"), 2u);
    for (const char* page : {"INTRODUCTION:", "CHARACTER CREATION", "GAME SETTINGS:", "HELP FILES:", "CREDITS:"})
        EXPECT_EQ(CountShown(page), 1u) << page;
}

// A press that no page read is gone with its page: the sixth Next of five pages, and Esc
// after it, typed quickly, leave the title menu as it was.
TEST_F(TitleTest, APressThePagesLeftUnreadDoesNotReachTheMenu) {
    WriteOptions(1);
    std::vector<uint8_t> intro(4650, 0);
    for (int page = 0; page < 5; ++page) intro[size_t(6 + 440 * page)] = 'A';  // a first line on five pages
    for (int i = 0; i < 11; ++i) PutI16(intro, 4408 + 2 * i, -1);  // no pictures, no tune
    WriteBytes("Mod/GameData/GameIntro.dat", intro);
    TapKey('O');
    // Next to the last page, Done, and one Next too many, typed before the pages are drawn.
    std::vector<host::KeyEvent> keys;
    for (int i = 0; i < 4; ++i) keys.insert(keys.end(), {{'N', true, 12}, {'N', false, 1}});
    keys.insert(keys.end(), {{'D', true, 12}, {'D', false, 1}, {'N', true, 12}, {'N', false, 1}});
    host.AwaitScreen("objective").Burst(keys).AwaitScreen("title menu");
    TapKey(kEsc);
    RunProgram();
    EXPECT_EQ(CountShown("PAGE : "), 5u);
    EXPECT_FALSE(TextShown(host, "CHARACTER CREATION"));
}

TEST_F(TitleTest, NoWorldMapWhenTheCampaignHasNone) {
    WriteOptions(1);
    WriteCustom(3);
    host.Hold('W', 3).Hold('M', 3);
    host.MoveMouse(260, 165).Wait(100).Hold(1, 3);
    TapKey(27);
    RunProgram();
    EXPECT_FALSE(TextShown(host, "    World Map"));
    EXPECT_FALSE(TextShown(host, "Hotkey: C"));
}

TEST_F(TitleTest, CtrlBlocksObjectiveAndOpensTheAuthorsTools) {
    WriteOptions(1);
    host.Press(17).Hold('O', 3);
    host.Wait(1).Tap('U');  // the kit, left at once
    host.Release(17);
    TapKey(27);
    TapKey('Y');
    host.Press(17).Wait(1).Tap('T');  // the script search: no levels, no finds
    TapKey(13);
    host.Release(17);
    ClickAt(15, 455);  // the kit's icon
    TapKey(27);
    TapKey('Y');
    TapKey('O');
    TapKey(27);
    TapKey(27);
    RunProgram();
    EXPECT_EQ(CountShown("INTRODUCTION:"), 1u);
    EXPECT_EQ(CountShown("Really Quit Editor?"), 2u);
    EXPECT_EQ(SecondLineOfBox(host, "Instances found="), "0");
}

TEST_F(TitleTest, EndQuotesSkippedAfterQuitFromPlay) {
    // A hero saved in slot 1 on level 1.
    fs::create_directories("Mod/LevelData");
    NewLevel(1327);
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    LoadSaveList();
    GameState.CurrentLevelNumber = 1;
    GameState.HitPoints = 10;
    ASSERT_EQ(SaveGameToSlot(0, 0), 1u);
    SaveList.SaveSlotUsed[0] = 1;
    ASSERT_EQ(WriteSaveList(), 1u);

    host.Wait(5).Tap(32);
    TapKey('R');
    TapKey('1');
    TapKey('L');
    host.Wait(100).Press(17).Tap('Q').Release(17);
    RunProgram();
    EXPECT_EQ(QuitProgram, 1u);
    EXPECT_FALSE(TextShown(host, "Press ESCAPE to leave game"));
}

}  // namespace
