#include "data/data_files.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "data/campaign_tables.h"
#include "data/file_io.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/options.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "platform/files.h"

namespace {
constexpr OptionsRecord kDefaultOptions{50, 2, 1, 0, 3, 0, 0, 0};
}  // namespace

OptionsRecord Options = kDefaultOptions;
std::array<MonsterRecord, kMonsterCount> MonsterTable{};
std::array<ItemRecord, kItemCount> ItemTable{};
std::array<QuestTextRecord, 200> QuestTextTable{};
GameIntroRecord GameIntro{};
std::array<ForgeRecipe, 60> ForgeTable{};
std::array<BookRecord, 5> BookTable{};
std::array<PentaPortal, 5> PentaTable{};
LevelListRecord LevelList{};
std::array<ModuleRecord, 50> ModuleTable{};
SkillBonusRecord SkillBonus{};
CustomCampaignRecord CustomCampaign{};
std::array<WinTextRecord, 2> WinTexts{};

namespace {

template <class T>
void Clear(T& table) {
    std::memset(static_cast<void*>(&table), 0, sizeof(T));
}

void FillColumn(SkillColumn& column, int16_t value) {
    std::fill(std::begin(column), std::end(column), value);
}

void DefaultMonsters() {
    Clear(MonsterTable);
    for (MonsterRecord& m : MonsterTable) {
        m.UniversalXpMultiplier = 1;
        m.MonsterSpeed = 2;
        m.MonsterHitPoints = 5;
        m.MonsterMeleeSkill = 5;
        m.MonsterMissileSkill = 5;
        m.MonsterDamage[0] = 1;
        m.MonsterDamage[1] = 4;
        m.MonsterDeathItem[0] = -1;
        m.MonsterSummonId = -1;
        m.MonsterOpensDoors = 1;
    }
    const int16_t dragons[][2] = {{194, 1276}, {195, 1272}, {197, 1268}, {198, 1264}, {199, 1260}};
    for (const auto& d : dragons) {
        MonsterRecord& m = MonsterTable[d[0]];
        SetFieldText(m.MonsterName, "Orb Dragon");
        m.MonsterType = 6;
        m.MonsterPicture = d[1];
    }
    SetFieldText(MonsterTable[196].MonsterName, "Sample");
    MonsterTable[196].MonsterPicture = 400;
    MonsterTable[196].MonsterType = 10;
}

void DefaultOptions() { Options = kDefaultOptions; }

// A damaged file must not show garbage on the settings screen, nor have Accept write it back.
void AfterOptions() {
    OptionsRecord& o = Options;
    const OptionsRecord& d = kDefaultOptions;
    if (o.GameDelay < 0 || o.GameDelay > 100) o.GameDelay = d.GameDelay;
    if (o.Difficulty < 0 || o.Difficulty > 4) o.Difficulty = d.Difficulty;
    if (o.MusicVolume < 0 || o.MusicVolume > 5) o.MusicVolume = d.MusicVolume;
    for (uint32_t OptionsRecord::*flag : {&OptionsRecord::WalkSound, &OptionsRecord::TrimTitlePages,
                                          &OptionsRecord::IdleThoughts, &OptionsRecord::CdMusic}) {
        if (o.*flag > 1) o.*flag = d.*flag;
    }
}

void DefaultItems() {
    Clear(ItemTable);
    for (int n = 0; n < kItemCount; ++n) ItemTable[n].ItemPicture = static_cast<int16_t>(n);
}

void DefaultQuestTexts() { Clear(QuestTextTable); }

void DefaultGameIntro() {
    Clear(GameIntro);
    GameIntro.StartLevel[0] = 1;
    GameIntro.StartLevel[1] = 5;
    GameIntro.StartLevel[2] = 5;
    GameIntro.ObjectiveTune = -1;
}

void DefaultForge() {
    for (int n = 0; n < static_cast<int>(ForgeTable.size()); ++n) MakeDefaultForgeRecipe(static_cast<int16_t>(n));
}

void DefaultBooks() {
    for (int n = 0; n < static_cast<int>(BookTable.size()); ++n) MakeDefaultBook(static_cast<int16_t>(n));
}

void DefaultPenta() { Clear(PentaTable); }

void DefaultLevelList() {
    for (int n = 0; n < 130; ++n) MakeDefaultLevelListEntry(static_cast<int16_t>(n));
}

void DefaultModules() {
    for (int n = 0; n < static_cast<int>(ModuleTable.size()); ++n) MakeDefaultModule(static_cast<int16_t>(n));
}

void DefaultSkillBonus() {
    SkillBonusRecord& s = SkillBonus;
    Clear(s);
    s.NewPcSkillPoints = 6;
    s.LevelUpSkillPoints = 2;
    s.NewPcStatPoints = 10;
    s.LevelUpStatPoints = 1;
    for (auto& shield : s.GemResistTables) FillColumn(shield[1], 50);
    FillColumn(s.LifeDrainDuration, 50);
    for (int16_t* minSkill : {&s.DimensionDoorMinSkill, &s.WaterWalkMinSkill, &s.GillsMinSkill, &s.UnbindMinSkill,
                              &s.BlessMinSkill, &s.PrayerWaterWalkMinSkill}) {
        *minSkill = 1;
    }
    std::fill(std::begin(s.DivineCureReqSkill), std::end(s.DivineCureReqSkill), int16_t{1});
    for (int16_t* turns : {&s.WaterWalkDuration, &s.GillsDuration, &s.BlessDuration, &s.PrayerWaterWalkDuration}) {
        *turns = 50;
    }
    for (auto& name : s.QuestSkillNames) SetFieldText(name, "None");
    std::fill(std::begin(s.AuraValues), std::end(s.AuraValues), int16_t{1});
}

void DefaultCustom() {
    Clear(CustomCampaign);
    CustomCampaign.DurwichEnabled = 1;
    CustomCampaign.DurwichFastTravel = 1;
    CustomCampaign.EndQuotesEnabled = 1;
}

void DefaultWinTexts() {
    Clear(WinTexts);
    for (WinTextRecord& w : WinTexts) {
        w.Indent = 150;
        w.Tune = 1;
    }
}

// After every item load, read or built: the quest items show their own pictures.
void FixUpItems() {
    auto questItem = [](int n) {
        ItemTable[n].ItemPicture = static_cast<int16_t>(n);
        ItemTable[n].ItemType = kQuestItemType;
    };
    for (int n = 611; n <= 642; ++n) questItem(n);
    for (int n = 656; n <= 687; ++n) questItem(n);
    ItemTable[610].ItemPicture = 610;
}

void AfterMonsters() {
    for (MonsterRecord& m : MonsterTable) TerminateField(m.MonsterName);
}
void AfterItems() {
    for (ItemRecord& i : ItemTable) TerminateField(i.ItemName);
    FixUpItems();
}
void AfterQuestTexts() {
    for (QuestTextRecord& q : QuestTextTable) {
        TerminateField(q.Line);
        TerminateField(q.Award);
        TerminateField(q.ReturnAddress);
    }
}
void AfterGameIntro() {
    TerminateField(GameIntro.ObjectiveText);
    TerminateField(GameIntro.ObjectiveCaptions);
    TerminateField(GameIntro.CampaignAuthor);
}
void AfterBooks() {
    for (BookRecord& b : BookTable) {
        TerminateField(b.Title);
        TerminateField(b.Line);
    }
}
void AfterPenta() {
    for (PentaPortal& p : PentaTable) TerminateField(p.PentaName);
}
void AfterLevelList() { TerminateField(LevelList.LevelListName); }
void AfterModules() {
    for (ModuleRecord& m : ModuleTable) {
        TerminateField(m.ModuleTitle);
        TerminateField(m.ModuleIntro);
        TerminateField(m.ModuleCredit1);
        TerminateField(m.ModuleCredit2);
    }
}
void AfterSkillBonus() { TerminateField(SkillBonus.QuestSkillNames); }
void AfterCustom() { TerminateField(CustomCampaign.WorldMapName); }
void AfterWinTexts() {
    for (WinTextRecord& w : WinTexts) TerminateField(w.Line);
}
void NothingAfter() {}

struct DataFileInfo {
    const char* path;
    void* table;
    size_t size;
    void (*makeDefaults)();
    void (*afterLoad)();  // on both paths of a load
};

template <class T>
DataFileInfo Info(const char* path, T& table, void (*makeDefaults)(), void (*afterLoad)()) {
    return {path, static_cast<void*>(&table), sizeof(T), makeDefaults, afterLoad};
}

const DataFileInfo& InfoOf(DataFile file) {
    static const DataFileInfo files[kDataFileCount] = {
        Info("Mod/GameData/Monster.dat", MonsterTable, DefaultMonsters, AfterMonsters),
        Info("Mod/GameData/Option.dat", Options, DefaultOptions, AfterOptions),
        Info("Mod/GameData/Item.dat", ItemTable, DefaultItems, AfterItems),
        Info("Mod/GameData/QuestText.dat", QuestTextTable, DefaultQuestTexts, AfterQuestTexts),
        Info("Mod/GameData/GameIntro.dat", GameIntro, DefaultGameIntro, AfterGameIntro),
        Info("Mod/GameData/Forge.dat", ForgeTable, DefaultForge, NothingAfter),
        Info("Mod/GameData/Book.dat", BookTable, DefaultBooks, AfterBooks),
        Info("Mod/GameData/Penta.dat", PentaTable, DefaultPenta, AfterPenta),
        Info("Mod/LevelData/LevelList.dat", LevelList, DefaultLevelList, AfterLevelList),
        Info("Mod/GameData/Module.dat", ModuleTable, DefaultModules, AfterModules),
        Info("Mod/GameData/SkillBonus.dat", SkillBonus, DefaultSkillBonus, AfterSkillBonus),
        Info("Mod/GameData/Custom.dat", CustomCampaign, DefaultCustom, AfterCustom),
        Info("Mod/GameData/WinTxt.dat", WinTexts, DefaultWinTexts, AfterWinTexts),
    };
    return files[static_cast<int>(file)];
}

}  // namespace

