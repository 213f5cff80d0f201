// The level file: its layout, round trips, files cut short, door and pad flags, and the
// writer's questions and failures.
#include <filesystem>

#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "kit/events/level_records.h"
#include "kit/script/script_slots.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kBlock = 30404;
constexpr size_t kEventBytes = 586;
constexpr size_t kScriptBytes = 6460;

class LevelFileTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        fs::create_directories("Mod/LevelData");
        GameState.CurrentLevelNumber = 0;
        NewLevel(1327);
    }
    std::vector<uint8_t> Written() {
        EXPECT_EQ(WriteLevelFile("Mod/LevelData/Level7.dat"), 1u);
        return FileBytes("Mod/LevelData/Level7.dat");
    }
    void SetTextLine(int slot, int line, const char* text) {
        ScriptTable[slot]->LineText[line] = std::make_unique<ScriptLineText>();
        std::snprintf(ScriptTable[slot]->LineText[line]->data(), 57, "%s", text);
    }
};

TEST_F(LevelFileTest, NewLevelLayoutByteForByte) {
    const auto b = Written();
    ASSERT_EQ(b.size(), kBlock);
    EXPECT_EQ(TextAt(b, 0, 26), "Unnamed Map Area");
    EXPECT_EQ(TextAt(b, 5 * 26, 26), "Unnamed Map Area");
    EXPECT_EQ(I16At(b, 156), 1327);
    EXPECT_EQ(I16At(b, 156 + 2 * 2499), 1327);
    EXPECT_EQ(I16At(b, 5156), 0);
    EXPECT_EQ(I16At(b, 10156 + 2 * 1234), 1295);
    EXPECT_EQ(I16At(b, 15156), 0);
    EXPECT_EQ(U32At(b, 20156), 0u);
    EXPECT_EQ(I16At(b, 30276), -1);  // north exit
    EXPECT_EQ(I16At(b, 30282), -1);  // west exit
    EXPECT_EQ(I16At(b, 30284), 0);
    EXPECT_EQ(I16At(b, 30292), -1);
    EXPECT_EQ(I16At(b, 30300), -1);
    EXPECT_EQ(I16At(b, 30308), 0);
    EXPECT_EQ(I16At(b, 30316), -1);
    EXPECT_EQ(I16At(b, 30324), -1);
    EXPECT_EQ(I16At(b, 30338), -1);
    EXPECT_EQ(I16At(b, 30340), 0);
    EXPECT_EQ(I16At(b, 30354), -1);
    EXPECT_EQ(I16At(b, 30366), 0);
    EXPECT_EQ(I16At(b, 30378), 0);
    EXPECT_EQ(I16At(b, 30382), 0);
    EXPECT_EQ(I16At(b, 30384), -1);
    EXPECT_EQ(I16At(b, 30390), -1);
    EXPECT_EQ(I16At(b, 30392), 0);
    EXPECT_EQ(I16At(b, 30394), -1);
    EXPECT_EQ(I16At(b, 30396), -1);
    EXPECT_EQ(I16At(b, 30398), -1);
    EXPECT_EQ(I16At(b, 30400), -1);
}

TEST_F(LevelFileTest, SizesAndOrderOfEventsAndScripts) {
    CreateEvent(10, 0, 1240);
    CreateEvent(0, 1, 1241);
    CreateEvent(49, 49, 1242);
    CreateScript(3);
    SetTextLine(3, 5, "first");
    SetTextLine(3, 399, "last");
    ScriptTable[3]->Record.Code[5] = 12;
    const auto b = Written();
    ASSERT_EQ(b.size(), kBlock + 3 * kEventBytes + kScriptBytes + 2 * 57);
    // Rows outer: (10, 0) before (0, 1) before (49, 49).
    EXPECT_EQ(I16At(b, kBlock), 1240);
    EXPECT_EQ(I16At(b, kBlock + kEventBytes), 1241);
    EXPECT_EQ(I16At(b, kBlock + 2 * kEventBytes), 1242);
    EXPECT_NE(U32At(b, 20156 + 4 * (10 * 50 + 0)), 0u);
    EXPECT_NE(U32At(b, 20156 + 4 * 1), 0u);
    EXPECT_EQ(U32At(b, 20156 + 4 * 2), 0u);
    EXPECT_NE(U32At(b, 30156 + 4 * 3), 0u);
    const size_t script = kBlock + 3 * kEventBytes;
    EXPECT_EQ(TextAt(b, script, 58), "None");
    EXPECT_EQ(I16At(b, script + 58 + 2 * 5), 12);
    EXPECT_NE(U32At(b, script + 860 + 4 * 5), 0u);
    EXPECT_EQ(U32At(b, script + 860 + 4 * 6), 0u);
    EXPECT_EQ(TextAt(b, script + kScriptBytes, 57), "first");
    EXPECT_EQ(TextAt(b, script + kScriptBytes + 57, 57), "last");
}

