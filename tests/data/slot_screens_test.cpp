// The "Restore Character" and "Save Character" screens, driven by scripted input.
#include <algorithm>
#include <filesystem>

#include "data/game_state.h"
#include "data/level.h"
#include "data/restore_screen.h"
#include "data/save_slot_screen.h"
#include "data/save_slots.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "platform/display.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

namespace fs = std::filesystem;

namespace {

class SlotScreensTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        fs::create_directories("Mod/SaveGames");
        fs::create_directories("Mod/LevelData");
        NewLevel(1327);
        ASSERT_EQ(SaveLevel(1, 0), 1u);
    }
    // Slot `slot` used, named `name`, with a save of that hero on level 1.
    void SaveHero(int16_t slot, const char* name, int16_t heroLevel) {
        LoadSaveList();
        GameState = GameStateRecord{};
        std::snprintf(GameState.HeroName, sizeof GameState.HeroName, "%s", name);
        GameState.HeroLevel = heroLevel;
        GameState.CurrentLevelNumber = 1;
        GameState.CurrentSaveSlot = slot;
        ASSERT_EQ(SaveGameToSlot(0, slot), 1u);
        SaveList.SaveSlotUsed[slot] = 1;
        std::snprintf(SaveList.SaveSlotName[slot], 31, "%s", name);
        ASSERT_EQ(WriteSaveList(), 1u);
        GameState = GameStateRecord{};
    }
    uint32_t Restore() {
        uint32_t result = 9;
        Run([&] { result = RunRestoreScreen(); });
        return result;
    }
};

TEST_F(SlotScreensTest, RestoreByRowNumberAndClick) {
    SaveHero(2, "Berold", 7);
    host.Tap('3').Wait(2).Tap('L');
    EXPECT_EQ(Restore(), 1u);
    EXPECT_STREQ(GameState.HeroName, "Berold");
    EXPECT_EQ(GameState.HeroLevel, 7);
    auto drawnAt = [&](std::string_view text, int32_t x, int32_t y, int32_t colour) {
        for (const auto& t : host.texts) {
            if (t.text == text && t.x == x && t.y == y && t.colour == colour) return true;
        }
        return false;
    };
    EXPECT_TRUE(drawnAt("Restore Character", 80, 80, 455));
    EXPECT_TRUE(drawnAt("3", 125, 170, 0));
    EXPECT_TRUE(drawnAt("Berold", 150, 170, 0));
    EXPECT_TRUE(drawnAt("Empty", 150, 120, 0));
    EXPECT_TRUE(drawnAt("To restore a character save game,", 340, 100, 0));
    EXPECT_TRUE(drawnAt("button.", 340, 310, 0));

    GameState = GameStateRecord{};
    host.Click(150, 115 + 25 * 2 + 5).Wait(2).Click(100, 368);
    EXPECT_EQ(Restore(), 1u);
    EXPECT_EQ(GameState.HeroLevel, 7);
}

TEST_F(SlotScreensTest, APressActsWhereItIsMadeWithNoMotionBeforeIt) {
    SaveHero(0, "First", 1);
    SaveHero(2, "Third", 3);
    ClickAt(150, 115 + 5);  // the first row, as a mouse picks it
    // Then a touch on the third row, arriving after the loop pass has read the cursor.
    host.Wait(100).PressAt(150, 115 + 25 * 2 + 5).Wait(20).Release(1);
    TapKey('L');
    EXPECT_EQ(Restore(), 1u);
    EXPECT_EQ(GameState.HeroLevel, 3);
}

TEST_F(SlotScreensTest, UpFromNothingIsTheFirstRowAndDownStopsAtTheLast) {
    SaveHero(0, "First", 1);
    SaveHero(8, "Ninth", 9);
    host.Tap(38).Wait(2).Tap('L');
    EXPECT_EQ(Restore(), 1u);
    EXPECT_EQ(GameState.HeroLevel, 1);
    for (int i = 0; i < 11; ++i) host.Tap(40).Wait(2);
    host.Tap('L');
    EXPECT_EQ(Restore(), 1u);
    EXPECT_EQ(GameState.HeroLevel, 9);
}

