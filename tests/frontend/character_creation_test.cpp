// New Character run whole over a prepared start level: the four pages with clicks and keys,
// the first free slot written with the starting values, every way out without a save, and
// the new-game values of the game state, byte by byte.
#include "frontend/new_character.h"

#include <cstring>
#include <filesystem>
#include <tuple>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "data/skill_bonus.h"
#include "tests/frontend/frontend_test.h"

namespace fs = std::filesystem;

namespace {

class CharacterCreationTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        OpenDisplay();
        SkillBonus.NewPcStatPoints = 10;
        SkillBonus.NewPcSkillPoints = 6;
        GameIntro.StartLevel[0] = 3;
        GameIntro.StartLevel[1] = 10;
        GameIntro.StartLevel[2] = 12;
        GameIntro.StartingQuest = 0;
    }
    static void WriteStartLevel() {
        NewLevel(1);
        ASSERT_TRUE(WriteLevelFile(LevelFilePath(3)));
        NewLevel(0);
    }
    void ClickPlus(int y) { ClickAt(95, y + 8); }
    void ClickMinus(int y) { ClickAt(72, y + 8); }
    static bool NoSlotUsed() { return !fs::exists(SaveFilePath(0)) && (LoadSaveList(), !SlotIsUsed(0)); }
    int32_t ColourOf(std::string_view text) const {
        int32_t colour = -1;
        for (const auto& t : host.texts)
            if (t.text == text) colour = t.colour;
        return colour;
    }
    // Page 1 Male, ten stat points and six skill points spent, each page left by N.
    void ThroughStatsAndSkills() {
        TapKey('M');
        for (int i = 0; i < 10; ++i) TapKey("SEADWP"[i % 6]);
        TapKey('N');
        for (int i = 0; i < 6; ++i) ClickPlus(148 + 18 * (i % 2 == 0 ? 3 : 0));
        TapKey('N');
    }
    uint32_t Create() {
        uint32_t result = 99;
        Run([&] { result = NewCharacter(); });
        return result;
    }
};

