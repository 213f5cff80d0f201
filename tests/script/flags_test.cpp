// The three flag tests, the flag change and the four flag codes.
#include "script/flags.h"

#include <memory>

#include "tests/script/script_test.h"

namespace {

class FlagsTest : public ScriptTest {};

TEST_F(FlagsTest, TheThreeTestsByFlagNumber) {
    SetGameFlag(12, 7);
    const struct {
        int16_t flag, op, value;
        int test, check, strict;
    } cases[] = {
        {0, 5, 7, 1, 1, 0},    {-1, 5, 7, 1, 1, 0},   {-1, 6, 7, 1, 1, 0},  {0, 6, 7, 1, 1, 0},
        {-5, 5, -1, 1, 1, 0},  {-5, 0, 0, 0, 1, 0},   {12, 5, 7, 1, 1, 1},  {12, 0, 6, 1, 1, 1},
        {12, 1, 7, 0, 0, 0},   {12, 2, 7, 1, 1, 1},   {12, 3, 6, 0, 0, 0},  {12, 4, 7, 0, 0, 0},
        {12, 6, 7, 0, 0, 0},   {12, 6, 0, 0, 0, 0},   {13, 5, -1, 1, 1, 1}, {13, 0, 0, 0, 0, 0},
        {8000, 5, -1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TestFlagCondition(c.flag, c.op, c.value), c.test) << c.flag << " " << c.op << " " << c.value;
        EXPECT_EQ(CheckFlagCondition(c.flag, c.op, c.value), c.check) << c.flag << " " << c.op << " " << c.value;
        EXPECT_EQ(CheckFlagConditionStrict(c.flag, c.op, c.value), c.strict) << c.flag << " " << c.op << " " << c.value;
    }
}

TEST_F(FlagsTest, ChangeFlagWrapsAndLeavesNumbersBelowOne) {
    SetGameFlag(12, 32767);
    EXPECT_EQ(ChangeFlag(12, 1, 1), 0);
    EXPECT_EQ(GameFlag(12), -32768);
    EXPECT_EQ(ChangeFlag(12, 2, 1), 0);
    EXPECT_EQ(GameFlag(12), 32767);
    EXPECT_EQ(ChangeFlag(12, 3, 5), 0);
    EXPECT_EQ(GameFlag(12), 32767);
    EXPECT_EQ(ChangeFlag(12, 0, -4), 0);
    EXPECT_EQ(GameFlag(12), -4);
    EXPECT_EQ(ChangeFlag(0, 0, 9), 1);
    EXPECT_EQ(GameFlag(0), -1);
}

TEST_F(FlagsTest, FlagCodesSetTallyAndJump) {
    SetGameFlag(20, 30);
    Line(0, 10, {0, 0, 9});        // SFL flag 0 = 9: an ordinary flag here
    Line(1, 57, {21, 0, 20});      // SFF 21 = flag 20
    Line(2, 57, {21, 1, 20});      // SFF 21 += flag 20
    Line(3, 57, {22, 0, -1});      // SFF from no flag: -1
    Line(4, 21, {20, 5, 30, 23});  // TAL: true, tally 23 from -1 to 0
    Line(5, 21, {20, 5, 31, 24});  // TAL: false, 24 stays
    Line(6, 21, {-1, 5, -1, 25});  // TAL on no flag reads -1: true
    Line(7, 13, {0, 5, 9, 4});     // IFL on flag 0
    Line(8, 10, {26, 0, 1});
    Line(9, 5, {4});
    Line(10, 10, {27, 1, 5});  // -1 + 5
    RunScriptAt();
    EXPECT_EQ(GameFlag(0), 9);
    EXPECT_EQ(GameFlag(21), 60);
    EXPECT_EQ(GameFlag(22), -1);
    EXPECT_EQ(GameFlag(23), 0);
    EXPECT_EQ(GameFlag(24), -1);
    EXPECT_EQ(GameFlag(25), 0);
    EXPECT_EQ(GameFlag(26), -1);  // jumped over
    EXPECT_EQ(GameFlag(27), 4);
    EXPECT_TRUE(WindowLines().empty());
}

TEST_F(FlagsTest, NumbersOutsideTheTableAreNeverWritten) {
    Line(0, 10, {8000, 0, 5});
    Line(1, 10, {-2, 0, 5});
    Line(2, 57, {-1, 1, 3});
    Line(3, 21, {0, 5, -1, 8000});
    Line(4, 21, {0, 5, -1, -3});
    const auto before = std::make_unique<GameStateRecord>(GameState);
    RunScriptAt();
    EXPECT_EQ(std::memcmp(before.get(), &GameState, sizeof GameState), 0);
}

}  // namespace
