// The "Load Level" and "Save Level" screens: pages, loading, importing, saving and deleting,
// with the level list kept in step with the files.
#include "kit/level/level_files.h"

#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "platform/keys.h"
#include "tests/kit/kit_test.h"

namespace fs = std::filesystem;

namespace {

class LevelFilesTest : public KitTest {
protected:
    // Level n on disk, of bottom tile `tile` and zone 0 named `name`, listed when `listed`.
    static void PutLevel(int16_t n, int16_t tile, const char* name, bool listed) {
        NewLevel(tile);
        SetFieldText(CurrentLevel.ZoneNames[0], name);
        ASSERT_EQ(SaveLevel(n, 0), 1u);
        LevelList.LevelListUsed[n] = listed ? 1 : 0;
        SetFieldText(LevelList.LevelListName[n], listed ? name : "");
        NewLevel(1);
    }
    static bool Exists(int n) { return fs::exists("Mod/LevelData/Level" + std::to_string(n) + ".dat"); }
    void ClickRow(int row) { ClickAt(300, 60 + 35 * row + 16); }
    void ClickDelete(int row) { ClickAt(420, 60 + 35 * row + 16); }
    int16_t Load(int16_t current) {
        int16_t result = -99;
        Run([&] { result = RunLoadLevel(current); });
        return result;
    }
    int16_t Save(int16_t current) {
        int16_t result = -99;
        Run([&] { result = RunSaveLevel(current); });
        return result;
    }
    // The page numbers shown, each time they changed.
    std::vector<std::string> PagesShown() const {
        std::vector<std::string> pages;
        for (const auto& t : host.texts) {
            if (t.x == 320 && t.y == 423 && (pages.empty() || pages.back() != t.text)) pages.push_back(t.text);
        }
        return pages;
    }
};

TEST_F(LevelFilesTest, PagesByKeysAndButtons) {
    Keys({kEnd, 'N', kPageUp, '0', 'P', '9', kHome, kPageDown, 27});
    EXPECT_EQ(Load(7), 7);
    EXPECT_EQ(PagesShown(), (std::vector<std::string>{"1", "13", "12", "1", "10", "1", "2"}));
    EXPECT_TRUE(TextShownAt(host, "129", 150, 70 + 35 * 9));
    EXPECT_FALSE(TextShown(host, "130"));

    host.texts.clear();  // the Save screen has no page keys
    host.Wait(100).Hold(kPageDown, 100);
    Keys({'N', 27});
    EXPECT_EQ(Save(7), 7);
    EXPECT_EQ(PagesShown(), (std::vector<std::string>{"1", "2"}));
}

TEST_F(LevelFilesTest, LoadImportMissingAndNoSuchLevel) {
    PutLevel(4, 1300, "Cave", true);
    PutLevel(6, 1301, "Shore", false);
    LevelList.LevelListUsed[7] = 1;  // listed, no file
    SetFieldText(LevelList.LevelListName[7], "Lost");
    ClickRow(7);
    Keys({'Y', 13});
    ClickRow(8);  // neither listed nor on disk
    Keys({'Y', 13});
    ClickRow(6);
    TapKey('Y');
    EXPECT_EQ(Load(0), 6);
    EXPECT_EQ(SecondLineOfBox(host, "   Level Missing!"), "   Reference Removed!");
    EXPECT_EQ(SecondLineOfBox(host, "   No such level in the"), "   /LevelData directory!");
    EXPECT_EQ(Bottom(0, 0), 1301);
    LevelList = LevelListRecord{};  // the list as written
    ASSERT_EQ(LoadLevelList(), 1u);
    EXPECT_EQ(LevelList.LevelListUsed[6], 1u);
    EXPECT_EQ(FieldText(LevelList.LevelListName[6]), "Shore");
    EXPECT_EQ(LevelList.LevelListUsed[7], 0u);
    EXPECT_EQ(FieldText(LevelList.LevelListName[7]), "");

    ClickRow(4);
    TapKey('Y');
    EXPECT_EQ(Load(6), 4);
    EXPECT_TRUE(TextShown(host, "Load Level4.dat?"));
    EXPECT_EQ(Bottom(0, 0), 1300);
}

// A free entry is written without a question; a used one asks, and No keeps the screen.
TEST_F(LevelFilesTest, SaveIntoFreeAndUsedEntries) {
    SetFieldText(CurrentLevel.ZoneNames[0], "Keep");
    ClickRow(2);
    TapKey('Y');
    EXPECT_EQ(Save(0), 2);
    EXPECT_FALSE(TextShown(host, "File Exists! Overwrite?"));
    EXPECT_TRUE(Exists(2));
    EXPECT_EQ(FieldText(LevelList.LevelListName[2]), "Keep");

    ClickRow(2);
    Keys({'Y', 'N'});
    ClickRow(3);
    TapKey('Y');
    EXPECT_EQ(Save(2), 3);
    EXPECT_TRUE(TextShown(host, "File Exists! Overwrite?"));
    EXPECT_EQ(LevelList.LevelListUsed[3], 1u);

    LevelList.LevelListUsed[9] = 1;  // Cancel reads the list back from its file
    TapKey(27);
    EXPECT_EQ(Save(3), 3);
    EXPECT_EQ(LevelList.LevelListUsed[9], 0u);

    // The overwrite box stands on the list, not beside the save box.
    ClickRow(3);
    Keys({'Y', 'N', 27});
    EXPECT_EQ(Save(3), 3);
    EXPECT_TRUE(BoxShown(host, 200, 150));
    EXPECT_FALSE(BoxLeftBeside(host, 200, 150, 210, 175));
}

// Import all never offers entry 129; the level being edited cannot be deleted, another can.
TEST_F(LevelFilesTest, ImportAllAndErase) {
    PutLevel(9, 1300, "Home", true);
    PutLevel(5, 1301, "Five", false);
    PutLevel(129, 1301, "Last", false);
    ASSERT_EQ(LoadLevel(9, 1, 0), 1u);
    TapKey('I');
    TapKey('Y');
    for (int n = 0; n <= 128; ++n) {
        if (n != 9) TapKey(n == 5 ? 'Y' : 'N');
    }
    ClickDelete(9);
    Keys({'Y', 13});
    ClickDelete(5);
    Keys({'Y', 27});
    EXPECT_EQ(Load(9), 9);
    EXPECT_TRUE(TextShown(host, "Import Level128.dat?"));
    EXPECT_FALSE(TextShown(host, "Import Level129.dat?"));
    EXPECT_EQ(Bottom(0, 0), 1300);  // the edited level is back in memory
    EXPECT_EQ(SecondLineOfBox(host, "Can't erase level since you"), "are currently editing it!");
    EXPECT_TRUE(Exists(9));
    EXPECT_FALSE(Exists(5));
    EXPECT_TRUE(Played("Crash"));
    EXPECT_EQ(LevelList.LevelListUsed[5], 0u);
    EXPECT_EQ(LevelList.LevelListUsed[129], 0u);

    TapKey(13);
    Run([] { EraseLevel(130, 0); });
    EXPECT_EQ(SecondLineOfBox(host, "Error! MapNum="), "130");
}

}  // namespace
