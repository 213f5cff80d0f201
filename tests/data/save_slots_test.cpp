// The save file, the slot list, the first save of a hero, saving, restoring and deleting.
#include "data/save_slots.h"

#include <filesystem>

#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "kit/events/level_records.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kSaveBytes = 378076;

class SaveSlotsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        fs::create_directories("Mod/SaveGames");
        fs::create_directories("Mod/LevelData");
        GameState = GameStateRecord{};
        std::snprintf(GameState.HeroName, sizeof GameState.HeroName, "%s", "Aldin");
    }
    // A list with the given slots used, as the file holds it.
    void WriteList(std::initializer_list<int> used) {
        std::vector<uint8_t> list(316, 0);
        for (int s : used) {
            PutU32(list, 4 * s, 1);
            list[36 + 31 * s] = 'A' + s;
        }
        WriteBytes("Mod/SaveGames/SaveList.dat", list);
    }
    // Level `n` on disk with a simple door at (2, 3).
    void WriteLevel(int16_t n) {
        NewLevel(1327);
        CreateEvent(2, 3, kSimpleDoorEvent);
        ASSERT_EQ(SaveLevel(n, 0), 1u);
        FreeLevelEventsAndScripts(0);
    }
};

TEST_F(SaveSlotsTest, SaveFileLayout) {
    GameState.CurrentSaveSlot = 6;
    GameState.ActiveAura = 4;
    GameState.Reserved378074[1] = 0x5a;
    GameState.GameFlags[7999] = -2;
    ASSERT_EQ(SaveGameToSlot(0, 6), 1u);
    const auto b = FileBytes("Mod/SaveGames/save6.sav");
    ASSERT_EQ(b.size(), kSaveBytes);
    EXPECT_EQ(TextAt(b, 0, 16), "Aldin");
    EXPECT_EQ(I16At(b, 36734), 6);
    EXPECT_EQ(I16At(b, 11884 + 2 * 7999), -2);
    EXPECT_EQ(I16At(b, 378072), 4);
    EXPECT_EQ(b[378075], 0x5a);
}

TEST_F(SaveSlotsTest, NewCharacterTakesTheLowestFreeSlot) {
    WriteList({0, 1, 2, 3, 5});
    ASSERT_EQ(SaveNewCharacter(), 1u);
    EXPECT_EQ(GameState.CurrentSaveSlot, 4);
    const auto save = FileBytes("Mod/SaveGames/save4.sav");
    ASSERT_EQ(save.size(), kSaveBytes);
    EXPECT_EQ(I16At(save, 36734), 4);
    const auto list = FileBytes("Mod/SaveGames/SaveList.dat");
    ASSERT_EQ(list.size(), 316u);
    EXPECT_EQ(U32At(list, 16), 1u);
    EXPECT_EQ(TextAt(list, 36 + 31 * 4, 31), "Aldin");
    EXPECT_EQ(TextAt(list, 36 + 31 * 5, 31), "F");

    // A word other than 1 is a free slot.
    std::vector<uint8_t> odd = list;
    PutU32(odd, 0, 2);
    WriteBytes("Mod/SaveGames/SaveList.dat", odd);
    ASSERT_EQ(SaveNewCharacter(), 1u);
    EXPECT_EQ(GameState.CurrentSaveSlot, 0);

    WriteList({0, 1, 2, 3, 4, 5, 6, 7, 8});
    GameState.CurrentSaveSlot = 2;
    EXPECT_EQ(SaveNewCharacter(), 0u);
    EXPECT_EQ(GameState.CurrentSaveSlot, 2);
}

TEST_F(SaveSlotsTest, MissingOrShortListReadsAsFreeSlots) {
    LoadSaveList();
    EXPECT_EQ(FileBytes("Mod/SaveGames/SaveList.dat"), std::vector<uint8_t>(316, 0));
    WriteBytes("Mod/SaveGames/SaveList.dat", {1, 0, 0, 0});
    LoadSaveList();
    EXPECT_TRUE(SlotIsUsed(0));
    EXPECT_FALSE(SlotIsUsed(1));
    EXPECT_FALSE(SlotIsUsed(9));
    EXPECT_FALSE(SlotIsUsed(-1));
}

TEST_F(SaveSlotsTest, RestoreReloadsTheLevelAndHoldsDoorsWithMonstersOpen) {
    WriteLevel(2);
    GameState.CurrentLevelNumber = 2;
    std::fill(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), int16_t{-1});
    GameState.MonsterGrid[2 * 50 + 3] = 0;
    GameState.EncounterList[0].Kind = 3;
    GameState.EncounterList[0].Hp = 4;
    ASSERT_EQ(SaveGameToSlot(0, 2), 1u);

    GameState = GameStateRecord{};
    NewLevel(5);
    EXPECT_EQ(RestoreCharacter(2), RestoreResult::Restored);
    EXPECT_STREQ(GameState.HeroName, "Aldin");
    EXPECT_EQ(GameState.EncounterList[0].Hp, 4);
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1327);
    ASSERT_TRUE(EventGrid[2 * 50 + 3]);
    EXPECT_EQ(EventGrid[2 * 50 + 3]->Word[2], 1);
}

