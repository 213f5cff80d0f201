// The puzzle screens through the PUZZLE EVENT: the maze, the alien panel, the stone tablet, the
// golem's processor and power conduit, the balance and the water jars.
#include <string>

#include "events/puzzles.h"
#include "platform/keys.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kPuzzle = 1280, kFlag = 600;

class PuzzlesTest : public EventTest {
protected:
    EventRecord& Puzzle(int16_t kind, std::initializer_list<std::pair<int, int16_t>> words = {}) {
        EventRecord& e = Put(5, 5, kPuzzle, {{2, kind}, {3, kFlag}});
        for (auto [w, v] : words) e.Word[w] = v;
        return e;
    }
    void Click(int32_t x, int32_t y, int times = 1) {
        for (int i = 0; i < times; ++i) ClickAt(x, y);
    }
    // The arrow keys of a walk through the maze: U, D, L, R.
    void Walk(std::string_view moves) {
        for (char m : moves) TapKey(m == 'U' ? 38 : m == 'D' ? 40 : m == 'L' ? 37 : 39);
    }
};

TEST_F(PuzzlesTest, MazeBlocksAndLightsInAnyOrder) {
    Puzzle(0);
    Walk("DL");  // the border below and a closed cell to the left
    TapKey('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(CountShown("N2-9"), 5u);  // each blocked press draws the blocked and the idle centre
    EXPECT_EQ(GameState.GameFlags[kFlag], -1);

    // The far corner first, then the upper right, then the left.
    Forget();
    Walk("URUUURRRDDDRRRD" "UUUULLUUUURRD" "ULLDDDDLLLLULLUUUURRDD");
    TapKey(kEnter);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("N9-9"));
    EXPECT_TRUE(Shown("N3-2"));
    EXPECT_TRUE(Shown("    You hear a click!"));
    EXPECT_EQ(GameState.GameFlags[kFlag], 0);
}

TEST_F(PuzzlesTest, AlienDigitsWrapAndTestOnlyAfterAClick) {
    Puzzle(1, {{1, 1}});  // the code 00000
    Click(220, 245, 9);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[kFlag], -1);
    EXPECT_EQ(Played("Alien"), 0u);

    Click(220, 245, 10);  // a full turn brings the first digit back to 0
    TapKey(kEnter);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[kFlag], 0);

    // Kind 3 is the same panel; a second success adds 1 again.
    Puzzle(3, {{4, 2}, {5, 0}, {6, 0}, {7, 0}, {8, 1}});
    Click(220, 245, 2);
    Click(340, 245);
    TapKey(kEnter);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[kFlag], 1);
}

TEST_F(PuzzlesTest, TabletCellsCycleThroughSixSymbols) {
    Puzzle(2);  // every wanted symbol 0
    Click(145 + 30 * 3, 150 + 30 * 4, 6);
    TapKey(kEnter);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[kFlag], 0);

    Puzzle(2, {{9 + 4 * 2 + 1, 3}});  // cell (1, 2) wants symbol 3
    Click(145 + 30, 150 + 60, 2);
    TapKey(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[kFlag], 0);
}

TEST_F(PuzzlesTest, ConduitVoltages) {
    SetGameFlag(GolemFlag, 0);
    Puzzle(4, {{4, 23}});
    Click(165, 195);  // capacitor kind 0 (11 MV) into slot 0
    Click(190, 125);
    Click(195, 195);  // kind 1 (9 MV) into slot 1
    Click(220, 125);
    Click(225, 195);  // kind 2 (3 MV) into slot 2: 23
    Click(250, 125);
    Click(250, 125);  // and out again onto the empty place of kind 0
    Click(165, 195);
    TapKey('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(CountShown("MegaVolts: 23"), 2u);  // selected, then drawn before it was taken out
    EXPECT_TRUE(ShownAt("MegaVolts: 0", 195, 240, 91));
    EXPECT_EQ(GameState.GameFlags[kFlag], -1);  // up at 23, down again when it left

    // Until the processor is assembled nothing but the exit answers.
    SetGameFlag(GolemFlag, -1);
    Forget();
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Processor must be", 165, 132));
    EXPECT_FALSE(Shown("MegaVolts: 0"));
}

TEST_F(PuzzlesTest, GolemFromProcessorToConduit) {
    Puzzle(5, {{3, GolemFlag}});
    // Chip swaps by reading position: each pair puts the next chip in place.
    for (auto [a, b] : {std::pair{0, 2}, {1, 4}, {2, 3}, {3, 8}, {4, 6}, {5, 8}, {6, 8}}) {
        Click(195 + 30 * (a % 3), 145 + 30 * (a / 3));
        Click(195 + 30 * (b % 3), 145 + 30 * (b / 3));
    }
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Processor is complete!", 170, 245, 182));
    EXPECT_EQ(GameFlag(GolemFlag), 0);

    Forget();  // reopened: solved, and only "Done"
    TapKey(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Processor is complete!"));
    EXPECT_EQ(GameFlag(GolemFlag), 0);

    Puzzle(4, {{3, GolemFlag}, {4, 21}});
    Click(165, 195);  // 11 + 3 + 7
    Click(190, 125);
    Click(225, 195);
    Click(220, 125);
    Click(255, 195);
    Click(250, 125);  // the golem is up: only "Done" answers
    TapKey('D');
    const int32_t xp = GameState.HeroXp;
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("21 Mega Volts supplied.", 165, 132, 182));
    EXPECT_TRUE(ShownAt("You gain 50 xp!", 165, 214, 91));
    EXPECT_EQ(GameState.QuestStates[49], 2);
    EXPECT_EQ(GameState.HeroXp, xp + 50);
    EXPECT_EQ(GameFlag(GolemFlag), 2);
}

TEST_F(PuzzlesTest, WaterJarsSolvedAtTheLastPour) {
    Puzzle(7);
    const int32_t jarX[3] = {196, 236, 276};
    Click(jarX[1], 220, 2);  // a jar poured into itself changes nothing
    for (auto [from, to] : {std::pair{0, 1}, {1, 2}, {2, 0}, {1, 2}, {0, 1}, {1, 2}, {2, 0}}) {
        Click(jarX[from], 220);
        Click(jarX[to], 220);
    }
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Grate"), 1u);
    EXPECT_EQ(GameState.GameFlags[kFlag], 0);
}

TEST_F(PuzzlesTest, BalanceAndUnknownKinds) {
    Puzzle(6);
    TapKey('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Balance:"));
    EXPECT_EQ(GameState.GameFlags[kFlag], -1);

    Forget();
    Puzzle(8);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.texts.empty());
    EXPECT_TRUE(host.effects.empty());
}

}  // namespace