TEST_F(LevelFileTest, RoundTripKeepsEverything) {
    CreateEvent(3, 4, 1234);
    EventGrid[3 * 50 + 4]->Word[32] = -7;
    std::snprintf(EventGrid[3 * 50 + 4]->Text[1][9], 26, "%s", "bottom line");
    CreateScript(0);
    CreateScript(29);
    SetTextLine(29, 0, "hello");
    ScriptTable[29]->Record.Operand[399][4] = 4242;
    CurrentLevel.ZoneTunes[5] = 9;
    CurrentLevel.Reserved30402[1] = 0xAB;
    const auto first = Written();

    FreeLevelEventsAndScripts(0);
    NewLevel(1);
    ReadLevelImage(first);
    ASSERT_TRUE(EventGrid[3 * 50 + 4]);
    EXPECT_EQ(EventGrid[3 * 50 + 4]->Word[32], -7);
    EXPECT_STREQ(EventGrid[3 * 50 + 4]->Text[1][9], "bottom line");
    ASSERT_TRUE(ScriptTable[29]);
    EXPECT_FALSE(ScriptTable[1]);
    EXPECT_STREQ(ScriptTable[29]->LineText[0]->data(), "hello");
    EXPECT_EQ(ScriptTable[29]->Record.Operand[399][4], 4242);
    EXPECT_EQ(CurrentLevel.ZoneTunes[5], 9);
    EXPECT_EQ(Written(), first);
}

TEST_F(LevelFileTest, FileCutShortLoadsWhatItHolds) {
    CreateEvent(0, 0, 1240);
    CreateEvent(1, 0, 1241);
    CreateScript(0);
    SetTextLine(0, 0, "text");
    const auto whole = Written();

    // Cut inside the second event: it is there, completed with zeros; the script is not.
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + kBlock + kEventBytes + 10);
    cut[kBlock + kEventBytes + 9] = 0x7f;  // a byte of word 4
    ReadLevelImage(cut);
    ASSERT_TRUE(EventGrid[0]);
    ASSERT_TRUE(EventGrid[50]);
    EXPECT_EQ(EventGrid[50]->Word[0], 1241);
    EXPECT_EQ(EventGrid[50]->Word[5], 0);
    EXPECT_FALSE(ScriptTable[0]);
    EXPECT_EQ(LevelFileImage().size(), kBlock + 2 * kEventBytes);

    // Cut inside the block: the rest of the block is zero, no records.
    ReadLevelImage(std::span(whole).first(200));
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1327);
    EXPECT_EQ(CurrentLevel.ZoneTunes[0], 0);
    EXPECT_FALSE(EventGrid[0]);

    // Presence words everywhere and nothing behind them; names without terminators.
    std::vector<uint8_t> lying(kBlock, 0xff);
    ReadLevelImage(lying);
    EXPECT_EQ(std::string(CurrentLevel.ZoneNames[0]).size(), 25u);
    EXPECT_FALSE(EventGrid[0]);
    EXPECT_EQ(CurrentLevel.EventGrid[0], 0u);
    ReadLevelImage({});
    EXPECT_EQ(LevelFileImage().size(), kBlock);
}

