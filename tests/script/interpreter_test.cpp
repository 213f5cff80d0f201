// The interpreter end to end: the window reaches the screen only through LSC, USE and IAN;
// marks and jumps, '%' texts, the answers, CSC, items owed from an earlier run, and the
// guards against bad slots and endless runs.
#include <tuple>

#include "data/item_records.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "script/script_run.h"
#include "tests/script/script_test.h"

namespace {

class InterpreterTest : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        OpenDisplay();
    }
};

TEST_F(InterpreterTest, LinesReachTheScreenOnlyThroughTheWaits) {
    Line(0, 1, {}, "Unseen");
    Line(1, 99);  // outside the table: nothing
    Line(2, 44, {1, 2, 3});
    Line(3, 5, {4});
    Line(4, 9);
    Line(5, 1, {}, "After the end");
    RunScriptAt();
    EXPECT_EQ(host.flips, 0u);
    EXPECT_TRUE(Draws("Unseen").empty());
    EXPECT_EQ(WindowLines(), std::vector<std::string>{"Unseen"});
}

TEST_F(InterpreterTest, WindowPlacesAndColoursAndTheThreeLeaveKeys) {
    for (int key : {int('1'), int('L'), kEsc}) {
        host.texts.clear();
        Title("The Miller");
        Line(0, 1, {}, "Plain");
        Line(1, 2, {}, "Blue");
        Line(2, 3, {}, "Red");
        Line(3, 8);
        Line(4, 1, {}, "Never");
        TapKey(key);
        RunScriptAt();
        EXPECT_TRUE(host.ScriptDone()) << key;
        EXPECT_GT(host.flips, 0u);
        EXPECT_EQ(Draws("The Miller").front(), (std::array<int32_t, 3>{50, 50, 182}));
        EXPECT_EQ(Draws(std::string(58, '-')).front(), (std::array<int32_t, 3>{50, 70, 0}));
        EXPECT_EQ(Draws("Plain").front(), (std::array<int32_t, 3>{50, 100, 0}));
        EXPECT_EQ(Draws("Blue").front(), (std::array<int32_t, 3>{50, 115, 182}));
        EXPECT_EQ(Draws("Red").front(), (std::array<int32_t, 3>{50, 130, 91}));
        EXPECT_EQ(Draws("1. <Leave>").front(), (std::array<int32_t, 3>{50, 160, 182}));
        EXPECT_TRUE(Draws("Never").empty());
        EXPECT_EQ(host.effects.back(), "Click");
    }
}

TEST_F(InterpreterTest, TheWindowHoldsTwentyFourLinesAndTheRestGoUnseen) {
    for (int16_t l = 0; l < 23; ++l) Line(l, 1, {}, ("Line " + std::to_string(l)).c_str());
    Line(23, 8);
    TapKey('L');
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(MessageLineCount, 24);
    EXPECT_EQ(Draws("Line 22").front()[1], 100 + 15 * 22);
    EXPECT_TRUE(Draws("1. <Leave>").empty());  // in the undrawn slot 24

    ClearMessageLines();
    for (int i = 0; i < 26; ++i) AppendMessageLine(std::to_string(i), 0);
    EXPECT_EQ(MessageLineCount, 24);
    EXPECT_STREQ(MessageLines[23].data(), "23");
    EXPECT_STREQ(MessageLines[24].data(), "25");
    AppendMessageLine(std::string(60, 'x'), 0);  // cut to 56
    EXPECT_EQ(std::string(MessageLines[24].data()), std::string(56, 'x'));
}

TEST_F(InterpreterTest, JumpsGoToTheFirstMarkAndAMissingMarkGoesOn) {
    Line(0, 7, {3});
    Line(1, 1, {}, "skipped");
    Line(5, 5, {3});
    Line(6, 1, {}, "first");
    Line(7, 7, {8});  // no mark 8: a box, then the next line
    Line(8, 1, {}, "after the box");
    Line(9, 9);
    Line(10, 5, {3});
    Line(11, 1, {}, "second");
    TapKey(kEnter);
    RunScriptAt();
    EXPECT_EQ(WindowLines(), (std::vector<std::string>{"first", "after the box"}));
    EXPECT_EQ(Draws("ERROR: mark not found!").front(), (std::array<int32_t, 3>{30, 40, 0}));
}

