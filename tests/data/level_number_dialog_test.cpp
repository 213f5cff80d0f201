// The kit's "Map Number:" dialog: typing a number, loading, saving and cancelling.
#include "data/level_number_dialog.h"

#include <filesystem>

#include "data/game_state.h"
#include "data/level.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

class LevelNumberDialogTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        fs::create_directories("Mod/LevelData");
        GameState.CurrentLevelNumber = 0;
        NewLevel(1300);
        ASSERT_EQ(SaveLevel(12, 0), 1u);
        NewLevel(1);
    }
    uint32_t Dialog(uint32_t mode, int16_t& number) {
        uint32_t result = 9;
        Run([&] { result = RunLevelNumberDialog(mode, number, [](uint32_t) {}); });
        return result;
    }
};

TEST_F(LevelNumberDialogTest, TypedNumberIsLoaded) {
    int16_t number = 3;
    host.Click(340, 165).Wait(2).Type("12").Tap(13).Wait(2).Click(250, 215);
    EXPECT_EQ(Dialog(1, number), 1u);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);
    EXPECT_TRUE(TextShown(host, "Load which level?"));
    EXPECT_TRUE(TextShown(host, "Map Number:"));
}

TEST_F(LevelNumberDialogTest, MissingLevelKeepsTheTypedNumber) {
    int16_t number = 3;
    host.Click(340, 165).Wait(2).Type("40").Tap(13).Wait(2).Click(250, 215).Wait(2).Tap(13);
    EXPECT_EQ(Dialog(1, number), 0u);
    EXPECT_EQ(number, 40);
    EXPECT_TRUE(TextShown(host, "  Level does not exist!"));
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1);
}

TEST_F(LevelNumberDialogTest, CancelPutsBackTheNumber) {
    int16_t number = 3;
    host.Click(340, 165).Wait(2).Type("12").Tap(13).Wait(2).Tap(27);
    EXPECT_EQ(Dialog(1, number), 0u);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1);
}

TEST_F(LevelNumberDialogTest, SaveAsksBeforeOverwriting) {
    int16_t number = 12;
    host.Click(250, 215).Wait(2).Tap('N');
    EXPECT_EQ(Dialog(0, number), 0u);
    EXPECT_TRUE(TextShown(host, "Save this level as:"));
    EXPECT_TRUE(TextShown(host, "File Exists! Overwrite?"));
    ASSERT_EQ(LoadLevel(12, 1, 0), 1u);
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);

    number = 13;
    host.Click(250, 215);
    EXPECT_EQ(Dialog(0, number), 1u);
    EXPECT_TRUE(fs::exists("Mod/LevelData/Level13.dat"));
}

TEST_F(LevelNumberDialogTest, SaveToANumberThatIsNoLevelIsRefusedAloud) {
    for (const char* typed : {"130", "999"}) {
        int16_t number = 12;
        host.Click(340, 165).Wait(2).Type(typed).Tap(13).Wait(2).Click(250, 215).Wait(2).Tap(13);
        EXPECT_EQ(Dialog(0, number), 0u) << typed;
        EXPECT_TRUE(TextShown(host, "  No such level: levels")) << typed;
        EXPECT_FALSE(fs::exists(std::string("Mod/LevelData/Level") + typed + ".dat"));
        host.texts.clear();
    }
}

}  // namespace