const char* DataFilePath(DataFile file) { return InfoOf(file).path; }

uint32_t SaveDataFile(DataFile file) {
    const DataFileInfo& d = InfoOf(file);
    return WriteFileAtomic(d.path, {static_cast<const uint8_t*>(d.table), d.size}) ? 1 : 0;
}

uint32_t WriteDefaultDataFile(DataFile file) {
    InfoOf(file).makeDefaults();
    return SaveDataFile(file);
}

void ReadDataFileImage(DataFile file, std::span<const uint8_t> bytes) {
    const DataFileInfo& d = InfoOf(file);
    if (!bytes.empty()) std::memcpy(d.table, bytes.data(), std::min(bytes.size(), d.size));
    d.afterLoad();
}

uint32_t LoadDataFile(DataFile file) {
    const DataFileInfo& d = InfoOf(file);
    std::vector<uint8_t> bytes;
    std::string why;
    switch (ReadFileBytes(d.path, bytes, &why)) {
        case FileRead::kRead:
            ReadDataFileImage(file, bytes);
            return 1;
        case FileRead::kMissing:
            WriteDefaultDataFile(file);
            break;
        case FileRead::kUnreadable:
            // Not missing: the player's file may be worth more than the defaults.
            ReportUnreadableFile(d.path, why);
            d.makeDefaults();
            break;
    }
    d.afterLoad();
    return 0;
}