TEST_F(InterpreterTest, PercentTextsPutInTheHerosWords) {
    SetFieldText(GameState.HeroName, "Ann");
    const struct {
        int16_t sex;
        std::string text, shown;
    } cases[] = {
        {1, "%Hello %n, %s.", "Hello Ann, daughter."},
        {0, "%Yes %T, my %S%Xa%", "Yes sir, my sona"},
        {0, "No % at the start %n", "No % at the start %n"},
        {0, "%" + std::string(53, 'x') + "%N", std::string(53, 'x') + "Ann"},
        {1, "%" + std::string(51, 'x') + "%t!", std::string(51, 'x') + "!"},  // "madame" passes 56
    };
    for (const auto& c : cases) {
        GameState.HeroSex = c.sex;
        ScriptTable[0].reset();
        Line(0, 1, {}, c.text.c_str());
        RunScriptAt();
        EXPECT_EQ(WindowLines(), std::vector<std::string>{c.shown}) << c.text;
    }
}

TEST_F(InterpreterTest, ALineWithoutItsTextShowsABoxAndAddsAnEmptyLine) {
    Line(0, 3);
    TapKey(kEnter);
    RunScriptAt();
    EXPECT_TRUE(TextShown(host, "Error! TxtPtr should not"));
    EXPECT_TRUE(TextShown(host, "be NULL!"));
    EXPECT_EQ(WindowLines(), std::vector<std::string>{""});
    EXPECT_EQ(MessageLineColours[0], 91);
}

TEST_F(InterpreterTest, UserSelectAnswersByPosition) {
    const struct {
        std::array<int16_t, 5> marks;
        int unread, key;  // a key not offered is held: the wait never reads it
        std::string reached;
    } cases[] = {
        {{4, 6, -1, -1, -1}, '3', '2', "six"},
        {{4, 6, -1, -1, -1}, '3', '1', "four"},
        {{7, 0, 9, 0, 0}, '3', '2', "zero"},
        {{-1, 0, 0, 0, 0}, '1', kEsc, "next"},  // nothing offered: Esc goes on
    };
    for (const auto& c : cases) {
        ScriptTable[0].reset();
        Line(0, 1, {}, "1. Yes");
        Line(1, 4, c.marks);
        Line(2, 1, {}, "next");
        Line(3, 9);
        const std::pair<int16_t, const char*> marks[] = {{4, "four"}, {6, "six"}, {0, "zero"}};
        int16_t l = 10;
        for (auto [mark, text] : marks) {
            Line(l++, 5, {mark});
            Line(l++, 1, {}, text);
            Line(l++, 9);
        }
        host.Wait(10).Hold(c.unread, 20);
        TapKey(c.key);
        RunScriptAt();
        EXPECT_TRUE(host.ScriptDone());
        EXPECT_EQ(WindowLines(), std::vector<std::string>{c.reached}) << c.reached;
        EXPECT_TRUE(TextShown(host, "1. Yes"));
    }
}

TEST_F(InterpreterTest, AnswerBlocksAcceptAnyOfTheirTexts) {
    for (auto [typed, reached] : {std::pair{"AYE", "aye"}, {"no", "after"}, {"Maybe", "maybe"}}) {
        host.texts.clear();
        ScriptTable[0].reset();
        Line(0, 1, {}, "Will you help?");
        Line(1, 22, {1}, "yes");
        Line(2, 22, {2}, "aye");
        Line(3, 22, {3}, "MAYBE");
        Line(4, 1, {}, "after");
        Line(5, 9);
        Line(10, 5, {1});
        Line(11, 1, {}, "yes");
        Line(12, 5, {2});
        Line(13, 1, {}, "aye");
        Line(14, 9);
        Line(15, 5, {3});
        Line(16, 1, {}, "maybe");
        Line(17, 9);
        Keys({typed, kEnter});
        RunScriptAt();
        EXPECT_EQ(WindowLines(), std::vector<std::string>{reached}) << typed;
        EXPECT_EQ(Draws("Answer: ").front(), (std::array<int32_t, 3>{50, 115, 91}));
    }
}

TEST_F(InterpreterTest, AnAnswerBlockEndsAtTheLastLine) {
    Line(397, 1, {}, "Last words?");
    Line(398, 22, {1}, "one");
    Line(399, 22, {1}, "two");
    Keys({"three", kEnter});
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_TRUE(WindowLines().empty());
}