TEST_F(SaveSlotsTest, RestoreRefusesShortMissingAndLevellessSaves) {
    WriteLevel(1);
    GameState.CurrentLevelNumber = 1;
    ASSERT_EQ(SaveGameToSlot(0, 0), 1u);
    auto save = FileBytes("Mod/SaveGames/save0.sav");

    GameState = GameStateRecord{};
    GameState.HeroLevel = 9;
    NewLevel(5);
    auto unchanged = [&] {
        EXPECT_EQ(GameState.HeroLevel, 9);
        EXPECT_EQ(GameState.HeroName[0], 0);
        EXPECT_EQ(CurrentLevel.BottomLayer[0], 5);
    };
    WriteBytes("Mod/SaveGames/save1.sav", std::vector<uint8_t>(save.begin(), save.end() - 1));
    EXPECT_EQ(RestoreCharacter(1), RestoreResult::SaveUnreadable);
    unchanged();
    EXPECT_EQ(RestoreCharacter(3), RestoreResult::SaveUnreadable);
    EXPECT_EQ(RestoreCharacter(-1), RestoreResult::SaveUnreadable);
    unchanged();

    PutI16(save, 158, 4);  // a level without a file
    EXPECT_EQ(RestoreGameImage(save), RestoreResult::LevelMissing);
    unchanged();
    PutI16(save, 158, kArenaLevel);
    EXPECT_EQ(RestoreGameImage(save), RestoreResult::LevelMissing);
    unchanged();

    PutI16(save, 158, 1);
    save.push_back(0xee);  // a longer file's tail is ignored
    EXPECT_EQ(RestoreGameImage(save), RestoreResult::Restored);
    EXPECT_STREQ(GameState.HeroName, "Aldin");
}

TEST_F(SaveSlotsTest, SavingMessagesAndRefusals) {
    host.Tap(13);
    Run([] { EXPECT_EQ(SaveGameToSlot(1, 3), 1u); });
    EXPECT_TRUE(TextShown(host, "     - Game Saved! -"));

    host.texts.clear();
    host.Tap(13).Wait(5).Tap(13);
    Run([] { EXPECT_EQ(SaveGameToSlot(1, 13), 1u); });  // a time-loop slot: warned, saved
    EXPECT_TRUE(TextShown(host, "Slotnum > 9 Error!"));
    EXPECT_TRUE(fs::exists("Mod/SaveGames/save13.sav"));

    host.texts.clear();
    fs::create_directories("Mod/SaveGames/save4.sav");
    host.Tap(13);
    Run([] { EXPECT_EQ(SaveGameToSlot(1, 4), 0u); });
    EXPECT_FALSE(TextShown(host, "     - Game Saved! -"));

    host.texts.clear();
    GameState.CurrentLevelNumber = kArenaLevel;
    host.Tap(13);
    Run([] { EXPECT_EQ(SaveGameToSlot(1, 5), 0u); });
    EXPECT_TRUE(TextShown(host, "game in wilderness combat!"));
    EXPECT_FALSE(fs::exists("Mod/SaveGames/save5.sav"));
}

TEST_F(SaveSlotsTest, DeleteAsksThenFreesTheSlot) {
    WriteList({1, 2});
    WriteBytes("Mod/SaveGames/save2.sav", std::vector<uint8_t>(kSaveBytes, 0));
    LoadSaveList();
    int16_t slot = 2, used = 2;
    host.Tap('N');
    Run([&] { DeleteCharacter(slot, used); });
    EXPECT_EQ(slot, 2);
    EXPECT_TRUE(fs::exists("Mod/SaveGames/save2.sav"));

    host.Tap('Y');
    Run([&] { DeleteCharacter(slot, used); });
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(used, 1);
    EXPECT_FALSE(fs::exists("Mod/SaveGames/save2.sav"));
    const auto list = FileBytes("Mod/SaveGames/SaveList.dat");
    EXPECT_EQ(U32At(list, 8), 0u);
    EXPECT_EQ(TextAt(list, 36 + 62, 31), "empty");
    EXPECT_EQ(U32At(list, 4), 1u);

    slot = 1;  // its file is already gone: the slot is freed all the same
    host.Tap('Y');
    Run([&] { DeleteCharacter(slot, used); });
    EXPECT_FALSE(SlotIsUsed(1));
}

}  // namespace
