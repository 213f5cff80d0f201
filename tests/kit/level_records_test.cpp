// New events with their defaults, new scripts, and the release of a level's records.
#include "kit/events/level_records.h"

#include <gtest/gtest.h>

#include "data/level.h"
#include "kit/script/script_slots.h"

namespace {

class LevelRecordsTest : public ::testing::Test {
protected:
    void SetUp() override { NewLevel(1); }
    void TearDown() override { FreeLevelEventsAndScripts(0); }
    static const EventRecord& At(int x, int y) { return *EventGrid[x * 50 + y]; }
};

TEST_F(LevelRecordsTest, TypeDefaults) {
    struct Case {
        int16_t type;
        std::vector<std::pair<int, int16_t>> words;  // every other word is 0
    } cases[] = {
        {1226, {{7, -1}, {8, -1}, {13, -1}, {14, -1}, {19, -1}, {20, -1}}},
        {1227, {{8, -1}, {14, -1}, {20, -1}, {22, -1}}},
        {1230, {{10, -1}}},
        {1231, {{10, -1}}},
        {1234, {{4, 2}, {5, 130}}},
        {1235, {{1, 80}, {2, 1}}},
        {1238, {{4, -1}, {5, -1}, {6, -1}, {7, -1}, {8, -1}, {9, -1}}},
        {1242, {{4, 130}}},
        {1246, {{6, -1}, {9, -1}, {10, -1}}},
        {1248, {{29, 100}}},
        {1249, {{5, 5}}},
        {1253, {{5, 10}}},
        {1258, {{11, -1}}},
        {1266, {{1, 163}, {2, 1}}},
        {1272, {{11, 500}}},
        {1240, {}},  // a type without defaults
    };
    for (const Case& c : cases) {
        CreateEvent(5, 6, c.type);
        const EventRecord& e = At(5, 6);
        EXPECT_EQ(e.Word[0], c.type);
        for (int w = 1; w <= 32; ++w) {
            int16_t expected = 0;
            for (const auto& [word, value] : c.words) {
                if (word == w) expected = value;
            }
            EXPECT_EQ(e.Word[w], expected) << "type " << c.type << " word " << w;
        }
        for (const auto& text : e.Text) {
            for (const auto& line : text) EXPECT_EQ(line[0], 0);
        }
    }
    EXPECT_EQ(CurrentLevel.EventGrid[5 * 50 + 6], 1u);
    CreateEvent(50, 0, 1240);  // off the map
    CreateEvent(0, -1, 1240);
    EXPECT_FALSE(EventGrid[0]);
}

TEST_F(LevelRecordsTest, NewScript) {
    CreateScript(29);
    ASSERT_TRUE(ScriptTable[29]);
    EXPECT_STREQ(ScriptTable[29]->Record.Title, "None");
    EXPECT_EQ(ScriptTable[29]->Record.Code[399], 0);
    EXPECT_EQ(ScriptTable[29]->Record.Operand[399][4], 0);
    EXPECT_FALSE(ScriptTable[29]->LineText[0]);
    CreateScript(30);
    CreateScript(-1);
}

TEST_F(LevelRecordsTest, FreeModes) {
    auto fill = [] {
        CreateEvent(0, 0, 1240);
        CreateEvent(49, 49, 1241);
        CreateScript(0);
        ScriptTable[0]->LineText[3] = std::make_unique<ScriptLineText>();
    };
    fill();
    FreeLevelEventsAndScripts(3);
    EXPECT_TRUE(EventGrid[0] && ScriptTable[0]);
    FreeLevelEventsAndScripts(1);
    EXPECT_TRUE(EventGrid[0] && EventGrid[2499]);
    EXPECT_FALSE(ScriptTable[0]);
    EXPECT_EQ(CurrentLevel.ScriptTable[0], 0u);
    fill();
    FreeLevelEventsAndScripts(2);
    EXPECT_FALSE(EventGrid[0] || EventGrid[2499]);
    EXPECT_TRUE(ScriptTable[0]);
    fill();
    FreeLevelEventsAndScripts(0);
    EXPECT_FALSE(EventGrid[0] || ScriptTable[0]);
    fill();
    NewLevel(1);  // a new level holds no records, whatever its caller freed
    EXPECT_FALSE(EventGrid[2499] || ScriptTable[0]);
}

}  // namespace
