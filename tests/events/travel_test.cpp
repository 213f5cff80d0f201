// Portals, dig portals, modules, elevators and pentagram portals. Every journey here stays on
// level 1, so it moves the hero without loading a level.
#include "data/campaign_tables.h"
#include "events/module_travel.h"
#include "events/portals.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "tests/events/event_test.h"
#include "tests/support/surface_match.h"

namespace {

class TravelTest : public EventTest {
protected:
    void ExpectHeroAt(int16_t x, int16_t y) {
        EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(1, x, y));
    }
};

TEST_F(TravelTest, PortalGoesByItsDestinationCondition) {
    Put(5, 5, 1236, {{7, 90}, {8, 5}, {9, 1}, {10, 1}, {12, 20}, {13, 21}, {14, 1}, {16, 30}, {17, 31}, {22, 91}});
    host.Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    ExpectHeroAt(30, 31);  // flag 90 is not 1: the "else" destination
    EXPECT_EQ(GameState.GameFlags[91], 1);
    EXPECT_EQ(Played("Click"), 1u);

    GameState.GameFlags[90] = 1;
    host.Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    ExpectHeroAt(20, 21);

    // A destination off the map is refused.
    EventGrid[5 * 50 + 5]->Word[12] = 50;
    Forget();
    host.Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    ExpectHeroAt(20, 21);
    EXPECT_EQ(Played("no"), 1u);
    EXPECT_EQ(Played("Click"), 0u);
}

TEST_F(TravelTest, PortalEntryKinds) {
    EventRecord& p = Put(5, 5, 1236, {{5, 5}, {10, 1}, {12, 20}, {13, 21}, {14, 1}, {16, 20}, {17, 21}});
    EXPECT_EQ(Bump(5, 5), 1);  // kind 5 without portal sight: not there
    EXPECT_TRUE(host.effects.empty());
    GameState.PortalSightTurns = 3;
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Go", 260));

    p.Word[5] = 4;  // hidden with Stealth 6
    p.Word[6] = 6;
    GameState.Hidden = 1;
    GameState.Skills[kStealth] = 5;
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You've been spotted and", 465, 120));
    EXPECT_EQ(GameState.Hidden, 0u);

    p.Word[5] = 3;  // small entrance: a Snake fits
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The entrance is too"));
    GameState.HeroForm = 1;
    host.Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    ExpectHeroAt(20, 21);

    GameState.HeroForm = 0;
    p.Word[5] = 2;  // worn item: carrying it is not enough
    p.Word[6] = 40;
    Carry(40);
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("A mysterious force stops"));
    p.Word[5] = 1;
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Go", 260));
}

TEST_F(TravelTest, WildPortalArrivesBySideOfApproach) {
    Put(5, 5, 2139, {{6, 1}, {8, 11}, {9, 12}, {10, 13}, {11, 14}, {12, 15}, {13, 16}, {14, 17}, {15, 18}});
    const struct { int16_t dx, dy, x, y; } cases[] = {{0, 1, 11, 12}, {0, -1, 13, 14}, {-1, 0, 15, 16}, {1, 0, 17, 18}};
    for (const auto& c : cases) {
        host.Wait(5).Tap('G');
        EXPECT_EQ(Bump(5, 5, c.dx, c.dy), 0);
        ExpectHeroAt(c.x, c.y);
    }
}

TEST_F(TravelTest, DigPortal) {
    EventRecord& dig = Put(5, 5, 1237, {{1, 0}, {3, 60}, {4, 1}, {6, 7}, {7, 8}});
    EXPECT_EQ(Bump(5, 5), 1);     // hidden and never dug: walked over
    GameState.GameFlags[60] = 0;  // flag 0: dug
    host.Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The entrance is free"));
    ExpectHeroAt(7, 8);

    dig.Word[1] = 5;  // a covered entrance
    GameState.GameFlags[60] = -1;
    Carry(335);
    GameState.HeroForm = 2;  // a Falcon cannot dig, spade or not
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("You currently have no"));

    GameState.HeroForm = 0;
    host.Wait(5).Tap('D').Wait(5).Tap('G');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[60], 1);
    EXPECT_EQ(Played("Dig"), 1u);
    ExpectHeroAt(7, 8);

    GameState.GameFlags[60] = -1;
    host.Wait(5).Tap('L');
    Run([] { DigAtDigPortal(5, 5, 1, 0); });
    EXPECT_EQ(GameState.GameFlags[60], 1);
}

