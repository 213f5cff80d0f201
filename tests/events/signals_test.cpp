// TELEXY teleporters, rune riddles, coaches and smoke signals.
#include "events/travel_events.h"
#include "platform/keys.h"
#include "script/symbol_names.h"
#include "tests/events/event_test.h"

namespace {

class SignalsTest : public EventTest {
protected:
    std::tuple<int, int> Hero() const { return {GameState.HeroX, GameState.HeroY}; }
};

TEST_F(SignalsTest, TeleXYTargets) {
    struct Case {
        int16_t x, y, access;
        bool event, waterWalk, moves;
    };
    const Case cases[] = {
        {20, 21, 1295, false, false, true}, {50, 21, 1295, false, false, false}, {20, 21, 1297, false, false, false},
        {20, 21, 1298, false, false, false}, {20, 21, 1292, false, false, false}, {20, 21, 1295, true, false, false},
        {20, 21, 1299, false, false, false}, {20, 21, 1299, false, true, true},
    };
    for (const Case& c : cases) {
        NewLevel(1327);
        if (c.x < 50) CurrentLevel.AccessLayer[c.x * 50 + c.y] = c.access;
        if (c.event) Put(c.x, c.y, 1227);
        GameState.WaterWalkTurns = c.waterWalk ? 5 : 0;
        GameState.HeroX = GameState.HeroY = 10;
        Forget();
        int moved = -1;
        Run([&] { moved = TryTeleXY(c.x, c.y); });
        EXPECT_EQ(moved, c.moves ? 1 : 0) << c.access;
        EXPECT_EQ(Hero(), c.moves ? std::tuple(int(c.x), int(c.y)) : std::tuple(10, 10));
        EXPECT_EQ(Played(c.moves ? "Spell" : "Curse"), 1u);
    }
}

TEST_F(SignalsTest, TeleXYModes) {
    // Orbs: 20 + 20 + 5 in the X slots, 10 + an empty slot in Y.
    Put(5, 5, 1399, {{2, 1}, {15, 830}, {16, 831}, {17, 832}, {18, 833}, {19, 834}, {20, 835}});
    for (auto [flag, item] : {std::pair{830, 560}, {831, 560}, {832, 558}, {833, 559}}) SetGameFlag(flag, int16_t(item));
    Keys({'A'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Hero(), std::tuple(45, 10));

    SetGameFlag(834, 560);  // Y: 10 + 20 + 20 = 50, off the map
    SetGameFlag(835, 560);
    Keys({'A', kEnter});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown(" Invalid coordinates!"));
    EXPECT_EQ(Hero(), std::tuple(45, 10));

    // By flags: invalid flag numbers say so.
    Put(5, 5, 1399, {{2, 0}, {12, 836}, {13, 0}});
    Keys({'A', kEnter});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Invalid TeleXY flags!"));
    Put(5, 5, 1399, {{2, 0}, {12, 836}, {13, 837}});
    SetGameFlag(836, 3);
    SetGameFlag(837, 4);
    Keys({'A'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Hero(), std::tuple(3, 4));

    // By the item placed in a USE ITEM slot: the table's fourth entry.
    Put(5, 5, 1399, {{2, 2}, {14, 838}, {3, 600}, {21, 601}, {22, 602}, {24, 17}, {26, 18}});
    SetGameFlag(838, 602);
    Keys({'A'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Hero(), std::tuple(17, 18));
    SetGameFlag(838, 603);  // not in the table
    Forget();
    Keys({'A'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Curse"), 1u);
    EXPECT_EQ(Hero(), std::tuple(17, 18));
}

TEST_F(SignalsTest, RuneRiddleFlagFollowsTheChoice) {
    Put(5, 5, 1628, {{1, 0}, {2, 2}, {3, 840}, {5, 841}});
    SetGameFlag(840, 0);
    GameState.KnownRunes[1] = 1;  // rune 2
    Keys({'N', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameFlag(841), 2);
    EXPECT_EQ(GameFlag(840), 1);
    EXPECT_TRUE(Shown("Meaning unknown!"));  // rune 1
    EXPECT_TRUE(ShownAt(std::string(RuneName(2)), 500, 215));

    Keys({'N', 'P', 'P', 'P', 'L'});  // 3, 2, 1, and no further
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameFlag(841), 1);
    EXPECT_EQ(GameFlag(840), 0);

    // The first visit starting at the correct symbol raises the flag at once.
    Put(6, 5, 1628, {{1, 1}, {2, 1}, {3, 842}, {5, 843}});
    SetGameFlag(842, 0);
    Keys({'L'});
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(GameFlag(842), 1);
    SetGameFlag(843, 40);
    Keys({'N', 'L'});
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(GameFlag(843), 40);
}

TEST_F(SignalsTest, CoachTravel) {
    EventRecord& coach = Put(5, 5, 1664);
    const char* names[] = {"Riverton", "Hollow", "Ashford"};
    for (int i = 0; i < 3; ++i) {
        Text(coach, 0, i, names[i]);
        coach.Word[2 + i] = int16_t(10 * (i + 1));  // cost
        coach.Word[8 + i] = 1;                        // level
        coach.Word[14 + i] = int16_t(20 + i);
        coach.Word[20 + i] = 30;
        coach.Word[26 + i] = int16_t(850 + i);
    }
    Text(coach, 1, 0, "No coaches today.");
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("No coaches today."));

    SetGameFlag(850, 1);
    SetGameFlag(852, 1);
    GameState.HeroGold = 25;
    Forget();
    ClickAt(500, 157 + 22 * 2 + 5);  // Ashford: 30 gp
    ClickAt(500, 157 + 22 * 1 + 5);  // Hollow is not open
    ClickAt(500, 157 + 5);
    Keys({'N'});
    ClickAt(500, 157 + 5);
    Keys({'Y'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 2u);
    EXPECT_TRUE(ButtonAt("Riverton", 157, 475, 6));
    EXPECT_TRUE(ButtonAt("-", 179, 475, 6));
    EXPECT_TRUE(ButtonAt("Ashford", 201, 475, 6));
    EXPECT_EQ(GameState.HeroGold, 15);
    EXPECT_EQ(Hero(), std::tuple(20, 30));
}

// A destination is named, and taken, when it has a cost, a level of 0 or more and a flag below 1
// or set to 1; a coach whose only destination is not offered shows its no-destination page.
TEST_F(SignalsTest, CoachButtonsNameTheDestinationsWithACost) {
    struct Row {
        const char* name;
        int16_t cost, level, flag;
        bool offered;
    };
    const Row rows[] = {{"Wayside", 10, 1, 0, true},    {"Fenmoor", 10, 1, -1, true},
                        {"Riverton", 10, 1, 850, true}, {"Ashford", 10, 1, 851, false},
                        {"Hollow", 0, 1, 850, false},   {"Mirefield", 10, -1, 0, false}};
    SetGameFlag(850, 1);
    SetGameFlag(851, 0);
    for (const Row& r : rows) {
        EventRecord& coach = Put(5, 5, 1664);
        Text(coach, 0, 0, r.name);
        Text(coach, 1, 0, "No coaches today.");
        coach.Word[2] = r.cost;
        coach.Word[8] = r.level;
        coach.Word[14] = 20;
        coach.Word[20] = 30;
        coach.Word[26] = r.flag;
        GameState.HeroX = GameState.HeroY = 10;
        GameState.HeroGold = 100;
        Forget();
        if (r.offered) ClickAt(500, 157 + 5);
        Keys({r.offered ? 'Y' : 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(ButtonAt(r.name, 157, 475, 6), r.offered) << r.name;
        EXPECT_EQ(Shown("No coaches today."), !r.offered) << r.name;
        EXPECT_EQ(Hero(), r.offered ? std::tuple(20, 30) : std::tuple(10, 10)) << r.name;
        EXPECT_EQ(GameState.HeroGold, r.offered ? 90 : 100) << r.name;
    }
}

TEST_F(SignalsTest, ACoachThatCannotArriveKeepsTheFare) {
    EventRecord& coach = Put(5, 5, 1664);
    Text(coach, 0, 0, "Nowhere");
    Text(coach, 0, 1, "Offshore");
    for (int i = 0; i < 2; ++i) {
        coach.Word[2 + i] = 10;
        coach.Word[8 + i] = int16_t(i == 0 ? 77 : 1);  // no file for level 77
        coach.Word[14 + i] = int16_t(i == 0 ? 20 : 50);  // X 50 lies off the map
        coach.Word[20 + i] = 30;
        coach.Word[26 + i] = 850;
    }
    SetGameFlag(850, 1);
    GameState.HeroGold = 25;
    ClickAt(500, 157 + 5);
    TapKey(kEnter);
    ClickAt(500, 157 + 22 + 5);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("  Level does not exist!"));
    EXPECT_EQ(Played("No"), 2u);
    EXPECT_FALSE(Shown("Really travel there?"));
    EXPECT_EQ(GameState.HeroGold, 25);
    EXPECT_EQ(Hero(), std::tuple(10, 10));
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
}

TEST_F(SignalsTest, SmokeSignals) {
    EventRecord& smoke = Put(5, 5, 1331, {{1, 860}, {2, 861}, {3, -1}, {4, 0}, {5, -1}, {6, -1}, {7, 0}, {8, -1}});
    Text(smoke, 0, 0, "A cold fire pit.");
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("A cold fire pit."));

    SetGameFlag(860, 1);
    ClickAt(230, 230);  // puff 1
    ClickAt(310, 230);  // puff 4
    ClickAt(240, 285);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameFlag(861), 1);
    EXPECT_EQ(Played("PowerUp"), 1u);

    SetGameFlag(861, 0);
    ClickAt(240, 285);  // all large: wrong
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("fire"), 1u);
    EXPECT_EQ(GameFlag(861), 0);
}

}  // namespace
