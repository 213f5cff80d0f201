// The final score's scroll and its line rules, the win-text choice, and the GSK search.
#include <algorithm>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/text_field.h"
#include "frontend/final_score.h"
#include "frontend/script_search.h"
#include "kit/script/script_slots.h"
#include "tests/frontend/frontend_test.h"

namespace {

class FinalScoreTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        OpenDisplay();
        LoadDataFiles();
    }
};

TEST_F(FinalScoreTest, ScrollStopsWhenTheLastLineReaches280) {
    WinTextRecord& w = WinTexts[0];
    w.Indent = 120;
    w.Tune = 3;
    SetFieldText(w.Line[0], "First");
    SetFieldText(w.Line[1], "%");
    SetFieldText(w.Line[2], "Last");
    SetFieldText(w.Line[3], "!");
    SetFieldText(w.Line[4], "Hidden");
    GameState.Score = 42;
    host.Wait(200);
    TapKey(27);
    Run([] { ShowFinalScore(0); });

    // Lines start at 300, 314 and 328 and rise a pixel a frame until the last is at 280,
    // 48 frames later; each is drawn 20 pixels higher, only inside the band 150..330.
    const auto last = YsOf("Last");
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.front(), 327 - 20);
    EXPECT_EQ(*std::min_element(last.begin(), last.end()), 260);
    EXPECT_GT(std::count(last.begin(), last.end(), 260), 100);
    const auto first = YsOf("First");
    EXPECT_EQ(*std::min_element(first.begin(), first.end()), 300 - 48 - 20);
    EXPECT_EQ(YsOf("Final score: 42%").size(), last.size());
    EXPECT_TRUE(YsOf("Hidden").empty());
    EXPECT_TRUE(YsOf("!").empty());
    EXPECT_TRUE(YsOf("%").empty());
    EXPECT_TRUE(MediaSent("open music/tune2.mp3 alias currtune"));
    EXPECT_TRUE(MediaSent("setaudio currtune left volume to 600"));
}

TEST_F(FinalScoreTest, OnceTheTextHasStoppedItsFramesAreNotPresentedAgain) {
    WinTextRecord& w = WinTexts[0];
    SetFieldText(w.Line[0], "Only");
    SetFieldText(w.Line[1], "!");
    host.Wait(300);
    TapKey(27);
    Run([] { ShowFinalScore(0); });
    // The line rises from 300 to 280: 20 frames that differ, then the same frame every 100 ms.
    EXPECT_GT(host.flips, 100u);
    EXPECT_EQ(host.presented, 20u);
}

TEST_F(FinalScoreTest, WinGameTakesTheTextNumberClampedToTheTwoTexts) {
    SetFieldText(WinTexts[0].Line[0], "Text one");
    SetFieldText(WinTexts[0].Line[1], "!");
    SetFieldText(WinTexts[1].Line[0], "Text two");
    SetFieldText(WinTexts[1].Line[1], "!");
    NewLevel(0);
    CreateScript(3);
    for (int16_t operand : {7, -2, 1}) {
        host.texts.clear();
        ScriptTable[3]->Record.Operand[10][0] = operand;
        host.Wait(2);
        TapKey(27);
        Run([] { WinGame(10, 3); });
        EXPECT_EQ(TextShown(host, "Text two"), operand != -2) << operand;
        EXPECT_EQ(TextShown(host, "Text one"), operand == -2) << operand;
        EXPECT_FALSE(AnyShownContaining("Final score"));  // no "%" line
    }
}

class ScriptSearchTest : public FinalScoreTest {};

TEST_F(ScriptSearchTest, ReportsEveryGiveSkillLineOfTheLevelsThatExist) {
    const auto writeLevel = [](int16_t number, std::initializer_list<std::pair<int16_t, int16_t>> gsk) {
        NewLevel(0);
        CreateScript(0);
        ScriptTable[0]->Record.Code[0] = 28;  // another code
        for (auto [slot, line] : gsk) {
            if (!ScriptTable[size_t(slot)]) CreateScript(slot);
            ScriptTable[size_t(slot)]->Record.Code[line] = 29;
        }
        ASSERT_EQ(WriteLevelFile(LevelFilePath(number)), 1u);
    };
    writeLevel(0, {{2, 5}, {2, 7}});
    writeLevel(1, {});
    writeLevel(129, {{29, 399}});
    for (int i = 0; i < 4; ++i) TapKey(13);
    Run([] { FindGskScripts(); });

    std::vector<std::string> found;
    for (const auto& t : host.texts)
        if (t.text.starts_with("Map=")) found.push_back(t.text);
    EXPECT_EQ(found, (std::vector<std::string>{"Map=0,Script=2", "Map=0,Script=2", "Map=129,Script=29"}));
    EXPECT_EQ(CountShown("Found GSK at"), 3u);
    EXPECT_EQ(SecondLineOfBox(host, "Instances found="), "3");
    EXPECT_FALSE(TextShown(host, "  Level does not exist!"));
}

}  // namespace
