// Text, sign and symbol events.
#include "events/text_events.h"

#include "platform/display.h"
#include "platform/input.h"
#include "tests/events/event_test.h"
#include "tests/support/surface_match.h"

namespace {

class TextEventsTest : public EventTest {};

TEST_F(TextEventsTest, PushTextChangesItsFlagAtEveryBump) {
    Put(5, 5, 1226, {{10, 100}, {11, 1}, {12, 3}});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[100], 5);  // -1 + 3 + 3
    EXPECT_EQ(Played("Text"), 2u);

    EventRecord& other = Put(6, 5, 1226, {{4, 101}, {5, 5}, {6, 1}, {16, 102}, {18, 7}});  // else branch
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(GameState.GameFlags[102], 7);
    other.Word[4] = 0;  // then branch, whose flag word is 0: nothing set
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(GameState.GameFlags[0], -1);

    Put(7, 5, 1226, {{1, 103}, {2, 5}, {3, 1}});  // inactive: walked onto, nothing shown
    EXPECT_EQ(Bump(7, 5), 1);
    EXPECT_EQ(Played("Text"), 4u);
}

TEST_F(TextEventsTest, StepTextDirectionFilter) {
    const struct {
        int16_t filter, dx, dy;
        int shown;
    } cases[] = {{0, 1, 0, 1}, {1, 0, 1, 1},  {1, 0, -1, 0}, {2, 0, -1, 1}, {2, 1, 0, 0},
                 {3, 1, 0, 0}, {3, -1, 0, 1}, {4, 1, 0, 1},  {4, 0, 1, 0}};
    EventRecord& e = Put(5, 5, 1227, {{10, 100}, {11, 1}, {12, 1}});
    int16_t expectedFlag = -1;
    for (const auto& c : cases) {
        e.Word[19] = c.filter;
        if (c.shown) host.Wait(5).Tap('L');
        int shown = 0;
        Run([&] { RunStepTextEvent(5, 5, shown, c.dx, c.dy); });
        EXPECT_EQ(shown, c.shown) << c.filter << " " << c.dx << "," << c.dy;
        expectedFlag = int16_t(expectedFlag + c.shown);
    }
    EXPECT_EQ(GameState.GameFlags[100], expectedFlag);
}

TEST_F(TextEventsTest, StepTextQuestLinesStandBelowTheTextButAboveLineNine) {
    EventRecord& e = Put(5, 5, 1227, {{20, 5}, {21, 1}, {22, 6}, {23, 0}, {24, 10}});
    Text(e, 0, 9, "The last line");
    host.Wait(5).Tap(27);
    int shown = 0;
    Run([&] { RunStepTextEvent(5, 5, shown, 1, 0); });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(GameState.QuestStates[5], 1);
    EXPECT_EQ(GameState.HeroXp, 10);
    EXPECT_TRUE(ShownAt("< New quest activated! >", 465, 132, 91));
    EXPECT_TRUE(ShownAt("You receive 10 xp!", 465, 156, 91));  // after one blank line
    EXPECT_FALSE(Shown("< Quest completed! >"));               // quest 6 went to state 0: no line
    EXPECT_TRUE(ButtonAt("Leave", 282));
}

TEST_F(TextEventsTest, RunesShowTheirSymbolsInTheOrderOfTheirWords) {
    Put(5, 5, 1230, {{4, 0}, {5, 5}, {6, 0}, {7, 0}, {8, 7}});
    GameState.KnownRunes[4] = 1;  // rune 5
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Runes are recorded here:", 200, 130, 182));
    EXPECT_TRUE(ShownAt("Fire, Burning", 250, 170));
    EXPECT_TRUE(ShownAt("Unknown Rune", 250, 200));
    EXPECT_TRUE(Shows(BackSurface, 200, 160, RunePictures[4]));
    EXPECT_TRUE(Shows(BackSurface, 200, 190, RunePictures[6]));
    EXPECT_EQ(SkipNextRedraw, 1u);

    Forget();
    Put(6, 5, 1231, {{4, 41}, {5, 2}});  // 41 is no glyph
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(ShownAt("Unknown Glyph", 250, 160 + 10));
    EXPECT_EQ(CountShown("Unknown Glyph"), 1u);
}

TEST_F(TextEventsTest, HeraldrySignShowsFourLinesAndItsPicture) {
    EventRecord& e = Put(5, 5, 1232, {{5, 3}});
    for (int i = 0; i < 5; ++i) Text(e, 0, i, std::string(1, char('A' + i)));
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("A", 200, 140));
    EXPECT_TRUE(ShownAt("D", 200, 176));
    EXPECT_FALSE(Shown("E"));
    EXPECT_TRUE(Shows(BackSurface, 240, 220, HeraldryPictures[3]));
}

}  // namespace