TEST_F(TravelTest, ModuleChooser) {
    Put(5, 5, 1238, {{4, 3}, {5, 7}, {11, 80}, {17, 2}, {6, 9}});
    ModuleTable[3].ModuleDoneFlag = 50;
    GameState.GameFlags[50] = 1;
    ModuleTable[9].ModuleStart[0] = 1;
    ModuleTable[9].ModuleStart[1] = 33;
    ModuleTable[9].ModuleStart[2] = 34;
    // Module 7 waits for flag 80 >= 2: two are offered.
    host.Wait(5).Tap('P');
    host.MoveMouse(125, 245).Wait(100).Tap(1);
    host.Wait(5).Tap(13);
    host.Wait(5).Tap('N');
    host.MoveMouse(125, 245).Wait(100).Tap(1);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Module 1 of 2"));
    EXPECT_TRUE(Shown("   You have already"));
    EXPECT_TRUE(Shown("Module 2 of 2"));
    EXPECT_EQ(Played("Bell"), 1u);
    ExpectHeroAt(33, 34);
}

TEST_F(TravelTest, TheModuleChooserIsAPageOfItsOwn) {
    // Its card is wider than the covered view: no piece of the HUD shows beside it.
    const int16_t modules[6] = {3, -1, -1, -1, -1, -1};
    host.Wait(5).Tap(27);
    Run([&] { ChooseModule(modules, 1); });
    ASSERT_FALSE(host.frames.empty());
    EXPECT_TRUE(Shown("Select Module"));
    EXPECT_FALSE(Shows(host.frames.back(), 444, 7, VitalsPanel));
}

TEST_F(TravelTest, ElevatorListsThePresentFloors) {
    Put(5, 5, 1290, {{1, 1}, {3, 1}, {4, 1}, {11, 2}, {13, 3}, {14, 4}, {16, 12}, {18, 13}, {19, 14}});
    host.Wait(5).Tap('2');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Level 1", 155));
    EXPECT_TRUE(ButtonAt("Level 2", 177));
    EXPECT_TRUE(ButtonAt("Level 3", 199));
    EXPECT_FALSE(Shown("Level 4"));
    ExpectHeroAt(3, 13);  // the second listed floor is floor 3
    EXPECT_EQ(Played("Chain"), 1u);
}

TEST_F(TravelTest, PentagramPortals) {
    for (int i = 0; i < 3; ++i) {
        SetFieldText(PentaTable[size_t(i)].PentaName, std::string("Gate ") + char('A' + i));
        PentaTable[size_t(i)].PentaDestination[0] = 1;
        PentaTable[size_t(i)].PentaDestination[1] = int16_t(40 + i);
        PentaTable[size_t(i)].PentaDestination[2] = int16_t(41 + i);
    }
    GameState.PentaActive[0] = 1;
    Put(5, 5, 1239, {{1, 2}});
    Carry(79);
    GameState.HeroForm = 2;  // a Falcon cannot put the key
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Requires: Portal Key 3", 465, 168, 91));
    EXPECT_FALSE(Shown("Put Portal Key"));

    GameState.HeroForm = 0;
    host.Wait(5).Tap('P').Wait(5).Tap(13).Wait(5).Hold('3', 20).Wait(5).Tap('1');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.PentaActive[2], 1u);
    EXPECT_EQ(HasItem(79), 0);
    EXPECT_EQ(GameState.Score, 1);
    EXPECT_TRUE(Shown("   The portal activates!"));
    ExpectHeroAt(40, 41);  // '3' was this portal itself: nothing; '1' went to portal 0

    GameState.HeroForm = 2;  // an active portal carries a Falcon
    GameState.HeroX = 10;
    host.Wait(5).Tap('1');
    EXPECT_EQ(Bump(5, 5), 0);
    ExpectHeroAt(40, 41);
}

}  // namespace
