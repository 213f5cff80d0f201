// The thirteen data files: defaults written on a first start, short and long files, the
// item fix-up, and writes that fail.
#include "data/data_files.h"

#include <filesystem>

#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/options.h"
#include "data/skill_bonus.h"
#include "tests/data/file_bytes.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

class DataFilesTest : public HeadlessTest {
protected:
    std::vector<uint8_t> Game(const char* name) { return FileBytes(fs::path("Mod/GameData") / name); }
};

TEST_F(DataFilesTest, FirstStartWritesEveryFileWithItsSize) {
    fs::remove_all("Mod");  // the folders come back with the files
    LoadDataFiles();
    const std::pair<const char*, uintmax_t> sizes[] = {
        {"Mod/GameData/Monster.dat", 40800},   {"Mod/GameData/Option.dat", 24},
        {"Mod/GameData/Item.dat", 45696},      {"Mod/GameData/QuestText.dat", 92800},
        {"Mod/GameData/GameIntro.dat", 4650},  {"Mod/GameData/Forge.dat", 1080},
        {"Mod/GameData/Book.dat", 17800},      {"Mod/GameData/Penta.dat", 110},
        {"Mod/LevelData/LevelList.dat", 3900}, {"Mod/GameData/Module.dat", 11200},
        {"Mod/GameData/SkillBonus.dat", 1948}, {"Mod/GameData/Custom.dat", 104},
        {"Mod/GameData/WinTxt.dat", 10008},
    };
    for (const auto& [path, size] : sizes) {
        ASSERT_TRUE(fs::exists(path)) << path;
        EXPECT_EQ(fs::file_size(path), size) << path;
    }
    EXPECT_TRUE(fs::is_directory("Mod/SaveGames"));
    EXPECT_EQ(LoadOptionFile(), 1u);  // now it is there
}

