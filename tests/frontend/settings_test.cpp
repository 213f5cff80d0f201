// The settings screen: changes accepted into Option.dat, Cancel putting back what was there.
#include "frontend/settings.h"

#include <cstring>

#include "data/data_files.h"
#include "data/options.h"
#include "tests/frontend/frontend_test.h"

namespace {

class SettingsTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        OpenDisplay();
        LoadDataFiles();
    }
};

TEST_F(SettingsTest, AcceptWritesTheChangesIntoOptionDat) {
    ClickAt(185, 200);  // game delay
    host.Type("75").Wait(1).Tap(13);
    ClickAt(185, 320);  // difficulty: the fourth row is "Hard"
    ClickAt(200, 415 + 5);
    ClickAt(400 + 5, 175 + 5);  // volume: the first row is "Off"
    ClickAt(420, 215 + 5);
    ClickAt(475, 225);  // walk sound off
    ClickAt(475, 250);  // trim title pages on
    ClickAt(475, 275);  // idle thoughts on, and off again
    ClickAt(475, 275);
    TapKey('A');
    Run([] { RunSettings(); });
    EXPECT_EQ(FileBytes("Mod/GameData/Option.dat"),
              (std::vector<uint8_t>{75, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(TextShown(host, "Hard"));
}

TEST_F(SettingsTest, CancelPutsBackTheOptionsHeldOnEntry) {
    Options.GameDelay = 7;
    Options.Difficulty = 4;
    Options.IdleThoughts = 1;
    ASSERT_EQ(SaveOptionFile(), 1u);
    const OptionsRecord before = Options;
    std::filesystem::remove("Mod/GameData/Option.dat");  // gone while the screen is open

    ClickAt(185, 200);
    host.Type("250").Wait(1).Tap(13);  // above 100
    ClickAt(475, 275);
    ClickAt(475, 300);  // CD music hides the volume field
    host.MoveMouse(405, 180).Wait(100).Hold(1, 3);
    TapKey(27);
    Run([] { RunSettings(); });

    EXPECT_TRUE(TextShown(host, "100"));
    EXPECT_TRUE(TextShown(host, "Set from within windows!"));
    EXPECT_FALSE(TextShown(host, "Very Soft"));  // the volume list never opened
    EXPECT_EQ(std::memcmp(&Options, &before, sizeof Options), 0);
    EXPECT_FALSE(std::filesystem::exists("Mod/GameData/Option.dat"));
}

TEST_F(SettingsTest, DamagedOptionDatShowsAndKeepsTheDefaults) {
    // Delay -3240, difficulty 9, walk sound 7, volume -1, CD music 2; trim and idle thoughts fine.
    std::vector<uint8_t> bytes = {0x58, 0xf3, 9, 0, 7, 0, 0, 0, 0, 0, 0xff, 0xff, 1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    WriteBytes("Mod/GameData/Option.dat", bytes);
    ASSERT_EQ(LoadOptionFile(), 1u);
    TapKey('A');
    Run([] { RunSettings(); });
    EXPECT_FALSE(TextShown(host, "-3240"));
    EXPECT_TRUE(TextShown(host, "50"));
    EXPECT_TRUE(TextShown(host, "Normal"));
    EXPECT_TRUE(TextShown(host, "Moderate"));
    EXPECT_EQ(FileBytes("Mod/GameData/Option.dat"),
              (std::vector<uint8_t>{50, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SettingsTest, ReadOnlyOptionDatIsKeptAndTheFailureShown) {
    const auto before = FileBytes("Mod/GameData/Option.dat");
    std::filesystem::permissions("Mod/GameData/Option.dat", std::filesystem::perms(0444));
    ClickAt(475, 275);  // idle thoughts on
    TapKey('A');
    TapKey(13);
    Run([] { RunSettings(); });
    EXPECT_TRUE(TextShown(host, "   - Save failed! -"));
    EXPECT_EQ(FileBytes("Mod/GameData/Option.dat"), before);
    EXPECT_EQ(Options.IdleThoughts, 1u);  // for this run
}

}  // namespace