TEST_F(LevelFileTest, PadsResetOnlyOnAnotherLevelAndDoorsKeepTheirState) {
    CreateEvent(1, 1, kPressurePadEvent);
    EventGrid[51]->Word[1] = 100;
    CreateEvent(2, 2, kComplexDoorEvent);
    EventGrid[102]->Word[7] = 200;
    EventGrid[102]->Word[2] = 3;
    CreateEvent(3, 3, kComplexDoorEvent);
    EventGrid[153]->Word[7] = 201;
    EventGrid[153]->Word[2] = 3;
    CreateEvent(4, 4, kComplexDoorEvent);
    EventGrid[204]->Word[7] = 9000;  // names no flag
    CreateEvent(5, 5, kPressurePadEvent);
    EventGrid[255]->Word[1] = -300;
    ASSERT_EQ(SaveLevel(4, 0), 1u);

    SetGameFlag(100, 1);
    SetGameFlag(200, -1);
    SetGameFlag(201, 0);  // opened earlier
    GameState.CurrentLevelNumber = 4;
    ASSERT_EQ(LoadLevel(4, 1, 1), 1u);
    EXPECT_EQ(GameFlag(100), 1);  // the level the hero is on
    EXPECT_EQ(GameFlag(200), 3);
    EXPECT_EQ(GameFlag(201), 0);

    GameState.CurrentLevelNumber = 9;
    ASSERT_EQ(LoadLevel(4, 1, 1), 1u);
    EXPECT_EQ(GameFlag(100), -1);
    ASSERT_EQ(LoadLevel(4, 1, 0), 1u);
    EXPECT_EQ(GameFlag(100), -1);
    SetGameFlag(100, 5);
    ASSERT_EQ(LoadLevel(4, 1, 0), 1u);
    EXPECT_EQ(GameFlag(100), 5);
}

TEST_F(LevelFileTest, MissingLevelChangesNothing) {
    CreateEvent(7, 7, 1240);
    host.Tap(13);
    Run([] { EXPECT_EQ(LoadLevel(12, 0, 0), 0u); });
    EXPECT_TRUE(TextShown(host, "  Level does not exist!"));
    EXPECT_TRUE(EventGrid[7 * 50 + 7]);
    // Numbers that have no level file are refused alike, quietly when asked.
    EXPECT_EQ(LoadLevel(130, 1, 0), 0u);
    EXPECT_EQ(LoadLevel(-1, 1, 0), 0u);
    EXPECT_EQ(SaveLevel(130, 0), 0u);
    EXPECT_FALSE(fs::exists("Mod/LevelData/Level130.dat"));
}

TEST_F(LevelFileTest, SaveLevelAsksBeforeOverwriting) {
    ASSERT_EQ(SaveLevel(3, 1), 1u);  // new file: no question
    EXPECT_TRUE(host.texts.empty());
    CurrentLevel.TopLayer[0] = 77;

    host.Tap('N');
    Run([] { EXPECT_EQ(SaveLevel(3, 1), 0u); });
    EXPECT_TRUE(TextShown(host, "File Exists! Overwrite?"));
    EXPECT_EQ(I16At(FileBytes("Mod/LevelData/Level3.dat"), 5156), 0);

    host.Tap('Y');
    Run([] { EXPECT_EQ(SaveLevel(3, 1), 1u); });
    EXPECT_EQ(I16At(FileBytes("Mod/LevelData/Level3.dat"), 5156), 77);

    CurrentLevel.TopLayer[0] = 78;
    host.texts.clear();
    EXPECT_EQ(SaveLevel(3, 0), 1u);
    EXPECT_TRUE(host.texts.empty());
    EXPECT_EQ(I16At(FileBytes("Mod/LevelData/Level3.dat"), 5156), 78);

    fs::remove("Mod/LevelData/Level3.dat");
    fs::create_directories("Mod/LevelData/Level3.dat");  // cannot be replaced
    EXPECT_EQ(SaveLevel(3, 0), 0u);
}

}  // namespace