TEST_F(CharacterCreationTest, AWholeRunSavesTheHeroInTheFirstFreeSlot) {
    WriteStartLevel();
    // Page 1: the help of a sex, then Female by its key.
    ClickAt(100, 262, 2);
    TapKey('F');
    // Page 2: ten points by key and by click; none above 5.
    for (int key : {'S', 'S', 'S', 'S', 'S', 'E', 'E', 'A', 'D', 'D', 'W'}) TapKey(key);
    host.Hold('P', 3);             // no points left: the key is not read
    ClickMinus(183 + 20 * 5);      // Willpower back to 1
    ClickPlus(183 + 20 * 6);       // Perception 2
    ClickAt(130, 190 + 20 * 3 + 5, 2);  // the help of Agility
    TapKey('N');
    // Page 3: six points, each skill held to its Capstat.
    ClickPlus(148 + 18 * 2);  // Curse: Willpower 1 allows one point
    ClickPlus(148 + 18 * 2);
    for (int i = 0; i < 3; ++i) ClickPlus(148 + 18 * 11);  // Targeteer: Perception 2
    ClickMinus(148 + 18 * 11);
    for (int i = 0; i < 4; ++i) ClickPlus(148 + 18 * 3);  // Critical Hit
    ClickAt(130, 151 + 18 * 7 + 5, 2);  // the help of Pick Locks, without values
    TapKey('N');
    // Page 4: a typed name.
    host.Type("Brakka");
    TapKey(13);
    ASSERT_EQ(Create(), 1u);

    EXPECT_TRUE(TextShown(host, "In Vexmoor, there is no"));
    EXPECT_TRUE(TextShown(host, "Agility"));
    EXPECT_TRUE(TextShown(host, "You have 10 skill points left"));
    EXPECT_TRUE(TextShown(host, "You have 1 skill point left"));
    EXPECT_EQ(ColourOf("Requires: Thieves Tools"), 0);

    ASSERT_TRUE(fs::exists(SaveFilePath(0)));
    ASSERT_EQ(fs::file_size(SaveFilePath(0)), sizeof(GameStateRecord));
    LoadSaveList();
    EXPECT_TRUE(SlotIsUsed(0));
    EXPECT_FALSE(SlotIsUsed(1));
    GameStateRecord saved;
    {
        std::FILE* f = std::fopen(SaveFilePath(0).c_str(), "rb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fread(&saved, sizeof saved, 1, f), 1u);
        std::fclose(f);
    }
    EXPECT_STREQ(saved.HeroName, "Brakka");
    EXPECT_EQ(saved.HeroSex, 1);
    const int16_t stats[7] = {5, 5, 3, 2, 3, 1, 2};
    const int16_t skills[12] = {0, 0, 1, 4, 0, 0, 0, 0, 0, 0, 0, 1};
    for (int s = 0; s < 7; ++s) EXPECT_EQ(std::tuple(saved.BaseStats[s], saved.Stats[s]), std::tuple(stats[s], stats[s]));
    for (int s = 0; s < 12; ++s) EXPECT_EQ(saved.BaseSkills[s], skills[s]) << s;
    EXPECT_EQ(std::tuple(saved.StatPoints, saved.SkillPoints), std::tuple(0, 0));
    EXPECT_EQ(std::tuple(saved.DamageReduction, saved.HitPointsMax, saved.HitPoints, saved.EnergyMax, saved.Energy),
              std::tuple(1, 20, 20, 3500, 3500));
    EXPECT_EQ(std::tuple(saved.BaseSaves[0], saved.Saves[0], saved.BaseSaves[1], saved.Saves[1]),
              std::tuple(4, 4, 12, 12));
    EXPECT_EQ(std::tuple(saved.CurrentLevelNumber, saved.HeroX, saved.HeroY, saved.CurrentSaveSlot),
              std::tuple(3, 10, 12, 0));
    EXPECT_EQ(std::tuple(saved.QuestStates[0], saved.ActiveQuests[0], saved.ActiveQuestCount), std::tuple(1, 0, 1));
    EXPECT_EQ(std::tuple(saved.PentaActive[0], saved.DreamStage, saved.DreamCountdown), std::tuple(1u, 0, 5));
    EXPECT_EQ(std::tuple(saved.ItemInstances[0].ItemNumber, saved.ItemInstances[1].ItemNumber), std::tuple(76, 187));
    EXPECT_EQ(std::tuple(saved.Backpack[0][0], saved.Backpack[1][0]), std::tuple(0, 1));
}

TEST_F(CharacterCreationTest, ARandomNameByTab) {
    WriteStartLevel();
    ThroughStatsAndSkills();
    TapKey(9);
    TapKey(13);
    ASSERT_EQ(Create(), 1u);
    EXPECT_NE(GameState.HeroName[0], '\0');
    EXPECT_EQ(GameState.HeroSex, 0);
}

TEST_F(CharacterCreationTest, EveryWayOutSavesNothing) {
    WriteStartLevel();
    const std::vector<std::function<void()>> ways = {
        [&] { TapKey(27); },                                           // page 1, Esc
        [&] { ClickAt(400, 370); },                                     // page 1, the cancel area
        [&] { TapKey('M'); TapKey(27); },                              // page 2
        [&] { TapKey('M'); ClickAt(360, 380); },
        [&] {
            TapKey('M');
            for (int i = 0; i < 10; ++i) TapKey("SEADWP"[i % 6]);
            TapKey('N');
            TapKey(27);  // page 3
        },
        [&] {
            ThroughStatsAndSkills();
            TapKey(27);  // page 4: Esc leaves the name empty
        },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        ways[i]();
        EXPECT_EQ(Create(), 0u) << i;
        EXPECT_TRUE(NoSlotUsed()) << i;
        EXPECT_TRUE(host.ScriptDone()) << i;
    }
}

TEST_F(CharacterCreationTest, NoFreeSlotNoStartLevelOrNoStartSquare) {
    for (int s = 0; s < kSaveSlots; ++s) SaveList.SaveSlotUsed[s] = 1;
    ASSERT_TRUE(WriteSaveList());
    TapKey(13);
    EXPECT_EQ(Create(), 0u);
    EXPECT_TRUE(TextShown(host, "  No Free Save Game Slots!"));
    EXPECT_TRUE(TextShown(host, "  New Character"));  // the title menu behind it
    fs::remove("Mod/SaveGames/SaveList.dat");

    const auto throughThePages = [&] {
        ThroughStatsAndSkills();
        host.Type("Olm");
        TapKey(13);
        TapKey(13);  // the message
    };
    throughThePages();
    EXPECT_EQ(Create(), 0u);  // no level 3
    EXPECT_TRUE(TextShown(host, "  Level does not exist!"));
    EXPECT_TRUE(NoSlotUsed());

    WriteStartLevel();
    GameIntro.StartLevel[1] = 50;
    GameIntro.StartingQuest = 200;
    throughThePages();
    EXPECT_EQ(Create(), 0u);
    EXPECT_TRUE(NoSlotUsed());
    EXPECT_EQ(GameState.ActiveQuestCount, 0);  // a quest outside the table is none
}

TEST_F(CharacterCreationTest, ResetGameStateByOffset) {
    std::memset(&GameState, 0x5A, sizeof GameState);
    ResetGameState();
    const auto* bytes = reinterpret_cast<const uint8_t*>(&GameState);
    const auto i16 = [&](size_t at) {
        int16_t v;
        std::memcpy(&v, bytes + at, 2);
        return int32_t(v);
    };
    const auto u32 = [&](size_t at) {
        uint32_t v;
        std::memcpy(&v, bytes + at, 4);
        return int64_t(v);
    };
    const struct {
        size_t offset;
        int width;
        int64_t value;
    } cases[] = {
        {0, 2, 0},          {16, 2, 0},        {20, 2, 1},          {24, 2, 10},         {26, 2, 6},
        {28, 4, 0},         {40, 4, 0},        {44, 2, 5},          {46, 2, 1},          {58, 2, 5},
        {70, 2, 1},         {118, 2, 0},       {142, 2, 0},         {144, 2, -23},       {146, 2, -1},
        {166, 2, 0},        {168, 2, 2},       {172, 4, 0},         {200, 4, 0},         {264, 4, 0},
        {268, 2, 0},        {316, 2, 0},       {318, 2, 3},         {320, 2, 3},         {322, 2, -1},
        {326, 2, -1},       {328, 2, 0},       {354, 2, 5},         {356, 2, 0},         {358, 2, 0},
        {360, 2, -1},       {362, 2, -1},      {364, 2, -1},        {366, 2, 0x5A5A},    {368, 4, 0},
        {10404, 2, -1},     {10566, 2, -1},    {10592, 4, 1},       {10596, 2, -1},      {10646, 2, -1},
        {10886, 2, -1},     {11858, 2, 0x5A5A}, {11860, 4, 0},      {11884, 2, -1},      {27884, 2, 0},
        {28284, 2, -1},     {28684, 2, 0},     {28686, 2, -1},      {29086, 2, 0},       {29088, 4, 0},
        {29128, 2, 0},      {29130, 2, 0x5A5A}, {29132, 2, -1},     {29132 + 26, 2, 0},  {31732, 2, -1},
        {36732, 2, 0},      {36734, 2, 0},     {36736, 4, 0},       {36740, 2, -1},      {36904, 4, 0},
        {36908, 2, -1},     {41908, 2, -1},    {41912, 2, -1},      {42508, 4, 0},       {42528, 2, -1},
        {42600, 1, 'U'},    {42600 + 129 * 2500 + 2499, 1, 'U'}, {42600 + 130 * 2500, 1, 'R'},
        {370100, 2, 0},     {370112, 2, 0},    {370120, 2, 0},      {370126, 2, -1},     {370130, 2, -1},
        {370132, 2, 0},     {370136, 4, 0},    {370140, 4, 0},      {370144, 4, 0},      {370148, 2, 0},
        {370150, 2, 0},     {370152, 4, 0},    {370156, 4, 0},      {370160, 4, 0},      {370324, 4, 0},
        {370488, 2, 0},     {370490, 2, 0x5A5A}, {370492, 2, 0x5A5A}, {370496, 4, 0},     {370500, 2, -1},
        {370502, 2, -1},    {370504, 4, 0},    {370508, 2, -1},     {370514, 1, 0},      {377508, 2, -1},
        {377994, 2, 0},     {377996, 2, 0},    {377998, 2, 0},      {378000, 2, 0},      {378020, 4, 0},
        {378072, 2, -1},    {378074, 2, 0x5A5A}, {170, 2, 0x5A5A}, {370134, 2, 0x5A5A}, {370494, 2, 0x5A5A},
    };
    for (const auto& c : cases) {
        const int64_t v = c.width == 1 ? bytes[c.offset] : c.width == 2 ? i16(c.offset) : u32(c.offset);
        EXPECT_EQ(v, c.value) << "offset " << c.offset;
    }
    for (int16_t flag = 0; flag < kGameFlagCount; ++flag) ASSERT_EQ(GameFlag(flag), -1) << flag;
}

}  // namespace
