// The module's thirteen data files: each is the raw image of one table. A missing file is
// replaced by the table's defaults, which are written at once.
#pragma once

#include <cstdint>
#include <span>

// In the order of loading at start-up.
enum class DataFile : int {
    Monster,
    Option,
    Item,
    QuestText,
    GameIntro,
    Forge,
    Book,
    Penta,
    LevelList,
    Module,
    SkillBonus,
    Custom,
    WinTxt,
};
constexpr int kDataFileCount = 13;

const char* DataFilePath(DataFile file);
// Savers and default builders return 1 when the file was written whole, 0 when the write
// failed (the file on disk is then as it was). Loaders return 1 when the file was read,
// 0 when the defaults were built instead (written to disk only where no file was there).
uint32_t SaveDataFile(DataFile file);
uint32_t WriteDefaultDataFile(DataFile file);
uint32_t LoadDataFile(DataFile file);
// Mod/GameData, Mod/LevelData and Mod/SaveGames, where missing.
void CreateModFolders();
// The folders, then every file in the order of start-up.
void LoadDataFiles();
// A file's bytes into its table as a load does: a short image fills only the leading
// bytes, a long one's tail is ignored; texts are cut to their fields.
void ReadDataFileImage(DataFile file, std::span<const uint8_t> bytes);

uint32_t SaveMonsterFile();
uint32_t WriteDefaultMonsterFile();
uint32_t LoadMonsterFile();
uint32_t SaveOptionFile();
uint32_t WriteDefaultOptionFile();
uint32_t LoadOptionFile();
uint32_t SaveItemFile();
uint32_t WriteDefaultItemFile();
uint32_t LoadItemFile();
uint32_t SaveQuestTextFile();
uint32_t WriteDefaultQuestTextFile();
uint32_t LoadQuestTextFile();
uint32_t SaveGameIntroFile();
uint32_t WriteDefaultGameIntroFile();
uint32_t LoadGameIntroFile();
uint32_t SaveForgeFile();
uint32_t WriteDefaultForgeFile();
uint32_t LoadForgeFile();
uint32_t SaveBookFile();
uint32_t WriteDefaultBookFile();
uint32_t LoadBookFile();
uint32_t SavePentaFile();
uint32_t WriteDefaultPentaFile();
uint32_t LoadPentaFile();
uint32_t SaveLevelList();
uint32_t WriteDefaultLevelListFile();
uint32_t LoadLevelList();
uint32_t SaveModuleFile();
uint32_t WriteDefaultModuleFile();
uint32_t LoadModuleFile();
uint32_t SaveSkillBonusFile();
uint32_t WriteDefaultSkillBonusFile();
uint32_t LoadSkillBonusFile();
uint32_t SaveCustomFile();
uint32_t WriteDefaultCustomFile();
uint32_t LoadCustomFile();
uint32_t SaveWinTxtFile();
uint32_t WriteDefaultWinTxtFile();
uint32_t LoadWinTxtFile();

// Per-record defaults; a record number outside its table is ignored.
void MakeDefaultForgeRecipe(int16_t n);
void MakeDefaultBook(int16_t n);
void MakeDefaultLevelListEntry(int16_t n);
void MakeDefaultModule(int16_t n);