TEST_F(DataFilesTest, SmallRecordDefaultsByteForByte) {
    LoadDataFiles();
    const auto option = Game("Option.dat");
    EXPECT_EQ(option, (std::vector<uint8_t>{50, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    const auto custom = Game("Custom.dat");
    EXPECT_EQ(U32At(custom, 0), 1u);
    EXPECT_EQ(U32At(custom, 4), 1u);
    EXPECT_EQ(I16At(custom, 8), 0);
    EXPECT_EQ(U32At(custom, 100), 1u);

    const auto intro = Game("GameIntro.dat");
    EXPECT_EQ(I16At(intro, 0), 1);
    EXPECT_EQ(I16At(intro, 2), 5);
    EXPECT_EQ(I16At(intro, 4), 5);
    EXPECT_EQ(I16At(intro, 4406), 0);
    EXPECT_EQ(U32At(intro, 4426) >> 16, 65535u);  // the tune word at 4428

    const auto forge = Game("Forge.dat");
    for (size_t r : {size_t{0}, size_t{59}}) {
        const size_t at = r * 18;
        EXPECT_EQ(I16At(forge, at), 0);
        for (size_t i = 0; i < 5; ++i) EXPECT_EQ(I16At(forge, at + 2 + 2 * i), -1);
        EXPECT_EQ(I16At(forge, at + 12), -1);
        EXPECT_EQ(I16At(forge, at + 14), 0);
    }

    const auto win = Game("WinTxt.dat");
    EXPECT_EQ(I16At(win, 5004), 150);
    EXPECT_EQ(I16At(win, 5006), 1);

    const auto module = Game("Module.dat");
    const size_t m = 224 * 7;
    EXPECT_EQ(I16At(module, m), 1);
    EXPECT_EQ(I16At(module, m + 2), 3);
    EXPECT_EQ(TextAt(module, m + 6, 26), "Title?");
    EXPECT_EQ(TextAt(module, m + 151, 27), "Written by ?");
    EXPECT_FALSE(TextAt(module, m + 178, 28).empty());
    EXPECT_EQ(I16At(module, m + 206), 200);
    EXPECT_EQ(I16At(module, m + 212), 50);
    EXPECT_EQ(I16At(module, m + 216), 0);
    EXPECT_EQ(I16At(module, m + 218), 5);
    EXPECT_EQ(I16At(module, m + 222), 0);

    const auto list = FileBytes("Mod/LevelData/LevelList.dat");
    EXPECT_EQ(list, std::vector<uint8_t>(3900, 0));
    EXPECT_EQ(Game("Penta.dat"), std::vector<uint8_t>(110, 0));
    EXPECT_EQ(Game("Book.dat"), std::vector<uint8_t>(17800, 0));
}

TEST_F(DataFilesTest, MonsterAndSkillDefaults) {
    LoadDataFiles();
    const auto monsters = Game("Monster.dat");
    const size_t r0 = 0, r195 = 195 * 136, r196 = 196 * 136;
    EXPECT_EQ(I16At(monsters, r0 + 20), 1);  // the multiplier word
    EXPECT_EQ(I16At(monsters, r0 + 22), 2);
    EXPECT_EQ(I16At(monsters, r0 + 26), 5);
    EXPECT_EQ(I16At(monsters, r0 + 44), 1);
    EXPECT_EQ(I16At(monsters, r0 + 46), 4);
    EXPECT_EQ(I16At(monsters, r0 + 62), -1);
    EXPECT_EQ(I16At(monsters, r0 + 68), -1);
    EXPECT_EQ(U32At(monsters, r0 + 72), 1u);
    EXPECT_EQ(U32At(monsters, r0 + 76), 0u);
    EXPECT_EQ(TextAt(monsters, r195, 16), "Orb Dragon");
    EXPECT_EQ(I16At(monsters, r195 + 16), 1272);
    EXPECT_EQ(I16At(monsters, r195 + 18), 6);
    EXPECT_EQ(I16At(monsters, 199 * 136 + 16), 1260);
    EXPECT_EQ(I16At(monsters, r196 + 16), 400);
    EXPECT_EQ(I16At(monsters, r196 + 18), 10);

    const auto skills = Game("SkillBonus.dat");
    EXPECT_EQ(I16At(skills, 0), 6);
    EXPECT_EQ(I16At(skills, 2), 2);
    EXPECT_EQ(I16At(skills, 4), 10);
    EXPECT_EQ(I16At(skills, 6), 1);
    EXPECT_EQ(I16At(skills, 344), 0);            // acid shield amount
    EXPECT_EQ(I16At(skills, 344 + 42 + 40), 50);  // its duration, entry 20
    EXPECT_EQ(I16At(skills, 344 + 7 * 42), 50);   // fire shield duration, entry 0
    EXPECT_EQ(I16At(skills, 1560 + 20), 50);      // life drain duration
    EXPECT_EQ(I16At(skills, 1518), 0);
    EXPECT_EQ(I16At(skills, 680), 1);
    EXPECT_EQ(I16At(skills, 682), 0);
    EXPECT_EQ(I16At(skills, 938), 50);
    EXPECT_EQ(I16At(skills, 1002), 1);  // the last divine cure entry
    EXPECT_EQ(I16At(skills, 1008), 50);
    EXPECT_EQ(I16At(skills, 1180), 50);
    EXPECT_EQ(TextAt(skills, 1728 + 12 * 16, 16), "None");
    EXPECT_EQ(I16At(skills, 1946), 1);
}

TEST_F(DataFilesTest, ItemFixUpInMemoryOnly) {
    LoadItemFile();  // built from the defaults
    EXPECT_EQ(ItemTable[611].ItemType, 27);
    const auto fresh = Game("Item.dat");
    EXPECT_EQ(I16At(fresh, 611 * 64 + 32), 611);
    EXPECT_EQ(I16At(fresh, 611 * 64 + 34), 0);

    // A file whose quest items carry other types and pictures.
    std::vector<uint8_t> file = fresh;
    for (size_t n : {size_t{610}, size_t{611}, size_t{642}, size_t{643}, size_t{687}}) {
        PutI16(file, n * 64 + 32, 5);
        PutI16(file, n * 64 + 34, 3);
    }
    WriteBytes("Mod/GameData/Item.dat", file);
    EXPECT_EQ(LoadItemFile(), 1u);
    EXPECT_EQ(ItemTable[611].ItemType, 27);
    EXPECT_EQ(ItemTable[611].ItemPicture, 611);
    EXPECT_EQ(ItemTable[642].ItemType, 27);
    EXPECT_EQ(ItemTable[687].ItemPicture, 687);
    EXPECT_EQ(ItemTable[643].ItemType, 3);  // between the ranges
    EXPECT_EQ(ItemTable[643].ItemPicture, 5);
    EXPECT_EQ(ItemTable[610].ItemPicture, 610);
    EXPECT_EQ(ItemTable[610].ItemType, 3);
    EXPECT_EQ(Game("Item.dat"), file);
}

TEST_F(DataFilesTest, ShortAndLongFilesAndUnterminatedTexts) {
    Options = OptionsRecord{7, 3, 1, 7, 4, 1, 1, 1};
    WriteBytes("Mod/GameData/Option.dat", {10, 0, 4, 0, 0, 0, 0, 0, 9, 0});
    EXPECT_EQ(LoadOptionFile(), 1u);
    EXPECT_EQ(Options.GameDelay, 10);
    EXPECT_EQ(Options.Difficulty, 4);
    EXPECT_EQ(Options.WalkSound, 0u);
    EXPECT_EQ(Options.Reserved8, 9);
    EXPECT_EQ(Options.MusicVolume, 4);
    EXPECT_EQ(Options.CdMusic, 1u);

    std::vector<uint8_t> custom(104 + 50, 'x');  // every text unterminated, a long tail
    WriteBytes("Mod/GameData/Custom.dat", custom);
    EXPECT_EQ(LoadCustomFile(), 1u);
    EXPECT_EQ(std::string(CustomCampaign.WorldMapName[2]), std::string(29, 'x'));

    std::vector<uint8_t> monsters(40800, 'M');
    WriteBytes("Mod/GameData/Monster.dat", monsters);
    LoadMonsterFile();
    EXPECT_EQ(std::string(MonsterTable[299].MonsterName).size(), 15u);
}

TEST_F(DataFilesTest, FailedWriteIsReportedAndLeavesNoTrace) {
    LoadOptionFile();
    const auto before = Game("Option.dat");
    // A folder where the file belongs: the rename cannot replace it.
    fs::create_directories("Mod/GameData/Book.dat");
    EXPECT_EQ(SaveBookFile(), 0u);
    EXPECT_EQ(WriteDefaultBookFile(), 0u);
    EXPECT_EQ(LoadBookFile(), 0u);  // unreadable: defaults in memory, the folder stays
    EXPECT_TRUE(fs::is_directory("Mod/GameData/Book.dat"));
    for (const auto& e : fs::directory_iterator("Mod/GameData")) {
        EXPECT_NE(e.path().filename().string().front(), '.') << "temporary file left: " << e.path();
    }
    Options.GameDelay = 99;
    EXPECT_EQ(SaveOptionFile(), 1u);
    EXPECT_NE(Game("Option.dat"), before);
}

TEST_F(DataFilesTest, CaseOfAnExistingFileIsKept) {
    fs::create_directories("Mod/GameData");
    WriteBytes("Mod/GameData/OPTION.DAT", std::vector<uint8_t>(24, 0));
    EXPECT_EQ(LoadOptionFile(), 1u);
    Options.GameDelay = 33;
    EXPECT_EQ(SaveOptionFile(), 1u);
    EXPECT_FALSE(fs::exists("Mod/GameData/Option.dat") && fs::exists("Mod/GameData/OPTION.DAT") &&
                 !fs::equivalent("Mod/GameData/Option.dat", "Mod/GameData/OPTION.DAT"));
    EXPECT_EQ(FileBytes("Mod/GameData/OPTION.DAT")[0], 33);
}

}  // namespace
