// The module's smaller tables: campaign settings, intro and objective pages, level list,
// penta portals, forge recipes, books, win texts, quest texts and modules.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct CustomCampaignRecord {
    uint32_t DurwichEnabled;
    uint32_t DurwichFastTravel;
    int16_t WorldMapPages;  // 0 one map, 1 two, 2 three, 3 none
    char WorldMapName[3][30];
    uint32_t EndQuotesEnabled;
};
static_assert(sizeof(CustomCampaignRecord) == 104);
static_assert(offsetof(CustomCampaignRecord, DurwichFastTravel) == 4);
static_assert(offsetof(CustomCampaignRecord, WorldMapPages) == 8);
static_assert(offsetof(CustomCampaignRecord, WorldMapName) == 10);
static_assert(offsetof(CustomCampaignRecord, EndQuotesEnabled) == 100);
// A world map's name is edited and shown in at most this many characters.
constexpr size_t kWorldMapNameLength = 16;

struct GameIntroRecord {
    int16_t StartLevel[3];  // level, x, y
    char ObjectiveText[110][40];  // line l of page p at row 11p + l
    int16_t StartingQuest;
    int16_t ObjectivePictures[10];
    int16_t ObjectiveTune;  // -1 none
    char ObjectiveCaptions[10][20];
    char CampaignAuthor[20];
};
static_assert(sizeof(GameIntroRecord) == 4650);
static_assert(offsetof(GameIntroRecord, ObjectiveText) == 6);
static_assert(offsetof(GameIntroRecord, StartingQuest) == 4406);
static_assert(offsetof(GameIntroRecord, ObjectivePictures) == 4408);
static_assert(offsetof(GameIntroRecord, ObjectiveTune) == 4428);
static_assert(offsetof(GameIntroRecord, ObjectiveCaptions) == 4430);
static_assert(offsetof(GameIntroRecord, CampaignAuthor) == 4630);

struct LevelListRecord {
    uint32_t LevelListUsed[130];  // 1 when Level<N>.dat exists
    char LevelListName[130][26];
};
static_assert(sizeof(LevelListRecord) == 3900);
static_assert(offsetof(LevelListRecord, LevelListName) == 520);

struct PentaPortal {
    char PentaName[16];
    int16_t PentaDestination[3];  // level, x, y
};
static_assert(sizeof(PentaPortal) == 22);
static_assert(offsetof(PentaPortal, PentaDestination) == 16);

struct ForgeRecipe {
    int16_t ForgeType;
    int16_t ForgeReqItems[5];  // -1 none
    int16_t ForgeResult[3];    // item, power, charges
};
static_assert(sizeof(ForgeRecipe) == 18);
static_assert(offsetof(ForgeRecipe, ForgeReqItems) == 2);
static_assert(offsetof(ForgeRecipe, ForgeResult) == 12);

struct BookRecord {
    char Title[40];
    char Line[8][11][40];  // page, line
};
static_assert(sizeof(BookRecord) == 3560);
static_assert(offsetof(BookRecord, Line) == 40);

struct WinTextRecord {
    int16_t Indent;
    int16_t Tune;
    char Line[100][50];
};
static_assert(sizeof(WinTextRecord) == 5004);
static_assert(offsetof(WinTextRecord, Line) == 4);

struct QuestTextRecord {
    char Line[6][57];  // line 0 the title
    uint8_t Reserved342[2];
    uint32_t HasAward;
    char Award[57];
    char ReturnAddress[57];
    uint8_t Reserved462[2];
};
static_assert(sizeof(QuestTextRecord) == 464);
static_assert(offsetof(QuestTextRecord, Reserved342) == 342);
static_assert(offsetof(QuestTextRecord, HasAward) == 344);
static_assert(offsetof(QuestTextRecord, Award) == 348);
static_assert(offsetof(QuestTextRecord, ReturnAddress) == 405);
static_assert(offsetof(QuestTextRecord, Reserved462) == 462);

struct ModuleRecord {
    int16_t ModuleLevels[2];
    int16_t ModuleColour;
    char ModuleTitle[2][26];
    char ModuleIntro[3][31];
    char ModuleCredit1[27];
    char ModuleCredit2[28];
    int16_t ModulePointer[2];
    int16_t ModuleMap;
    int16_t ModuleTopXY[2];
    int16_t ModuleStart[3];  // level, x, y
    int16_t ModuleDoneFlag;
};
static_assert(sizeof(ModuleRecord) == 224);
static_assert(offsetof(ModuleRecord, ModuleColour) == 4);
static_assert(offsetof(ModuleRecord, ModuleTitle) == 6);
static_assert(offsetof(ModuleRecord, ModuleIntro) == 58);
static_assert(offsetof(ModuleRecord, ModuleCredit1) == 151);
static_assert(offsetof(ModuleRecord, ModuleCredit2) == 178);
static_assert(offsetof(ModuleRecord, ModulePointer) == 206);
static_assert(offsetof(ModuleRecord, ModuleMap) == 210);
static_assert(offsetof(ModuleRecord, ModuleTopXY) == 212);
static_assert(offsetof(ModuleRecord, ModuleStart) == 216);
static_assert(offsetof(ModuleRecord, ModuleDoneFlag) == 222);

extern CustomCampaignRecord CustomCampaign;
extern GameIntroRecord GameIntro;
extern LevelListRecord LevelList;
extern std::array<PentaPortal, 5> PentaTable;
extern std::array<ForgeRecipe, 60> ForgeTable;
extern std::array<BookRecord, 5> BookTable;
extern std::array<WinTextRecord, 2> WinTexts;
extern std::array<QuestTextRecord, 200> QuestTextTable;
extern std::array<ModuleRecord, 50> ModuleTable;