TEST_F(SlotScreensTest, FreeSlotsDoNotLoadAndBrokenSavesAreRefused) {
    SaveHero(4, "Short", 3);
    fs::resize_file("Mod/SaveGames/save4.sav", 1000);
    GameState.HeroLevel = 11;
    host.Tap('2').Wait(2).Hold('L', 5).Wait(2);  // a free slot: nothing happens
    host.Tap('5').Wait(2).Tap('L').Wait(2).Tap(13).Wait(2).Tap(27);
    EXPECT_EQ(Restore(), 0u);
    EXPECT_TRUE(TextShown(host, "  Save game unreadable!"));
    EXPECT_EQ(GameState.HeroLevel, 11);
}

TEST_F(SlotScreensTest, DeleteFromTheTitleShowsTheSlotEmpty) {
    SaveHero(1, "Gone", 2);
    host.Tap('2').Wait(2).Tap('D').Wait(2).Tap('Y').Wait(2).Tap('C');
    EXPECT_EQ(Restore(), 0u);
    EXPECT_FALSE(fs::exists("Mod/SaveGames/save1.sav"));
    EXPECT_EQ(TextAt(FileBytes("Mod/SaveGames/SaveList.dat"), 36 + 31, 31), "empty");
    host.texts.clear();
    host.Tap(27);
    EXPECT_EQ(Restore(), 0u);
    EXPECT_FALSE(TextShown(host, "Gone"));
    EXPECT_FALSE(TextShown(host, "empty"));
}

TEST_F(SlotScreensTest, SavingIntoAnotherHerosSlotMovesTheGameThere) {
    SaveHero(2, "Other", 5);
    GameState.CurrentLevelNumber = 1;
    GameState.CurrentSaveSlot = 0;
    GameState.HeroLevel = 12;
    host.Tap('3').Wait(2).Tap('S').Wait(2);
    for (int i = 0; i < 5; ++i) host.Tap(46).Wait(2);  // the cursor starts at the field's left end
    host.Type("Mine").Tap(13).Wait(20).Tap(13);
    uint32_t result = 0;
    Run([&] { result = RunSaveSlotScreen(); });
    EXPECT_EQ(result, 1u);
    EXPECT_EQ(GameState.CurrentSaveSlot, 2);
    EXPECT_TRUE(TextShown(host, "     - Game Saved! -"));
    const auto save = FileBytes("Mod/SaveGames/save2.sav");
    EXPECT_EQ(I16At(save, 20), 12);
    EXPECT_EQ(I16At(save, 36734), 2);
    const auto list = FileBytes("Mod/SaveGames/SaveList.dat");
    EXPECT_EQ(TextAt(list, 36 + 62, 31), "Mine");
    EXPECT_EQ(U32At(list, 8), 1u);
}

// The book is laid over the play screen's slate, from the title as in the game; nothing of the
// slate shows round it.
TEST_F(SlotScreensTest, TheBookHidesTheSlateBehindIt) {
    constexpr uint16_t kMark = 0xF81F;
    Surface marked(640, 480);
    Clear(&marked, kMark);
    Surface* const slate = SlatePicture;
    SlatePicture = &marked;
    DrawRestoreScreen(0, 2);
    SlatePicture = slate;
    const uint16_t* pixels = BackSurface->pixels.get();
    EXPECT_EQ(std::count(pixels, pixels + 640 * 480, kMark), 0);
}

// The selected row's markers stand outside its ends, on a slot's button and on the field where a
// new name is typed alike.
TEST_F(SlotScreensTest, TheSelectedRowsMarkersLeaveItsEndsWhole) {
    const int32_t y = 115 + 25 * 2;
    DrawRestoreScreen(0, 2);
    EXPECT_TRUE(Shows(BackSurface, 80, y, UiIcons[5]) && Shows(BackSurface, 260, y, UiIcons[7]));
    DrawSaveSlotScreen(2, 2, 0);
    EXPECT_TRUE(Shows(BackSurface, 80, y, UiIcons[0]) && Shows(BackSurface, 260, y, UiIcons[2]));
}

TEST_F(SlotScreensTest, TheCurrentSlotCannotBeDeleted) {
    SaveHero(3, "Me", 4);
    GameState.CurrentSaveSlot = 3;
    host.Tap('D').Wait(2).Tap(13).Wait(2).Tap('Q');
    Run([] { EXPECT_EQ(RunSaveSlotScreen(), 1u); });
    EXPECT_TRUE(TextShown(host, "Can't delete current save!"));
    EXPECT_TRUE(fs::exists("Mod/SaveGames/save3.sav"));
    EXPECT_TRUE(TextShown(host, "Save Character"));
}

}  // namespace