void CreateModFolders() {
    for (const char* folder : {"Mod/GameData", "Mod/LevelData", "Mod/SaveGames"}) {
        std::error_code ec;
        std::filesystem::create_directories(ResolvePath(folder), ec);
    }
}

void LoadDataFiles() {
    CreateModFolders();
    for (int f = 0; f < kDataFileCount; ++f) LoadDataFile(static_cast<DataFile>(f));
}

void MakeDefaultForgeRecipe(int16_t n) {
    if (n < 0 || n >= static_cast<int>(ForgeTable.size())) return;
    ForgeTable[n] = ForgeRecipe{0, {-1, -1, -1, -1, -1}, {-1, 0, 0}};
}

void MakeDefaultBook(int16_t n) {
    if (n < 0 || n >= static_cast<int>(BookTable.size())) return;
    Clear(BookTable[n]);
}

void MakeDefaultLevelListEntry(int16_t n) {
    if (n < 0 || n >= 130) return;
    LevelList.LevelListUsed[n] = 0;
    SetFieldText(LevelList.LevelListName[n], "");
}

void MakeDefaultModule(int16_t n) {
    if (n < 0 || n >= static_cast<int>(ModuleTable.size())) return;
    ModuleRecord& m = ModuleTable[n];
    Clear(m);
    m.ModuleLevels[0] = 1;
    m.ModuleLevels[1] = 3;
    SetFieldText(m.ModuleTitle[0], "Title?");
    SetFieldText(m.ModuleCredit1, "Written by ?");
    SetFieldText(m.ModuleCredit2, "Module kit, 2025");
    m.ModulePointer[0] = 200;
    m.ModulePointer[1] = 200;
    m.ModuleTopXY[0] = 50;
    m.ModuleTopXY[1] = 50;
    m.ModuleStart[1] = 5;
    m.ModuleStart[2] = 5;
}