TEST_F(InterpreterTest, ChangeScriptContinuesAtTheMarkUnderTheNewTitle) {
    Title("First");
    Line(0, 1, {}, "from the first");
    Line(1, 6, {4, 2});
    CreateScript(4);
    Title("Fourth", 4);
    Line(7, 5, {2}, nullptr, 4);
    Line(8, 1, {}, "from the fourth", 4);
    Line(9, 8, {}, nullptr, 4);
    TapKey('1');
    RunScriptAt();
    EXPECT_EQ(WindowLines(),
              (std::vector<std::string>{"from the first", "from the fourth", "", "1. <Leave>"}));
    EXPECT_FALSE(Draws("Fourth").empty());
    EXPECT_EQ(Draws("from the first").size(), 1u);  // drawn once, under the new title

    // No mark: line 1 of the new script runs next. An empty slot: a box, and on.
    ScriptTable[0].reset();
    ScriptTable[4].reset();
    Line(0, 6, {4, 2});
    Line(0, 1, {}, "line 0", 4);
    Line(1, 1, {}, "line 1", 4);
    Line(2, 6, {30, 0}, nullptr, 4);
    Line(3, 6, {7, 0}, nullptr, 4);
    Line(4, 1, {}, "line 4", 4);
    Keys({kEnter, kEnter, kEnter});
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(WindowLines(), (std::vector<std::string>{"line 1", "line 4"}));
    EXPECT_EQ(Draws("Change Script Error!").size(), 2u);
    EXPECT_EQ(Draws("No such script!").front(), (std::array<int32_t, 3>{90, 120, 0}));
}

TEST_F(InterpreterTest, AnItemOwedOnTheSquareIsHandedOverFirst) {
    Item(40, 0, 0, "Long Sword");
    GameState.PendingItems[3] = {3, 5, 6, 40, 2, 0};
    GameState.PendingItems[7] = {4, 5, 6, 40, 0, 0};  // another level
    Line(0, 1, {}, "Welcome back.");
    // A full backpack keeps it owed.
    for (int16_t& cell : BackpackGrid()) cell = 0;
    GameState.ItemInstances[0] = {1, 0, 0, 0, 0};
    RunScriptAt();
    EXPECT_EQ(WindowLines(), (std::vector<std::string>{"<Your backpack is still too full!> ", "", "Welcome back."}));
    EXPECT_EQ(GameState.PendingItems[3].Level, 3);

    Fill(GameState.Backpack);
    RunScriptAt();
    EXPECT_EQ(WindowLines(), (std::vector<std::string>{"<Gained item: Long Sword!>", "", "Welcome back."}));
    EXPECT_EQ(GameState.PendingItems[3].Level, -1);
    EXPECT_EQ(GameState.PendingItems[7].Level, 4);
    EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), 40);
    EXPECT_EQ(InstanceAt(GameState.Backpack[0][0])->X, 2);
}

TEST_F(InterpreterTest, FocusLossDuringTheWaitsRedrawsTheWindow) {
    Line(0, 1, {}, "Hello");
    Line(1, 22, {1}, "yes");
    Line(2, 1, {}, "Bye");
    Line(3, 8);
    host.MoveMouse(639, 0).LoseFocus().Wait(50).GainFocus().Wait(50);
    Keys({"no", kEnter});
    host.LoseFocus().Wait(50).GainFocus().Wait(50);
    TapKey('1');
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_GE(Draws("Hello").size(), 3u);  // shown, redrawn by the answer field, redrawn after the focus
    EXPECT_GE(Draws("Bye").size(), 2u);
    EXPECT_EQ(WindowLines(), (std::vector<std::string>{"Bye", "", "1. <Leave>"}));
}

TEST_F(InterpreterTest, BadSlotsAndEndlessRunsStopWithABox) {
    for (int16_t slot : {int16_t(-1), int16_t(7), int16_t(30)}) {
        TapKey(kEnter);
        RunScriptAt(slot);
    }
    EXPECT_EQ(Draws("Error! Null script pointer!").size(), 3u);
    EXPECT_EQ(Draws("Error! Null script pointer!").front(), (std::array<int32_t, 3>{80, 90, 0}));

    Line(0, 5, {1});
    Line(1, 21, {0, 5, -1, 30});
    Line(2, 7, {1});
    TapKey(kEnter);
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_TRUE(TextShown(host, "Script stopped: it ran on"));
    // Line 0 once, then lines 1 and 2 in turn: 50,000 tallies in 100,000 lines.
    EXPECT_EQ(GameFlag(30), Wrap16(-1 + 50000));
}

}  // namespace