uint32_t SaveMonsterFile() { return SaveDataFile(DataFile::Monster); }
uint32_t WriteDefaultMonsterFile() { return WriteDefaultDataFile(DataFile::Monster); }
uint32_t LoadMonsterFile() { return LoadDataFile(DataFile::Monster); }
uint32_t SaveOptionFile() { return SaveDataFile(DataFile::Option); }
uint32_t WriteDefaultOptionFile() { return WriteDefaultDataFile(DataFile::Option); }
uint32_t LoadOptionFile() { return LoadDataFile(DataFile::Option); }
uint32_t SaveItemFile() { return SaveDataFile(DataFile::Item); }
uint32_t WriteDefaultItemFile() { return WriteDefaultDataFile(DataFile::Item); }
uint32_t LoadItemFile() { return LoadDataFile(DataFile::Item); }
uint32_t SaveQuestTextFile() { return SaveDataFile(DataFile::QuestText); }
uint32_t WriteDefaultQuestTextFile() { return WriteDefaultDataFile(DataFile::QuestText); }
uint32_t LoadQuestTextFile() { return LoadDataFile(DataFile::QuestText); }
uint32_t SaveGameIntroFile() { return SaveDataFile(DataFile::GameIntro); }
uint32_t WriteDefaultGameIntroFile() { return WriteDefaultDataFile(DataFile::GameIntro); }
uint32_t LoadGameIntroFile() { return LoadDataFile(DataFile::GameIntro); }
uint32_t SaveForgeFile() { return SaveDataFile(DataFile::Forge); }
uint32_t WriteDefaultForgeFile() { return WriteDefaultDataFile(DataFile::Forge); }
uint32_t LoadForgeFile() { return LoadDataFile(DataFile::Forge); }
uint32_t SaveBookFile() { return SaveDataFile(DataFile::Book); }
uint32_t WriteDefaultBookFile() { return WriteDefaultDataFile(DataFile::Book); }
uint32_t LoadBookFile() { return LoadDataFile(DataFile::Book); }
uint32_t SavePentaFile() { return SaveDataFile(DataFile::Penta); }
uint32_t WriteDefaultPentaFile() { return WriteDefaultDataFile(DataFile::Penta); }
uint32_t LoadPentaFile() { return LoadDataFile(DataFile::Penta); }
uint32_t SaveLevelList() { return SaveDataFile(DataFile::LevelList); }
uint32_t WriteDefaultLevelListFile() { return WriteDefaultDataFile(DataFile::LevelList); }
uint32_t LoadLevelList() { return LoadDataFile(DataFile::LevelList); }
uint32_t SaveModuleFile() { return SaveDataFile(DataFile::Module); }
uint32_t WriteDefaultModuleFile() { return WriteDefaultDataFile(DataFile::Module); }
uint32_t LoadModuleFile() { return LoadDataFile(DataFile::Module); }
uint32_t SaveSkillBonusFile() { return SaveDataFile(DataFile::SkillBonus); }
uint32_t WriteDefaultSkillBonusFile() { return WriteDefaultDataFile(DataFile::SkillBonus); }
uint32_t LoadSkillBonusFile() { return LoadDataFile(DataFile::SkillBonus); }
uint32_t SaveCustomFile() { return SaveDataFile(DataFile::Custom); }
uint32_t WriteDefaultCustomFile() { return WriteDefaultDataFile(DataFile::Custom); }
uint32_t LoadCustomFile() { return LoadDataFile(DataFile::Custom); }
uint32_t SaveWinTxtFile() { return SaveDataFile(DataFile::WinTxt); }
uint32_t WriteDefaultWinTxtFile() { return WriteDefaultDataFile(DataFile::WinTxt); }
uint32_t LoadWinTxtFile() { return LoadDataFile(DataFile::WinTxt); }
